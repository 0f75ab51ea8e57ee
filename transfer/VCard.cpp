#include "VCard.h"

#include "TextEncoding.h"
#include "Utf8Text.h"

#include <QByteArrayView>
#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <limits>
#include <optional>

namespace VCard {

namespace {

using Field = CustomerRecord::Field;

constexpr qsizetype FoldWidth = 75;

// ---------------------------------------------------------------- writing

QString escaped(const QString& value)
{
    QString text;
    text.reserve(value.size());
    for (qsizetype at = 0; at < value.size(); ++at) {
        const QChar character = value.at(at);
        if (character == u'\r' || character == u'\n') {
            if (character == u'\r' && at + 1 < value.size() && value.at(at + 1) == u'\n')
                ++at;
            text += QLatin1String("\\n");
            continue;
        }
        if (character == u'\\' || character == u',' || character == u';')
            text += u'\\';
        text += character;
    }
    return text;
}

bool isUtf8Continuation(char byte)
{
    return (uchar(byte) & 0xC0) == 0x80;
}

// Where the piece of `line` that starts at `from` ends: at most `width`
// octets on, and never inside a character.
qsizetype foldCut(const QByteArray& line, qsizetype from, qsizetype width)
{
    qsizetype cut = std::min(from + width, line.size());
    while (cut < line.size() && cut > from + 1 && isUtf8Continuation(line.at(cut)))
        --cut;
    return cut;
}

// The content line with CR LF; each continuation starts with a space,
// which counts towards its 75 octets.
QByteArray folded(const QByteArray& line)
{
    QByteArray text;
    qsizetype from = 0;
    qsizetype width = FoldWidth;
    do {
        const qsizetype cut = foldCut(line, from, width);
        if (from > 0)
            text += ' ';
        text += QByteArrayView(line).sliced(from, cut - from);
        text += "\r\n";
        from = cut;
        width = FoldWidth - 1;
    } while (from < line.size());
    return text;
}

void appendProperty(QByteArray* card, const char* nameAndParameters, const QString& value)
{
    *card += folded(QByteArray(nameAndParameters) + ':' + value.toUtf8());
}

bool hasAddress(const CustomerRecord& customer)
{
    for (const Field field : {Field::Address, Field::City, Field::Email, Field::State, Field::Country}) {
        if (!customer.value(field).isEmpty())
            return true;
    }
    return false;
}

// PO box; extended address; street; locality; region; postal code; country.
QString addressValue(const CustomerRecord& customer)
{
    return QLatin1String(";;") + escaped(customer.value(Field::Address)) + u';'
           + escaped(customer.value(Field::City)) + u';' + escaped(customer.value(Field::Email)) + u';'
           + escaped(customer.value(Field::State)) + u';' + escaped(customer.value(Field::Country));
}

void appendIfGiven(QByteArray* card, const char* nameAndParameters, const QString& value)
{
    if (!value.isEmpty())
        appendProperty(card, nameAndParameters, escaped(value));
}

void appendGender(QByteArray* card, const QString& sex)
{
    if (sex == QLatin1String("m"))
        appendProperty(card, "GENDER", QStringLiteral("M"));
    else if (sex == QLatin1String("f"))
        appendProperty(card, "GENDER", QStringLiteral("F"));
}

QByteArray card(const CustomerRecord& customer)
{
    QByteArray text = "BEGIN:VCARD\r\nVERSION:4.0\r\n";
    appendProperty(&text, "FN", escaped(customer.value(Field::Name)));
    if (hasAddress(customer))
        appendProperty(&text, "ADR", addressValue(customer));
    appendIfGiven(&text, "TEL;TYPE=voice", customer.value(Field::Zip));
    appendIfGiven(&text, "TEL;TYPE=fax", customer.value(Field::Phone));
    appendIfGiven(&text, "EMAIL", customer.value(Field::FAX));
    appendGender(&text, customer.value(Field::Sex));
    text += "END:VCARD\r\n";
    return text;
}

// ------------------------------------------------------- lines and values

// One content line after unfolding, with the physical line it starts on.
struct ContentLine
{
    QByteArray text;
    qint64 line;
};

qsizetype lineEnd(QByteArrayView text, qsizetype from)
{
    while (from < text.size() && text.at(from) != '\r' && text.at(from) != '\n')
        ++from;
    return from;
}

qsizetype nextLineStart(QByteArrayView text, qsizetype end)
{
    if (end + 1 < text.size() && text.at(end) == '\r' && text.at(end + 1) == '\n')
        return end + 2;
    return end + 1;
}

bool isContinuation(QByteArrayView physical)
{
    return !physical.isEmpty() && (physical.at(0) == ' ' || physical.at(0) == '\t');
}

// Lines may end in CR LF, LF or CR; a line that starts with a space or a
// tab continues the one before without that first character.
QList<ContentLine> unfolded(QByteArrayView text)
{
    QList<ContentLine> lines;
    qint64 number = 0;
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype end = lineEnd(text, at);
        const QByteArrayView physical = text.sliced(at, end - at);
        ++number;
        if (isContinuation(physical) && !lines.isEmpty())
            lines.last().text.append(physical.sliced(1));
        else
            lines.append({physical.toByteArray(), number});
        at = nextLineStart(text, end);
    }
    return lines;
}

// A property as the card states it, its value still raw.
struct Property
{
    QByteArray name;        // upper case, without its group
    QByteArrayList types;   // lower case, from TYPE and from bare parameters
    QByteArray encoding;    // lower case
    QByteArray charset;
    QByteArray valueType;   // lower case
    QByteArray value;
};

// Separators inside double quotes belong to a parameter value.
QByteArrayList splitOutsideQuotes(QByteArrayView text, char separator, qsizetype maximumParts)
{
    QByteArrayList parts;
    bool quoted = false;
    qsizetype from = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text.at(at) == '"')
            quoted = !quoted;
        else if (text.at(at) == separator && !quoted && parts.size() + 1 < maximumParts) {
            parts.append(text.sliced(from, at - from).toByteArray());
            from = at + 1;
        }
    }
    parts.append(text.sliced(from).toByteArray());
    return parts;
}

void addParameter(Property* property, const QByteArray& parameter)
{
    const qsizetype equals = parameter.indexOf('=');
    const QByteArray key = parameter.left(equals < 0 ? parameter.size() : equals).trimmed().toUpper();
    const QByteArray value = equals < 0 ? QByteArray() : parameter.mid(equals + 1).replace('"', "").trimmed();
    if (equals < 0 && (key == "QUOTED-PRINTABLE" || key == "BASE64" || key == "8BIT"))
        property->encoding = key.toLower();
    else if (equals < 0)
        property->types.append(key.toLower());
    else if (key == "TYPE")
        property->types += value.toLower().split(',');
    else if (key == "ENCODING")
        property->encoding = value.toLower();
    else if (key == "CHARSET")
        property->charset = value;
    else if (key == "VALUE")
        property->valueType = value.toLower();
}

// [group "."] name *(";" parameter) ":" value; nothing for a line that is not one.
std::optional<Property> parsed(const QByteArray& line)
{
    const QByteArrayList headAndValue = splitOutsideQuotes(line, ':', 2);
    if (headAndValue.size() < 2)
        return std::nullopt;
    const QByteArrayList head = splitOutsideQuotes(headAndValue.first(), ';', std::numeric_limits<qsizetype>::max());
    Property property;
    property.name = head.first().mid(head.first().lastIndexOf('.') + 1).trimmed().toUpper();
    if (property.name.isEmpty())
        return std::nullopt;
    for (qsizetype at = 1; at < head.size(); ++at)
        addParameter(&property, head.at(at));
    property.value = headAndValue.last();
    return property;
}

int hexDigit(char digit)
{
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    return -1;
}

// "=XX" is a byte; an "=" that starts no such pair stays as it is.
QByteArray quotedPrintableDecoded(const QByteArray& value)
{
    QByteArray bytes;
    bytes.reserve(value.size());
    for (qsizetype at = 0; at < value.size(); ++at) {
        const int high = at + 2 < value.size() ? hexDigit(value.at(at + 1)) : -1;
        const int low = at + 2 < value.size() ? hexDigit(value.at(at + 2)) : -1;
        if (value.at(at) == '=' && high >= 0 && low >= 0) {
            bytes += char(high * 16 + low);
            at += 2;
        } else {
            bytes += value.at(at);
        }
    }
    return bytes;
}

// The value as text, its escapes still in place.
QString decodedText(const Property& property)
{
    const QByteArray bytes =
        property.encoding == "quoted-printable" ? quotedPrintableDecoded(property.value) : property.value;
    if (!property.charset.isEmpty()) {
        const std::optional<QByteArray> utf8 = TextEncoding::toUtf8(bytes, QString::fromLatin1(property.charset), 0);
        if (utf8)
            return textFromUtf8(utf8->constData(), utf8->size());
    }
    return textFromUtf8(bytes.constData(), bytes.size());
}

// The value's components split at unescaped semicolons, each unescaped;
// without `splitsAtSemicolons`, the one unescaped value.
QStringList unescapedComponents(QStringView text, bool splitsAtSemicolons)
{
    QStringList components;
    QString current;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar character = text.at(at);
        if (character == u'\\' && at + 1 < text.size()) {
            const QChar next = text.at(++at);
            current += (next == u'n' || next == u'N') ? QChar(u'\n') : next;
        } else if (character == u';' && splitsAtSemicolons) {
            components.append(current);
            current.clear();
        } else {
            current += character;
        }
    }
    components.append(current);
    return components;
}

QString unescaped(QStringView text)
{
    return unescapedComponents(text, false).first();
}

// ------------------------------------------------------------------ cards

struct Card
{
    qint64 line = 0;
    CustomerRecord customer;
    QString formattedName;
    QString structuredName;
    bool hasAddress = false;
};

void takeFirst(Card* card, Field field, const QString& value)
{
    if (card->customer.value(field).isEmpty())
        card->customer.setValue(field, value);
}

void takeAddress(Card* card, const QString& text)
{
    if (card->hasAddress)
        return;
    card->hasAddress = true;
    QStringList parts = unescapedComponents(text, true);
    parts.resize(7);
    card->customer.setValue(Field::Address, parts.at(2));
    card->customer.setValue(Field::City, parts.at(3));
    card->customer.setValue(Field::Email, parts.at(4));
    card->customer.setValue(Field::State, parts.at(5));
    card->customer.setValue(Field::Country, parts.at(6));
}

// Family; given; additional; prefixes; suffixes.
QString nameFromComponents(const QString& text)
{
    QStringList parts = unescapedComponents(text, true);
    parts.resize(2);
    QStringList name;
    for (const QString& part : {parts.at(1), parts.at(0)}) {
        if (!part.trimmed().isEmpty())
            name.append(part);
    }
    return name.join(u' ');
}

QString telephone(const Property& property, const QString& text)
{
    if (property.valueType != "uri")
        return unescaped(text);
    return text.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive) ? text.mid(4) : text;
}

QString sexFromGender(const QString& text)
{
    const QString sex = unescapedComponents(text, true).first().trimmed().toUpper();
    if (sex == QLatin1String("M"))
        return QStringLiteral("m");
    if (sex == QLatin1String("F"))
        return QStringLiteral("f");
    return QString();
}

void apply(const Property& property, Card* card)
{
    const QString text = decodedText(property);
    if (property.name == "FN" && card->formattedName.trimmed().isEmpty())
        card->formattedName = unescaped(text);
    else if (property.name == "N" && card->structuredName.isEmpty())
        card->structuredName = nameFromComponents(text);
    else if (property.name == "ADR")
        takeAddress(card, text);
    else if (property.name == "TEL")
        takeFirst(card, property.types.contains("fax") ? Field::Phone : Field::Zip, telephone(property, text));
    else if (property.name == "EMAIL")
        takeFirst(card, Field::FAX, unescaped(text));
    else if (property.name == "GENDER")
        takeFirst(card, Field::Sex, sexFromGender(text));
}

// ----------------------------------------------------------------- reader

class Reader
{
public:
    explicit Reader(const QByteArray& text) : m_lines(unfolded(withoutByteOrderMark(text))) {}

    Result run();

    QList<CustomerRecord> customers;
    QList<Refused> refused;

private:
    static QByteArrayView withoutByteOrderMark(const QByteArray& text);
    std::optional<Property> propertyAt(qsizetype* index) const;
    Result take(const std::optional<Property>& property, qint64 line);
    void finishCard();

    const QList<ContentLine> m_lines;
    std::optional<Card> m_card;
};

QByteArrayView Reader::withoutByteOrderMark(const QByteArray& text)
{
    return QByteArrayView(text).sliced(text.startsWith("\xEF\xBB\xBF") ? 3 : 0);
}

bool isCardDelimiter(const std::optional<Property>& property, const char* name)
{
    return property && property->name == name && property->value.trimmed().toUpper() == "VCARD";
}

// A quoted-printable value ending in "=" goes on in the next line.
std::optional<Property> Reader::propertyAt(qsizetype* index) const
{
    std::optional<Property> property = parsed(m_lines.at(*index).text);
    while (property && property->encoding == "quoted-printable" && property->value.endsWith('=')
           && *index + 1 < m_lines.size()) {
        property->value.chop(1);
        property->value += m_lines.at(++*index).text;
    }
    return property;
}

Result Reader::run()
{
    for (qsizetype index = 0; index < m_lines.size(); ++index) {
        const qint64 line = m_lines.at(index).line;
        if (m_lines.at(index).text.trimmed().isEmpty())
            continue;
        const Result taken = take(propertyAt(&index), line);
        if (!taken.ok())
            return taken;
    }
    if (m_card)
        return Result::failure(QStringLiteral("The vCard that begins on line %1 is never ended: END:VCARD is missing.")
                                   .arg(m_card->line));
    if (customers.isEmpty() && refused.isEmpty())
        return Result::failure(QStringLiteral("Line 1: the text holds no vCard, BEGIN:VCARD is missing."));
    return Result::success();
}

Result Reader::take(const std::optional<Property>& property, qint64 line)
{
    if (!m_card) {
        if (!isCardDelimiter(property, "BEGIN"))
            return Result::failure(
                QStringLiteral("Line %1 is not part of a vCard: BEGIN:VCARD is missing before it.").arg(line));
        m_card = Card{};
        m_card->line = line;
    } else if (isCardDelimiter(property, "BEGIN")) {
        return Result::failure(QStringLiteral("The vCard that begins on line %1 is not ended before line %2 "
                                              "begins another: END:VCARD is missing.")
                                   .arg(m_card->line)
                                   .arg(line));
    } else if (isCardDelimiter(property, "END")) {
        finishCard();
    } else if (property) {
        apply(*property, &*m_card);
    }
    return Result::success();
}

void Reader::finishCard()
{
    Card card = *m_card;
    m_card.reset();
    const QString name = card.formattedName.trimmed().isEmpty() ? card.structuredName : card.formattedName;
    if (name.trimmed().isEmpty()) {
        refused.append({card.line, QStringLiteral("The card has no name: neither FN nor N gives one.")});
        return;
    }
    card.customer.setValue(Field::Name, name);
    for (const Field field : {Field::Quantity, Field::Price, Field::Paid})
        card.customer.setValue(field, QStringLiteral("0"));
    customers.append(card.customer);
}

} // namespace

QByteArray write(const QList<CustomerRecord>& customers)
{
    QByteArray text;
    for (const CustomerRecord& customer : customers)
        text += card(customer);
    return text;
}

Result read(const QByteArray& text, QList<CustomerRecord>* customers, QList<Refused>* refused)
{
    Reader reader(text);
    const Result result = reader.run();
    if (!result.ok())
        return result;
    if (customers)
        *customers = reader.customers;
    if (refused)
        *refused = reader.refused;
    return result;
}

} // namespace VCard
