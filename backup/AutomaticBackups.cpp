#include "AutomaticBackups.h"

#include "DatabaseFileCheck.h"
#include "DatabaseFileCopy.h"
#include "SqliteStatement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <sqlite3.h>
#include <fcntl.h>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

namespace {

const QString kPrefix = QStringLiteral("Tallyvane DB ");
const QString kSuffix = QStringLiteral(".mdb");
const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH-mm-ss");
constexpr qint64 kDaySeconds = 24 * 60 * 60;

// Where SQLite's file header says how the file keeps its changes (1 for a
// rollback journal, 2 for a write-ahead log) and counts its writes.
constexpr int kHeaderBytes = 100;
constexpr int kWriteVersionOffset = 18;
constexpr char kRollbackJournal = 1;
constexpr int kChangeCounterOffset = 24;
constexpr int kChangeCounterBytes = 4;

const QString kNothingChanged =
    QStringLiteral(" The customer database and the earlier backups have not been changed.");

struct NamedCopy
{
    QString path;
    QDateTime taken;
    int count = 1; // tells apart copies taken within one second
};

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

Result notMade(const QString& reason)
{
    return Result::failure(QStringLiteral("The automatic backup could not be made. ") + reason
                           + kNothingChanged);
}

// The copies in `folder`, newest first by the time in their names and then
// by the count after it.
QList<NamedCopy> copiesIn(const QString& folder)
{
    static const QRegularExpression ours(
        QStringLiteral("^%1(\\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d)(?: \\((\\d{1,4})\\))?%2$")
            .arg(QRegularExpression::escape(kPrefix), QRegularExpression::escape(kSuffix)));
    QList<NamedCopy> found;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::NoSymLinks);
    for (const QFileInfo& file : files) {
        const QRegularExpressionMatch match = ours.match(file.fileName());
        const QDateTime taken = QDateTime::fromString(match.captured(1), kTimeFormat);
        if (match.hasMatch() && taken.isValid())
            found.append({file.absoluteFilePath(), taken, std::max(1, match.captured(2).toInt())});
    }
    std::sort(found.begin(), found.end(), [](const NamedCopy& first, const NamedCopy& second) {
        return std::pair(first.taken, first.count) > std::pair(second.taken, second.count);
    });
    return found;
}

// Beyond the newest copies, a week is kept by its oldest copy: that is the
// first of the week to leave the newest ones and then stays the one kept,
// where keeping the newest would trade it for each later one in turn.
QStringList beyondKept(const QList<NamedCopy>& newestFirst)
{
    QStringList beyond;
    QDate week;
    int weeks = 0;
    QString keptForWeek;
    for (qsizetype i = AutomaticBackups::kLatestKept; i < newestFirst.size(); ++i) {
        const QDate date = newestFirst[i].taken.date();
        const QDate monday = date.addDays(1 - date.dayOfWeek());
        const bool newWeek = monday != week;
        if (newWeek) {
            week = monday;
            ++weeks;
        }
        if (weeks > AutomaticBackups::kWeeksKept) {
            beyond << newestFirst[i].path;
            continue;
        }
        if (!newWeek)
            beyond << keptForWeek;
        keptForWeek = newestFirst[i].path;
    }
    return beyond;
}

// The rows of Info, read without changing the file; -1 when it cannot be
// opened or holds no such table.
qint64 customersIn(const QString& path)
{
    sqlite3* db = nullptr;
    qint64 count = -1;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr)
        == SQLITE_OK) {
        SqliteStatement counting;
        if (counting.prepare(db, "SELECT count(*) FROM Info") == SQLITE_OK
            && sqlite3_step(counting.handle()) == SQLITE_ROW)
            count = sqlite3_column_int64(counting.handle(), 0);
    }
    sqlite3_close_v2(db);
    return count;
}

// Opened and counted, so that every copy kept is one that can be restored:
// the copy is the live file's pages as they were, and counting the rows of
// every table reads each of them, so a spoilt write shows. A restore of
// the copy still makes the engine's full check.
Result verify(const QString& copy)
{
    return checkCustomerDatabase(copy, EngineCheck::TablePages);
}

// The first bytes of a database file; empty when it has fewer or cannot be read.
QByteArray headerOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    const QByteArray header = file.read(kHeaderBytes);
    return header.size() == kHeaderBytes ? header : QByteArray();
}

// A copy is not read again once checked: the memory that caches it is
// given back, rather than crowding out the files in use. Its bytes are on
// the disk already, so nothing is lost when this does not happen.
void releaseCache(const QString& path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        ::posix_fadvise(file.handle(), 0, 0, POSIX_FADV_DONTNEED);
}

QDateTime modified(const QString& path)
{
    return QFileInfo(path).fileTime(QFileDevice::FileModificationTime);
}

} // namespace

AutomaticBackups::AutomaticBackups(const QString& liveFile, const QString& folder, Clock clock)
    : m_liveFile(liveFile), m_folder(folder), m_clock(std::move(clock))
{
    if (!m_clock)
        m_clock = [] { return QDateTime::currentDateTime(); };
}

bool AutomaticBackups::isDue() const
{
    const QList<NamedCopy> existing = copiesIn(m_folder);
    return existing.isEmpty() || existing.first().taken.secsTo(m_clock()) >= kDaySeconds;
}

Result AutomaticBackups::takeIfChanged(bool* taken)
{
    if (taken)
        *taken = false;
    if (!QFileInfo::exists(m_liveFile))
        return notMade(QStringLiteral("The customer database \"%1\" does not exist.")
                           .arg(native(m_liveFile)));
    const Result folderMade = makeFolder();
    if (!folderMade.ok())
        return folderMade;
    const QList<NamedCopy> existing = copiesIn(m_folder);
    if (!existing.isEmpty() && !changedSince(existing.first().path))
        return Result::success();

    const QString copy = newName();
    const Result written = writeCopy(copy);
    if (!written.ok())
        return written;
    const Result verified = verify(copy);
    if (!verified.ok()) {
        // It could never be restored, and left in place it would pass for
        // the newest copy and hold the next one off.
        QFile::remove(copy);
        return Result::failure(QStringLiteral("The automatic backup of \"%1\" did not pass its "
                                              "check and has been removed again. ")
                                   .arg(native(m_liveFile))
                               + verified.message()
                               + QStringLiteral(" The earlier backups have all been kept."));
    }
    releaseCache(copy);
    if (taken)
        *taken = true;
    prune(copy);
    return Result::success();
}

QList<AutomaticBackups::Copy> AutomaticBackups::copies() const
{
    QList<Copy> listed;
    for (const NamedCopy& named : copiesIn(m_folder))
        listed.append({named.path, named.taken, QFileInfo(named.path).size(), customersIn(named.path)});
    return listed;
}

// In rollback-journal mode, which the store keeps, the header's file-change
// counter moves with every write transaction, and DatabaseFileCopy copies
// the file's bytes under the engine's read lock, header and all: unchanged,
// the database shows the newest copy's counter. A write-ahead log leaves
// the counter behind, so there every call counts as a change. The counter
// alone would miss bytes written past the engine, and a restored older copy
// changed as often as it lagged behind; both leave the file written after
// the newest copy.
bool AutomaticBackups::changedSince(const QString& copy) const
{
    const QByteArray live = headerOf(m_liveFile);
    const QByteArray newest = headerOf(copy);
    if (live.isEmpty() || newest.isEmpty() || live.at(kWriteVersionOffset) != kRollbackJournal)
        return true;
    if (live.mid(kChangeCounterOffset, kChangeCounterBytes)
        != newest.mid(kChangeCounterOffset, kChangeCounterBytes))
        return true;
    return modified(m_liveFile) > modified(copy);
}

// Copies taken within one second are told apart by a count after the time.
QString AutomaticBackups::newName() const
{
    const QDir folder(m_folder);
    const QString first = kPrefix + m_clock().toLocalTime().toString(kTimeFormat);
    QString name = folder.filePath(first + kSuffix);
    for (int count = 2; QFileInfo(name).exists() || QFileInfo(name).isSymLink(); ++count)
        name = folder.filePath(QStringLiteral("%1 (%2)%3").arg(first).arg(count).arg(kSuffix));
    return name;
}

Result AutomaticBackups::makeFolder() const
{
    const QFileInfo folder(m_folder);
    std::error_code error;
    std::filesystem::create_directories(folder.filesystemAbsoluteFilePath(), error);
    if (!error && folder.isDir())
        return Result::success();
    const QString reason = folder.exists() && !folder.isDir()
        ? QStringLiteral("a file of that name is in its place")
        : QString::fromStdString(error.message());
    return notMade(QStringLiteral("The folder \"%1\" for it could not be made: %2.")
                       .arg(native(folder.absoluteFilePath()), reason));
}

Result AutomaticBackups::writeCopy(const QString& copy) const
{
    DatabaseFileCopy writing(copy);
    Result result = writing.write(m_liveFile);
    if (result.ok())
        result = writing.replaceDestination();
    return result.ok() ? result : notMade(result.message());
}

// Only once the newest copy has passed its check; never the one just
// written, even when a clock set back names it older than the others.
void AutomaticBackups::prune(const QString& spared) const
{
    for (const QString& path : beyondKept(copiesIn(m_folder))) {
        if (path != spared)
            QFile::remove(path);
    }
}
