#include "PropertyBag.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString pictureToText(const QPixmap& picture)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return QString::fromLatin1(png.toBase64());
}

QJsonObject entryToJson(const QString& key, const QVariant& value)
{
    QJsonObject object{{QStringLiteral("key"), key}};
    QString type;
    QJsonValue json;
    switch (value.typeId()) {
    case QMetaType::Bool: type = QStringLiteral("bool"); json = value.toBool(); break;
    case QMetaType::UInt: type = QStringLiteral("color"); json = qint64(value.toUInt()); break;
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::LongLong: type = QStringLiteral("int"); json = value.toLongLong(); break;
    case QMetaType::QFont: type = QStringLiteral("font"); json = value.value<QFont>().toString(); break;
    case QMetaType::QPixmap:
        type = QStringLiteral("picture");
        json = pictureToText(value.value<QPixmap>());
        break;
    default: type = QStringLiteral("string"); json = value.toString(); break;
    }
    object.insert(QStringLiteral("type"), type);
    object.insert(QStringLiteral("value"), json);
    return object;
}

std::optional<QVariant> entryFromJson(const QJsonObject& object)
{
    const QString type = object.value(QStringLiteral("type")).toString();
    const QJsonValue json = object.value(QStringLiteral("value"));
    if (type == QLatin1String("bool") && json.isBool())
        return QVariant(json.toBool());
    if (type == QLatin1String("color") && json.isDouble())
        return QVariant(quint32(json.toInteger()));
    if (type == QLatin1String("int") && json.isDouble())
        return QVariant(int(json.toInteger()));
    if (type == QLatin1String("string") && json.isString())
        return QVariant(json.toString());
    if (type == QLatin1String("font") && json.isString()) {
        QFont font;
        if (font.fromString(json.toString()))
            return QVariant(font);
    }
    if (type == QLatin1String("picture") && json.isString()) {
        QPixmap picture;
        if (picture.loadFromData(QByteArray::fromBase64(json.toString().toLatin1()), "PNG")
            || json.toString().isEmpty())
            return QVariant(picture);
    }
    return std::nullopt;
}

} // namespace

void PropertyBag::write(const QString& key, const QVariant& value)
{
    for (Entry& entry : m_entries) {
        if (entry.key == key) {
            entry.value = value;
            return;
        }
    }
    m_entries.append({key, value});
}

const PropertyBag::Entry* PropertyBag::find(const QString& key) const
{
    for (const Entry& entry : m_entries) {
        if (entry.key == key)
            return &entry;
    }
    return nullptr;
}

bool PropertyBag::contains(const QString& key) const
{
    return find(key) != nullptr;
}

QStringList PropertyBag::keys() const
{
    QStringList keys;
    for (const Entry& entry : m_entries)
        keys << entry.key;
    return keys;
}

QVariant PropertyBag::read(const QString& key, const QVariant& defaultValue) const
{
    const Entry* entry = find(key);
    return entry ? entry->value : defaultValue;
}

int PropertyBag::readInt(const QString& key, int defaultValue) const
{
    const Entry* entry = find(key);
    return entry ? entry->value.toInt() : defaultValue;
}

quint32 PropertyBag::readColor(const QString& key, quint32 defaultValue) const
{
    const Entry* entry = find(key);
    return entry ? entry->value.toUInt() : defaultValue;
}

bool PropertyBag::readBool(const QString& key, bool defaultValue) const
{
    const Entry* entry = find(key);
    return entry ? entry->value.toBool() : defaultValue;
}

QString PropertyBag::readString(const QString& key, const QString& defaultValue) const
{
    const Entry* entry = find(key);
    return entry ? entry->value.toString() : defaultValue;
}

QFont PropertyBag::readFont(const QString& key, const QFont& defaultValue) const
{
    const Entry* entry = find(key);
    return entry && entry->value.canConvert<QFont>() ? entry->value.value<QFont>() : defaultValue;
}

QPixmap PropertyBag::readPicture(const QString& key) const
{
    const Entry* entry = find(key);
    return entry ? entry->value.value<QPixmap>() : QPixmap();
}

QByteArray PropertyBag::toJson() const
{
    QJsonArray entries;
    for (const Entry& entry : m_entries)
        entries.append(entryToJson(entry.key, entry.value));
    return QJsonDocument(entries).toJson(QJsonDocument::Indented);
}

std::optional<PropertyBag> PropertyBag::fromJson(const QByteArray& json, QString* error)
{
    auto fail = [error](const QString& message) -> std::optional<PropertyBag> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(QStringLiteral("The design is damaged: %1 at byte %2.")
                        .arg(parseError.errorString())
                        .arg(parseError.offset));
    if (!document.isArray())
        return fail(QStringLiteral("The design is not a list of properties."));

    PropertyBag bag;
    for (const QJsonValue& item : document.array()) {
        const QJsonObject object = item.toObject();
        const QString key = object.value(QStringLiteral("key")).toString();
        const std::optional<QVariant> value = entryFromJson(object);
        if (key.isEmpty() || !value)
            return fail(QStringLiteral("The design holds an unreadable property \"%1\".").arg(key));
        bag.write(key, *value);
    }
    return bag;
}

bool PropertyBag::operator==(const PropertyBag& other) const
{
    return toJson() == other.toJson();
}
