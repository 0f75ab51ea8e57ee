#pragma once

#include "Dialogs.h"

#include <QString>

// One file dialog of a window, with the memory of its last choice: the full
// path and the file's name without its folder. A cancelled dialog leaves
// both as they were; a dialog never shown has them empty.
class FileDialog
{
public:
    FileDialog(Dialogs& dialogs, const QString& title, const QString& defaultExtension);

    // Each returns true when the operator chose a file.
    bool showSave();
    bool showOpen();

    const QString& title() const { return m_title; }
    const QString& defaultExtension() const { return m_defaultExtension; }
    const QString& fileName() const { return m_fileName; }
    // Starts the dialog from a path chosen in an earlier session.
    void setFileName(const QString& path);
    const QString& fileTitle() const { return m_fileTitle; }

private:
    bool remember(const std::optional<QString>& chosen);
    FileDialogRequest request() const;

    Dialogs& m_dialogs;
    QString m_title;
    QString m_defaultExtension;
    QString m_fileName;
    QString m_fileTitle;
};
