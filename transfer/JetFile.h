#pragma once

#include "Result.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// A Jet (.mdb) or ACE (.accdb) file, read by the tallyvane-jet-reader
// child so that a damaged file can crash only the child. Every value
// comes back as text as the file shows it: dates in the locale's short
// date (with the time when there is one), numbers without trailing zeros,
// Yes/No for the file's booleans, memos whole. Pictures and other binary
// columns come back empty.
class JetFile
{
public:
    struct Table
    {
        QString name;
        qint64 rows = 0;
        QStringList columns;
    };

    struct Rows
    {
        QStringList columns;
        QList<QStringList> rows;
    };

    // Rows read so far and the table's rows; false cancels the reading.
    using Progress = std::function<bool(qint64 done, qint64 total)>;

    explicit JetFile(const QString& path);

    // Every user table, in the file's order.
    Result tables(QList<Table>* tables) const;

    // The table's columns and its first `limit` rows (every row when
    // negative). Fails, giving nothing, when the file is damaged, the
    // reader stops answering, or the file changes while it is read.
    Result read(const QString& table, qint64 limit, const Progress& progress, Rows* rows) const;

    // True when the file starts as a Jet or ACE database does.
    static bool looksLikeJet(const QString& path);

    // A value as the reader sent it, as the file shows it.
    static QString shownText(const QString& type, const QString& raw);

    // How long the reader may stay silent before it is given up on (a
    // damaged file can send the library round in circles).
    void setSilenceLimit(int milliseconds) { m_silenceLimitMs = milliseconds; }

private:
    QString m_path;
    int m_silenceLimitMs = 10000;
};
