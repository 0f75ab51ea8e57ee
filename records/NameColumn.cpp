#include "NameColumn.h"

QStringView NameColumn::at(int position) const
{
    const qsizetype start = startOf(position);
    return QStringView(m_characters).mid(start, m_ends.at(position) - start);
}

int NameColumn::find(QStringView name, int from) const
{
    // Lengths come from the ends alone: most names are rejected without
    // reading their characters.
    if (from < 0 || from >= size())
        return -1;
    const qsizetype* ends = m_ends.constData();
    qsizetype start = startOf(from);
    for (int position = from; position < size(); ++position) {
        const qsizetype end = ends[position];
        if (end - start == name.size()
            && QStringView(m_characters).sliced(start, end - start).compare(name, Qt::CaseInsensitive) == 0)
            return position;
        start = end;
    }
    return -1;
}

void NameColumn::append(QStringView name)
{
    m_characters.append(name);
    m_ends.append(m_characters.size());
}

void NameColumn::replace(int position, QStringView name)
{
    const qsizetype start = startOf(position);
    const qsizetype length = m_ends.at(position) - start;
    m_characters.replace(start, length, name.data(), name.size());
    shiftEnds(position, name.size() - length);
}

void NameColumn::remove(int position)
{
    const qsizetype start = startOf(position);
    const qsizetype length = m_ends.at(position) - start;
    m_characters.remove(start, length);
    m_ends.removeAt(position);
    shiftEnds(position, -length);
}

void NameColumn::shiftEnds(int from, qsizetype by)
{
    if (by == 0)
        return;
    for (auto end = m_ends.begin() + from; end != m_ends.end(); ++end)
        *end += by;
}

void NameColumn::clear()
{
    m_characters.resize(0);
    m_ends.resize(0);
}

void NameColumn::releaseSpareRoom()
{
    const auto roomy = [](qsizetype capacity, qsizetype size) { return capacity > size + size / 4; };
    if (roomy(m_characters.capacity(), m_characters.size()))
        m_characters.squeeze();
    if (roomy(m_ends.capacity(), m_ends.size()))
        m_ends.squeeze();
}

QStringList NameColumn::toList() const
{
    QStringList names;
    names.reserve(size());
    for (int position = 0; position < size(); ++position)
        names.append(at(position).toString());
    return names;
}
