#pragma once

#include "CustomerRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

// A customer database file in a fresh temporary folder.
class TestDatabase
{
public:
    QString path() const { return m_folder.filePath(QStringLiteral("Other/Tallyvane DB.mdb")); }

    // Runs SQL on the file directly, as another program could.
    bool execute(const QString& sql) const
    {
        QDir().mkpath(QFileInfo(path()).absolutePath());
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(path()).constData(), &db);
        const bool ok = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
        sqlite3_close(db);
        return ok;
    }

    // Makes the file hold exactly `content`, as a damaged or foreign file would.
    bool write(const QByteArray& content) const
    {
        QDir().mkpath(QFileInfo(path()).absolutePath());
        QFile file(path());
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
    }

    // The file's bytes, to tell whether anything changed them.
    QByteArray bytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_folder;
};

// A record with the given name, quantity, price, paid flag and sex; the
// other texts are derived from the name so that rows can be told apart.
inline CustomerRecord customer(const QString& name, const QString& quantity = QStringLiteral("1"),
                               const QString& price = QStringLiteral("1"),
                               const QString& sex = QStringLiteral("m"),
                               const QString& paid = QStringLiteral("0"))
{
    return CustomerRecord::fromList({
        name, name + " Street 1", "Country", "City", "Zip " + name, "Phone " + name,
        "Fax " + name, name + "@example.com", "State", "Product of " + name, quantity, price,
        "12/6/2026", "Cash", paid, sex,
    });
}
