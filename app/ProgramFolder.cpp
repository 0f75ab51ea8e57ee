#include "ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kOther = QStringLiteral("Other");

} // namespace

ProgramFolder::ProgramFolder(const QString& executableFolder, const QString& userDataFolder)
    : m_executableFolder(executableFolder), m_userDataFolder(userDataFolder)
{
}

QString ProgramFolder::installedShareFolder() const
{
    if (QFileInfo(QDir(m_executableFolder).filePath(kOther)).isDir())
        return QString();
    const QString share = QDir::cleanPath(m_executableFolder + QStringLiteral("/../share/tallyvane"));
    return QFileInfo(QDir(share).filePath(kOther)).isDir() ? share : QString();
}

Result ProgramFolder::prepare(QString* folder) const
{
    const QString share = installedShareFolder();
    if (share.isEmpty()) {
        *folder = m_executableFolder;
        return Result::success();
    }
    if (!QDir().mkpath(QDir(m_userDataFolder).filePath(kOther)))
        return Result::failure(QStringLiteral("The folder for your customer database could not be "
                                              "created:\n%1")
                                   .arg(QDir::toNativeSeparators(m_userDataFolder)));
    if (Result copied = copyShippedFiles(share, m_userDataFolder); !copied.ok())
        return copied;
    *folder = m_userDataFolder;
    return Result::success();
}

Result ProgramFolder::copyShippedFiles(const QString& from, const QString& to) const
{
    QDirIterator shipped(from, QDir::Files, QDirIterator::Subdirectories);
    while (shipped.hasNext()) {
        const QString source = shipped.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        if (QFileInfo::exists(target))
            continue;
        QDir().mkpath(QFileInfo(target).path());
        if (!QFile::copy(source, target))
            return Result::failure(QStringLiteral("A file the program needs could not be copied to "
                                                  "your data folder:\n%1")
                                       .arg(QDir::toNativeSeparators(target)));
        // Copies of read-only shipped files stay the user's to change.
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    }
    return Result::success();
}
