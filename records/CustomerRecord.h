#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QLatin1String>
#include <QString>
#include <QStringList>

#include <array>

// One row of table Info: a customer together with one purchase, sixteen
// texts in the fixed column order. Columns State to Email hold other data
// than their names say (postal code, telephone, fax, e-mail, state); every
// screen pairs them with the captions that match their contents.
class CustomerRecord
{
public:
    // The columns in table order; the order is the file's and never changes.
    enum class Field {
        Name, Address, Country, City, State, Zip, Phone, FAX, Email,
        Product, Quantity, Price, DatePur, Payment, Paid, Sex,
    };
    static constexpr int FieldCount = 16;
    static constexpr std::array<Field, FieldCount> AllFields = {
        Field::Name, Field::Address, Field::Country, Field::City, Field::State, Field::Zip,
        Field::Phone, Field::FAX, Field::Email, Field::Product, Field::Quantity, Field::Price,
        Field::DatePur, Field::Payment, Field::Paid, Field::Sex,
    };

    // The column name in table Info, spelled exactly ("name", "FAX", ...).
    static QLatin1String columnName(Field field);
    // The sixteen names quoted for SQL, each followed by `suffix`, comma
    // separated.
    static QByteArray quotedColumns(const char* suffix = "");

    CustomerRecord() = default;

    // The sixteen texts in column order; missing ones are empty.
    static CustomerRecord fromList(const QStringList& values);
    QStringList toList() const;

    // The sixteen texts as UTF-8 in column order, each read where it lies
    // (a parser's buffer, a literal): a batch of a million rows is written
    // without a QString made and encoded back per text.
    using Utf8Texts = std::array<QByteArrayView, FieldCount>;
    static CustomerRecord fromUtf8(const Utf8Texts& texts);
    // A record's texts encoded once, with views on them, for binding.
    struct Utf8Copy
    {
        explicit Utf8Copy(const CustomerRecord& record);
        std::array<QByteArray, FieldCount> bytes;
        Utf8Texts texts;
    };

    const QString& value(Field field) const { return m_values[index(field)]; }
    void setValue(Field field, const QString& text) { m_values[index(field)] = text; }

    bool operator==(const CustomerRecord& other) const { return m_values == other.m_values; }
    bool operator!=(const CustomerRecord& other) const { return !(*this == other); }

private:
    static constexpr std::size_t index(Field field) { return std::size_t(field); }

    std::array<QString, FieldCount> m_values;
};
