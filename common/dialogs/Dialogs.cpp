#include "Dialogs.h"

#include <QtGlobal>

namespace {

// Stands in until the program sets its service: no dialog may appear from
// library code on its own, and a test must not wait for one.
class UnsetDialogs : public Dialogs
{
public:
    MessageAnswer showMessage(const QString& text, const QString& title, MessageIcon,
                              MessageButtons buttons) override
    {
        warn(QStringLiteral("message \"%1\" (%2)").arg(text, title));
        switch (buttons) {
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel: return MessageAnswer::No;
        case MessageButtons::Ok: return MessageAnswer::Ok;
        default: return MessageAnswer::Cancel;
        }
    }
    std::optional<int> askChoice(const QString& text, const QString& title, const QStringList&) override
    {
        warn(QStringLiteral("question \"%1\" (%2)").arg(text, title));
        return std::nullopt;
    }
    std::optional<QString> chooseSaveFile(const FileDialogRequest& request) override
    {
        warn(QStringLiteral("save dialog \"%1\"").arg(request.title));
        return std::nullopt;
    }
    std::optional<QString> chooseOpenFile(const FileDialogRequest& request) override
    {
        warn(QStringLiteral("open dialog \"%1\"").arg(request.title));
        return std::nullopt;
    }
    std::optional<int> choosePrinter(QPrinter&) override
    {
        warn(QStringLiteral("print dialog"));
        return std::nullopt;
    }
    void showHelp(const QString& helpFile) override
    {
        warn(QStringLiteral("help \"%1\"").arg(helpFile));
    }

private:
    static void warn(const QString& what)
    {
        qWarning("No dialogs service is set; %s was not shown", qPrintable(what));
    }
};

Dialogs* sharedDialogs = nullptr;

} // namespace

void Dialogs::setShared(Dialogs* dialogs)
{
    sharedDialogs = dialogs;
}

Dialogs& Dialogs::shared()
{
    static UnsetDialogs unset;
    return sharedDialogs ? *sharedDialogs : unset;
}
