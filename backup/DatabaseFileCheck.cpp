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

// The check's first row is "ok" for a sound file; otherwise it names the
// first damage found.
Result checkIntegrity(sqlite3* db, const QString& path, EngineCheck depth)
{
    SqliteStatement check;
    if (check.prepare(db, depth == EngineCheck::Full ? "PRAGMA integrity_check" : "PRAGMA quick_check") != SQLITE_OK
        || sqlite3_step(check.handle()) != SQLITE_ROW)
        return notACustomerDatabase(path, QString::fromUtf8(sqlite3_errmsg(db)));
    const QString verdict = check.text(0);
    if (verdict == QLatin1String("ok"))
        return Result::success();
    return Result::failure(QStringLiteral("The file \"%1\" is a damaged database: the engine's "
                                          "own check reports \"%2\".")
                               .arg(QDir::toNativeSeparators(path), firstDamage(verdict)));
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
        result = checkIntegrity(db, path, depth);
    if (result.ok())
        result = checkInfoTable(db, path);
    sqlite3_close_v2(db);
    return result;
}
