#include "CustomerExport.h"

#include "CsvWriting.h"
#include "CustomerFields.h"

#include <QDir>
#include <QSaveFile>

namespace CustomerExport {

Result writeCsv(CustomerStore& store, const QString& path, const CsvOptions& options, qint64* written)
{
    *written = 0;
    const auto failed = [&](const QString& reason) {
        return Result::failure(QStringLiteral("The customers could not be written to \"%1\" (%2). The file "
                                              "has not been changed.")
                                   .arg(QDir::toNativeSeparators(path), reason));
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    QByteArray text = options.byteOrderMark ? CsvWriting::ByteOrderMark : QByteArray();
    text += CsvWriting::line(CustomerFields::captions());
    qint64 count = 0;
    bool writeFailed = false;
    const Result scanned = store.scanRecords([&](RowId row, const CustomerRecord& record) {
        if (options.include && !options.include(row))
            return true;
        text += CsvWriting::line(record.toList());
        ++count;
        // Written in blocks, so a million customers never sit in memory as text.
        if (text.size() > (1 << 20)) {
            writeFailed = file.write(text) != text.size();
            text.clear();
        }
        return !writeFailed;
    });
    if (!scanned.ok())
        return scanned;
    if (writeFailed || file.write(text) != text.size() || !file.commit())
        return failed(file.errorString());
    *written = count;
    return Result::success();
}

} // namespace CustomerExport
