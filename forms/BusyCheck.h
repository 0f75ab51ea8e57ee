#pragma once

#include "Dialogs.h"

#include <QString>

#include <optional>

// What one press of "Check If Busy On Selected Day From Calendar" asks the
// main window to do: select a stretch of the appointment book, or show a
// message (never both).
struct BusyCheckReply
{
    struct Selection
    {
        qsizetype start = 0; // characters before the match
        qsizetype length = 0;
    };
    struct Message
    {
        QString text;
        QString title;
        MessageIcon icon = MessageIcon::None;
    };

    std::optional<Selection> selection;
    std::optional<Message> message;
};

// Steps through the occurrences of the calendar's date in the appointment
// book, one per press; after the last one it says "Busy" and starts over.
// A book without the date says "Not Busy". The main window owns one and
// hands it the book and the date text as they are at each press.
class BusyCheck
{
public:
    BusyCheckReply press(const QString& book, const QString& dateText);

    // 0 before the first press and after any press that selected nothing.
    qsizetype position() const { return m_position; }

private:
    qsizetype m_position = 0;
};
