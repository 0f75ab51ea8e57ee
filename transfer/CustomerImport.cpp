#include "CustomerImport.h"

#include "CsvReading.h"
#include "CsvWriting.h"
#include "TextEncoding.h"

#include <algorithm>
#include <cmath>

namespace CustomerImport {

namespace {

using Field = CustomerRecord::Field;

bool isAscii(QByteArrayView utf8)
{
    return std::all_of(utf8.begin(), utf8.end(), [](char c) { return uchar(c) < 0x80; });
}

// The text without the spaces around it; non-ASCII spaces (a no-break
// space, ...) go too, as QString::trimmed takes them.
QByteArrayView trimmed(QByteArrayView utf8, QByteArray* decoded)
{
    if (isAscii(utf8))
        return utf8.trimmed();
    *decoded = QString::fromUtf8(utf8).trimmed().toUtf8();
    return *decoded;
}

// Which of two codes the text spells, case aside.
std::optional<QByteArrayView> code(QByteArrayView utf8, std::initializer_list<QByteArrayView> first,
                                   std::initializer_list<QByteArrayView> second, QByteArrayView firstCode,
                                   QByteArrayView secondCode)
{
    QByteArray decoded;
    const QByteArrayView key = trimmed(utf8, &decoded);
    const auto spells = [key](QByteArrayView word) { return key.compare(word, Qt::CaseInsensitive) == 0; };
    if (std::any_of(first.begin(), first.end(), spells))
        return firstCode;
    if (std::any_of(second.begin(), second.end(), spells))
        return secondCode;
    return std::nullopt;
}

bool isNumber(QByteArrayView utf8)
{
    QByteArray decoded;
    bool ok = false;
    const double value = trimmed(utf8, &decoded).toDouble(&ok);
    return ok && std::isfinite(value);
}

bool isBlank(QByteArrayView utf8)
{
    QByteArray decoded;
    return trimmed(utf8, &decoded).isEmpty();
}

} // namespace

std::optional<QString> recordFrom(const SourceRow& source, const CustomerFields::Mapping& mapping,
                                  CustomerRecord::Utf8Texts* texts)
{
    CustomerRecord::Utf8Texts built;
    for (int field = 0; field < CustomerRecord::FieldCount; ++field) {
        const int column = mapping.value(field, -1);
        if (column >= 0 && column < source.size())
            built[field] = CsvWriting::unguarded(source.at(column));
    }
    const auto text = [&built](Field field) -> QByteArrayView& { return built[std::size_t(field)]; };
    if (isBlank(text(Field::Name)))
        return QStringLiteral("The customer has no name.");
    for (Field field : {Field::Quantity, Field::Price}) {
        if (isBlank(text(field)))
            text(field) = "0";
        else if (!isNumber(text(field)))
            return QStringLiteral("\"%1\" is not a number.").arg(QString::fromUtf8(text(field)));
    }
    const std::optional<QByteArrayView> paid =
        code(text(Field::Paid), {"", "0", "yes", "true", "paid"}, {"1", "no", "false", "pending"}, "0", "1");
    if (!paid)
        return QStringLiteral("\"%1\" says neither paid nor pending.").arg(QString::fromUtf8(text(Field::Paid)));
    text(Field::Paid) = *paid;
    text(Field::Sex) =
        code(text(Field::Sex), {"m", "male", "man"}, {"f", "female", "woman"}, "m", "f").value_or(QByteArrayView(""));
    *texts = built;
    return std::nullopt;
}

namespace {

// The first records of the text: `rows` of them, and the header if any.
Result firstRecords(const QByteArray& utf8, char separator, int rows, QList<QStringList>* records)
{
    return CsvReading::read(utf8, separator, [&](const SourceRow& fields, qint64) {
        records->append(fields.toStrings());
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
            if (!visit(SourceRow(rows.at(row)), row + 1))
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
        return CsvReading::read(utf8, separator, [&](const SourceRow& fields, qint64 line) {
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
    const Result read = source.visit([&](const SourceRow& fields, qint64) {
        CustomerRecord::Utf8Texts texts;
        if (!recordFrom(fields, plan.mapping, &texts) && plan.stored->match(CustomerRecord::fromUtf8(texts)))
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
        const Result read = source.visit([&](const SourceRow& fields, qint64 line) {
            CustomerRecord::Utf8Texts texts;
            if (const std::optional<QString> reason = recordFrom(fields, plan.mapping, &texts)) {
                counted.refused.append({line, *reason});
            } else if (const std::optional<StoredCustomer> same =
                           matching ? plan.stored->match(CustomerRecord::fromUtf8(texts)) : std::nullopt;
                       !same) {
                outcome = write(texts, nullptr);
            } else if (plan.duplicates == Duplicates::Skip) {
                ++counted.skipped;
            } else {
                outcome = write(texts, &*same);
                counted.replaced += outcome.ok() ? 1 : 0;
            }
            cancelled = progress && !progress(line, source.total);
            return outcome.ok() && !cancelled;
        });
        if (cancelled)
            return Result::failure(QStringLiteral("The import was cancelled: nothing has been imported."));
        return read.ok() ? outcome : read;
    }, &counted.imported, plan.from);
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
    return importRows(store, source, {options.mapping, Duplicates::KeepBoth, nullptr, {}}, progress, report);
}

} // namespace CustomerImport
