#pragma once

#include <QByteArrayView>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// One prepared statement, finalized with its owner and reset before each
// use, so a failed step never leaves a read transaction open.
class SqliteStatement
{
public:
    SqliteStatement() = default;
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // Returns the SQLite result code.
    int prepare(sqlite3* db, const char* sql);
    void finalize();

    // Resets the statement and clears its bindings; returns it for use.
    sqlite3_stmt* fresh();
    sqlite3_stmt* handle() const { return m_statement; }

    // Binds UTF-8 read in place: the bytes must outlive the step.
    int bindText(int index, QByteArrayView utf8);
    int bindRowId(int index, qint64 row);
    QString text(int column) const;

private:
    sqlite3_stmt* m_statement = nullptr;
};
