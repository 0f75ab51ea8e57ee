#include "ImportSession.h"

#include "VCard.h"

#include <QDir>
#include <QFile>

#include <numeric>

namespace {

QString cannotOpen(const QString& path, const QString& why)
{
    return QStringLiteral("The file %1 cannot be imported: %2").arg(QDir::toNativeSeparators(path), why);
}

bool sameFile(const QFileInfo& before, const QString& path)
{
    const QFileInfo now(path);
    return now.size() == before.size() && now.lastModified() == before.lastModified();
}

} // namespace

Result ImportSession::open(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return Result::failure(cannotOpen(path, QStringLiteral("it is a folder.")));
    if (!info.exists())
        return Result::failure(cannotOpen(path, QStringLiteral("it does not exist.")));
    if (!info.isFile())
        return Result::failure(cannotOpen(path, QStringLiteral("it is not an ordinary file.")));
    ImportSession opened;
    opened.m_path = path;
    opened.m_opened = info;
    const Result result = JetFile::looksLikeJet(path) ? opened.openJet(path) : opened.openText(path);
    if (result.ok())
        *this = opened;
    return result;
}

Result ImportSession::readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result::failure(cannotOpen(path, QStringLiteral("you have no permission to read it.")));
    if (m_opened.size() > MaxTextFile)
        return Result::failure(cannotOpen(path, QStringLiteral("it is larger than 1 GB.")));
    // Read with a limit too, so a file that grows while read cannot fill memory.
    m_bytes = file.read(MaxTextFile + 1);
    if (m_bytes.size() > MaxTextFile)
        return Result::failure(cannotOpen(path, QStringLiteral("it is larger than 1 GB.")));
    if (file.error() != QFileDevice::NoError)
        return Result::failure(cannotOpen(path, file.errorString()));
    if (!sameFile(m_opened, path))
        return Result::failure(cannotOpen(path, QStringLiteral("it changed while it was read.")));
    if (m_bytes.isEmpty())
        return Result::failure(cannotOpen(path, QStringLiteral("it is empty.")));
    if (m_bytes.contains('\0') && !m_bytes.startsWith("\xff\xfe") && !m_bytes.startsWith("\xfe\xff"))
        return Result::failure(cannotOpen(path, QStringLiteral("it is neither a text file nor a Jet database.")));
    return Result::success();
}

Result ImportSession::openText(const QString& path)
{
    if (const Result read = readText(path); !read.ok())
        return read;
    const QByteArray start = m_bytes.left(64).trimmed();
    if (start.toUpper().startsWith("BEGIN:VCARD") || start.toUpper().startsWith("\xef\xbb\xbf" "BEGIN:VCARD"))
        return openVCard();
    const Result previewed = CustomerImport::previewCsv(m_bytes, PreviewRows, &m_csv);
    if (!previewed.ok())
        return Result::failure(cannotOpen(path, previewed.message()));
    m_kind = Kind::Csv;
    m_mapping = m_csv.options.mapping;
    return Result::success();
}

Result ImportSession::openJet(const QString& path)
{
    const Result listed = JetFile(path).tables(&m_tables);
    if (!listed.ok())
        return listed;
    if (m_tables.isEmpty())
        return Result::failure(cannotOpen(path, QStringLiteral("it holds no tables.")));
    m_kind = Kind::Jet;
    const auto info = std::find_if(m_tables.begin(), m_tables.end(), [](const JetFile::Table& table) {
        return table.name.compare(QLatin1String("Info"), Qt::CaseInsensitive) == 0;
    });
    return chooseTable(info != m_tables.end() ? int(info - m_tables.begin()) : 0);
}

// Cards hold the sixteen fields already: they map one to one.
Result ImportSession::openVCard()
{
    QList<CustomerRecord> customers;
    QList<VCard::Refused> refused;
    if (const Result read = VCard::read(m_bytes, &customers, &refused); !read.ok())
        return Result::failure(cannotOpen(m_path, read.message()));
    for (const CustomerRecord& customer : customers)
        m_cards.append(customer.toList());
    for (const VCard::Refused& card : refused)
        m_cardsRefused.append({card.line, card.reason});
    m_kind = Kind::VCard;
    m_mapping = CustomerFields::Mapping(CustomerRecord::FieldCount);
    std::iota(m_mapping.begin(), m_mapping.end(), 0);
    return Result::success();
}

Result ImportSession::chooseTable(int index)
{
    if (m_kind != Kind::Jet || index < 0 || index >= m_tables.size())
        return Result::failure(QStringLiteral("There is no such table."));
    JetFile::Rows first;
    const Result read = JetFile(m_path).read(m_tables.at(index).name, PreviewRows, {}, &first);
    if (!read.ok())
        return read;
    m_table = index;
    m_jetPreview = first;
    m_mapping = CustomerFields::propose(first.columns);
    return Result::success();
}

Result ImportSession::setCsvOptions(const QString& encoding, char separator, bool header)
{
    if (m_kind != Kind::Csv)
        return Result::failure(QStringLiteral("The file is not a text file."));
    CustomerImport::CsvOptions options = m_csv.options;
    options.markLength = encoding == options.encoding ? options.markLength : 0;
    options.encoding = encoding;
    options.separator = separator;
    options.header = header;
    options.mapping = m_mapping;
    CustomerImport::CsvPreview preview = m_csv;
    const Result previewed = CustomerImport::previewCsv(m_bytes, options, PreviewRows, &preview);
    if (!previewed.ok())
        return previewed;
    m_csv = preview;
    m_mapping = preview.options.mapping;
    return Result::success();
}

const QStringList& ImportSession::columns() const
{
    static const QStringList none;
    switch (m_kind) {
    case Kind::Csv: return m_csv.columns;
    case Kind::Jet: return m_jetPreview.columns;
    case Kind::VCard: return CustomerFields::captions();
    case Kind::None: break;
    }
    return none;
}

void ImportSession::setMapping(int field, int column)
{
    if (field < 0 || field >= m_mapping.size())
        return;
    // A column feeds one field: taken here, it leaves the one it fed.
    if (column >= 0)
        std::replace(m_mapping.begin(), m_mapping.end(), column, -1);
    m_mapping[field] = column < columns().size() ? column : -1;
    m_csv.options.mapping = m_mapping;
}

QList<ImportSession::PreviewRow> ImportSession::preview() const
{
    const QList<QStringList>& rows =
        m_kind == Kind::Jet ? m_jetPreview.rows : (m_kind == Kind::VCard ? m_cards : m_csv.rows);
    QList<PreviewRow> shown;
    const qint64 firstLine = m_kind == Kind::Csv && m_csv.options.header ? 2 : 1;
    for (qsizetype row = 0; row < rows.size() && row < PreviewRows; ++row) {
        PreviewRow entry;
        entry.line = firstLine + row;
        const SourceRow fields(rows.at(row));
        CustomerRecord::Utf8Texts texts;
        entry.refusal = CustomerImport::recordFrom(fields, m_mapping, &texts).value_or(QString());
        if (entry.refusal.isEmpty())
            entry.record = CustomerRecord::fromUtf8(texts);
        shown.append(entry);
    }
    return shown;
}

Result ImportSession::checkUnchanged() const
{
    if (!sameFile(m_opened, m_path))
        return Result::failure(cannotOpen(
            m_path, QStringLiteral("it has changed since it was opened. Open it again to see what it holds now.")));
    return Result::success();
}

Result ImportSession::source(const JetFile::Progress& progress, CustomerImport::Source* source) const
{
    *source = CustomerImport::Source();
    if (const Result unchanged = checkUnchanged(); !unchanged.ok())
        return unchanged;
    if (m_kind == Kind::Csv) {
        Result decoded = Result::success();
        CustomerImport::CsvOptions options = m_csv.options;
        options.mapping = m_mapping;
        *source = CustomerImport::csvSource(m_bytes, options, &decoded);
        return decoded;
    }
    if (m_kind == Kind::VCard) {
        *source = CustomerImport::tableSource(m_cards);
        source->refusedBefore = m_cardsRefused;
        return Result::success();
    }
    if (m_kind != Kind::Jet || m_table < 0)
        return Result::failure(QStringLiteral("No file has been opened."));
    JetFile::Rows rows;
    const Result read = JetFile(m_path).read(m_tables.at(m_table).name, -1, progress, &rows);
    if (!read.ok())
        return read;
    if (rows.columns != m_jetPreview.columns)
        return Result::failure(cannotOpen(m_path, QStringLiteral("its table has changed since it was opened.")));
    *source = CustomerImport::tableSource(rows.rows);
    return Result::success();
}
