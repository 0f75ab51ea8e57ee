#include "SampleDatabase.h"

#include "SqliteCustomerStore.h"

#include <QByteArray>

#include <sqlite3.h>

#include <random>

namespace SampleDatabase {

namespace {

const char* const kFirstNames[] = {
    "Ann", "Bob", "Carla", "David", "Elena", "Frank", "Grace", "Hassan", "Ingrid", "Jamal",
    "Keiko", "Luis", "Maria", "Niamh", "Oscar", "Priya", "Quentin", "Rosa", "Sven", "Tariq",
};
const char* const kLastNames[] = {
    "Smith", "Okafor", "Nguyen", "Garcia", "Müller", "Rossi", "Kowalski", "Haddad", "Dubois",
    "Andersen", "Tanaka", "O'Brien", "Silva", "Ivanova", "Khan", "Murphy", "Novak", "Jensen",
};
const char* const kProducts[] = {
    "Desk lamp", "Office chair", "Printer paper", "Ink cartridge", "Monitor", "Keyboard",
    "Filing cabinet", "Stapler", "Notebook", "Headset",
};

template<typename T, size_t N>
const T& pick(const T (&items)[N], std::mt19937& random)
{
    return items[random() % N];
}

QByteArray money(std::mt19937& random)
{
    const int cents = 99 + int(random() % 99900);
    return QByteArray::number(cents / 100) + '.' + QByteArray::number(cents % 100).rightJustified(2, '0');
}

} // namespace

bool generate(const QString& path, int count)
{
    SqliteCustomerStore store(path);
    if (!store.open().ok())
        return false;
    store.close();

    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(db, "PRAGMA synchronous = OFF; BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db,
        "INSERT INTO Info (name, Address, Country, City, State, Zip, Phone, FAX, Email, Product, "
        "Quantity, Price, DatePur, Payment, Paid, Sex) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
        -1, &insert, nullptr);
    std::mt19937 random(20261206);
    for (int i = 0; i < count; ++i) {
        const QByteArray first = pick(kFirstNames, random);
        const QByteArray last = pick(kLastNames, random);
        const QByteArray fields[16] = {
            first + ' ' + last,
            QByteArray::number(1 + random() % 300) + " High Street",
            "United Kingdom", "Leeds", "LS" + QByteArray::number(random() % 30) + " 4AB",
            "0113 " + QByteArray::number(100000 + random() % 900000), "N/A",
            first.toLower() + '.' + QByteArray::number(i) + "@example.com", "West Yorkshire",
            pick(kProducts, random), QByteArray::number(1 + random() % 12), money(random),
            QByteArray::number(1 + random() % 28) + "/11/2026", random() % 3 ? "Cash" : "Card",
            random() % 5 ? "0" : "1", random() % 2 ? "m" : "f",
        };
        for (int field = 0; field < 16; ++field)
            sqlite3_bind_text(insert, field + 1, fields[field].constData(), int(fields[field].size()),
                              SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    const bool committed = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return committed;
}

CustomerRecord customer(int number)
{
    std::mt19937 random{std::mt19937::result_type(number)};
    const QByteArray first = pick(kFirstNames, random);
    const QByteArray last = pick(kLastNames, random);
    return CustomerRecord::fromList({
        QString::fromUtf8(first + ' ' + last), QStringLiteral("7 Mill Lane"),
        QStringLiteral("United Kingdom"), QStringLiteral("Leeds"), QStringLiteral("LS1 4AB"),
        QStringLiteral("0113 496000"), QStringLiteral("N/A"),
        QString::fromUtf8(first.toLower()) + QStringLiteral("@example.com"),
        QStringLiteral("West Yorkshire"), QString::fromUtf8(pick(kProducts, random)),
        QStringLiteral("2"), QString::fromUtf8(money(random)), QStringLiteral("6/12/2026"),
        QStringLiteral("Card"), QStringLiteral("0"), QStringLiteral("f"),
    });
}

} // namespace SampleDatabase
