#include "XP_ProgressBar.h"

#include "NumberText.h"
#include "PropertyBag.h"
#include "XP_ProgressBarAccessible.h"

#include <QAccessible>
#include <QEvent>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

int clampToInt(double value)
{
    if (!std::isfinite(value))
        return 0;
    return int(std::clamp(value, double(INT_MIN), double(INT_MAX)));
}

// percentFor solved for the value, for a percentage assigned under
// another range.
int valueShowing(int percent, int min, int max)
{
    return clampToInt(roundHalfToEven((double(percent) - min) * max / 100));
}

} // namespace

int XP_ProgressBar::percentFor(int value, int min, int max)
{
    if (max == 0)
        return 0;
    return clampToInt(roundHalfToEven(double(value) * 100 / max + min));
}

int XP_ProgressBar::valueFor(int percent, int min, int max)
{
    const int divisor = min >= 1 ? min : 1;
    return clampToInt(roundHalfToEven(percent / 100.0 * max / divisor));
}

XP_ProgressBar::XP_ProgressBar(QWidget* parent) : QWidget(parent)
{
    installProgressBarAccessibility();
    m_look.font = QWidget::font();
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int XP_ProgressBar::Value() const
{
    return valueFor(m_look.percent, m_min, m_max);
}

void XP_ProgressBar::setValue(int value)
{
    m_value = value;
    const int percent = percentFor(value, m_min, m_max);
    if (percent == m_look.percent)
        return;
    m_look.percent = percent;
    DrawProgressBar();
    QAccessibleValueChangeEvent event(this, qMin(m_look.percent, 100));
    QAccessible::updateAccessibility(&event);
}

void XP_ProgressBar::setColor(quint32 color)
{
    const quint32 resolved = OleColor::fromColor(OleColor::toColor(color, palette()));
    if (resolved == m_color)
        return;
    m_color = resolved;
    DrawProgressBar();
}

void XP_ProgressBar::setScrolling(ProgressLook look)
{
    if (look == m_look.look)
        return;
    m_look.look = look;
    DrawProgressBar();
}

void XP_ProgressBar::setOrientation(int orientation)
{
    m_look.vertical = orientation != 0;
    DrawProgressBar();
}

void XP_ProgressBar::setShowText(bool show)
{
    if (show == m_look.showText)
        return;
    m_look.showText = show;
    DrawProgressBar();
}

void XP_ProgressBar::setImage(const QPixmap& image)
{
    m_look.image = image;
    DrawProgressBar();
}

void XP_ProgressBar::setFont(const QFont& font)
{
    m_look.font = font;
    QWidget::setFont(font);
    DrawProgressBar();
}

QString XP_ProgressBar::text() const
{
    return ProgressBarPaint::text(m_look);
}

// The value saved is one that gives the shown percentage back on loading:
// the value last assigned while it still does (Min or Max may have changed
// since), otherwise the one the arithmetic leads back to. The value read
// back (Value) is no such value: with Min 10 and Max 200, 50 shows 35 %
// and reads back as 7, which would load as 14 %.
int XP_ProgressBar::storedValue() const
{
    if (percentFor(m_value, m_min, m_max) == m_look.percent)
        return m_value;
    return valueShowing(m_look.percent, m_min, m_max);
}

void XP_ProgressBar::writeProperties(PropertyBag& bag) const
{
    bag.write(QStringLiteral("Value"), storedValue());
    bag.write(QStringLiteral("Min"), m_min);
    bag.write(QStringLiteral("Max"), m_max);
    bag.write(QStringLiteral("Color"), m_color);
    bag.write(QStringLiteral("Scrolling"), int(m_look.look));
    bag.write(QStringLiteral("Orientation"), Orientation());
    bag.write(QStringLiteral("ShowText"), m_look.showText);
    bag.write(QStringLiteral("BrushStyle"), m_look.brushStyle);
    bag.write(QStringLiteral("Image"), m_look.image);
    bag.write(QStringLiteral("Font"), m_look.font);
}

void XP_ProgressBar::readProperties(const PropertyBag& bag)
{
    // The range first: the stored value is only meaningful within it.
    m_min = bag.readInt(QStringLiteral("Min"), 0);
    m_max = bag.readInt(QStringLiteral("Max"), 100);
    m_value = bag.readInt(QStringLiteral("Value"), 0);
    m_look.percent = percentFor(m_value, m_min, m_max);
    // As saved: a bar saves either the untouched default or a plain RGB.
    m_color = bag.readColor(QStringLiteral("Color"), OleColor::Highlight);
    m_look.look = ProgressLook(bag.readInt(QStringLiteral("Scrolling"), 0));
    m_look.vertical = bag.readInt(QStringLiteral("Orientation"), 0) != 0;
    m_look.showText = bag.readBool(QStringLiteral("ShowText"), false);
    m_look.brushStyle = bag.readInt(QStringLiteral("BrushStyle"), 4);
    m_look.image = bag.readPicture(QStringLiteral("Image"));
    m_look.font = bag.readFont(QStringLiteral("Font"), QFont());
    DrawProgressBar();
}

void XP_ProgressBar::ensureBuffer()
{
    const QSize needed = size() * devicePixelRatioF();
    if (m_buffer.size() == needed && m_buffer.devicePixelRatio() == devicePixelRatioF())
        return;
    m_buffer = QImage(needed, QImage::Format_RGB32);
    m_buffer.setDevicePixelRatio(devicePixelRatioF());
}

void XP_ProgressBar::DrawProgressBar()
{
    m_look.size = size();
    if (m_look.size.isEmpty())
        return;
    m_look.palette = palette();
    m_look.color = OleColor::toColor(m_color, m_look.palette);
    ensureBuffer();
    QPainter painter(&m_buffer);
    paintProgressBar(painter, m_look);
    update();
}

QSize XP_ProgressBar::sizeHint() const
{
    return QSize(150, qMax(17, fontMetrics().height() + 6));
}

void XP_ProgressBar::paintEvent(QPaintEvent*)
{
    if (m_buffer.isNull() || m_look.size != size())
        DrawProgressBar();
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_buffer);
}

void XP_ProgressBar::resizeEvent(QResizeEvent*)
{
    DrawProgressBar();
}

void XP_ProgressBar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        DrawProgressBar();
}
