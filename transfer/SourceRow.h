#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// One row of a source file: its fields as UTF-8, one after another in a
// buffer that a reader keeps from row to row, so a million CSV rows take
// no allocation of their own per field.
class SourceRow
{
public:
    SourceRow() = default;
    explicit SourceRow(const QStringList& fields);

    // Empties the row and keeps its buffer.
    void clear();
    void append(QByteArrayView utf8);

    qsizetype size() const { return m_ends.size(); }
    bool isEmpty() const { return m_ends.isEmpty(); }
    // Valid until the row is next changed.
    QByteArrayView at(qsizetype column) const;
    QStringList toStrings() const;

private:
    QByteArray m_bytes;
    QList<qsizetype> m_ends;
};
