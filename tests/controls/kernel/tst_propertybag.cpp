#include "PropertyBag.h"

#include <QPainter>
#include <QTest>

class TestPropertyBag : public QObject
{
    Q_OBJECT

private slots:
    void keepsOrderAndTypesThroughJson();
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

namespace {

// A stored design with a 40 x 30 picture under "PICN" between two other keys.
PropertyBag designWithPicture()
{
    QPixmap picture(40, 30);
    picture.fill(QColor(10, 20, 30));
    PropertyBag bag;
    bag.write("TX", QStringLiteral("&Save"));
    bag.write("PICN", picture);
    bag.write("FX", 1);
    return bag;
}

// The design's text with the picture's file data cut to its first `keep`
// bytes, or without its last -`keep` bytes.
QByteArray withTruncatedPicture(qsizetype keep)
{
    const QByteArray json = designWithPicture().toJson();
    const QByteArray start = "\"value\": \"";
    const qsizetype from = json.indexOf(start, json.indexOf("\"picture\"")) + start.size();
    const qsizetype to = json.indexOf('"', from);
    const QByteArray png = QByteArray::fromBase64(json.mid(from, to - from));
    return json.left(from) + png.left(keep < 0 ? png.size() + keep : keep).toBase64() + json.mid(to);
}

} // namespace

void TestPropertyBag::rejectsDamagedText_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("message");
    const QString badPicture = QStringLiteral("The design holds an unreadable property \"PICN\".");
    QTest::newRow("not JSON") << QByteArray("{{{")
                              << QStringLiteral("The design is damaged: unterminated object at byte 2.");
    QTest::newRow("object instead of list") << QByteArray("{\"key\": \"TX\"}")
                                            << QStringLiteral("The design is not a list of properties.");
    QTest::newRow("unknown type") << QByteArray("[{\"key\":\"TX\",\"type\":\"blob\",\"value\":1}]")
                                  << QStringLiteral("The design holds an unreadable property \"TX\".");
    QTest::newRow("wrong value") << QByteArray("[{\"key\":\"ENAB\",\"type\":\"bool\",\"value\":\"yes\"}]")
                                 << QStringLiteral("The design holds an unreadable property \"ENAB\".");
    QTest::newRow("no key") << QByteArray("[{\"type\":\"int\",\"value\":1}]")
                            << QStringLiteral("The design holds an unreadable property \"\".");
    QTest::newRow("design file cut short") << designWithPicture().toJson().left(120)
                                           << QStringLiteral("The design is damaged: unterminated object at byte 120.");
    QTest::newRow("picture cut after its signature") << withTruncatedPicture(8) << badPicture;
    QTest::newRow("picture cut in its header") << withTruncatedPicture(20) << badPicture;
    QTest::newRow("picture cut in its pixels") << withTruncatedPicture(60) << badPicture;
    QTest::newRow("picture missing its end marker") << withTruncatedPicture(-12) << badPicture;
}

// A damaged design is refused as a whole, with a message that says what
// could not be read; nothing of it is half loaded.
void TestPropertyBag::rejectsDamagedText()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, message);
    QString error;
    QVERIFY(!PropertyBag::fromJson(json, &error));
    QCOMPARE(error, message);
}

QTEST_MAIN(TestPropertyBag)
#include "tst_propertybag.moc"
