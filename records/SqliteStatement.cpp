#include "SqliteStatement.h"

#include "Utf8Text.h"

#include <sqlite3.h>

SqliteStatement::~SqliteStatement()
{
    finalize();
}

int SqliteStatement::prepare(sqlite3* db, const char* sql)
{
    finalize();
    return sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &m_statement, nullptr);
}

void SqliteStatement::finalize()
{
    sqlite3_finalize(m_statement);
    m_statement = nullptr;
}

sqlite3_stmt* SqliteStatement::fresh()
{
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    return m_statement;
}

int SqliteStatement::bindText(int index, QByteArrayView utf8)
{
    // Never NULL: an empty text is stored as the empty text.
    const char* data = utf8.data() ? utf8.data() : "";
    return sqlite3_bind_text(m_statement, index, data, int(utf8.size()), SQLITE_STATIC);
}

int SqliteStatement::bindRowId(int index, qint64 row)
{
    return sqlite3_bind_int64(m_statement, index, row);
}

QString SqliteStatement::text(int column) const
{
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    if (!data)
        return QString();
    return textFromUtf8(data, sqlite3_column_bytes(m_statement, column));
}
