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

QTEST_GUILESS_MAIN(TestDateTimeText)
#include "tst_datetimetext.moc"
