#include "FileDialog.h"

#include <QFileInfo>

FileDialog::FileDialog(Dialogs& dialogs, const QString& title, const QString& defaultExtension)
    : m_dialogs(dialogs), m_title(title), m_defaultExtension(defaultExtension)
{
}

bool FileDialog::showSave()
{
    return remember(m_dialogs.chooseSaveFile(request()));
}

bool FileDialog::showOpen()
{
    return remember(m_dialogs.chooseOpenFile(request()));
}

FileDialogRequest FileDialog::request() const
{
    return {m_title, m_defaultExtension, m_fileName};
}

bool FileDialog::remember(const std::optional<QString>& chosen)
{
    if (!chosen || chosen->isEmpty())
        return false;
    m_fileName = *chosen;
    m_fileTitle = QFileInfo(*chosen).fileName();
    return true;
}

void FileDialog::setFileName(const QString& path)
{
    m_fileName = path;
    m_fileTitle = path.isEmpty() ? QString() : QFileInfo(path).fileName();
}
