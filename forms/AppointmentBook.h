#pragma once

#include <QString>

// The appointment book as the schedule form reaches it: the main window's
// appointment box.
class AppointmentBook
{
public:
    virtual ~AppointmentBook() = default;

    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
};
