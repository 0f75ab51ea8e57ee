#include "XP_ProgressBar.h"

#include "NumberText.h"
#include "OleColor.h"
#include "PropertyBag.h"
#include "XP_ProgressBarAccessible.h"

#include <QAccessible>
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
    m_look.color = OleColor::toColor(OleColor::Highlight);
    m_look.font = QWidget::font();
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int XP_ProgressBar::Value() const
{
    return valueFor(m_look.percent, m_min, m_max);
}

void XP_ProgressBar::setValue(int value)
{
    const int percent = percentFor(value, m_min, m_max);
    if (percent == m_look.percent)
        return;
    m_look.percent = percent;
    DrawProgressBar();
    QAccessibleValueChangeEvent event(this, m_look.percent);
    QAccessible::updateAccessibility(&event);
}

quint32 XP_ProgressBar::Color() const
{
    return OleColor::fromColor(m_look.color);
}

void XP_ProgressBar::setColor(quint32 color)
{
    m_look.color = OleColor::toColor(color);
    DrawProgressBar();
}

void XP_ProgressBar::setScrolling(int look)
{
    if (look == m_look.scrolling)
        return;
    m_look.scrolling = look;
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
    return m_look.scrolling == 2 ? QStringLiteral("Searching..")
                                 : QString::number(qMin(m_look.percent, 100)) + QStringLiteral(" %");
}

void XP_ProgressBar::writeProperties(PropertyBag& bag) const
{
    bag.write(QStringLiteral("Value"), Value());
    bag.write(QStringLiteral("Min"), m_min);
    bag.write(QStringLiteral("Max"), m_max);
    bag.write(QStringLiteral("Color"), Color());
    bag.write(QStringLiteral("Scrolling"), m_look.scrolling);
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
    m_look.percent = percentFor(bag.readInt(QStringLiteral("Value"), 0), m_min, m_max);
    m_look.color = OleColor::toColor(bag.readColor(QStringLiteral("Color"), OleColor::Highlight));
    m_look.scrolling = bag.readInt(QStringLiteral("Scrolling"), 0);
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
