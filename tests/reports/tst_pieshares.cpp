#include "PieShares.h"

#include <QtTest>

class tst_pieshares : public QObject
{
    Q_OBJECT

private slots:
    void shares_data();
    void shares();
    void noShareFromMeaninglessFigures_data();
    void noShareFromMeaninglessFigures();
};

void tst_pieshares::shares_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("whole");
    QTest::addColumn<double>("share");
    QTest::addColumn<QString>("legend");
    QTest::newRow("a quarter") << "250.00" << "1000.00" << 25.0 << " = 25.00 %";
    QTest::newRow("an eighth") << "125" << "1000" << 12.5 << " = 12.50 %";
    QTest::newRow("three of four") << "3" << "4" << 75.0 << " = 75.00 %";
    QTest::newRow("nothing selected") << "0" << "1000.00" << 0.0 << " = 0.00 %";
    QTest::newRow("a third") << "1" << "3" << 100.0 / 3 << " = 33.33 %";
    QTest::newRow("stale figure above the whole") << "1500" << "1000" << 150.0 << " = 150.00 %";
}

void tst_pieshares::shares()
{
    QFETCH(QString, part);
    QFETCH(QString, whole);
    QFETCH(double, share);
    QFETCH(QString, legend);
    const std::optional<PieShares> shares = sharesOf(part, whole);
    QVERIFY(shares);
    QCOMPARE(shares->share, share);
    QCOMPARE(shares->rest, 100 - share);
    QCOMPARE(shareLegendText(shares->share), legend);
}

void tst_pieshares::noShareFromMeaninglessFigures_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("whole");
    QTest::newRow("no earnings") << "0" << "0.00";
    QTest::newRow("earnings too large to show") << "10" << "Too large to show";
    QTest::newRow("part not a number") << "." << "100";
}

void tst_pieshares::noShareFromMeaninglessFigures()
{
    QFETCH(QString, part);
    QFETCH(QString, whole);
    QVERIFY(!sharesOf(part, whole));
}

QTEST_GUILESS_MAIN(tst_pieshares)
#include "tst_pieshares.moc"
