#include "TourSample.h"

#include "CustomerStore.h"
#include "SettingsStore.h"

namespace TourSample {

namespace {

struct Customer
{
    const char* name;
    const char* city;
    const char* product;
    const char* quantity;
    const char* price;
    const char* payment;
    const char* paid;
    const char* sex;
};

constexpr Customer kCustomers[] = {
    {"Ann Lee", "Portland", "Espresso machine", "1", "349.00", "Credit Card", "0", "f"},
    {"Bob Marsh", "Leeds", "Coffee beans 1 kg", "12", "18.50", "Cash", "0", "m"},
    {"Carmen Ortiz", "Seville", "Grinder", "2", "129.99", "Cheque", "1", "f"},
    {"Dmitri Volkov", "Tallinn", "Milk frother", "3", "2.5", "Cash", "0", "m"},
    {"Emma Schultz", "Hamburg", "Barista course", "1", "220", "Bank Transfer", "1", "f"},
    {"Farid Haddad", "Lyon", "Tamper set", "4", "24.75", "Credit Card", "0", "m"},
    {"Grace Okafor", "Lagos", "Espresso cups (6)", "5", "31.20", "Cash", "0", "f"},
    {"Hiro Tanaka", "Osaka", "Descaler", "10", "7.99", "Credit Card", "1", "m"},
    {"Isla McKenzie", "Inverness", "Kettle", "1", "64.00", "Cash", "0", "f"},
    {"Jonas Berg", "Uppsala", "Filter papers", "20", "3.10", "Cash", "0", "m"},
    {"Kavya Rao", "Pune", "Cold brew kit", "2", "45.00", "Credit Card", "0", "f"},
    {"Liam O'Brien", "Cork", "Gift voucher", "3", "50", "Cheque", "1", "m"},
};

CustomerRecord recordOf(const Customer& customer, int number)
{
    const QString name = QString::fromUtf8(customer.name);
    const QString first = name.section(QLatin1Char(' '), 0, 0).toLower();
    return CustomerRecord::fromList({
        name,
        QStringLiteral("%1 Market Street").arg(10 + number * 7),
        QStringLiteral("N/A"),
        QString::fromUtf8(customer.city),
        QStringLiteral("%1%2").arg(number % 5 + 1).arg(4100 + number * 13),
        QStringLiteral("555-01%1").arg(number, 2, 10, QLatin1Char('0')),
        QStringLiteral("555-02%1").arg(number, 2, 10, QLatin1Char('0')),
        first + QStringLiteral("@example.com"),
        QStringLiteral("N/A"),
        QString::fromUtf8(customer.product),
        QString::fromUtf8(customer.quantity),
        QString::fromUtf8(customer.price),
        QStringLiteral("11/%1/2026").arg(number + 3),
        QString::fromUtf8(customer.payment),
        QString::fromUtf8(customer.paid),
        QString::fromUtf8(customer.sex),
    });
}

} // namespace

Result seed(CustomerStore& store, SettingsStore& settings)
{
    if (Result opened = store.open(); !opened.ok())
        return opened;
    int number = 0;
    for (const Customer& customer : kCustomers)
        if (Result added = store.append(recordOf(customer, number++)); !added.ok())
            return added;
    store.close();
    settings.SaveSetting(Settings::FirstTimeRun, QStringLiteral("1"));
    settings.SaveSetting(Settings::Name, QStringLiteral("Maria Lopez"));
    settings.SaveSetting(Settings::Password, QStringLiteral("secret"));
    settings.SaveSetting(Settings::Email, QStringLiteral("maria@tallyvane-coffee.example"));
    settings.SaveSetting(Settings::HistoryUser, QStringLiteral("Database Clerk"));
    settings.SaveSetting(Settings::History, QStringLiteral("Date: 12/5/2026 At: 6:02:41 PM"));
    settings.SaveSetting(Settings::Schedule,
                         QStringLiteral("Date: 12/7/2026 At: 09:30 Of A Duration Of: 1 Hr\r\n"
                                        "To Do: Supplier visit: new beans \r\n\r\n"));
    return Result::success();
}

CustomerRecord longestCustomer()
{
    return CustomerRecord::fromList({
        QStringLiteral("Maria Fernanda López-García"), QStringLiteral("1234 Long Meadow Road"),
        QStringLiteral("United Kingdom"), QStringLiteral("Stratford-upon-Avon"), QStringLiteral("CV37 6AB"),
        QStringLiteral("+44 1789 555 0142"), QStringLiteral("+44 1789 555 0143"),
        QStringLiteral("maria.lopez-garcia@example.com"), QStringLiteral("Warwickshire"),
        QStringLiteral("Dual boiler espresso machine"), QStringLiteral("99999"), QStringLiteral("99999999.99"),
        QStringLiteral("12/28/2026"), QStringLiteral("Bank Transfer"), QStringLiteral("0"), QStringLiteral("f"),
    });
}

} // namespace TourSample
