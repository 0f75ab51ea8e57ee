#pragma once

#include "CustomerImport.h"
#include "JetFile.h"

#include <QFileInfo>

// What the import window works on: a CSV, vCard or Jet file, the table chosen in
// it, the mapping of its columns and the first rows as they will be
// stored. Nothing is written until the import itself.
class ImportSession
{
public:
    enum class Kind { None, Csv, Jet, VCard };

    // A row of the preview: the customer it makes, or why it is refused.
    struct PreviewRow
    {
        qint64 line = 0;
        CustomerRecord record;
        QString refusal;
    };

    static constexpr int PreviewRows = 20;
    // Larger text files are refused: no shop's customer list comes near it.
    static constexpr qint64 MaxTextFile = qint64(1) << 30;

    // Reads what the file holds; a failure leaves the session as it was.
    Result open(const QString& path);

    Kind kind() const { return m_kind; }
    const QString& path() const { return m_path; }

    // A Jet file's user tables; the one chosen, -1 before a choice.
    const QList<JetFile::Table>& tables() const { return m_tables; }
    int table() const { return m_table; }
    Result chooseTable(int index);

    // A CSV file's encoding, separator and header, as found or chosen.
    const CustomerImport::CsvOptions& csvOptions() const { return m_csv.options; }
    Result setCsvOptions(const QString& encoding, char separator, bool header);

    const QStringList& columns() const;
    const CustomerFields::Mapping& mapping() const { return m_mapping; }
    void setMapping(int field, int column);

    QList<PreviewRow> preview() const;

    // The rows to import; a Jet table is read whole now, with progress.
    Result source(const JetFile::Progress& progress, CustomerImport::Source* source) const;

private:
    Result openText(const QString& path);
    Result openJet(const QString& path);
    Result readText(const QString& path);
    Result openVCard();
    Result checkUnchanged() const;

    Kind m_kind = Kind::None;
    QString m_path;
    QFileInfo m_opened;
    QByteArray m_bytes;
    CustomerImport::CsvPreview m_csv;
    QList<JetFile::Table> m_tables;
    int m_table = -1;
    JetFile::Rows m_jetPreview;
    QList<QStringList> m_cards;
    QList<CustomerImport::Refused> m_cardsRefused;
    CustomerFields::Mapping m_mapping;
};
