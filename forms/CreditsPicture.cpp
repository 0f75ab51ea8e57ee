#include "CreditsPicture.h"

#include "CreditsScroll.h"
#include "NumberText.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace {

QAccessibleInterface* creditsAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("CreditsPicture") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StaticText);
    return nullptr;
}

int toPixels(int twips)
{
    return int(roundHalfToEven(double(twips) / CreditsPicture::TwipsPerPixel));
}

} // namespace

CreditsPicture::CreditsPicture(QWidget* parent) : QWidget(parent)
{
    static const bool installed = (QAccessible::installFactory(creditsAccessible), true);
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("picCredits"));
    setAccessibleName(QStringLiteral("Credits"));
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

void CreditsPicture::setScroll(const CreditsScroll* scroll)
{
    m_scroll = scroll;
    update();
}

double CreditsPicture::letterHeight() const
{
    return fontMetrics().height() * TwipsPerPixel;
}

int CreditsPicture::textWidth(const QString& text) const
{
    return fontMetrics().horizontalAdvance(text) * TwipsPerPixel;
}

void CreditsPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_scroll)
        return;
    const int ascent = fontMetrics().ascent();
    for (const CreditsLine& line : m_scroll->visibleLines()) {
        if (line.text.isEmpty())
            continue;
        painter.setPen(QColor(line.colour));
        painter.drawText(toPixels(line.x), toPixels(line.y) + ascent, line.text);
    }
}
