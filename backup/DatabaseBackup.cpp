#include "DatabaseBackup.h"

#include "CustomerStore.h"
#include "DatabaseFileCheck.h"
#include "DatabaseFileCopy.h"
#include "RestoreSafetyCopies.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace {

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Also true for two names of one file: a link, or another spelling of its path.
bool sameFile(const QString& first, const QString& second)
{
    std::error_code error;
    return std::filesystem::equivalent(QFileInfo(first).filesystemFilePath(),
                                       QFileInfo(second).filesystemFilePath(), error);
}

// A second name for a file, made without copying it where the file system
// allows; it outlives a rename that puts another file under the first name.
bool linkOrCopy(const QString& file, const QString& secondName)
{
    std::error_code error;
    std::filesystem::create_hard_link(QFileInfo(file).filesystemFilePath(),
                                      QFileInfo(secondName).filesystemFilePath(), error);
    return !error || QFile::copy(file, secondName);
}

Result withUnchangedNote(const Result& failure)
{
    return Result::failure(failure.message()
                           + QStringLiteral(" The customer database in use has not been changed."));
}

} // namespace

DatabaseBackup::DatabaseBackup(CustomerStore& store, const QString& liveFile)
    : m_store(store), m_liveFile(liveFile)
{
}

QString DatabaseBackup::keptPreviousNote() const
{
    if (m_keptPrevious.isEmpty())
        return QString();
    return QStringLiteral("The customer database in use until now is kept as \"%1\": restore from "
                          "that file to undo this restore. The last %2 such copies are kept in its "
                          "folder.").arg(native(m_keptPrevious)).arg(RestoreSafetyCopies::kKept);
}

Result DatabaseBackup::backUp(const QString& target)
{
    const Result checked = checkTarget(target);
    if (!checked.ok())
        return checked;
    m_store.close();
    Result copied = Result::success();
    {
        DatabaseFileCopy copy(target);
        copied = copy.write(m_liveFile);
        if (copied.ok())
            copied = copy.replaceDestination();
    }
    return reopenAfter(copied);
}

Result DatabaseBackup::checkTarget(const QString& target) const
{
    if (target.isEmpty())
        return Result::failure(
            QStringLiteral("No file has been chosen to back the customer database up to."));
    const QFileInfo info(target);
    if (!info.dir().exists())
        return Result::failure(QStringLiteral("The customer database could not be backed up to "
                                              "\"%1\": the folder \"%2\" does not exist.")
                                   .arg(native(target), native(info.absolutePath())));
    if (info.isDir())
        return Result::failure(QStringLiteral("\"%1\" is a folder. Choose a file name to back the "
                                              "customer database up to.").arg(native(target)));
    if (sameFile(target, m_liveFile))
        return Result::failure(QStringLiteral("\"%1\" is the customer database in use. Choose "
                                              "another file to back it up to.").arg(native(target)));
    return Result::success();
}

Result DatabaseBackup::restore(const QString& source)
{
    m_keptPrevious.clear();
    const Result checked = checkSource(source);
    if (!checked.ok())
        return checked;
    m_store.close();
    const Result replaced = replaceLiveFile(source);
    if (!replaced.ok())
        return reopenAfter(withUnchangedNote(replaced));
    return openRestored(source);
}

// Everything is checked before the store lets go of the database in use.
Result DatabaseBackup::checkSource(const QString& source) const
{
    if (source.isEmpty())
        return Result::failure(
            QStringLiteral("No file has been chosen to restore the customer database from."));
    if (!QFileInfo::exists(source))
        return Result::failure(QStringLiteral("The file \"%1\" does not exist. The customer "
                                              "database in use has not been changed.")
                                   .arg(native(source)));
    if (sameFile(source, m_liveFile))
        return Result::failure(QStringLiteral("\"%1\" is the customer database in use itself, so "
                                              "there is nothing to restore from it. Nothing has "
                                              "been changed.").arg(native(source)));
    const Result checked = checkCustomerDatabase(source);
    return checked.ok() ? checked : withUnchangedNote(checked);
}

// The copy is complete on the disk before it takes the place of the
// database in use, which stays reachable under a second name meanwhile.
Result DatabaseBackup::replaceLiveFile(const QString& source)
{
    DatabaseFileCopy copy(m_liveFile);
    Result result = copy.write(source);
    if (result.ok())
        result = keepPrevious();
    if (result.ok()) {
        result = copy.replaceDestination();
        if (!result.ok())
            dropPrevious();
    }
    return result;
}

// Kept under a name of its own, so that no earlier safety copy and no file
// being restored from is ever overwritten.
Result DatabaseBackup::keepPrevious()
{
    if (!QFileInfo::exists(m_liveFile))
        return Result::success();
    const QString previous = RestoreSafetyCopies(m_liveFile).newName(QDateTime::currentDateTime());
    if (!linkOrCopy(m_liveFile, previous))
        return Result::failure(QStringLiteral("The customer database in use could not be kept as "
                                              "\"%1\" while the restored one is opened.")
                                   .arg(native(previous)));
    m_keptPrevious = previous;
    return Result::success();
}

void DatabaseBackup::dropPrevious()
{
    if (!m_keptPrevious.isEmpty())
        QFile::remove(m_keptPrevious);
    m_keptPrevious.clear();
}

// A restored file that the store refuses gives way to the previous one.
// The file restored from may be an older safety copy: it stays.
Result DatabaseBackup::openRestored(const QString& source)
{
    const Result opened = m_store.open();
    if (opened.ok()) {
        RestoreSafetyCopies(m_liveFile).prune({m_keptPrevious, source});
        return opened;
    }
    const QString refused = QStringLiteral("The restored database could not be opened. ")
        + opened.message();
    const QString previous = m_keptPrevious;
    m_keptPrevious.clear();
    if (previous.isEmpty())
        return Result::failure(refused);
    const Result putBack = DatabaseFileCopy::renameOver(previous, m_liveFile);
    if (!putBack.ok())
        return Result::failure(refused + QStringLiteral(" The previous customer database could not "
                                                        "be put back either and is kept as \"%1\". ")
                                   .arg(native(previous))
                               + putBack.message());
    return reopenAfter(Result::failure(
        refused + QStringLiteral(" The previous customer database has been put back.")));
}

Result DatabaseBackup::reopenAfter(const Result& outcome)
{
    const Result opened = m_store.open();
    if (opened.ok())
        return outcome;
    if (outcome.ok())
        return opened;
    return Result::failure(outcome.message() + QLatin1Char(' ') + opened.message());
}
