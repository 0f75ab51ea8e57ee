#include "BusyCheck.h"

#include "SearchText.h"

BusyCheckReply BusyCheck::press(const QString& book, const QString& dateText)
{
    const FindResult found = FindInText(book, m_position + 1, dateText, true, false);
    m_position = found.position;
    BusyCheckReply reply;
    switch (found.outcome) {
    case FindOutcome::Selected:
        reply.selection = BusyCheckReply::Selection{found.selectionStart, found.selectionLength};
        break;
    case FindOutcome::NoMoreMatches:
        reply.message = BusyCheckReply::Message{
            QStringLiteral("Appointments Are Scheduled On Selected Day. Please Check Time"),
            QStringLiteral("Busy"), MessageIcon::Warning};
        break;
    case FindOutcome::NoMatch:
        reply.message = BusyCheckReply::Message{
            QStringLiteral("No Appointments Are Recorded On Selected Day "), QStringLiteral("Not Busy"),
            MessageIcon::Information};
        break;
    case FindOutcome::NotWholeWord:
        break;
    }
    return reply;
}
