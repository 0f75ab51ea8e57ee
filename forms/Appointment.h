#pragma once

#include <QDate>
#include <QString>

// One appointment as the schedule form collects it.
struct Appointment
{
    QDate date;
    QString startTime;
    QString duration;
    QString toDo;

    // The paragraph the book keeps for it, ending in an empty line; the
    // date in the short date form so the busy check finds it.
    QString paragraph() const;
};

// The book the appointment's paragraph is appended to. A book that is only
// the placeholder "None" is replaced; any other text stays as typed.
QString bookWithAppointment(const QString& book, const Appointment& appointment);

// The book as it is kept and searched: every line break a carriage return
// and a line feed, whatever the text box that shows it made of them.
QString bookWithCrLf(const QString& text);

// Where `position` of a book with CR LF line breaks falls in the text box
// that shows it, which counts each line break as one character.
qsizetype shownBookPosition(const QString& book, qsizetype position);
