#include "DatabaseFileCopy.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <sqlite3.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <system_error>

namespace {

// Long enough to wait out another program's save, short enough to answer.
constexpr int kBusyTimeoutMs = 2000;
constexpr int kChunkBytes = 1 << 20;
const QString kPartialInfix = QStringLiteral(".partial-");
constexpr int kPartialSuffixLength = 6;
// A running copy writes its temporary file without pause; one left
// unchanged this long belongs to a copy that was killed or crashed.
constexpr qint64 kStalePartialSeconds = 60 * 60;

struct ConnectionCloser
{
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Connection = std::unique_ptr<sqlite3, ConnectionCloser>;

Connection openConnection(const QString& path, int flags, int* code)
{
    sqlite3* db = nullptr;
    *code = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
    sqlite3_extended_result_codes(db, 1);
    return Connection(db);
}

// One whole pass of SQLite's online backup, which copies the pages of one
// consistent state of the source under its read lock.
int copyAllPages(sqlite3* from, sqlite3* to)
{
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup)
        return sqlite3_extended_errcode(to);
    const int step = sqlite3_backup_step(backup, -1);
    const int finish = sqlite3_backup_finish(backup);
    // A busy source ends the step early without counting as an error.
    return step == SQLITE_DONE ? finish : step;
}

// The system's own reason where there is one, such as a denied access.
QString reasonFor(int code, sqlite3* db)
{
    if ((code & 0xff) == SQLITE_FULL)
        return QStringLiteral("the disk is full");
    if (code == SQLITE_READONLY_ROLLBACK)
        return QStringLiteral("it holds a change that another program left unfinished, which only "
                              "opening it for writing undoes");
    const int systemError = db ? sqlite3_system_errno(db) : 0;
    if ((code & 0xff) == SQLITE_IOERR && systemError)
        return QString::fromStdString(std::generic_category().message(systemError));
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(code));
}

// Writes the whole block, going on after a short write until the system
// names the reason it stopped.
bool writeAll(QFile& file, const char* data, qint64 length)
{
    while (length > 0) {
        const qint64 written = file.write(data, length);
        if (written <= 0)
            return false;
        data += written;
        length -= written;
    }
    return true;
}

// Takes the read lock, held until the connection closes, and so learns
// how the database keeps its changes.
int beginRead(sqlite3* db)
{
    return sqlite3_exec(db, "BEGIN; SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
}

int usesWriteAheadLog(sqlite3* db, bool* logged)
{
    sqlite3_stmt* statement = nullptr;
    int code = sqlite3_prepare_v2(db, "PRAGMA journal_mode", -1, &statement, nullptr);
    if (code == SQLITE_OK)
        code = sqlite3_step(statement);
    if (code == SQLITE_ROW) {
        *logged = qstricmp(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)), "wal") == 0;
        code = SQLITE_OK;
    }
    sqlite3_finalize(statement);
    return code;
}

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The temporary file's name for a copy to `destinationName`, as
// QTemporaryFile makes it: six letters or digits after the infix.
bool isPartialOf(const QString& fileName, const QString& destinationName)
{
    const QString prefix = destinationName + kPartialInfix;
    if (fileName.size() != prefix.size() + kPartialSuffixLength || !fileName.startsWith(prefix))
        return false;
    return std::all_of(fileName.cbegin() + prefix.size(), fileName.cend(), [](QChar c) {
        return c.isDigit() || (c.isLetter() && c.unicode() < 0x80);
    });
}

// Removes what killed copies to the destination left beside it.
void removeStalePartials(const QString& destination)
{
    const QFileInfo target(destination);
    const QDateTime staleBefore = QDateTime::currentDateTimeUtc().addSecs(-kStalePartialSeconds);
    const QFileInfoList files =
        target.dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& file : files) {
        if (isPartialOf(file.fileName(), target.fileName())
            && file.fileTime(QFileDevice::FileModificationTime).toUTC() < staleBefore)
            QFile::remove(file.filePath());
    }
}

// Flushes the folder's entries, so that a rename in it survives a power
// cut. A failure is not reported: the rename is done and the destination
// holds the whole copy, which a caller told otherwise would treat as the
// old file (a restore would drop its safety copy and say nothing changed).
// Folders that refuse a flush are mostly on network or user-space file
// systems, where nothing better can be done, and the worst a power cut
// can then bring back is the destination as it was, whole as well.
void syncFolderOf(const QString& file)
{
    const int folder = ::open(QFile::encodeName(QFileInfo(file).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    ::fsync(folder);
    ::close(folder);
}

} // namespace

DatabaseFileCopy::DatabaseFileCopy(const QString& destination) : m_destination(destination) {}

DatabaseFileCopy::~DatabaseFileCopy()
{
    if (!m_temporary.isEmpty())
        QFile::remove(m_temporary);
}

Result DatabaseFileCopy::write(const QString& source)
{
    const Result created = createTemporary();
    if (!created.ok())
        return created;
    int code = SQLITE_OK;
    const Connection from = openConnection(source, SQLITE_OPEN_READONLY, &code);
    bool logged = false;
    if (code == SQLITE_OK) {
        sqlite3_busy_timeout(from.get(), kBusyTimeoutMs);
        code = beginRead(from.get());
    }
    if (code == SQLITE_OK)
        code = usesWriteAheadLog(from.get(), &logged);
    if (code != SQLITE_OK)
        return cannotCopy(source, reasonFor(code, from.get()));
    return logged ? copyPages(source, from.get()) : copyBytes(source, from.get());
}

Result DatabaseFileCopy::createTemporary()
{
    removeStalePartials(m_destination);
    QTemporaryFile temporary(m_destination + kPartialInfix + QString(kPartialSuffixLength, QLatin1Char('X')));
    temporary.setAutoRemove(false);
    if (!temporary.open())
        return Result::failure(QStringLiteral("Nothing could be written in the folder \"%1\": %2.")
                                   .arg(native(QFileInfo(m_destination).absolutePath()),
                                        temporary.errorString()));
    m_temporary = temporary.fileName();
    temporary.close();
    // A replaced file keeps who may read it; a new one is the owner's alone,
    // as customer data should be.
    if (QFileInfo::exists(m_destination))
        QFile::setPermissions(m_temporary, QFile::permissions(m_destination));
    return Result::success();
}

// While the read lock is held no other program can change the file, and a
// journal left by one that broke off has made the read fail instead of
// copying half a change: the bytes are one consistent state. They are read
// through the engine's own handle, as closing another handle on the file
// would drop the engine's lock.
Result DatabaseFileCopy::copyBytes(const QString& source, sqlite3* from)
{
    sqlite3_file* file = nullptr;
    int code = sqlite3_file_control(from, "main", SQLITE_FCNTL_FILE_POINTER, &file);
    sqlite3_int64 size = 0;
    if (code == SQLITE_OK)
        code = file->pMethods->xFileSize(file, &size);
    if (code != SQLITE_OK)
        return cannotCopy(source, reasonFor(code, from));

    QFile copy(m_temporary);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return cannotCopy(source, copy.errorString());
    QByteArray chunk(kChunkBytes, Qt::Uninitialized);
    for (sqlite3_int64 offset = 0; offset < size; offset += kChunkBytes) {
        const int length = int(std::min<sqlite3_int64>(kChunkBytes, size - offset));
        code = file->pMethods->xRead(file, chunk.data(), length, offset);
        if (code != SQLITE_OK)
            return cannotCopy(source, reasonFor(code, from));
        if (!writeAll(copy, chunk.constData(), length))
            return cannotCopy(source, copy.errorString());
    }
    if (::fsync(copy.handle()) != 0)
        return cannotCopy(source, QString::fromStdString(std::generic_category().message(errno)));
    return Result::success();
}

// SQLite's online backup reads the pages that a write-ahead log beside the
// file holds too, which a copy of the file alone would miss.
Result DatabaseFileCopy::copyPages(const QString& source, sqlite3* from)
{
    int code = SQLITE_OK;
    const Connection to = openConnection(m_temporary, SQLITE_OPEN_READWRITE, &code);
    // No journal, as a copy that fails is thrown away whole; FULL makes the
    // engine flush the copy to the disk before the rename can show it.
    if (code == SQLITE_OK)
        code = sqlite3_exec(to.get(), "PRAGMA journal_mode = OFF; PRAGMA synchronous = FULL",
                            nullptr, nullptr, nullptr);
    if (code == SQLITE_OK)
        code = copyAllPages(from, to.get());
    if (code == SQLITE_OK)
        return Result::success();
    // A failed write leaves the system's reason with the copy, a failed read with the source.
    const bool writeFailed = to && sqlite3_system_errno(to.get()) != 0;
    return cannotCopy(source, reasonFor(code, writeFailed ? to.get() : from));
}

Result DatabaseFileCopy::cannotCopy(const QString& source, const QString& reason) const
{
    return Result::failure(QStringLiteral("The copy of \"%1\" could not be written to \"%2\": %3.")
                               .arg(native(source), native(m_destination), reason));
}

Result DatabaseFileCopy::replaceDestination()
{
    const Result renamed = renameOver(m_temporary, m_destination);
    if (renamed.ok())
        m_temporary.clear();
    return renamed;
}

Result DatabaseFileCopy::renameOver(const QString& from, const QString& to)
{
    std::error_code error;
    std::filesystem::rename(QFileInfo(from).filesystemFilePath(), QFileInfo(to).filesystemFilePath(),
                            error);
    if (!error) {
        syncFolderOf(to);
        return Result::success();
    }
    return Result::failure(QStringLiteral("The file \"%1\" could not be replaced: %2.")
                               .arg(native(to), QString::fromStdString(error.message())));
}
