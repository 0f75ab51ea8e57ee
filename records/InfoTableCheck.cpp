#include "InfoTableCheck.h"

#include "CustomerRecord.h"
#include "SqliteStatement.h"

#include <QDir>
#include <QHash>

#include <sqlite3.h>

namespace {

struct ColumnInfo
{
    QString declaredType;
    bool plain = true; // neither hidden nor generated
};

// SQLite's own affinity rules: a declared type holding "INT" is an integer
// column whatever else it says; otherwise "CHAR", "CLOB" or "TEXT" make it
// a text column, whose values are stored exactly as given.
bool hasTextAffinity(const QString& declaredType)
{
    const QString type = declaredType.toUpper();
    if (type.contains(QLatin1String("INT")))
        return false;
    return type.contains(QLatin1String("CHAR")) || type.contains(QLatin1String("CLOB"))
        || type.contains(QLatin1String("TEXT"));
}

QString declaration(const ColumnInfo& column)
{
    if (!column.plain)
        return QStringLiteral("it is computed or hidden");
    if (column.declaredType.isEmpty())
        return QStringLiteral("it has no declared type");
    return QStringLiteral("it is declared as \"%1\"").arg(column.declaredType);
}

// User columns with these names take the place of the row numbers, so that
// every row holding the same value would be one customer.
bool namesTheRowId(const QString& lowerCaseName)
{
    return lowerCaseName == QLatin1String("rowid") || lowerCaseName == QLatin1String("oid")
        || lowerCaseName == QLatin1String("_rowid_");
}

} // namespace

Result InfoTableCheck::run(bool* tableMissing)
{
    Result result = checkSchema(tableMissing);
    if (result.ok() && !*tableMissing)
        result = checkColumns();
    if (result.ok() && !*tableMissing)
        result = checkRowIds();
    return result;
}

Result InfoTableCheck::checkSchema(bool* tableMissing)
{
    SqliteStatement schema;
    if (schema.prepare(m_db, "SELECT type, name FROM sqlite_master WHERE type IN ('table', 'view') "
                             "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'") != SQLITE_OK)
        return unreadable();
    enum Column { Type, Name };
    QString infoType;
    bool otherTables = false;
    int code;
    while ((code = sqlite3_step(schema.handle())) == SQLITE_ROW) {
        if (schema.text(Name).compare(QLatin1String("Info"), Qt::CaseInsensitive) == 0)
            infoType = schema.text(Type);
        else
            otherTables = true;
    }
    if (code != SQLITE_DONE)
        return unreadable();

    *tableMissing = infoType.isEmpty() && !otherTables;
    if (infoType.isEmpty() && otherTables)
        return Result::failure(
            QStringLiteral("The file \"%1\" is not a customer database: it holds other tables "
                           "but no table Info.").arg(QDir::toNativeSeparators(m_path)));
    if (!infoType.isEmpty() && infoType != QLatin1String("table"))
        return refuse(QStringLiteral("its Info is a %1, not a table.").arg(infoType));
    return Result::success();
}

Result InfoTableCheck::checkColumns()
{
    enum Column { Name, Type, Hidden };
    SqliteStatement columns;
    if (columns.prepare(m_db, "SELECT name, type, hidden FROM pragma_table_xinfo('Info')") != SQLITE_OK)
        return unreadable();
    QHash<QString, ColumnInfo> present;
    int code;
    while ((code = sqlite3_step(columns.handle())) == SQLITE_ROW) {
        const QString name = columns.text(Name);
        if (namesTheRowId(name.toLower()))
            return refuse(QStringLiteral("its table Info has a column named \"%1\", which takes the "
                                         "place of the row numbers that tell customers apart.")
                              .arg(name));
        present.insert(name.toLower(),
                       ColumnInfo{columns.text(Type), sqlite3_column_int(columns.handle(), Hidden) == 0});
    }
    if (code != SQLITE_DONE)
        return unreadable();

    for (CustomerRecord::Field field : CustomerRecord::AllFields) {
        const QString column = CustomerRecord::columnName(field);
        const auto found = present.constFind(column.toLower());
        if (found == present.cend())
            return refuse(QStringLiteral("its table Info has no column \"%1\".").arg(column));
        if (!found->plain || !hasTextAffinity(found->declaredType))
            return refuse(QStringLiteral("the column \"%1\" of its table Info is not a text column "
                                         "(%2), so texts would not be kept exactly as typed.")
                              .arg(column, declaration(*found)));
    }
    return Result::success();
}

Result InfoTableCheck::checkRowIds()
{
    SqliteStatement rowIds;
    if (rowIds.prepare(m_db, "SELECT rowid FROM Info LIMIT 0") != SQLITE_OK)
        return refuse(QStringLiteral("its table Info has no row numbers to tell customers apart."));
    return Result::success();
}

Result InfoTableCheck::refuse(const QString& reason) const
{
    return Result::failure(QStringLiteral("The customer database \"%1\" cannot be used: %2")
                               .arg(QDir::toNativeSeparators(m_path), reason));
}

Result InfoTableCheck::unreadable() const
{
    return Result::failure(QStringLiteral("The customer database \"%1\" could not be opened: %2.")
                               .arg(QDir::toNativeSeparators(m_path),
                                    QString::fromUtf8(sqlite3_errmsg(m_db))));
}
