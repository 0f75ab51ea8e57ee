#include "OleColor.h"
#include "PieData.h"

#include <QTest>

class TestPieData : public QObject
{
    Q_OBJECT

private slots:
    void newColorReplacesTheDefaultsThenAppends();
    void clearColorsRestoresTheDefaults();
    void emptyFirstFaceColorFallsBackToTheDefaults();
    void sliceRecords_data();
    void sliceRecords();
    void valueListChecks_data();
    void valueListChecks();
    void wedgeLookup_data();
    void wedgeLookup();
    void remainderColors_data();
    void remainderColors();
    void description_data();
    void description();
};

namespace {

using Records = QList<PieSlice>;

QString colorText(int red, int green, int blue)
{
    return QString::number(OleColor::rgb(red, green, blue));
}

PieSlice record(int start, int end, int pair)
{
    static const QList<QStringList> pairs = {
        {colorText(168, 223, 11), colorText(156, 198, 82)},
        {colorText(0, 155, 225), colorText(0, 115, 165)},
        {colorText(1, 169, 44), colorText(1, 122, 32)},
        {colorText(210, 44, 2), colorText(155, 33, 2)},
        {colorText(250, 206, 1), colorText(205, 169, 1)},
        {colorText(193, 2, 170), colorText(135, 1, 122)},
    };
    return {start, end, pairs[pair][0], pairs[pair][1]};
}

} // namespace

void TestPieData::newColorReplacesTheDefaultsThenAppends()
{
    PieColors colors;
    colors.NewColor(OleColor::rgb(1, 2, 3), OleColor::rgb(4, 5, 6));
    QVERIFY(!colors.holdsDefaults());
    QCOMPARE(colors.count(), 1);
    colors.NewColor(QStringLiteral("255"), QStringLiteral("128"));
    QCOMPARE(colors.count(), 2);
    QCOMPARE(PieColors::rgb(colors.face(0)), qRgb(1, 2, 3));
    QCOMPARE(PieColors::rgb(colors.shadow(0)), qRgb(4, 5, 6));
    QCOMPARE(PieColors::rgb(colors.face(1)), qRgb(255, 0, 0));
    QCOMPARE(PieColors::rgb(colors.shadow(1)), qRgb(128, 0, 0));
    // The two pairs take turns.
    QCOMPARE(PieChart::colorIndex(5, colors), 1);
}

void TestPieData::clearColorsRestoresTheDefaults()
{
    PieColors colors;
    colors.NewColor(1, 2);
    colors.ClearColors();
    QVERIFY(colors.holdsDefaults());
    QCOMPARE(colors.count(), 6);
    colors.NewColor(7, 8);
    colors.NewColor(9, 10);
    colors.NewColor(11, 12);
    QCOMPARE(colors.count(), 3);
    QCOMPARE(PieColors::colorValue(colors.face(2)), 11u);
    // A system colour stored as a signed 32-bit number stays a system colour.
    QCOMPARE(PieColors::colorValue(QVariant(qint64(-2147483633))), OleColor::ButtonFace);
}

void TestPieData::emptyFirstFaceColorFallsBackToTheDefaults()
{
    PieColors colors;
    colors.NewColor(QString(), QString());
    colors.restoreDefaultsIfUnset();
    QCOMPARE(colors.count(), 6);
    QVERIFY(colors.holdsDefaults());

    colors.NewColor(5, 6);
    colors.restoreDefaultsIfUnset();
    QCOMPARE(colors.count(), 1);
}

void TestPieData::sliceRecords_data()
{
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<Records>("expected");
    QTest::newRow("quarters") << QVariantList{25, 25, 25, 25}
                              << Records{record(0, 25, 0), record(25, 50, 1), record(50, 75, 2),
                                         record(75, 100, 3)};
    QTest::newRow("zero keeps a record of zeros")
        << QVariantList{30, 0, 70} << Records{record(0, 30, 0), PieSlice(), record(30, 100, 2)};
    QTest::newRow("negative is no slice")
        << QVariantList{-5, 40} << Records{PieSlice(), record(0, 40, 1)};
    QTest::newRow("seventh value takes pair 0 again")
        << QVariantList{10, 10, 10, 10, 10, 10, 40}
        << Records{record(0, 10, 0),  record(10, 20, 1), record(20, 30, 2), record(30, 40, 3),
                   record(40, 50, 4), record(50, 60, 5), record(60, 100, 0)};
    QTest::newRow("halves round to even")
        << QVariantList{12.5, 25, 62.5}
        << Records{record(0, 12, 0), record(12, 38, 1), record(38, 100, 2)};
    QTest::newRow("numbers as text") << QVariantList{QStringLiteral("40"), QStringLiteral(" 60 ")}
                                     << Records{record(0, 40, 0), record(40, 100, 1)};
    QTest::newRow("list ends before the empty entry")
        << QVariantList{20, 30, QString(), 50} << Records{record(0, 20, 0), record(20, 50, 1)};
    QTest::newRow("empty list") << QVariantList{} << Records{};
}

void TestPieData::sliceRecords()
{
    QFETCH(QVariantList, values);
    QFETCH(Records, expected);
    const PieValues read = PieValues::read(values);
    QVERIFY(read.check().ok());
    QCOMPARE(PieChart::records(read, PieColors()), expected);
}

void TestPieData::valueListChecks_data()
{
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("blank");
    QTest::addColumn<double>("total");
    QTest::newRow("quarters") << QVariantList{25, 25, 25, 25} << true << false << 100.0;
    QTest::newRow("60 and 50") << QVariantList{60, 50} << false << false << 60.0;
    QTest::newRow("first value above 100") << QVariantList{150} << false << true << 0.0;
    QTest::newRow("total of 60") << QVariantList{25, 35} << true << false << 60.0;
    QTest::newRow("sums that are 100 in decimals")
        << QVariantList{33.3, 33.3, 33.4} << true << false << 100.0;
    QTest::newRow("share and rest")
        << QVariantList{100.0 / 3, 100 - 100.0 / 3} << true << false << 100.0;
    QTest::newRow("empty") << QVariantList{} << true << true << 0.0;
    QTest::newRow("all zero") << QVariantList{0, 0, 0} << true << true << 0.0;
    QTest::newRow("not a number")
        << QVariantList{40, QStringLiteral("abc"), 60} << true << true << 100.0;
    QTest::newRow("not a number before an overflow")
        << QVariantList{QStringLiteral("x"), 80, 80} << true << true << 80.0;
    QTest::newRow("starts with the empty entry") << QVariantList{QString(), 50} << true << true << 0.0;
}

void TestPieData::valueListChecks()
{
    QFETCH(QVariantList, values);
    QFETCH(bool, accepted);
    QFETCH(bool, blank);
    QFETCH(double, total);
    const PieValues read = PieValues::read(values);
    const Result checked = read.check();
    QCOMPARE(checked.ok(), accepted);
    if (!accepted) {
        QCOMPARE(checked.message(),
                 QStringLiteral("Please Select A Customer Which At Least Bought Product"));
    }
    QCOMPARE(read.isBlank(), blank);
    QCOMPARE(read.total(), total);
}

void TestPieData::wedgeLookup_data()
{
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<int>("wedge");
    QTest::addColumn<int>("slice");
    QTest::newRow("first slice") << QVariantList{30, 0, 70} << 29 << 0;
    QTest::newRow("end belongs to the next") << QVariantList{30, 0, 70} << 30 << 2;
    QTest::newRow("last wedge") << QVariantList{30, 0, 70} << 99 << 2;
    QTest::newRow("beyond the total") << QVariantList{25, 35} << 60 << -1;
    QTest::newRow("no wedge") << QVariantList{50, 50} << -1 << -1;
}

void TestPieData::wedgeLookup()
{
    QFETCH(QVariantList, values);
    QFETCH(int, wedge);
    QFETCH(int, slice);
    QCOMPARE(PieChart::sliceAt(PieChart::records(PieValues::read(values), PieColors()), wedge), slice);
}

void TestPieData::remainderColors_data()
{
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<QRgb>("side");
    QTest::newRow("below 59: shadow of the last pair") << QVariantList{20, 30} << qRgb(0, 115, 165);
    QTest::newRow("from 59: face of the last pair") << QVariantList{20, 40} << qRgb(0, 155, 225);
    QTest::newRow("zero entries count") << QVariantList{20, 0, 0} << qRgb(1, 122, 32);
}

void TestPieData::remainderColors()
{
    QFETCH(QVariantList, values);
    QFETCH(QRgb, side);
    const PieChartPlan plan = PieChart::plan(PieValues::read(values), PieColors());
    QVERIFY(plan.hasRemainder());
    QCOMPARE(plan.remainderFace, qRgb(156, 198, 82));
    QCOMPARE(plan.remainderSide, side);
}

void TestPieData::description_data()
{
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<QString>("text");
    QTest::newRow("two") << QVariantList{25, 75} << QStringLiteral("Slice 1: 25 %, slice 2: 75 %");
    QTest::newRow("zero skipped") << QVariantList{30, 0, 70}
                                  << QStringLiteral("Slice 1: 30 %, slice 3: 70 %");
    QTest::newRow("rest") << QVariantList{12.5, 47.5}
                          << QStringLiteral("Slice 1: 12.5 %, slice 2: 47.5 %, rest: 40 %");
}

void TestPieData::description()
{
    QFETCH(QVariantList, values);
    QFETCH(QString, text);
    QCOMPARE(PieChart::describe(PieValues::read(values)), text);
}

QTEST_MAIN(TestPieData)
#include "tst_piedata.moc"
