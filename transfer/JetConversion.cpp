#include "JetConversion.h"

#include "SqliteCustomerStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace JetConversion {

QString keptOriginalPath(const QString& databaseFile)
{
    const QFileInfo info(databaseFile);
    const QString stem = info.dir().filePath(info.completeBaseName());
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    QString kept = stem + QStringLiteral(" (Jet original)") + suffix;
    for (int number = 2; QFileInfo::exists(kept); ++number)
        kept = stem + QStringLiteral(" (Jet original %1)").arg(number) + suffix;
    return kept;
}

std::optional<QString> ownTable(const QList<JetFile::Table>& tables)
{
    for (const JetFile::Table& table : tables)
        if (table.name.compare(QLatin1String("Info"), Qt::CaseInsensitive) == 0)
            return table.name;
    return std::nullopt;
}

namespace {

Result writeNewDatabase(const JetFile::Rows& rows, const QString& path, const QString& from,
                        CustomerImport::Report* report)
{
    SqliteCustomerStore store(path);
    Result result = store.open();
    if (result.ok()) {
        const CustomerImport::Plan plan{CustomerFields::propose(rows.columns), {}, nullptr, from};
        result = CustomerImport::importRows(store, CustomerImport::tableSource(rows.rows), plan, {}, report);
    }
    store.close();
    return result;
}

Result swapIn(const QString& databaseFile, const QString& converted, const QString& keptAs)
{
    if (!QFile::rename(databaseFile, keptAs))
        return Result::failure(QStringLiteral("The Jet file could not be moved aside to %1.")
                                   .arg(QDir::toNativeSeparators(keptAs)));
    if (!QFile::rename(converted, databaseFile)) {
        QFile::rename(keptAs, databaseFile);
        return Result::failure(QStringLiteral("The new database could not take the Jet file's place."));
    }
    return Result::success();
}

} // namespace

Result convert(const QString& databaseFile, const QString& table, Outcome* outcome)
{
    *outcome = Outcome();
    JetFile::Rows rows;
    Result result = JetFile(databaseFile).read(table, -1, {}, &rows);
    if (!result.ok())
        return result;
    // Written beside the file first, so that nothing moves until it is whole.
    QTemporaryFile scratch(databaseFile + QStringLiteral(".converting-XXXXXX"));
    if (!scratch.open())
        return Result::failure(QStringLiteral("There is no room beside the Jet file for the new database."));
    scratch.close();
    const QString converted = scratch.fileName();
    QFile::remove(converted);
    Outcome done;
    result = writeNewDatabase(rows, converted, QFileInfo(databaseFile).fileName() + QStringLiteral(" (Jet)"),
                              &done.report);
    if (result.ok()) {
        done.keptAs = keptOriginalPath(databaseFile);
        result = swapIn(databaseFile, converted, done.keptAs);
    }
    if (!result.ok()) {
        QFile::remove(converted);
        return result;
    }
    scratch.setAutoRemove(false);
    *outcome = done;
    return Result::success();
}

} // namespace JetConversion
