#pragma once

#include <QColor>
#include <QPalette>
#include <QRect>
#include <QSize>
#include <QString>

class QFont;
class QFontMetrics;
class QPainter;
class QPixmap;

// Drawing helpers of the tab strip. Colours are 0x00BBGGRR values as the
// strip's properties hold them; lines, pixels and gradients come from the
// controls' shared WinPaint and WinGradient.
namespace mXPWells {

// Resolves a system colour through `palette`, then adds `amount` to each of
// red, green and blue, each kept within 0..255.
quint32 AdjustColor(quint32 colour, int amount, const QPalette& palette);
quint32 AdjustColor(quint32 colour, int amount = 0);
QColor toQColor(quint32 colour);

// AdjustColor(colour, amount) framed around or filled into `rect`.
void DrawRect(QPainter& painter, const QRect& rect, quint32 colour, int amount, bool frame);

// The caption as it shows, "&" marking the underlined access character and
// "&&" standing for one ampersand.
QSize MeasureText(const QFontMetrics& metrics, const QString& caption);
// The caption without its access-key markers.
QString PlainText(const QString& caption);

// Width and height of a picture in pixels; 0 and 0 for no picture.
QSize GetPictureSize(const QPixmap& picture);

} // namespace mXPWells
