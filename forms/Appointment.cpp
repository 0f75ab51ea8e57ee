#include "Appointment.h"

#include "DateTimeText.h"

namespace {

const QString kLineBreak = QStringLiteral("\r\n");
const QString kEmptyBook = QStringLiteral("None");

} // namespace

QString Appointment::paragraph() const
{
    return QStringLiteral("Date: ") + shortDateText(date) + QStringLiteral(" At: ") + startTime
           + QStringLiteral(" Of A Duration Of: ") + duration + kLineBreak + QStringLiteral("To Do: ") + toDo
           + QLatin1Char(' ') + kLineBreak + kLineBreak;
}

QString bookWithAppointment(const QString& book, const Appointment& appointment)
{
    return (book == kEmptyBook ? QString() : book) + appointment.paragraph();
}

QString bookWithCrLf(const QString& text)
{
    QString book = text;
    book.replace(kLineBreak, QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return book.replace(QLatin1Char('\n'), kLineBreak);
}

qsizetype shownBookPosition(const QString& book, qsizetype position)
{
    return position - QStringView(book).left(position).count(kLineBreak);
}
