#include "NumberText.h"

#include <QLocale>
#include <QTest>

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void leadingNumberReadsThePrefix_data();
    void leadingNumberReadsThePrefix();
    void wholeTextConversion_data();
    void wholeTextConversion();
    void wholeTextUsesTheLocaleSecond_data();
    void wholeTextUsesTheLocaleSecond();
    void generalText_data();
    void generalText();
    void halfToEven_data();
    void halfToEven();
    void halfAwayFromZero_data();
    void halfAwayFromZero();
};

void TestNumberText::leadingNumberReadsThePrefix_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("plain") << "12.5" << 12.5;
    QTest::newRow("leading blanks") << "   7" << 7.0;
    QTest::newRow("stops at slash") << "12/5" << 12.0;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("negative point first") << "-.5" << -0.5;
    QTest::newRow("exponent") << "2e3x" << 2000.0;
    QTest::newRow("letter e without digits") << "3each" << 3.0;
    QTest::newRow("letter first") << "abc" << 0.0;
    QTest::newRow("comma ends it") << "1,234" << 1.0;
    QTest::newRow("overflow") << "1e999" << 0.0;
}

void TestNumberText::leadingNumberReadsThePrefix()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(leadingNumber(text), expected);
}

void TestNumberText::wholeTextConversion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("decimal") << "2.5" << 2.5;
    QTest::newRow("blanks around") << " 3 " << 3.0;
    QTest::newRow("negative") << "-4.25" << -4.25;
    QTest::newRow("not a number") << "N/A" << 0.0;
    QTest::newRow("number then text") << "3 boxes" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("huge") << "1e300" << 1e300;
    QTest::newRow("infinite") << "1e999" << 0.0;
    QTest::newRow("non-ASCII") << QString::fromUtf8("3\u00a0€") << 0.0;
    QTest::newRow("byte-order mark first") << QString(QChar(0xfeff)) + "3" << 0.0;
    QTest::newRow("fifteen digits") << "1234567890.12345" << 1234567890.12345;
    QTest::newRow("sixteen digits") << "12345678901234567" << 12345678901234567.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("two points") << "1.2.3" << 0.0;
    QTest::newRow("tenths") << "0.1" << 0.1;
}

void TestNumberText::wholeTextConversion()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(numberFromText(text), expected);
    const QByteArray utf8 = text.toUtf8();
    QCOMPARE(numberFromUtf8(utf8.constData(), utf8.size()), expected);
}

void TestNumberText::wholeTextUsesTheLocaleSecond_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale french(QLocale::French, QLocale::France);
    const QLocale american(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("German decimal comma") << german << "2,5" << 2.5;
    QTest::newRow("German comma before three digits") << german << "2,500" << 2.5;
    QTest::newRow("German comma before an eighth") << german << "0,125" << 0.125;
    QTest::newRow("German stored point") << german << "2.5" << 2.5;
    QTest::newRow("German thousands") << german << "1.234,5" << 1234.5;
    QTest::newRow("French decimal comma") << french << "2,500" << 2.5;
    QTest::newRow("French stored point") << french << "2.5" << 2.5;
    QTest::newRow("French thousands")
        << french << QString::fromUtf8("1 234,5") << 1234.5;
    QTest::newRow("US thousands") << american << "2,500" << 2500.0;
    QTest::newRow("US stored point") << american << "2.5" << 2.5;
    QTest::newRow("US comma is no point") << american << "2,5" << 0.0;
}

// A shop whose locale writes "2,5" types it so; the "2.5" the program
// stored stays 2.5.
void TestNumberText::wholeTextUsesTheLocaleSecond()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    QLocale::setDefault(locale);
    QCOMPARE(numberFromText(text), expected);
    const QByteArray utf8 = text.toUtf8();
    QCOMPARE(numberFromUtf8(utf8.constData(), utf8.size()), expected);
}

void TestNumberText::generalText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("half") << 0.5 << "0.5";
    QTest::newRow("negative") << -7.25 << "-7.25";
    QTest::newRow("no binary noise") << 0.1 + 0.2 << "0.3";
    QTest::newRow("fifteen digits") << 123456789012345.0 << "123456789012345";
    QTest::newRow("no separators") << 1234567.0 << "1234567";
    QTest::newRow("large") << 1e20 << "1E+20";
    QTest::newRow("small") << 0.0001 << "0.0001";
    QTest::newRow("tiny") << 1.5e-16 << "1.5E-16";
}

void TestNumberText::generalText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(generalNumberText(value), expected);
}

void TestNumberText::halfToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("7.5 up to 8") << 7.5 << 8.0;
    QTest::newRow("2.5 down to 2") << 2.5 << 2.0;
    QTest::newRow("-2.5 to -2") << -2.5 << -2.0;
    QTest::newRow("-3.5 to -4") << -3.5 << -4.0;
    QTest::newRow("above half") << 2.51 << 3.0;
    QTest::newRow("beyond 16 bits") << 40000.5 << 40000.0;
}

void TestNumberText::halfToEven()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(roundHalfToEven(value), expected);
}

void TestNumberText::halfAwayFromZero_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("0.125") << 0.125 << 0.13;
    QTest::newRow("1.005 as a person reads it") << 1.005 << 1.01;
    QTest::newRow("negative half") << -0.125 << -0.13;
    QTest::newRow("carry") << 9.995 << 10.0;
    QTest::newRow("too small") << 0.004 << 0.0;
    QTest::newRow("just half a cent") << 0.005 << 0.01;
}

void TestNumberText::halfAwayFromZero()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(roundHalfAwayFromZero(value, 2), expected);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
