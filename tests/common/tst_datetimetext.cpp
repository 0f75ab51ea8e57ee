#include "DateTimeText.h"

#include <QLocale>
#include <QTest>

class TestDateTimeText : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void followsTheDefaultLocale_data();
    void followsTheDefaultLocale();
    void storedDatesReadBack_data();
    void storedDatesReadBack();
};

void TestDateTimeText::followsTheDefaultLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::newRow("United States") << QLocale(QLocale::English, QLocale::UnitedStates)
                                   << "12/6/2026" << "8:03:05 PM";
    QTest::newRow("Germany") << QLocale(QLocale::German, QLocale::Germany)
                             << "06.12.2026" << "20:03:05";
    QTest::newRow("United Kingdom") << QLocale(QLocale::English, QLocale::UnitedKingdom)
                                    << "06/12/2026" << "20:03:05";
}

void TestDateTimeText::followsTheDefaultLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, date);
    QFETCH(QString, time);
    QLocale::setDefault(locale);

    const QDateTime moment(QDate(2026, 12, 6), QTime(20, 3, 5));
    QCOMPARE(shortDateText(moment.date()), date);
    QCOMPARE(longTimeText(moment.time()), time);
    QCOMPARE(dateTimeText(moment), date + QLatin1Char(' ') + time);
}

void TestDateTimeText::storedDatesReadBack_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale germany(QLocale::German, QLocale::Germany);
    QTest::newRow("short date") << us << "12/6/2026" << QDate(2026, 12, 6);
    QTest::newRow("short date with blanks around") << us << " 2/23/2005 " << QDate(2005, 2, 23);
    QTest::newRow("German short date") << germany << "06.12.2026" << QDate(2026, 12, 6);
    QTest::newRow("day, month and year") << germany << "23 2 2005" << QDate(2005, 2, 23);
    QTest::newRow("no date") << us << "N/A" << QDate();
    QTest::newRow("impossible day") << us << "2/30/2005" << QDate();
    QTest::newRow("another locale's form") << us << "06.12.2026" << QDate();
}

void TestDateTimeText::storedDatesReadBack()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QLocale::setDefault(locale);
    QCOMPARE(dateFromText(text).value_or(QDate()), date);
}

QTEST_GUILESS_MAIN(TestDateTimeText)
#include "tst_datetimetext.moc"
