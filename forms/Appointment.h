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
