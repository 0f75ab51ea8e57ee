#include "FakeDialogs.h"

namespace {

MessageAnswer firstButton(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel: return MessageAnswer::Yes;
    case MessageButtons::RetryCancel: return MessageAnswer::Retry;
    case MessageButtons::AbortRetryIgnore: return MessageAnswer::Abort;
    case MessageButtons::Ok:
    case MessageButtons::OkCancel: break;
    }
    return MessageAnswer::Ok;
}

} // namespace

MessageAnswer FakeDialogs::showMessage(const QString& text, const QString& title,
                                       MessageIcon icon, MessageButtons buttons)
{
    m_messages.append({text, title, icon, buttons});
    return m_answers.isEmpty() ? firstButton(buttons) : m_answers.dequeue();
}

std::optional<int> FakeDialogs::askChoice(const QString& text, const QString& title, const QStringList& choices)
{
    m_messages.append({text + QLatin1Char('\n') + choices.join(QLatin1Char('\n')), title, MessageIcon::Question,
                       MessageButtons::OkCancel});
    return m_choices.isEmpty() ? std::optional<int>(0) : m_choices.dequeue();
}

std::optional<QString> FakeDialogs::chooseSaveFile(const FileDialogRequest& request)
{
    return nextFile(true, request);
}

std::optional<QString> FakeDialogs::chooseOpenFile(const FileDialogRequest& request)
{
    return nextFile(false, request);
}

std::optional<QString> FakeDialogs::nextFile(bool save, const FileDialogRequest& request)
{
    m_fileRequests.append({save, request});
    return m_files.isEmpty() ? std::nullopt : m_files.dequeue();
}

std::optional<int> FakeDialogs::choosePrinter(QPrinter&)
{
    ++m_printRequests;
    return m_prints.isEmpty() ? std::nullopt : m_prints.dequeue();
}

void FakeDialogs::showHelp(const QString& helpFile)
{
    m_helpFiles.append(helpFile);
}
