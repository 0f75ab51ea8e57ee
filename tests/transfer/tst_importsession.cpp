#include "ImportSession.h"
#include "VCard.h"

#include <QTemporaryDir>
#include <QTest>

// The import window's model: what a file holds, the mapping and the
// preview, and the files it refuses before anything is written.
class TestImportSession : public QObject
{
    Q_OBJECT

private slots:
    void jetTablesAndTheirMapping();
    void csvOptionsCanBeChanged();
    void vCardsMapOneToOne();
    void refusesFilesThatCannotBeImported_data();
    void refusesFilesThatCannotBeImported();
    void aFileChangedSinceOpenedIsNotImported();

private:
    QString write(const QString& name, const QByteArray& bytes);

    QTemporaryDir m_folder;
};

namespace {

const QByteArray kCsv = "Customer;Telephone;Town\r\nAnn Lee;0113;Leeds\r\n;555;York\r\nBob;556;Hull\r\n";
using Field = CustomerRecord::Field;

} // namespace

QString TestImportSession::write(const QString& name, const QByteArray& bytes)
{
    const QString path = m_folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestImportSession::jetTablesAndTheirMapping()
{
    const QString nwind = QStringLiteral(TALLYVANE_TESTDATA "/jet/nwind.mdb");
    if (!QFile::exists(nwind))
        QSKIP("The shared Jet test files are not on this machine.");
    ImportSession session;
    QVERIFY(session.open(nwind).ok());
    QCOMPARE(session.kind(), ImportSession::Kind::Jet);
    const auto customers = std::find_if(session.tables().begin(), session.tables().end(),
                                        [](const JetFile::Table& table) { return table.name == "Customers"; });
    QVERIFY(session.chooseTable(int(customers - session.tables().begin())).ok());
    QCOMPARE(session.preview().size(), ImportSession::PreviewRows);
    QCOMPARE(session.preview().first().record.value(Field::Name), QStringLiteral("Maria Anders"));
    // The company name feeds the name instead; the contact name then feeds nothing.
    const int company = int(session.columns().indexOf("CompanyName"));
    session.setMapping(int(Field::Name), company);
    QCOMPARE(session.preview().first().record.value(Field::Name), QStringLiteral("Alfreds Futterkiste"));
    QCOMPARE(session.mapping().count(company), 1);
    CustomerImport::Source source;
    qint64 reported = 0;
    QVERIFY(session.source([&](qint64 done, qint64) { return ++reported, done > 0; }, &source).ok());
    QCOMPARE(source.total, 91);
    QCOMPARE(reported, 91);
}

void TestImportSession::csvOptionsCanBeChanged()
{
    ImportSession session;
    QVERIFY(session.open(write("list.csv", kCsv)).ok());
    QCOMPARE(session.kind(), ImportSession::Kind::Csv);
    QCOMPARE(session.csvOptions().separator, ';');
    QVERIFY(session.csvOptions().header);
    QCOMPARE(session.preview().size(), 3);
    QCOMPARE(session.preview().at(0).record.value(Field::City), QStringLiteral("Leeds"));
    QCOMPARE(session.preview().at(1).line, 3);
    QCOMPARE(session.preview().at(1).refusal, QStringLiteral("The customer has no name."));
    session.setMapping(int(Field::City), -1);
    QVERIFY(session.setCsvOptions(session.csvOptions().encoding, ';', true).ok());
    QVERIFY(session.preview().at(0).record.value(Field::City).isEmpty());
    QVERIFY(session.setCsvOptions("ISO-8859-1", ',', false).ok());
    QCOMPARE(session.columns(), QStringList{"Column 1"});
    QCOMPARE(session.preview().size(), 4);
    QVERIFY(!session.setCsvOptions("no such encoding", ',', false).ok());
    QCOMPARE(session.csvOptions().encoding, QStringLiteral("ISO-8859-1"));
}

void TestImportSession::vCardsMapOneToOne()
{
    CustomerRecord ann;
    ann.setValue(Field::Name, QStringLiteral("Ann Lee"));
    ann.setValue(Field::Zip, QStringLiteral("0113 496"));
    const QByteArray cards = VCard::write({ann}) + "BEGIN:VCARD\r\nVERSION:3.0\r\nTEL:1\r\nEND:VCARD\r\n";
    ImportSession session;
    QVERIFY(session.open(write("cards.vcf", cards)).ok());
    QCOMPARE(session.kind(), ImportSession::Kind::VCard);
    QCOMPARE(session.preview().size(), 1);
    QCOMPARE(session.preview().first().record.value(Field::Zip), QStringLiteral("0113 496"));
    CustomerImport::Source source;
    QVERIFY(session.source({}, &source).ok());
    QCOMPARE(source.refusedBefore.size(), 1);
    QCOMPARE(source.refusedBefore.first().line, 6);
}

void TestImportSession::refusesFilesThatCannotBeImported_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("why");
    QTest::newRow("folder") << "folder" << "it is a folder.";
    QTest::newRow("missing") << "missing" << "it does not exist.";
    QTest::newRow("empty") << "empty" << "it is empty.";
    QTest::newRow("binary") << "binary" << "it is neither a text file nor a Jet database.";
    QTest::newRow("over 1 GB") << "huge" << "it is larger than 1 GB.";
    QTest::newRow("quote never closed") << "unclosed" << "Line 2 of the file";
    QTest::newRow("a device") << "device" << "it is not an ordinary file.";
}

void TestImportSession::refusesFilesThatCannotBeImported()
{
    QFETCH(QString, kind);
    QFETCH(QString, why);
    QString path = m_folder.filePath(kind);
    if (kind == "folder")
        QVERIFY(QDir().mkpath(path));
    if (kind == "empty")
        write(kind, {});
    if (kind == "binary")
        write(kind, QByteArray("Name\0\1\2", 7));
    if (kind == "unclosed")
        write(kind, "Name,City\r\n\"Ann,Leeds\r\n");
    if (kind == "huge") {
        QFile file(write(kind, "Name\r\n"));
        QVERIFY(file.resize(ImportSession::MaxTextFile + 1)); // sparse: nothing is written
    }
    if (kind == "device")
        path = QStringLiteral("/dev/zero");
    ImportSession session;
    QVERIFY(session.open(write("good.csv", kCsv)).ok());
    const Result opened = session.open(path);
    QVERIFY(!opened.ok());
    QVERIFY2(opened.message().contains(why), qPrintable(opened.message()));
    QCOMPARE(session.kind(), ImportSession::Kind::Csv);
    QCOMPARE(session.preview().size(), 3);
}

void TestImportSession::aFileChangedSinceOpenedIsNotImported()
{
    const QString path = write("list.csv", kCsv);
    ImportSession session;
    QVERIFY(session.open(path).ok());
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    file.write("Cid;557;Bath\r\n");
    file.close();
    CustomerImport::Source source;
    const Result result = session.source({}, &source);
    QVERIFY(!result.ok());
    QVERIFY(result.message().contains("changed since it was opened"));
}

QTEST_GUILESS_MAIN(TestImportSession)
#include "tst_importsession.moc"
