#include "QtDialogs.h"

#include "HelpWindow.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    case MessageButtons::AbortRetryIgnore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

MessageAnswer fromQt(int button)
{
    switch (button) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Retry: return MessageAnswer::Retry;
    case QMessageBox::Abort: return MessageAnswer::Abort;
    case QMessageBox::Ignore: return MessageAnswer::Ignore;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: return MessageAnswer::Ok;
    }
}

} // namespace

MessageAnswer QtDialogs::showMessage(const QString& text, const QString& title,
                                     MessageIcon icon, MessageButtons buttons)
{
    QMessageBox box(toQt(icon), title, text, toQt(buttons), m_parentWindow);
    return fromQt(box.exec());
}

std::optional<int> QtDialogs::askChoice(const QString& text, const QString& title, const QStringList& choices)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, m_parentWindow);
    QList<QAbstractButton*> buttons;
    for (const QString& choice : choices)
        buttons << box.addButton(choice, QMessageBox::AcceptRole);
    box.setEscapeButton(box.addButton(QMessageBox::Cancel));
    if (!buttons.isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons.first()));
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return chosen < 0 ? std::nullopt : std::optional<int>(int(chosen));
}

std::optional<QString> QtDialogs::chooseSaveFile(const FileDialogRequest& request)
{
    return chooseFile(request, true);
}

std::optional<QString> QtDialogs::chooseOpenFile(const FileDialogRequest& request)
{
    return chooseFile(request, false);
}

std::optional<QString> QtDialogs::chooseFile(const FileDialogRequest& request, bool save)
{
    QFileDialog dialog(m_parentWindow, request.title, request.startPath);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.defaultExtension.isEmpty()) {
        dialog.setDefaultSuffix(request.defaultExtension);
        dialog.setNameFilters({QStringLiteral("Database files (*.%1)").arg(request.defaultExtension),
                               QStringLiteral("All files (*)")});
    }
    if (!request.nameFilter.isEmpty())
        dialog.setNameFilters({request.nameFilter, QStringLiteral("All files (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<int> QtDialogs::choosePrinter(QPrinter& printer)
{
    QPrintDialog dialog(&printer, m_parentWindow);
    // Without a printer (most home offices) a PDF file is the only way out.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return printer.copyCount();
}

// No viewer on this desktop reads the old help format, so the user guide
// of the same name beside the help file stands in for it.
void QtDialogs::showHelp(const QString& helpFile)
{
    const QString guide = HelpWindow::guideFor(helpFile);
    auto* window = new HelpWindow(m_parentWindow);
    if (window->open(guide))
        return;
    delete window;
    showMessage(QStringLiteral("The help could not be shown, because its file is missing:\n\n%1")
                    .arg(QDir::toNativeSeparators(guide)),
                QStringLiteral("Help"), MessageIcon::Warning, MessageButtons::Ok);
}
