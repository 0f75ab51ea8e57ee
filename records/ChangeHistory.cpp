#include "ChangeHistory.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <array>

namespace {

constexpr std::array<const char*, 6> kNames = {"add", "edit", "delete", "import", "restore", "bring back"};

} // namespace

QString changeKindName(ChangeKind kind)
{
    return QString::fromLatin1(kNames[std::size_t(kind)]);
}

std::optional<ChangeKind> changeKindNamed(const QString& name)
{
    for (std::size_t kind = 0; kind < kNames.size(); ++kind)
        if (name == QLatin1String(kNames[kind]))
            return ChangeKind(kind);
    return std::nullopt;
}

QString historyTimeText(const QDateTime& at)
{
    return at.toUTC().toString(Qt::ISODateWithMs);
}

QDateTime historyTimeFrom(const QString& text)
{
    QDateTime at = QDateTime::fromString(text, Qt::ISODateWithMs);
    at.setTimeSpec(Qt::UTC);
    return at;
}

QByteArray textsJson(const CustomerRecord& record)
{
    return QJsonDocument(QJsonArray::fromStringList(record.toList())).toJson(QJsonDocument::Compact);
}

std::optional<CustomerRecord> recordFromJson(const QString& json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8());
    if (!document.isArray())
        return std::nullopt;
    QStringList texts;
    for (const QJsonValue& value : document.array())
        texts << value.toString();
    return CustomerRecord::fromList(texts);
}
