#pragma once

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

// The stored design of a control: keys in the order they were written,
// each with a typed value (integer, colour value, Boolean, text, font or
// picture). A control writes its keys into a bag and reads them back with
// a default for each key that is absent. A bag serialises to JSON, so a
// window's design can be kept in a file and loaded again.
class PropertyBag
{
public:
    // Writes a value; a key written again keeps its place in the order.
    void write(const QString& key, const QVariant& value);

    bool contains(const QString& key) const;
    QStringList keys() const;
    QVariant read(const QString& key, const QVariant& defaultValue = QVariant()) const;

    int readInt(const QString& key, int defaultValue) const;
    quint32 readColor(const QString& key, quint32 defaultValue) const;
    bool readBool(const QString& key, bool defaultValue) const;
    QString readString(const QString& key, const QString& defaultValue) const;
    QFont readFont(const QString& key, const QFont& defaultValue) const;
    // No picture when absent.
    QPixmap readPicture(const QString& key) const;

    QByteArray toJson() const;
    // Nothing, and a message in `error`, when the text is not a bag.
    static std::optional<PropertyBag> fromJson(const QByteArray& json, QString* error = nullptr);

    bool operator==(const PropertyBag& other) const;

private:
    struct Entry
    {
        QString key;
        QVariant value;
    };
    const Entry* find(const QString& key) const;

    QList<Entry> m_entries;
};
