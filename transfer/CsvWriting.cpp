#include "CsvWriting.h"

namespace CsvWriting {

namespace {

bool startsFormula(QChar c)
{
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

// An apostrophe followed by a formula character or another apostrophe
// can only come from the guard.
bool looksGuarded(const QString& value)
{
    return value.size() > 1 && value.at(0) == u'\'' && (startsFormula(value.at(1)) || value.at(1) == u'\'');
}

} // namespace

QString guarded(const QString& value)
{
    if ((!value.isEmpty() && startsFormula(value.at(0))) || looksGuarded(value))
        return QLatin1Char('\'') + value;
    return value;
}

QString unguarded(const QString& value)
{
    return looksGuarded(value) ? value.mid(1) : value;
}

QByteArray line(const QStringList& fields)
{
    QByteArray out;
    for (int index = 0; index < fields.size(); ++index) {
        if (index > 0)
            out += ',';
        const QByteArray field = guarded(fields.at(index)).toUtf8();
        const bool quoted = field.contains(',') || field.contains('"') || field.contains('\n')
            || field.contains('\r');
        if (!quoted) {
            out += field;
            continue;
        }
        out += '"';
        out += QByteArray(field).replace('"', "\"\"");
        out += '"';
    }
    out += "\r\n";
    return out;
}

} // namespace CsvWriting
