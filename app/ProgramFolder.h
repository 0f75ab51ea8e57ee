#pragma once

#include "Result.h"

#include <QString>

// The folder whose "Other/" holds the database, the templates and the
// help. A program run from its build tree or from a folder it may write
// keeps them below its own folder. An installed program (its files in
// "../share/tallyvane" beside "bin/") keeps them below the user's data
// folder instead, where the shipped files are copied on first start; the
// user's own copies are never overwritten.
class ProgramFolder
{
public:
    // `executableFolder` is where the program runs from; `userDataFolder`
    // the user's data folder for the program.
    ProgramFolder(const QString& executableFolder, const QString& userDataFolder);

    // Prepares the folder (copying the shipped files when installed) and
    // tells where it is.
    Result prepare(QString* folder) const;

    // The shipped files of an installed program, or nothing when the
    // program runs from its own folder.
    QString installedShareFolder() const;

private:
    Result copyShippedFiles(const QString& from, const QString& to) const;

    QString m_executableFolder;
    QString m_userDataFolder;
};
