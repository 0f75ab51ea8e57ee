#include "CsvWriting.h"

#include <QStringEncoder>

#include <algorithm>

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

QByteArrayView unguarded(QByteArrayView utf8)
{
    // The guard and the characters it guards are all ASCII.
    const bool guardedValue = utf8.size() > 1 && utf8.at(0) == '\''
        && (startsFormula(QChar::fromLatin1(utf8.at(1))) || utf8.at(1) == '\'');
    return guardedValue ? utf8.sliced(1) : utf8;
}

namespace {

// Encoded straight onto the end of `out`: no text of its own per field.
void appendUtf8(QByteArray& out, QStringView text)
{
    QStringEncoder encoder(QStringEncoder::Utf8);
    const qsizetype at = out.size();
    out.resize(at + qsizetype(encoder.requiredSpace(text.size())));
    const char* end = encoder.appendToBuffer(out.data() + at, text);
    out.truncate(end - out.constData());
}

bool needsQuotes(QStringView value)
{
    return std::any_of(value.begin(), value.end(),
                       [](QChar c) { return c == u',' || c == u'"' || c == u'\n' || c == u'\r'; });
}

void appendField(QByteArray& out, const QString& value)
{
    const bool guard = (!value.isEmpty() && startsFormula(value.at(0))) || looksGuarded(value);
    const bool quoted = needsQuotes(value);
    if (quoted)
        out += '"';
    if (guard)
        out += '\'';
    if (quoted)
        appendUtf8(out, QString(value).replace(QLatin1Char('"'), QLatin1String("\"\"")));
    else
        appendUtf8(out, value);
    if (quoted)
        out += '"';
}

} // namespace

QByteArray line(const QStringList& fields)
{
    QByteArray out;
    out.reserve(256);
    for (int index = 0; index < fields.size(); ++index) {
        if (index > 0)
            out += ',';
        appendField(out, fields.at(index));
    }
    out += "\r\n";
    return out;
}

} // namespace CsvWriting
