#include "ValueLabel.h"

namespace {

constexpr int kRowHeight = 18;

} // namespace

ValueLabel::ValueLabel(const QString& heading, const QString& initial, QWidget* parent)
    : QLabel(initial, parent), m_heading(heading)
{
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    updateAccessibleName();
}

void ValueLabel::setValue(const QString& value)
{
    if (text() == value)
        return;
    setText(value);
    updateAccessibleName();
}

void ValueLabel::setHeading(const QString& heading)
{
    m_heading = heading;
    updateAccessibleName();
}

void ValueLabel::updateAccessibleName()
{
    const QString heading = m_heading.trimmed();
    setAccessibleName(heading.isEmpty() ? text() : heading + QLatin1Char(' ') + text());
}

HeadedValue addHeadedValue(QWidget* parent, const QString& heading, const QString& initial, int x,
                           int y, int headingWidth, int width)
{
    auto* headingLabel = new QLabel(heading, parent);
    headingLabel->setTextFormat(Qt::PlainText);
    headingLabel->setGeometry(x, y, headingWidth, kRowHeight);
    auto* value = new ValueLabel(heading, initial, parent);
    value->setGeometry(x + headingWidth, y, width - headingWidth, kRowHeight);
    headingLabel->setBuddy(value);
    return {headingLabel, value};
}

QLabel* newNoteLabel(const QString& text, QWidget* parent)
{
    auto* note = new QLabel(text, parent);
    QFont small = note->font();
    small.setPixelSize(10);
    note->setFont(small);
    QPalette muted = note->palette();
    muted.setColor(QPalette::WindowText, QColor(0x4A, 0x5A, 0x62));
    note->setPalette(muted);
    return note;
}
