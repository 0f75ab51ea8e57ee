#pragma once

#include "Dialogs.h"

#include <QList>
#include <QQueue>
#include <QStringList>

// A scripted stand-in for the dialogs: records every call and returns the
// answers queued beforehand. With nothing queued, a message box answers
// with its first button (as Enter would), and file and print dialogs are
// cancelled.
class FakeDialogs : public Dialogs
{
public:
    struct Message
    {
        QString text;
        QString title;
        MessageIcon icon;
        MessageButtons buttons;
    };

    struct FileRequest
    {
        bool save;
        FileDialogRequest request;
    };

    void queueAnswer(MessageAnswer answer) { m_answers.enqueue(answer); }
    void queueFile(const std::optional<QString>& path) { m_files.enqueue(path); }
    void queueChoice(const std::optional<int>& choice) { m_choices.enqueue(choice); }
    void queuePrint(const std::optional<int>& copies) { m_prints.enqueue(copies); }

    const QList<Message>& messages() const { return m_messages; }
    const QList<FileRequest>& fileRequests() const { return m_fileRequests; }
    int printRequests() const { return m_printRequests; }
    const QStringList& helpFiles() const { return m_helpFiles; }

    MessageAnswer showMessage(const QString& text, const QString& title, MessageIcon icon,
                              MessageButtons buttons) override;
    // Answers with the queued choice, else the first; recorded as a message
    // whose text ends with the choices, one per line.
    std::optional<int> askChoice(const QString& text, const QString& title, const QStringList& choices) override;
    std::optional<QString> chooseSaveFile(const FileDialogRequest& request) override;
    std::optional<QString> chooseOpenFile(const FileDialogRequest& request) override;
    std::optional<int> choosePrinter(QPrinter& printer) override;
    void showHelp(const QString& helpFile) override;

private:
    std::optional<QString> nextFile(bool save, const FileDialogRequest& request);

    QQueue<MessageAnswer> m_answers;
    QQueue<std::optional<QString>> m_files;
    QQueue<std::optional<int>> m_prints;
    QQueue<std::optional<int>> m_choices;
    QList<Message> m_messages;
    QList<FileRequest> m_fileRequests;
    int m_printRequests = 0;
    QStringList m_helpFiles;
};
