#include "CsvReading.h"
#include "CsvWriting.h"
#include "CustomerFields.h"
#include "TextEncoding.h"

#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTest>

// CSV as spreadsheets and other programs write it, and as we write it.
class TestCsv : public QObject
{
    Q_OBJECT

private slots:
    void hostileValuesRoundTripExactly();
    void detectsEncodingAndSeparator_data();
    void detectsEncodingAndSeparator();
    void malformedRecordNamesItsLine();
    void proposesTheMapping_data();
    void proposesTheMapping();
};

namespace {

QString hostileValue(QRandomGenerator& random)
{
    static const QString pieces[] = {"\"", ",", ";", "\t", "\r", "\n", "\r\n", "=", "+", "-", "@", "'",
                                     " ", "Müller", "\u00A0", "", "''=", "a\"\"b"};
    QString value;
    const int parts = random.bounded(6);
    for (int part = 0; part < parts; ++part) {
        if (random.bounded(3) == 0) {
            value += pieces[random.bounded(int(std::size(pieces)))];
            continue;
        }
        // Any plane, no surrogate halves.
        char32_t code = char32_t(random.bounded(1, 0x110000));
        if (code >= 0xD800 && code <= 0xDFFF)
            code = U'€';
        value += QString::fromUcs4(&code, 1);
    }
    return value;
}

QList<QStringList> readAll(const QByteArray& utf8, char separator = ',')
{
    QList<QStringList> records;
    const Result read = CsvReading::read(utf8, separator, [&](const SourceRow& fields, qint64) {
        records.append(fields.toStrings());
        return true;
    });
    return read.ok() ? records : QList<QStringList>{{read.message()}};
}

} // namespace

void TestCsv::hostileValuesRoundTripExactly()
{
    QRandomGenerator random(20261207);
    QList<QStringList> written;
    QByteArray file = CsvWriting::ByteOrderMark;
    for (int row = 0; row < 625; ++row) {
        QStringList fields;
        for (int field = 0; field < 16; ++field)
            fields << hostileValue(random);
        // A record of one empty field is a blank line, which CSV cannot tell apart.
        fields[0] += QLatin1Char('x');
        written << fields;
        file += CsvWriting::line(fields);
    }
    const TextEncoding::Detected encoding = TextEncoding::detect(file);
    QCOMPARE(encoding.name, QStringLiteral("UTF-8"));
    QList<QStringList> read = readAll(*TextEncoding::toUtf8(file, encoding.name, encoding.markLength));
    for (QStringList& fields : read) {
        for (QString& value : fields) {
            // What a spreadsheet sees never starts a formula.
            QVERIFY(value.isEmpty() || !QStringLiteral("=+-@\t\r").contains(value.at(0)));
            value = QString::fromUtf8(CsvWriting::unguarded(value.toUtf8()));
        }
    }
    QCOMPARE(read.size(), written.size());
    for (int row = 0; row < written.size(); ++row)
        QCOMPARE(read[row], written[row]);
}

void TestCsv::detectsEncodingAndSeparator_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<char>("separator");
    const QString text = QStringLiteral("Name;City\r\nMüller;Köln\r\n");
    QTest::newRow("UTF-8 with mark") << "\xEF\xBB\xBF" + text.toUtf8() << "UTF-8" << ';';
    QTest::newRow("UTF-8") << QStringLiteral("Name,City\nZoë,Łódź\n").toUtf8() << "UTF-8" << ',';
    QByteArray utf16("\xFF\xFE");
    for (QChar c : QStringLiteral("Name\tCity\r\nMüller\tKöln\r\n"))
        utf16 += char(c.unicode() & 0xFF), utf16 += char(c.unicode() >> 8);
    QTest::newRow("UTF-16 with mark") << utf16 << "UTF-16LE" << '\t';
    QTest::newRow("Western code page") << QByteArray(QStringEncoder("windows-1252").encode(text)) << "WINDOWS-1252|ISO-8859-1" << ';';
}

void TestCsv::detectsEncodingAndSeparator()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, encoding);
    QFETCH(char, separator);
    const TextEncoding::Detected found = TextEncoding::detect(file);
    // Either name of a Western code page reads these bytes alike.
    QVERIFY2(encoding.toUpper().split('|').contains(found.name.toUpper()), qPrintable(found.name));
    const QByteArray utf8 = *TextEncoding::toUtf8(file, found.name, found.markLength);
    QCOMPARE(CsvReading::detectSeparator(utf8), separator);
    QCOMPARE(readAll(utf8, separator).value(1).value(0).left(2), QString::fromUtf8(file.contains("Zo") ? "Zo" : "Mü"));
}

// Lines are the file's own: a quoted line break moves the count on.
void TestCsv::malformedRecordNamesItsLine()
{
    const QByteArray file = "Name,Note\r\nAnn,\"two\r\nlines\"\r\nBob,\"never closed\r\nCid,x\r\n";
    const Result read = CsvReading::read(file, ',', [](const SourceRow&, qint64) { return true; });
    QVERIFY(!read.ok());
    QVERIFY2(read.message().startsWith(QStringLiteral("Line 4 ")), qPrintable(read.message()));
    QList<qint64> lines;
    CsvReading::read("a\n\"b\nc\"\n\nd\n", ',', [&](const SourceRow&, qint64 line) {
        lines << line;
        return true;
    });
    QCOMPARE(lines, (QList<qint64>{1, 2, 5}));
}

void TestCsv::proposesTheMapping_data()
{
    QTest::addColumn<QStringList>("columns");
    QTest::addColumn<QList<int>>("mapping");
    QTest::newRow("our own table, by column name")
        << QStringList{"name", "Address", "Country", "City", "State", "Zip", "Phone", "FAX", "Email",
                       "Product", "Quantity", "Price", "DatePur", "Payment", "Paid", "Sex"}
        << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    QTest::newRow("our own export, by caption") << CustomerFields::captions()
                                                << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    QTest::newRow("another program's names")
        << QStringList{"CustomerID", "CompanyName", "ContactName", "Address", "City", "Region", "PostalCode",
                       "Country", "Phone", "Fax", "E-mail"}
        << QList<int>{2, 3, 7, 4, 6, 8, 9, 10, 5, -1, -1, -1, -1, -1, -1, -1};
}

// What a column holds decides, not what our own columns are called.
void TestCsv::proposesTheMapping()
{
    QFETCH(QStringList, columns);
    QFETCH(QList<int>, mapping);
    QCOMPARE(QList<int>(CustomerFields::propose(columns)), mapping);
    QVERIFY(CustomerFields::looksLikeHeader(columns));
    QVERIFY(!CustomerFields::looksLikeHeader({"Ann Lee", "1 Mill Lane", "Leeds"}));
}

QTEST_GUILESS_MAIN(TestCsv)
#include "tst_csv.moc"
