#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPixmap>
#include <QSize>

class QPainter;

// The ten looks of the bar, as `Scrolling` stores them. A stored value
// outside 0..9 is kept as it is and drawn as XpSmooth.
enum class ProgressLook : int {
    XpBlocks = 0,
    XpSmooth = 1,
    XpMarquee = 2,
    Flat = 3,
    Etched = 4,
    Track = 5,
    SilverOnBlack = 6,
    Hatched = 7,
    Pattern = 8,
    SilverOnWhite = 9,
};

// Everything a progress bar's drawing depends on.
struct ProgressBarLook
{
    QSize size;
    int percent = 0;          // may exceed 100; drawn as at most 100
    QColor color;             // the bar colour, already resolved
    QPalette palette;         // resolves the system colours of the edges
    ProgressLook look = ProgressLook::XpBlocks;
    bool vertical = false;
    bool showText = false;
    int brushStyle = 0;       // hatch of the Hatched look
    QPixmap image;            // pattern of the Pattern look
    QFont font;
};

namespace ProgressBarPaint {

// Each channel becomes round(channel2 * (255 - weight) / 255 + channel1 * weight / 255).
QColor BlendColors(const QColor& first, const QColor& second, int weight);

// The text drawn when ShowText is on.
QString text(const ProgressBarLook& look);

} // namespace ProgressBarPaint

// Draws the whole bar, background included, into the look's rectangle.
void paintProgressBar(QPainter& painter, const ProgressBarLook& look);
