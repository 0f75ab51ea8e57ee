#include "ServerBackup.h"

#include "DatabaseFileCheck.h"
#include "DatabaseFileCopy.h"
#include "PgCustomerStore.h"
#include "SqliteCustomerStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// Every row of `from`, written through `write` until one fails.
Result copyRows(CustomerStore& from, const CustomerStore::BatchWriter& write)
{
    Result written = Result::success();
    const Result scanned = from.scanRecords([&](RowId, const CustomerRecord& record) {
        written = write(CustomerRecord::Utf8Copy(record).texts, nullptr);
        return written.ok();
    });
    return written.ok() ? scanned : written;
}

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

Result ServerBackup::backUp(const QString& target)
{
    const QString partial = target + QStringLiteral(".partial");
    QFile::remove(partial);
    Result result = Result::success();
    {
        SqliteCustomerStore copy(partial);
        result = copy.open();
        if (result.ok())
            result = m_server.inSnapshot([&] {
                return copy.appendAll([&](const CustomerStore::BatchWriter& write) { return copyRows(m_server, write); },
                                      nullptr, QStringLiteral("the database server"));
            });
    }
    if (result.ok())
        result = checkCustomerDatabase(partial);
    if (result.ok())
        result = DatabaseFileCopy::renameOver(partial, target);
    if (!result.ok()) {
        QFile::remove(partial);
        return Result::failure(QStringLiteral("The backup to \"%1\" could not be made. ").arg(native(target))
                               + result.message());
    }
    return result;
}

// The source is copied first: opening it as a store could change it.
Result ServerBackup::restore(const QString& source)
{
    QTemporaryDir folder;
    const QString copyPath = folder.filePath(QStringLiteral("restore.mdb"));
    Result result = checkCustomerDatabase(source);
    if (result.ok()) {
        DatabaseFileCopy copying(copyPath);
        result = copying.write(source);
        if (result.ok())
            result = copying.replaceDestination();
    }
    SqliteCustomerStore copy(copyPath);
    if (result.ok())
        result = copy.open();
    if (result.ok())
        result = m_server.replaceAll([&](const CustomerStore::BatchWriter& write) { return copyRows(copy, write); },
                                     QFileInfo(source).fileName());
    if (!result.ok())
        return Result::failure(QStringLiteral("The customers of \"%1\" could not be restored onto the server; "
                                              "its customers are as they were. ")
                                   .arg(native(source))
                               + result.message());
    return result;
}
