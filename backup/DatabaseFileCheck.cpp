#include "DatabaseFileCheck.h"

#include "InfoTableCheck.h"
#include "SqliteStatement.h"

#include <QDir>
#include <QFile>

#include <sqlite3.h>

namespace {

Result notACustomerDatabase(const QString& path, const QString& reason)
{
    return Result::failure(QStringLiteral("The file \"%1\" is not a customer database: %2.")
                               .arg(QDir::toNativeSeparators(path), reason));
}

// The first damage the check names, without the heading lines that say
// which of the connection's databases it is in.
QString firstDamage(const QString& verdict)
{
    for (const QString& line : verdict.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (!line.startsWith(QLatin1String("***")))
            return line;
    }
    return verdict;
}

Result damaged(const QString& path, const QString& damage)
{
    return Result::failure(QStringLiteral("The file \"%1\" is a damaged database: the engine's "
                                          "own check reports \"%2\".")
                               .arg(QDir::toNativeSeparators(path), damage));
}

// The check's first row is "ok" for a sound file; otherwise it names the
// first damage found.
Result checkIntegrity(sqlite3* db, const QString& path)
{
    SqliteStatement check;
    if (check.prepare(db, "PRAGMA integrity_check") != SQLITE_OK
        || sqlite3_step(check.handle()) != SQLITE_ROW)
        return notACustomerDatabase(path, QString::fromUtf8(sqlite3_errmsg(db)));
    const QString verdict = check.text(0);
    return verdict == QLatin1String("ok") ? Result::success() : damaged(path, firstDamage(verdict));
}

// Counting walks every page of a table, or of an index named for it; a
// virtual table's rows live in tables of their own, counted beside it.
// Free pages and the overflow of very long texts are not walked: the full
// check of a restore looks at those.
Result countTableRows(sqlite3* db, const QString& path)
{
    SqliteStatement trees;
    if (trees.prepare(db, "SELECT tbl_name, CASE type WHEN 'index' THEN name END FROM sqlite_master "
                          "WHERE type IN ('table', 'index') AND coalesce(sql, '') NOT LIKE 'CREATE VIRTUAL%'")
        != SQLITE_OK)
        return notACustomerDatabase(path, QString::fromUtf8(sqlite3_errmsg(db)));
    const auto quoted = [](const QString& name) {
        return '"' + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")).toUtf8() + '"';
    };
    int code;
    while ((code = sqlite3_step(trees.handle())) == SQLITE_ROW) {
        QByteArray sql = "SELECT count(*) FROM " + quoted(trees.text(0));
        // Left to itself the engine counts a table on its smallest index.
        sql += sqlite3_column_type(trees.handle(), 1) == SQLITE_NULL ? QByteArray(" NOT INDEXED")
                                                                     : " INDEXED BY " + quoted(trees.text(1));
        SqliteStatement count;
        if (count.prepare(db, sql.constData()) != SQLITE_OK || sqlite3_step(count.handle()) != SQLITE_ROW)
            return damaged(path, QString::fromUtf8(sqlite3_errmsg(db)));
    }
    return code == SQLITE_DONE ? Result::success() : damaged(path, QString::fromUtf8(sqlite3_errmsg(db)));
}

Result checkInfoTable(sqlite3* db, const QString& path)
{
    bool tableMissing = false;
    const Result checked = InfoTableCheck(db, path).run(&tableMissing);
    if (checked.ok() && tableMissing)
        return notACustomerDatabase(path, QStringLiteral("it holds no table Info"));
    return checked;
}

} // namespace

Result checkCustomerDatabase(const QString& path, EngineCheck depth)
{
    sqlite3* db = nullptr;
    Result result = Result::success();
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr)
        != SQLITE_OK)
        result = notACustomerDatabase(path, QString::fromUtf8(sqlite3_errmsg(db)));
    if (result.ok())
        result = depth == EngineCheck::Full ? checkIntegrity(db, path) : countTableRows(db, path);
    if (result.ok())
        result = checkInfoTable(db, path);
    sqlite3_close_v2(db);
    return result;
}
