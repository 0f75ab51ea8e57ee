#include "FormatMoney.h"

#include <QLocale>
#include <QTest>

class TestFormatMoney : public QObject
{
    Q_OBJECT

private slots:
    void formats_data();
    void formats();
    void ignoresTheLocale();
};

void TestFormatMoney::formats_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one decimal") << "1234.5" << "1234.50";
    QTest::newRow("whole") << "1234" << "1234.00";
    QTest::newRow("zero") << "0" << "0.00";
    QTest::newRow("empty") << "" << "0.00";
    QTest::newRow("point first") << ".5" << "0.50";
    QTest::newRow("2.5") << "2.5" << "2.50";
    QTest::newRow("12.3") << "12.3" << "12.30";
    QTest::newRow("half a cent rounds away") << "0.125" << "0.13";
    QTest::newRow("letter first") << "abc" << "0.00";
    QTest::newRow("negative keeps its bare point") << "-0.5" << "-.50";
    QTest::newRow("leading number only") << "12/5" << "12.00";
    QTest::newRow("leading blanks") << "  7.25" << "7.25";
    QTest::newRow("decimal rounding") << "1.005" << "1.01";
    QTest::newRow("rounds to zero") << "0.004" << "0.00";
    QTest::newRow("negative rounds to zero") << "-0.004" << "0.00";
    QTest::newRow("carry into whole") << "9.999" << "10.00";
    QTest::newRow("large, no separators") << "123456789012.5" << "123456789012.50";
    QTest::newRow("beyond fifteen digits") << "1e20" << "100000000000000000000.00";
    QTest::newRow("general text input") << "7.5" << "7.50";
}

void TestFormatMoney::formats()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(FormatMoney(text), expected);
}

void TestFormatMoney::ignoresTheLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(FormatMoney(u"1234567.5"), QStringLiteral("1234567.50"));
    QLocale::setDefault(QLocale::c());
}

QTEST_GUILESS_MAIN(TestFormatMoney)
#include "tst_formatmoney.moc"
