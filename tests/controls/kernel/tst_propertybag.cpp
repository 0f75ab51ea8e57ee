#include "PropertyBag.h"

#include <QPainter>
#include <QTest>

class TestPropertyBag : public QObject
{
    Q_OBJECT

private slots:
    void keepsOrderAndTypesThroughJson();
    void absentKeysGiveTheirDefaults();
    void rejectsDamagedText_data();
    void rejectsDamagedText();
};

void TestPropertyBag::keepsOrderAndTypesThroughJson()
{
    QPixmap picture(3, 2);
    picture.fill(QColor(10, 20, 30));
    QFont font(QStringLiteral("DejaVu Sans"), 11);
    font.setBold(true);

    PropertyBag bag;
    bag.write("BTYPE", 3);
    bag.write("TX", QStringLiteral("&Save"));
    bag.write("ENAB", false);
    bag.write("FONT", font);
    bag.write("BCOL", quint32(0x80000000u | 15));
    bag.write("PICN", picture);
    bag.write("BTYPE", 5);

    const std::optional<PropertyBag> loaded = PropertyBag::fromJson(bag.toJson());
    QVERIFY(loaded);
    QCOMPARE(loaded->keys(), QStringList({"BTYPE", "TX", "ENAB", "FONT", "BCOL", "PICN"}));
    QCOMPARE(loaded->readInt("BTYPE", 2), 5);
    QCOMPARE(loaded->readString("TX", ""), QStringLiteral("&Save"));
    QCOMPARE(loaded->readBool("ENAB", true), false);
    QCOMPARE(loaded->readFont("FONT", QFont()), font);
    QCOMPARE(loaded->readColor("BCOL", 0), 0x80000000u | 15);
    QCOMPARE(loaded->readPicture("PICN").toImage().pixelColor(2, 1), QColor(10, 20, 30));
    QVERIFY(*loaded == bag);
}

void TestPropertyBag::absentKeysGiveTheirDefaults()
{
    PropertyBag bag;
    QCOMPARE(bag.readInt("BTYPE", 2), 2);
    QCOMPARE(bag.readColor("MCOL", 0xC0C0C0), 0xC0C0C0u);
    QCOMPARE(bag.readBool("FOCUSR", true), true);
    QCOMPARE(bag.readString("TX", "x"), QStringLiteral("x"));
    QVERIFY(bag.readPicture("PICN").isNull());
    QVERIFY(!bag.contains("BTYPE"));
}

void TestPropertyBag::rejectsDamagedText_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("not JSON") << QByteArray("{{{");
    QTest::newRow("object instead of list") << QByteArray("{\"key\": \"TX\"}");
    QTest::newRow("unknown type") << QByteArray("[{\"key\":\"TX\",\"type\":\"blob\",\"value\":1}]");
    QTest::newRow("wrong value") << QByteArray("[{\"key\":\"ENAB\",\"type\":\"bool\",\"value\":\"yes\"}]");
    QTest::newRow("no key") << QByteArray("[{\"type\":\"int\",\"value\":1}]");
}

void TestPropertyBag::rejectsDamagedText()
{
    QFETCH(QByteArray, json);
    QString error;
    QVERIFY(!PropertyBag::fromJson(json, &error));
    QVERIFY(!error.isEmpty());
}

QTEST_MAIN(TestPropertyBag)
#include "tst_propertybag.moc"
