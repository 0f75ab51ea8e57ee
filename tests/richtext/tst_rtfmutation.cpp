#include "RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QLoggingCategory>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTextDocument>
#include <QtTest>

#include <functional>

namespace {

constexpr int kVariantsPerKind = 2000;

using Mutation = std::function<void(QByteArray&, QRandomGenerator&)>;

QList<QByteArray> corpus()
{
    const QDir folder(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/rtf"));
    QList<QByteArray> files;
    for (const QFileInfo& info : folder.entryInfoList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name)) {
        QFile file(info.filePath());
        if (file.open(QIODevice::ReadOnly))
            files.append(file.readAll());
    }
    return files;
}

qsizetype anywhere(const QByteArray& data, QRandomGenerator& random)
{
    return random.bounded(data.size() + 1);
}

void flipBytes(QByteArray& data, QRandomGenerator& random)
{
    const int flips = 1 + random.bounded(8);
    for (int i = 0; i < flips && !data.isEmpty(); ++i)
        data[random.bounded(data.size())] = static_cast<char>(random.bounded(256));
}

void truncate(QByteArray& data, QRandomGenerator& random)
{
    data.truncate(anywhere(data, random));
}

void duplicateBraces(QByteArray& data, QRandomGenerator& random)
{
    const int count = 1 + random.bounded(20);
    for (int i = 0; i < count; ++i)
        data.insert(anywhere(data, random), random.bounded(2) ? '{' : '}');
}

void removeBraces(QByteArray& data, QRandomGenerator& random)
{
    for (qsizetype i = 0; i < data.size(); ++i) {
        if ((data[i] == '{' || data[i] == '}') && random.bounded(3) == 0)
            data.remove(i--, 1);
    }
}

void insertHugeNumbers(QByteArray& data, QRandomGenerator& random)
{
    static const QByteArray numbers[] = {"99999999999999999999", "-2147483649", "2147483647", "-1", "0",
                                         "65536", "4294967296"};
    const int count = 1 + random.bounded(5);
    for (int i = 0; i < count; ++i) {
        const qsizetype backslash = data.indexOf('\\', anywhere(data, random));
        qsizetype at = backslash < 0 ? anywhere(data, random) : backslash + 1;
        while (at < data.size() && QChar::isLetter(static_cast<uchar>(data[at])))
            ++at;
        data.insert(at, numbers[random.bounded(int(std::size(numbers)))]);
    }
}

void insertControlWords(QByteArray& data, QRandomGenerator& random)
{
    static const QByteArray words[] = {
        "\\bin999999 ", "\\bin-5 ", "\\u-1 ", "\\uc99 ", "{\\pict\\pngblip ", "\\cell ", "\\row ",
        "\\intbl ", "\\trowd\\cellx1000 ", "\\'", "\\*", "\\u55357 ", "\\u56832?", "{\\fonttbl ",
        "{\\colortbl ", "\\par ", "\\page ", "\\pard ", "\\plain ", "\\f99 ", "\\cf1 ", "\\ansicpg932 ",
        "\\fcharset128 ", "\\'81", "{\\*\\shppict ", "\\sl-1\\slmult1 ", "\\picwgoal999999 "};
    const int count = 1 + random.bounded(10);
    for (int i = 0; i < count; ++i)
        data.insert(anywhere(data, random), words[random.bounded(int(std::size(words)))]);
}

void spliceChunks(QByteArray& data, QRandomGenerator& random)
{
    const int count = 1 + random.bounded(4);
    for (int i = 0; i < count && !data.isEmpty(); ++i) {
        const qsizetype from = random.bounded(data.size());
        const qsizetype length = random.bounded(data.size() - from) + 1;
        data.insert(anywhere(data, random), data.mid(from, length));
    }
}

void replaceWithJunk(QByteArray& data, QRandomGenerator& random)
{
    QByteArray junk(1 + random.bounded(4096), Qt::Uninitialized);
    for (char& c : junk)
        c = static_cast<char>(random.bounded(256));
    data = "{\\rtf1 " + junk;
}

} // namespace

class tst_rtfmutation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void damagedInputGivesADocument_data();
    void damagedInputGivesADocument();
    void pathologicalInputStaysBounded_data();
    void pathologicalInputStaysBounded();
};

// Damaged pictures make Qt's image readers complain on every variant.
void tst_rtfmutation::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
}

void tst_rtfmutation::damagedInputGivesADocument_data()
{
    QTest::addColumn<Mutation>("mutation");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("byte flips") << Mutation(flipBytes) << 1u;
    QTest::newRow("truncation") << Mutation(truncate) << 2u;
    QTest::newRow("duplicated braces") << Mutation(duplicateBraces) << 3u;
    QTest::newRow("removed braces") << Mutation(removeBraces) << 4u;
    QTest::newRow("huge numbers") << Mutation(insertHugeNumbers) << 5u;
    QTest::newRow("inserted control words") << Mutation(insertControlWords) << 6u;
    QTest::newRow("spliced chunks") << Mutation(spliceChunks) << 7u;
    QTest::newRow("binary junk") << Mutation(replaceWithJunk) << 8u;
}

// Every variant must read into a document the same way twice and lay out;
// a crash, a hang or an unbounded document fails the run.
void tst_rtfmutation::damagedInputGivesADocument()
{
    QFETCH(Mutation, mutation);
    QFETCH(quint32, seed);
    const QList<QByteArray> files = corpus();
    QVERIFY(files.size() >= 10);
    QRandomGenerator random(seed);
    for (int variant = 0; variant < kVariantsPerKind; ++variant) {
        QByteArray rtf = files.at(variant % files.size());
        mutation(rtf, random);
        QTextDocument document;
        RtfReader::read(rtf, &document);
        const QString text = document.toPlainText();
        QTextDocument again;
        RtfReader::read(rtf, &again);
        QCOMPARE(again.toPlainText(), text);
        QVERIFY(document.characterCount() <= 64 * (rtf.size() + 2));
        if (variant % 20 == 0)
            QVERIFY(document.documentLayout()->documentSize().isValid());
    }
}

void tst_rtfmutation::pathologicalInputStaysBounded_data()
{
    QTest::addColumn<QByteArray>("rtf");
    const QByteArray start = "{\\rtf1\\ansi ";
    QTest::newRow("200000 cells in one row") << start + "\\trowd\\intbl " + QByteArray("x\\cell ").repeated(200000);
    QTest::newRow("10000 rows") << start + "\\trowd\\cellx100\\cellx200\\intbl "
                                          + QByteArray("a\\cell b\\cell\\row ").repeated(10000);
    QTest::newRow("tables in and out") << start + QByteArray("\\intbl a\\cell\\row\\pard b\\par ").repeated(10000);
    QTest::newRow("100000 paragraphs") << start + QByteArray("line\\par ").repeated(100000);
    QTest::newRow("100000 format changes") << start + QByteArray("{\\b a}{\\i b}").repeated(100000);
    QTest::newRow("a megabyte of picture data") << start + "{\\pict\\pngblip " + QByteArray(1 << 20, 'f') + "}}";
    QTest::newRow("50000 empty pictures") << start + QByteArray("{\\pict\\pngblip 00}").repeated(50000);
    QTest::newRow("a megabyte of open braces") << start + QByteArray(1 << 20, '{');
    QTest::newRow("a megabyte of closing braces") << start + QByteArray(1 << 20, '}');
    QTest::newRow("a megabyte of digits") << start + "\\fs" + QByteArray(1 << 20, '9') + " x}";
    QTest::newRow("a megabyte of letters") << start + "\\" + QByteArray(1 << 20, 'b') + " x}";
    QTest::newRow("binary length past the end") << start + "\\bin2147483647 x}";
    QTest::newRow("100000 fonts") << start + "{\\fonttbl" + QByteArray("{\\f1\\fcharset204 F;}").repeated(100000) + "}}";
    QTest::newRow("100000 code pages") << start + QByteArray("\\ansicpg1251 \\'e0\\ansicpg936 \\'81").repeated(100000);
}

void tst_rtfmutation::pathologicalInputStaysBounded()
{
    QFETCH(QByteArray, rtf);
    QTextDocument document;
    RtfReader::read(rtf, &document);
    QVERIFY(document.characterCount() <= 64 * (rtf.size() + 2));
}

QTEST_MAIN(tst_rtfmutation)
#include "tst_rtfmutation.moc"
