#include "CustomerExport.h"

#include "CsvWriting.h"
#include "CustomerFields.h"
#include "VCard.h"

#include <QDir>
#include <QSaveFile>

namespace CustomerExport {

namespace {

using Include = std::function<bool(RowId)>;
using Format = std::function<QByteArray(const CustomerRecord&)>;

// `start`, then each included customer as `format` writes it, into a file
// that is replaced only when it is written whole.
Result writeFile(CustomerStore& store, const QString& path, QByteArray start, const Include& include,
                 const Format& format, qint64* written)
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
    QByteArray text = std::move(start);
    qint64 count = 0;
    bool writeFailed = false;
    const Result scanned = store.scanRecords([&](RowId row, const CustomerRecord& record) {
        if (include && !include(row))
            return true;
        text += format(record);
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

} // namespace

Result writeCsv(CustomerStore& store, const QString& path, const CsvOptions& options, qint64* written)
{
    QByteArray start = options.byteOrderMark ? CsvWriting::ByteOrderMark : QByteArray();
    start += CsvWriting::line(CustomerFields::captions());
    return writeFile(store, path, start, options.include,
                     [](const CustomerRecord& record) { return CsvWriting::line(record.toList()); }, written);
}

Result writeVCards(CustomerStore& store, const QString& path, const std::function<bool(RowId)>& include,
                   qint64* written)
{
    return writeFile(store, path, {}, include,
                     [](const CustomerRecord& record) { return VCard::write({record}); }, written);
}

} // namespace CustomerExport
