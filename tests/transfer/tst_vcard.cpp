#include "VCard.h"

#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTest>

using Field = CustomerRecord::Field;

// Cards as we write them and as address books write them.
class TestVCard : public QObject
{
    Q_OBJECT

private slots:
    void hostileRecordsRoundTrip();
    void foldsBetweenWholeCharacters_data();
    void foldsBetweenWholeCharacters();
    void readsCardsOfOtherPrograms_data();
    void readsCardsOfOtherPrograms();
    void refusesNamelessCards_data();
    void refusesNamelessCards();
    void malformedTextNamesItsLine_data();
    void malformedTextNamesItsLine();
    void damagedTextNeverCrashes();
};

namespace {

const QList<Field> ContactFields = {Field::Name, Field::Address, Field::City, Field::Email, Field::State,
                                    Field::Country, Field::Zip, Field::Phone, Field::FAX, Field::Sex};

QString hostileValue(QRandomGenerator& random)
{
    static const QString pieces[] = {",", ";", "\\", ":", "\"", "\r\n", "\n", "\r", "\\n", "=0D=", " ", "\t",
                                     "tel:", "e\u0301\u0302", "\U0001F468\u200D\U0001F469", "\uFEFF",
                                     QString(300, u'x'), "END:", "item1.TEL;TYPE=fax:"};
    QString value;
    for (int part = random.bounded(8); part > 0; --part) {
        if (random.bounded(2) == 0) {
            value += pieces[random.bounded(int(std::size(pieces)))];
            continue;
        }
        char32_t code = char32_t(random.bounded(1, 0x110000)); // any plane, no surrogate halves
        if (code >= 0xD800 && code <= 0xDFFF)
            code = U'\U000E0001';
        value += QString::fromUcs4(&code, 1);
    }
    return value;
}

CustomerRecord hostileRecord(QRandomGenerator& random)
{
    static const QString sexes[] = {"m", "f", "", "M", "x"};
    CustomerRecord customer;
    for (const Field field : CustomerRecord::AllFields)
        customer.setValue(field, hostileValue(random));
    customer.setValue(Field::Name, "N" + customer.value(Field::Name));
    customer.setValue(Field::Sex, sexes[random.bounded(5)]);
    return customer;
}

// What a read gives back: line breaks read as LF, other sexes as none.
QStringList expectedContact(const CustomerRecord& customer)
{
    QStringList values;
    for (const Field field : ContactFields)
        values << QString(customer.value(field)).replace("\r\n", "\n").replace('\r', '\n');
    values.last() = customer.value(Field::Sex) == "m" || customer.value(Field::Sex) == "f" ? values.last() : "";
    return values;
}

QStringList contact(const CustomerRecord& customer)
{
    QStringList values;
    for (const Field field : ContactFields)
        values << customer.value(field);
    return values;
}

QList<CustomerRecord> hostileRecords(int count)
{
    QRandomGenerator random(20260311);
    QList<CustomerRecord> customers;
    for (int at = 0; at < count; ++at)
        customers << hostileRecord(random);
    return customers;
}

} // namespace

void TestVCard::hostileRecordsRoundTrip()
{
    const QList<CustomerRecord> written = hostileRecords(1000);
    QList<CustomerRecord> read;
    QList<VCard::Refused> refused;
    const Result result = VCard::read(VCard::write(written), &read, &refused);
    QVERIFY2(result.ok(), qPrintable(result.message()));
    QVERIFY(refused.isEmpty());
    QCOMPARE(read.size(), written.size());
    for (int at = 0; at < written.size(); ++at) {
        QCOMPARE(contact(read.at(at)), expectedContact(written.at(at)));
        QCOMPARE(read.at(at).toList().mid(int(Field::Product)),
                 QStringList({"", "0", "0", "", "", "0", read.at(at).value(Field::Sex)}));
    }
}

void TestVCard::foldsBetweenWholeCharacters_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("300 ASCII") << QString(300, u'a');
    QTest::newRow("two-octet, shifted") << "a" + QString(150, u'ß');
    QTest::newRow("three-octet") << QString(120, u'€') + "b";
    QTest::newRow("emoji, shifted") << "ab" + QString("\U0001F600").repeated(90);
    QTest::newRow("combining marks") << QString("o\u0308\u0301").repeated(60);
    QTest::newRow("escapes at the fold") << QString(";,\\\n").repeated(50);
}

void TestVCard::foldsBetweenWholeCharacters()
{
    QFETCH(QString, name);
    CustomerRecord customer;
    customer.setValue(Field::Name, name);
    customer.setValue(Field::Address, name);
    const QByteArray text = VCard::write({customer});
    QVERIFY(text.endsWith("\r\n"));
    for (const QByteArray& line : text.chopped(1).split('\n')) {
        QVERIFY(line.endsWith('\r'));
        QVERIFY2(line.size() - 1 <= 75, line.constData());
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString decoded = decoder.decode(line.chopped(1));
        QVERIFY2(!decoder.hasError() && !decoded.isEmpty(), line.constData());
    }
    QList<CustomerRecord> read;
    QVERIFY(VCard::read(text, &read, nullptr).ok());
    QCOMPARE(read.value(0).value(Field::Name), name);
    QCOMPARE(read.value(0).value(Field::Address), name);
}

void TestVCard::readsCardsOfOtherPrograms_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("expected"); // in the order of ContactFields
    QTest::newRow("3.0") << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Mueller;Juergen;;;\r\n"
                                       "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:J=C3=BCrgen M=C3=BC=\r\nller\r\n"
                                       "ADR;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:;;Stra=DFe 1\\, Hof;K=F6ln;"
                                       "NRW;50667;DE\r\nTEL;FAX:+49 221 1\r\nTEL;TYPE=WORK,VOICE:+49 221 2\r\n"
                                       "TEL;TYPE=FAX:+49 221 3\r\nEMAIL;TYPE=INTERNET:j@example.de\r\nEND:VCARD\r\n")
                         << QStringList{"Jürgen Müller", "Straße 1, Hof", "Köln", "NRW", "50667", "DE",
                                        "+49 221 2", "+49 221 1", "j@example.de", ""};
    QTest::newRow("4.0, N without FN") << QByteArray(
        "begin:vcard\nversion:4.0\nitem1.tel;type=\"work,fax\";value=uri:tel:+1-555-0100\n"
        "Tel;VALUE=uri;TYPE=cell:TEL:+1-555-0199\nN:Doe;Jane;Q.;Dr.;\nitem2.ADR;TYPE=home;LABEL=\"a;b:c\":;;12 Elm\\n"
        "Flat 3;Spring\n\tfield;IL;62701;USA\nEMAIL;TYPE=work:jane@example.com\nEMAIL:second@example.com\n"
        "ADR:;;Other;;;;\nNOTE:long\n continued\nGENDER:F;she\nEND:VCARD\n")
                                       << QStringList{"Jane Doe", "12 Elm\nFlat 3", "Springfield", "IL", "62701",
                                                      "USA", "+1-555-0199", "+1-555-0100", "jane@example.com", "f"};
}

void TestVCard::readsCardsOfOtherPrograms()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, expected);
    QList<CustomerRecord> read;
    const Result result = VCard::read("\xEF\xBB\xBF" + text, &read, nullptr);
    QVERIFY2(result.ok(), qPrintable(result.message()));
    QCOMPARE(read.size(), 1);
    QCOMPARE(contact(read.first()), expected);
}

void TestVCard::refusesNamelessCards_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<qint64>("line");
    const QByteArray named = "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ann\r\nEND:VCARD\r\n";
    QTest::newRow("no FN, no N") << named + "\r\nBEGIN:VCARD\r\nEMAIL:x@y\r\nEND:VCARD\r\n" << qint64(6);
    QTest::newRow("empty FN and N") << "BEGIN:VCARD\r\nFN: \r\nN:;;Q.;Dr.;\r\nEND:VCARD\r\n" + named << qint64(1);
}

void TestVCard::refusesNamelessCards()
{
    QFETCH(QByteArray, text);
    QFETCH(qint64, line);
    QList<CustomerRecord> read;
    QList<VCard::Refused> refused;
    QVERIFY(VCard::read(text, &read, &refused).ok());
    QCOMPARE(read.size(), 1);
    QCOMPARE(read.first().value(Field::Name), "Ann");
    QCOMPARE(refused.size(), 1);
    QCOMPARE(refused.first().line, line);
    QVERIFY(refused.first().reason.contains("name"));
}

void TestVCard::malformedTextNamesItsLine_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("line");
    const QByteArray card = "BEGIN:VCARD\r\nFN:Ann\r\nEND:VCARD\r\n";
    QTest::newRow("empty") << QByteArray() << "Line 1";
    QTest::newRow("no BEGIN") << QByteArray("VERSION:4.0\nFN:Ann\nEND:VCARD\n") << "Line 1";
    QTest::newRow("text after a card") << card + "FN:Bob\r\n" << "Line 4";
    QTest::newRow("never ended") << card + "\r\nBEGIN:VCARD\r\nFN:Bob\r\n" << "line 5";
    QTest::newRow("another begins") << "BEGIN:VCARD\r\nFN:Ann\r\n" + card << "line 1 is not ended before line 3";
}

void TestVCard::malformedTextNamesItsLine()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, line);
    QList<CustomerRecord> read = {CustomerRecord()};
    QList<VCard::Refused> refused = {{7, "kept"}};
    const Result result = VCard::read(text, &read, &refused);
    QVERIFY(!result.ok());
    QVERIFY2(result.message().contains(line), qPrintable(result.message()));
    QCOMPARE(read.size(), 1);
    QCOMPARE(refused.size(), 1);
}

void TestVCard::damagedTextNeverCrashes()
{
    const QByteArray text = VCard::write(hostileRecords(12));
    QList<CustomerRecord> read;
    QList<VCard::Refused> refused;
    for (qsizetype length = 0; length < text.size(); length += 3) {
        const QByteArray truncated = text.left(length);
        const Result result = VCard::read(truncated, &read, &refused);
        QCOMPARE(result.ok(), truncated.trimmed().endsWith("END:VCARD"));
        if (result.ok())
            QCOMPARE(read.size(), truncated.count("END:VCARD"));
    }
    QRandomGenerator random(7);
    for (int round = 0; round < 3000; ++round) {
        QByteArray flipped = text;
        for (int flip = random.bounded(1, 4); flip > 0; --flip)
            flipped[random.bounded(int(flipped.size()))] ^= char(1 << random.bounded(8));
        if (VCard::read(flipped, &read, &refused).ok())
            QVERIFY(read.size() + refused.size() <= 12);
    }
}

QTEST_GUILESS_MAIN(TestVCard)
#include "tst_vcard.moc"
