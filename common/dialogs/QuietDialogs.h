#pragma once

#include "Dialogs.h"

// Shows nothing and answers every question as cancelled (a question with
// Yes and No as No): for programs that render or measure windows without
// an operator, such as the screenshot tour and the benchmark.
class QuietDialogs : public Dialogs
{
public:
    MessageAnswer showMessage(const QString&, const QString&, MessageIcon,
                              MessageButtons buttons) override
    {
        switch (buttons) {
        case MessageButtons::Ok: return MessageAnswer::Ok;
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel: return MessageAnswer::No;
        default: return MessageAnswer::Cancel;
        }
    }
    std::optional<int> askChoice(const QString&, const QString&, const QStringList&) override
    {
        return std::nullopt;
    }
    std::optional<QString> chooseSaveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> chooseOpenFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<int> choosePrinter(QPrinter&) override { return std::nullopt; }
    void showHelp(const QString&) override {}
};
