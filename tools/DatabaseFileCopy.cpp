#include "DatabaseFileCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <system_error>

namespace {

// Long enough to wait out another program's save, short enough to answer.
constexpr int kBusyTimeoutMs = 2000;

struct ConnectionCloser
{
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Connection = std::unique_ptr<sqlite3, ConnectionCloser>;

Connection openConnection(const QString& path, int flags, int* code)
{
    sqlite3* db = nullptr;
    *code = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
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
QString reasonFor(int code, sqlite3* from, sqlite3* to)
{
    if ((code & 0xff) == SQLITE_FULL)
        return QStringLiteral("the disk is full");
    const int systemError = to && sqlite3_system_errno(to) ? sqlite3_system_errno(to)
                          : from ? sqlite3_system_errno(from) : 0;
    if ((code & 0xff) == SQLITE_IOERR && systemError)
        return QString::fromStdString(std::generic_category().message(systemError));
    return QString::fromUtf8(sqlite3_errstr(code));
}

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
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
    Result result = createTemporary(source);
    if (result.ok())
        result = copyPages(source);
    return result;
}

Result DatabaseFileCopy::createTemporary(const QString& source)
{
    QTemporaryFile temporary(m_destination + QStringLiteral(".partial-XXXXXX"));
    temporary.setAutoRemove(false);
    if (!temporary.open())
        return Result::failure(
            QStringLiteral("The copy of \"%1\" could not be written in the folder \"%2\": %3.")
                .arg(native(source), native(QFileInfo(m_destination).absolutePath()),
                     temporary.errorString()));
    m_temporary = temporary.fileName();
    temporary.close();
    // A replaced file keeps who may read it; a new one is the owner's alone,
    // as customer data should be.
    if (QFileInfo::exists(m_destination))
        QFile::setPermissions(m_temporary, QFile::permissions(m_destination));
    return Result::success();
}

Result DatabaseFileCopy::copyPages(const QString& source)
{
    int code = SQLITE_OK;
    const Connection from = openConnection(source, SQLITE_OPEN_READONLY, &code);
    Connection to;
    if (code == SQLITE_OK) {
        sqlite3_busy_timeout(from.get(), kBusyTimeoutMs);
        to = openConnection(m_temporary, SQLITE_OPEN_READWRITE, &code);
    }
    // No journal, as a copy that fails is thrown away whole; FULL makes the
    // engine flush the copy to the disk before the rename can show it.
    if (code == SQLITE_OK)
        code = sqlite3_exec(to.get(), "PRAGMA journal_mode = OFF; PRAGMA synchronous = FULL",
                            nullptr, nullptr, nullptr);
    if (code == SQLITE_OK)
        code = copyAllPages(from.get(), to.get());
    if (code == SQLITE_OK)
        return Result::success();
    return Result::failure(QStringLiteral("The copy of \"%1\" could not be written to \"%2\": %3.")
                               .arg(native(source), native(m_destination),
                                    reasonFor(code, from.get(), to.get())));
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
    if (!error)
        return Result::success();
    return Result::failure(QStringLiteral("The file \"%1\" could not be replaced: %2.")
                               .arg(native(to), QString::fromStdString(error.message())));
}
