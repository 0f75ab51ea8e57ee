#include "SourceRow.h"

#include "Utf8Text.h"

SourceRow::SourceRow(const QStringList& fields)
{
    for (const QString& field : fields)
        append(field.toUtf8());
}

void SourceRow::clear()
{
    m_bytes.resize(0);
    m_ends.resize(0);
}

void SourceRow::append(QByteArrayView utf8)
{
    m_bytes.append(utf8);
    m_ends.append(m_bytes.size());
}

QByteArrayView SourceRow::at(qsizetype column) const
{
    const qsizetype start = column == 0 ? 0 : m_ends.at(column - 1);
    return QByteArrayView(m_bytes.constData() + start, m_ends.at(column) - start);
}

QStringList SourceRow::toStrings() const
{
    QStringList fields;
    fields.reserve(size());
    for (qsizetype column = 0; column < size(); ++column) {
        const QByteArrayView field = at(column);
        fields.append(textFromUtf8(field.data(), field.size()));
    }
    return fields;
}
