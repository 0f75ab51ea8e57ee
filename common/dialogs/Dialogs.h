#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;

enum class MessageIcon { None, Information, Warning, Critical, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class MessageAnswer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

struct FileDialogRequest
{
    QString title;
    QString defaultExtension; // without the dot, e.g. "mdb"
    QString startPath;        // the file or folder the dialog opens at
    // Qt name filter such as "Pictures (*.png *.bmp)"; when set, it is
    // offered instead of the default extension's filter.
    QString nameFilter = QString();
};

// Every message box, file dialog, print dialog and help call of the program
// goes through this one service, so that tests can replace it with
// FakeDialogs and check exactly what the operator would have seen.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer showMessage(const QString& text, const QString& title,
                                      MessageIcon icon, MessageButtons buttons) = 0;

    // The full path chosen, or nothing when the operator cancelled.
    virtual std::optional<QString> chooseSaveFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> chooseOpenFile(const FileDialogRequest& request) = 0;

    // A question answered by one of `choices` (its index), or nothing when
    // the operator cancelled; Cancel is offered beside them.
    virtual std::optional<int> askChoice(const QString& text, const QString& title,
                                         const QStringList& choices) = 0;

    // Lets the operator choose a printer (set up in `printer`) and a number
    // of copies; nothing when cancelled. Printing to a PDF file is offered,
    // printing a selection is not.
    virtual std::optional<int> choosePrinter(QPrinter& printer) = 0;

    // Opens the help file at its contents and returns at once.
    virtual void showHelp(const QString& helpFile) = 0;

    MessageAnswer inform(const QString& text, const QString& title)
    {
        return showMessage(text, title, MessageIcon::Information, MessageButtons::Ok);
    }

    // The service the program hands out once at start, for controls that
    // were given none of their own. Until one is set, every call is a
    // fault: it warns (which fails a test that forgot to set one) and is
    // answered as cancelled, never with a real dialog.
    static void setShared(Dialogs* dialogs);
    static Dialogs& shared();
};
