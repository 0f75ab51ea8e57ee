#pragma once

#include "Dialogs.h"

#include <QPointer>
#include <QWidget>

// The real dialogs, modal to the given window.
class QtDialogs : public Dialogs
{
public:
    explicit QtDialogs(QWidget* parentWindow = nullptr) : m_parentWindow(parentWindow) {}

    void setParentWindow(QWidget* window) { m_parentWindow = window; }

    MessageAnswer showMessage(const QString& text, const QString& title, MessageIcon icon,
                              MessageButtons buttons) override;
    std::optional<int> askChoice(const QString& text, const QString& title, const QStringList& choices) override;
    std::optional<QString> chooseSaveFile(const FileDialogRequest& request) override;
    std::optional<QString> chooseOpenFile(const FileDialogRequest& request) override;
    std::optional<int> choosePrinter(QPrinter& printer) override;
    void showHelp(const QString& helpFile) override;

private:
    std::optional<QString> chooseFile(const FileDialogRequest& request, bool save);

    QPointer<QWidget> m_parentWindow;
};
