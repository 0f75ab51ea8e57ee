#include "GroupBoxPainter.h"

#include "NumberText.h"
#include "WinPaint.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace GroupBoxPainter {

namespace {

// The caption starts this far in from the frame's left edge, and the frame
// is cleared from two pixels before it.
constexpr int kCaptionLeft = 9;
constexpr int kCaptionGapLeft = 7;
// Room between the frame and child widgets laid out inside it.
constexpr int kContentPadding = 6;

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;

QSize captionExtent(const GroupBoxLook& look)
{
    return look.caption.extent(look.font);
}

// An etched edge: a sunken outer line inside a raised inner one.
void drawEtchedFrame(QPainter& painter, const QRect& frame, const QColor& highlight,
                     const QColor& shadow)
{
    const int left = frame.left();
    const int top = frame.top();
    const int right = frame.left() + frame.width();
    const int bottom = frame.top() + frame.height();

    // Outer edge: shadow above and to the left, highlight below and to the right.
    WinPaint::line(painter, left, top, right, top, shadow);
    WinPaint::line(painter, left, top, left, bottom, shadow);
    WinPaint::line(painter, left, bottom - 1, right, bottom - 1, highlight);
    WinPaint::line(painter, right - 1, top, right - 1, bottom, highlight);

    // Inner edge: the same colours the other way round.
    WinPaint::line(painter, left + 1, top + 1, right - 1, top + 1, highlight);
    WinPaint::line(painter, left + 1, top + 1, left + 1, bottom - 1, highlight);
    WinPaint::line(painter, left + 1, bottom - 2, right - 1, bottom - 2, shadow);
    WinPaint::line(painter, right - 2, top + 1, right - 2, bottom - 1, shadow);
}

// A black box with a white one inside. The white box is two pixels wide,
// but the black box covers its outer half, so only its inner ring shows.
void drawFlatFrame(QPainter& painter, const QRect& frame)
{
    WinPaint::frame(painter, frame.adjusted(1, 1, -1, -1), Qt::white);
    WinPaint::frame(painter, frame, Qt::black);
}

// Disabled text is embossed: a highlight copy one pixel down and to the
// right, the shadow copy on top.
void drawCaption(QPainter& painter, const GroupBoxLook& look)
{
    const QRect rect = captionRect(look);
    painter.setFont(look.font);
    if (look.enabled) {
        painter.setPen(look.foreColor);
        painter.drawText(rect, kTextFlags, look.caption.prefixText());
        return;
    }
    painter.setPen(look.highlight);
    painter.drawText(rect.translated(1, 1), kTextFlags, look.caption.prefixText());
    painter.setPen(look.shadow);
    painter.drawText(rect, kTextFlags, look.caption.prefixText());
}

void paintClassic(QPainter& painter, const GroupBoxLook& look)
{
    const QRect frame = frameRect(look);
    if (look.flat)
        drawFlatFrame(painter, frame);
    else
        drawEtchedFrame(painter, frame, look.highlight, look.shadow);
    if (!look.caption.isEmpty())
        WinPaint::fill(painter, captionBackgroundRect(look), look.backColor);
    drawCaption(painter, look);
}

QStyleOptionGroupBox styleOption(const GroupBoxLook& look)
{
    QStyleOptionGroupBox option;
    option.rect = QRect(QPoint(0, 0), look.size);
    option.palette = look.palette;
    option.palette.setCurrentColorGroup(look.enabled ? QPalette::Active : QPalette::Disabled);
    option.fontMetrics = QFontMetrics(look.font);
    option.state = look.enabled ? QStyle::State_Enabled : QStyle::State_None;
    option.text = look.caption.caption();
    option.textAlignment = Qt::AlignLeft;
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame;
    if (!look.caption.isEmpty())
        option.subControls |= QStyle::SC_GroupBoxLabel;
    return option;
}

// The style lays out and draws frame and caption in its own way; it hides
// the access key's underline when the desktop hides keyboard cues.
void paintStyled(QPainter& painter, const GroupBoxLook& look, const QWidget* widget)
{
    QStyleOptionGroupBox option = styleOption(look);
    option.textColor = QColor::fromRgba(
        QRgb(look.style->styleHint(QStyle::SH_GroupBox_TextLabelColor, &option, widget)));
    painter.setFont(look.font);
    look.style->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, widget);
}

} // namespace

void paint(QPainter& painter, const GroupBoxLook& look, const QWidget* widget)
{
    WinPaint::fill(painter, QRect(QPoint(0, 0), look.size), look.backColor);
    if (!look.bordered)
        return;
    if (look.style)
        paintStyled(painter, look, widget);
    else
        paintClassic(painter, look);
}

QRect frameRect(const GroupBoxLook& look)
{
    const int top = int(roundHalfToEven(captionExtent(look).height() / 2.0));
    return QRect(0, top, look.size.width(), look.size.height() - top);
}

QRect captionRect(const GroupBoxLook& look)
{
    return QRect(QPoint(kCaptionLeft, 0), captionExtent(look));
}

QRect captionBackgroundRect(const GroupBoxLook& look)
{
    const QSize extent = captionExtent(look);
    return QRect(kCaptionGapLeft, 0, extent.width() + kCaptionLeft - kCaptionGapLeft, extent.height());
}

QMargins contentMargins(const GroupBoxLook& look, const QWidget* widget)
{
    if (!look.bordered)
        return QMargins();
    if (look.style) {
        const QStyleOptionGroupBox option = styleOption(look);
        const QRect contents = look.style->subControlRect(QStyle::CC_GroupBox, &option,
                                                          QStyle::SC_GroupBoxContents, widget);
        return QMargins(contents.left(), contents.top(), look.size.width() - contents.right() - 1,
                        look.size.height() - contents.bottom() - 1);
    }
    const int top = captionExtent(look).height();
    return QMargins(kContentPadding, top + kContentPadding / 2, kContentPadding, kContentPadding);
}

} // namespace GroupBoxPainter
