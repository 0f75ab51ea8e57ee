#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

// The customers' names in list order as one run of characters and where
// each name ends: a million names take their characters and eight bytes
// each, rather than a string object and a heap block apiece, and reading
// them again reuses the same two blocks.
class NameColumn
{
public:
    int size() const { return int(m_ends.size()); }
    bool isEmpty() const { return m_ends.isEmpty(); }
    QStringView at(int position) const;

    // The first position from `from` on whose name is `name` whole,
    // ignoring case; -1 when there is none.
    int find(QStringView name, int from) const;

    void append(QStringView name);
    void replace(int position, QStringView name);
    void remove(int position);
    // Empties the column and keeps its room for the next read.
    void clear();
    // Gives back room beyond a quarter more than the names need.
    void releaseSpareRoom();

    // A copy of every name, for small lists.
    QStringList toList() const;

private:
    qsizetype startOf(int position) const { return position == 0 ? 0 : m_ends.at(position - 1); }
    void shiftEnds(int from, qsizetype by);

    QString m_characters;
    QVector<qsizetype> m_ends;
};
