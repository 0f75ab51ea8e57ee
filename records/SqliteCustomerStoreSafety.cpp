#include "SqliteCustomerStore.h"

#include "CustomerKey.h"

#include <sqlite3.h>

#include <cctype>

// The store's part of the safety net: where a deleted customer goes back,
// and the customers a new one would repeat.

namespace {

// foldedForMatch() as SQL, for this connection's own queries only (never
// in the file's schema, which other programs must be able to use).
void foldForMatch(sqlite3_context* context, int, sqlite3_value** arguments)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(arguments[0]));
    const int size = sqlite3_value_bytes(arguments[0]);
    QByteArray folded;
    bool ascii = true;
    for (int at = 0; text && at < size && ascii; ++at) {
        const char c = text[at];
        ascii = uchar(c) < 0x80;
        if (ascii && std::isalnum(uchar(c)))
            folded += char(std::tolower(uchar(c)));
    }
    if (!ascii)
        folded = foldedForMatch(QString::fromUtf8(text, size)).toUtf8();
    sqlite3_result_text(context, folded.constData(), int(folded.size()), SQLITE_TRANSIENT);
}

QByteArray duplicatesSql()
{
    return "SELECT rowid, " + CustomerRecord::quotedColumns() + " FROM Info WHERE (tallyvane_fold(name) = ?1 AND tallyvane_fold(Zip) = ?2) "
                                      "OR (?3 <> '' AND trim(FAX) = ?3 COLLATE NOCASE)";
}

QByteArray insertAtRowSql()
{
    return "INSERT INTO Info (rowid, " + CustomerRecord::quotedColumns() + ") VALUES (?"
        + QByteArray(", ?").repeated(CustomerRecord::FieldCount) + ")";
}

} // namespace

// Where it stood while nobody took its number since, else at the end.
Result SqliteCustomerStore::putBack(const DeletedCustomer& deleted, RowId* row)
{
    CustomerRecord standing;
    const int code = readRow(deleted.row, &standing);
    if (code != SQLITE_DONE && code != SQLITE_ROW)
        return engineFailure(QStringLiteral("could not be read"));
    if (code == SQLITE_ROW) {
        Result appended = runWrite(m_insert, NoRow, &deleted.record);
        if (appended.ok() && sqlite3_changes(m_db) == 0)
            return tableFull();
        *row = sqlite3_last_insert_rowid(m_db);
        return appended;
    }
    SqliteStatement insert;
    if (insert.prepare(m_db, insertAtRowSql().constData()) != SQLITE_OK)
        return engineFailure(QStringLiteral("could not be saved"));
    insert.bindRowId(1, deleted.row);
    const CustomerRecord::Utf8Copy texts(deleted.record);
    for (int field = 0; field < CustomerRecord::FieldCount; ++field)
        insert.bindText(field + 2, texts.texts[std::size_t(field)]);
    if (sqlite3_step(insert.handle()) != SQLITE_DONE)
        return engineFailure(QStringLiteral("could not be saved"));
    *row = deleted.row;
    return Result::success();
}

Result SqliteCustomerStore::findDuplicates(const CustomerRecord& record, QList<StoredCustomer>* same)
{
    same->clear();
    if (!isOpen())
        return notOpen();
    using Field = CustomerRecord::Field;
    SqliteStatement find;
    if (sqlite3_create_function_v2(m_db, "tallyvane_fold", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                   foldForMatch, nullptr, nullptr, nullptr) != SQLITE_OK
        || find.prepare(m_db, duplicatesSql().constData()) != SQLITE_OK)
        return engineFailure(QStringLiteral("could not be searched"));
    const QByteArray name = foldedForMatch(record.value(Field::Name)).toUtf8();
    const QByteArray telephone = foldedForMatch(record.value(Field::Zip)).toUtf8();
    const QByteArray email = record.value(Field::FAX).trimmed().toUtf8();
    find.bindText(1, name);
    find.bindText(2, telephone);
    find.bindText(3, email);
    int code;
    while ((code = sqlite3_step(find.handle())) == SQLITE_ROW) {
        StoredCustomer found{sqlite3_column_int64(find.handle(), 0), {}};
        for (CustomerRecord::Field field : CustomerRecord::AllFields)
            found.record.setValue(field, find.text(int(field) + 1));
        same->append(found);
    }
    return code == SQLITE_DONE ? Result::success() : engineFailure(QStringLiteral("could not be searched"));
}
