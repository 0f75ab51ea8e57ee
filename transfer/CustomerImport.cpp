#include "CustomerImport.h"

#include "CsvReading.h"
#include "CsvWriting.h"
#include "NumberText.h"
#include "TextEncoding.h"

#include <cmath>

namespace CustomerImport {

namespace {

using Field = CustomerRecord::Field;

std::optional<QString> code(const QString& text, const QStringList& first, const QStringList& second,
                            const QString& firstCode, const QString& secondCode)
{
    const QString key = text.trimmed().toLower();
    if (first.contains(key))
        return firstCode;
    if (second.contains(key))
        return secondCode;
    return std::nullopt;
}

bool isNumber(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value);
}

} // namespace

std::optional<QString> recordFrom(const QStringList& source, const CustomerFields::Mapping& mapping,
                                  CustomerRecord* record)
{
    CustomerRecord built;
    for (int field = 0; field < CustomerRecord::FieldCount; ++field) {
        const int column = mapping.value(field, -1);
        if (column >= 0 && column < source.size())
            built.setValue(Field(field), CsvWriting::unguarded(source.at(column)));
    }
    if (built.value(Field::Name).trimmed().isEmpty())
        return QStringLiteral("The customer has no name.");
    for (Field field : {Field::Quantity, Field::Price}) {
        const QString& number = built.value(field);
        if (number.trimmed().isEmpty())
            built.setValue(field, QStringLiteral("0"));
        else if (!isNumber(number))
            return QStringLiteral("\"%1\" is not a number.").arg(number);
    }
    // Built once: a million rows would otherwise build them a million times.
    static const QStringList paidWords{"", "0", "yes", "true", "paid"};
    static const QStringList pendingWords{"1", "no", "false", "pending"};
    static const QStringList maleWords{"m", "male", "man"};
    static const QStringList femaleWords{"f", "female", "woman"};
    const std::optional<QString> paid =
        code(built.value(Field::Paid), paidWords, pendingWords, QStringLiteral("0"), QStringLiteral("1"));
    if (!paid)
        return QStringLiteral("\"%1\" says neither paid nor pending.").arg(built.value(Field::Paid));
    built.setValue(Field::Paid, *paid);
    const std::optional<QString> sex =
        code(built.value(Field::Sex), maleWords, femaleWords, QStringLiteral("m"), QStringLiteral("f"));
    built.setValue(Field::Sex, sex.value_or(QString()));
    *record = std::move(built);
    return std::nullopt;
}

namespace {

// The first records of the text: `rows` of them, and the header if any.
Result firstRecords(const QByteArray& utf8, char separator, int rows, QList<QStringList>* records)
{
    return CsvReading::read(utf8, separator, [&](const QStringList& fields, qint64) {
        records->append(fields);
        return records->size() <= rows;
    });
}

// What the preview shows of those records; the mapping stays while the
// columns stay those `shown` lists.
CsvPreview previewOf(QList<QStringList> records, const CsvOptions& options, int rows, const QStringList& shown)
{
    CsvPreview found;
    found.options = options;
    if (options.header && !records.isEmpty()) {
        found.columns = records.takeFirst();
    } else {
        const int width = records.isEmpty() ? 0 : int(records.first().size());
        for (int column = 1; column <= width; ++column)
            found.columns << QStringLiteral("Column %1").arg(column);
    }
    if (found.options.mapping.size() != CustomerRecord::FieldCount || shown != found.columns)
        found.options.mapping = CustomerFields::propose(found.columns);
    found.rows = records.mid(0, rows);
    return found;
}

} // namespace

Result previewCsv(const QByteArray& file, int rows, CsvPreview* preview)
{
    const TextEncoding::Detected encoding = TextEncoding::detect(file);
    const std::optional<QByteArray> text = TextEncoding::toUtf8(file, encoding.name, encoding.markLength);
    if (!text)
        return Result::failure(QStringLiteral("The file's encoding %1 cannot be read.").arg(encoding.name));
    CsvOptions options;
    options.encoding = encoding.name;
    options.markLength = encoding.markLength;
    options.separator = CsvReading::detectSeparator(*text);
    QList<QStringList> records;
    if (const Result read = firstRecords(*text, options.separator, rows, &records); !read.ok())
        return read;
    options.header = !records.isEmpty() && CustomerFields::looksLikeHeader(records.first());
    *preview = previewOf(records, options, rows, {});
    return Result::success();
}

Result previewCsv(const QByteArray& file, const CsvOptions& options, int rows, CsvPreview* preview)
{
    const std::optional<QByteArray> text = TextEncoding::toUtf8(file, options.encoding, options.markLength);
    if (!text)
        return Result::failure(QStringLiteral("The file's encoding %1 cannot be read.").arg(options.encoding));
    QList<QStringList> records;
    if (const Result read = firstRecords(*text, options.separator, rows, &records); !read.ok())
        return read;
    *preview = previewOf(records, options, rows, preview->columns);
    return Result::success();
}

Source tableSource(const QList<QStringList>& rows)
{
    Source source;
    source.total = rows.size();
    source.visit = [rows](const Source::RowVisitor& visit) {
        for (qsizetype row = 0; row < rows.size(); ++row)
            if (!visit(rows.at(row), row + 1))
                break;
        return Result::success();
    };
    return source;
}

Source csvSource(const QByteArray& file, const CsvOptions& options, Result* decoded)
{
    const std::optional<QByteArray> text = TextEncoding::toUtf8(file, options.encoding, options.markLength);
    *decoded = text ? Result::success()
                    : Result::failure(QStringLiteral("The file's encoding %1 cannot be read.").arg(options.encoding));
    Source source;
    if (!text)
        return source;
    source.total = text->count('\n') + 1;
    const bool header = options.header;
    const char separator = options.separator;
    source.visit = [utf8 = *text, header, separator](const Source::RowVisitor& visit) {
        return CsvReading::read(utf8, separator, [&](const QStringList& fields, qint64 line) {
            return (line == 1 && header) || visit(fields, line);
        });
    };
    return source;
}

Result countDuplicates(const Source& source, const Plan& plan, qint64* count)
{
    *count = 0;
    if (!plan.stored || plan.stored->isEmpty())
        return Result::success();
    qint64 found = 0;
    const Result read = source.visit([&](const QStringList& fields, qint64) {
        CustomerRecord record;
        if (!recordFrom(fields, plan.mapping, &record) && plan.stored->match(record))
            ++found;
        return true;
    });
    if (read.ok())
        *count = found;
    return read;
}

Result importRows(CustomerStore& store, const Source& source, const Plan& plan, const Progress& progress,
                  Report* report)
{
    *report = Report();
    const bool matching = plan.stored && !plan.stored->isEmpty() && plan.duplicates != Duplicates::KeepBoth;
    Report counted;
    counted.refused = source.refusedBefore;
    const Result stored = store.appendAll([&](const CustomerStore::BatchWriter& write) {
        Result outcome = Result::success();
        bool cancelled = false;
        const Result read = source.visit([&](const QStringList& fields, qint64 line) {
            CustomerRecord record;
            if (const std::optional<QString> reason = recordFrom(fields, plan.mapping, &record)) {
                counted.refused.append({line, *reason});
            } else if (const std::optional<StoredCustomer> same =
                           matching ? plan.stored->match(record) : std::nullopt;
                       !same) {
                outcome = write(record, nullptr);
            } else if (plan.duplicates == Duplicates::Skip) {
                ++counted.skipped;
            } else {
                outcome = write(record, &*same);
                counted.replaced += outcome.ok() ? 1 : 0;
            }
            cancelled = progress && !progress(line, source.total);
            return outcome.ok() && !cancelled;
        });
        if (cancelled)
            return Result::failure(QStringLiteral("The import was cancelled: nothing has been imported."));
        return read.ok() ? outcome : read;
    }, &counted.imported);
    if (stored.ok())
        *report = counted;
    return stored;
}

Result importCsv(CustomerStore& store, const QByteArray& file, const CsvOptions& options,
                 const Progress& progress, Report* report)
{
    *report = Report();
    Result decoded = Result::success();
    const Source source = csvSource(file, options, &decoded);
    if (!decoded.ok())
        return decoded;
    return importRows(store, source, {options.mapping, Duplicates::KeepBoth, nullptr}, progress, report);
}

} // namespace CustomerImport
