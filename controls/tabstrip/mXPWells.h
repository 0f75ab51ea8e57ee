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
// strip's properties hold them; geometry is in the strip's pixels with a
// line that excludes its end point.
namespace mXPWells {

// Resolves a system colour through `palette`, then adds `amount` to each of
// red, green and blue, each kept within 0..255.
quint32 AdjustColor(quint32 colour, int amount, const QPalette& palette);
quint32 AdjustColor(quint32 colour, int amount = 0);
QColor toQColor(quint32 colour);

// Fills `rect` with a linear blend from `from` to `to`, one band per row
// (vertical) or per column.
void GradientFill(QPainter& painter, const QColor& from, const QColor& to, const QRect& rect,
                  bool vertical);
// AdjustColor(colour, amount) framed around or filled into `rect`.
void DrawRect(QPainter& painter, const QRect& rect, quint32 colour, int amount, bool frame);
void DrawLine(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& colour);
void DrawPixel(QPainter& painter, int x, int y, const QColor& colour);

// The caption as it shows, "&" marking the underlined access character and
// "&&" standing for one ampersand.
QSize MeasureText(const QFontMetrics& metrics, const QString& caption);
// The caption without its access-key markers.
QString PlainText(const QString& caption);

// Width and height of a picture in pixels; 0 and 0 for no picture.
QSize GetPictureSize(const QPixmap& picture);

// Rounds half to even, as the strip's centring does.
int roundHalfEven(double value);

} // namespace mXPWells
