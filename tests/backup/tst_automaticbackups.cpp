#include "AutomaticBackups.h"
#include "DatabaseBackup.h"
#include "SqliteCustomerStore.h"
#include "FileSizeLimit.h"
#include "TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <memory>
#include <system_error>

#include <sys/resource.h>

namespace {

using FolderState = QMap<QString, QByteArray>;

// Every file in `folder` with its bytes, to tell that nothing touched them.
FolderState stateOf(const QString& folder)
{
    FolderState state;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
        QFile read(file.filePath());
        state.insert(file.fileName(), read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray());
    }
    return state;
}

bool writeFile(const QString& path, const QByteArray& content, qint64 offset = 0)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.seek(offset) && file.write(content) == content.size();
}

// The header's file-change counter, as SQLite keeps it at offset 24.
QByteArray changeCounter(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.seek(24) ? file.read(4) : QByteArray();
}

// As on a file system whose times are coarser than the gap between two writes.
bool setModified(const QString& path, const QDateTime& time)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime);
}


const QString kManyCustomers = QStringLiteral(
    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300) "
    "INSERT INTO Info SELECT 'Customer ' || i, 'Street', 'Country', 'City', 'Zip', 'Phone', "
    "'Fax', 'mail', 'State', 'Product', '1', '2.50', '1/1/2026', 'Cash', '0', 'f' FROM n");

} // namespace

class tst_automaticbackups : public QObject
{
    Q_OBJECT

public:
    enum class Between {
        Nothing, ReopenedStore, ReadOnly, StoreWrite, SameTick, OtherProgram, RestoredOlder
    };
    enum class Fault {
        FolderIsAFile, FolderInsideAFile, LiveFileMissing, DiskFull, DamagedPage, TableGone
    };
    Q_ENUM(Between)
    Q_ENUM(Fault)

private slots:
    void init();
    void cleanup();
    void isDue_data();
    void isDue();
    void copyOnlyWhenChanged_data();
    void copyOnlyWhenChanged();
    void rotationOverWeeks();
    void failureChangesNothing_data();
    void failureChangesNothing();
    void copiesAreListedNewestFirst();

private:
    AutomaticBackups backups(const QString& folder = QString()) const
    {
        return AutomaticBackups(m_live->path(), folder.isEmpty() ? backupFolder() : folder,
                                [this] { return m_now; });
    }
    QString backupFolder() const { return m_folder->filePath(QStringLiteral("Backups")); }
    bool change(const QString& name) { return m_store->append(customer(name)).ok(); }
    bool take(bool expectTaken = true);

    std::unique_ptr<TestDatabase> m_live;
    std::unique_ptr<SqliteCustomerStore> m_store;
    std::unique_ptr<QTemporaryDir> m_folder;
    QDateTime m_now;
};

void tst_automaticbackups::init()
{
    m_live = std::make_unique<TestDatabase>();
    m_folder = std::make_unique<QTemporaryDir>();
    m_store = std::make_unique<SqliteCustomerStore>(m_live->path());
    m_now = QDateTime(QDate(2026, 1, 5), QTime(9, 0));
    QVERIFY(m_store->open().ok());
    for (const char* name : {"Ann", "Bob", "Cleo"})
        QVERIFY(change(QString::fromLatin1(name)));
}

void tst_automaticbackups::cleanup()
{
    m_store.reset();
    m_live.reset();
    m_folder.reset();
}

bool tst_automaticbackups::take(bool expectTaken)
{
    bool taken = !expectTaken;
    const Result result = backups().takeIfChanged(&taken);
    if (!result.ok())
        qWarning("%s", qPrintable(result.message()));
    return result.ok() && taken == expectTaken;
}

void tst_automaticbackups::isDue_data()
{
    QTest::addColumn<bool>("copyFirst");
    QTest::addColumn<qint64>("secondsLater");
    QTest::addColumn<bool>("due");
    QTest::newRow("no copy yet") << false << qint64(0) << true;
    QTest::newRow("copy just taken") << true << qint64(0) << false;
    QTest::newRow("a second short of a day") << true << qint64(24 * 3600 - 1) << false;
    QTest::newRow("a day later") << true << qint64(24 * 3600) << true;
    QTest::newRow("a month later") << true << qint64(31 * 24 * 3600) << true;
}

// Each call is a new object, as after a restart of the program.
void tst_automaticbackups::isDue()
{
    QFETCH(bool, copyFirst);
    QFETCH(qint64, secondsLater);
    QFETCH(bool, due);
    if (copyFirst)
        QVERIFY(take());
    m_now = m_now.addSecs(secondsLater);
    QCOMPARE(backups().isDue(), due);
}

void tst_automaticbackups::copyOnlyWhenChanged_data()
{
    QTest::addColumn<Between>("between");
    QTest::addColumn<bool>("changed");
    QTest::newRow("nothing") << Between::Nothing << false;
    QTest::newRow("program restarted") << Between::ReopenedStore << false;
    QTest::newRow("customers only read") << Between::ReadOnly << false;
    QTest::newRow("customer added") << Between::StoreWrite << true;
    QTest::newRow("added within the copy's time stamp") << Between::SameTick << true;
    QTest::newRow("changed by another program") << Between::OtherProgram << true;
    QTest::newRow("older backup restored and changed as often") << Between::RestoredOlder << true;
}

void tst_automaticbackups::copyOnlyWhenChanged()
{
    QFETCH(Between, between);
    QFETCH(bool, changed);
    const QString manual = m_folder->filePath(QStringLiteral("manual backup.mdb"));
    DatabaseBackup tool(*m_store, m_live->path());
    if (between == Between::RestoredOlder) {
        QVERIFY(tool.backUp(manual).ok());
        QVERIFY(change(QStringLiteral("Dora")));
    }
    QVERIFY(take());
    const QString newest = backups().copies().value(0).path;
    QCOMPARE(changeCounter(newest), changeCounter(m_live->path()));
    m_now = m_now.addSecs(3600);

    if (between == Between::ReopenedStore)
        QVERIFY(m_store->open().ok());
    if (between == Between::ReadOnly)
        QVERIFY(m_store->scanSummaries([](CustomerSummary&) {}).ok());
    if (between == Between::StoreWrite || between == Between::SameTick)
        QVERIFY(change(QStringLiteral("Dora")));
    if (between == Between::SameTick)
        QVERIFY(setModified(m_live->path(), QFileInfo(newest).lastModified()));
    if (between == Between::OtherProgram)
        QVERIFY(m_live->execute(QStringLiteral("UPDATE Info SET City = 'Leeds' WHERE name = 'Bob'")));
    if (between == Between::RestoredOlder) {
        QVERIFY(tool.restore(manual).ok());
        QVERIFY(change(QStringLiteral("Eve")));
        // The counter alone cannot tell this database from the newest copy.
        QCOMPARE(changeCounter(m_live->path()), changeCounter(newest));
    }

    QVERIFY(take(changed));
    QVERIFY(take(false));
    const QList<AutomaticBackups::Copy> copies = backups().copies();
    QCOMPARE(copies.size(), changed ? 2 : 1);
    qint64 customers = 0;
    QVERIFY(m_store->rowCount(&customers).ok());
    QCOMPARE(copies.first().customers, customers);
}

// Three changes a day for 120 days, Monday 5 January to Monday 4 May, each
// followed by a copy, and a call at closing time that finds nothing new.
void tst_automaticbackups::rotationOverWeeks()
{
    QDir().mkpath(backupFolder());
    const QString notes = QDir(backupFolder()).filePath(QStringLiteral("notes.txt"));
    QVERIFY(writeFile(notes, "not a copy"));
    const QDate first(2026, 1, 5);
    const QList<QTime> changeTimes = {QTime(9, 0), QTime(13, 0), QTime(17, 0)};
    QList<QDateTime> taken;
    for (int day = 0; day < 120; ++day) {
        for (const QTime& time : changeTimes) {
            m_now = QDateTime(first.addDays(day), time);
            QVERIFY(change(m_now.toString()));
            QVERIFY(take());
            taken.prepend(m_now);
        }
        m_now = QDateTime(first.addDays(day), QTime(18, 0));
        QVERIFY(take(false));
    }

    // The ten newest, then the first copy of each of the eight weeks
    // before the last day's week.
    const QDate lastMonday = first.addDays(119);
    QCOMPARE(lastMonday.dayOfWeek(), 1);
    QList<QDateTime> expected = taken.mid(0, AutomaticBackups::kLatestKept);
    for (int week = 1; week <= AutomaticBackups::kWeeksKept; ++week)
        expected << QDateTime(lastMonday.addDays(-7 * week), QTime(9, 0));
    QList<QDateTime> kept;
    for (const AutomaticBackups::Copy& copy : backups().copies())
        kept << copy.taken;
    QCOMPARE(kept, expected);
    QVERIFY(QFileInfo::exists(notes));
}

void tst_automaticbackups::failureChangesNothing_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QStringList>("named");
    const QString file = QStringLiteral("Backups.txt");
    const QString kept = QStringLiteral("have not been changed");
    QTest::newRow("folder is a file")
        << Fault::FolderIsAFile << QStringList({file, "a file of that name is in its place", kept});
    QTest::newRow("folder inside a file")
        << Fault::FolderInsideAFile << QStringList({file + "/Backups", "Not a directory", kept});
    QTest::newRow("database missing")
        << Fault::LiveFileMissing << QStringList({"Tallyvane DB.mdb", "does not exist", kept});
    QTest::newRow("disk full") << Fault::DiskFull << QStringList(
        {"Backups", QString::fromStdString(std::generic_category().message(EFBIG)), kept});
    // The database in use went bad after the last copies: the new copy,
    // as bad, is not kept, and none of the sound ones gives way to it.
    QTest::newRow("copy of a damaged page")
        << Fault::DamagedPage << QStringList({"damaged database", "have all been kept"});
    QTest::newRow("copy without customer table")
        << Fault::TableGone << QStringList({"no table Info", "have all been kept"});
}

// Each fault comes after more copies than the newest kept, so that a copy
// removed too early shows.
void tst_automaticbackups::failureChangesNothing()
{
    QFETCH(Fault, fault);
    QFETCH(QStringList, named);
    QVERIFY(m_live->execute(kManyCustomers));
    for (int day = 0; day < AutomaticBackups::kLatestKept + 2; ++day) {
        m_now = m_now.addDays(1);
        QVERIFY(change(QStringLiteral("Customer of day %1").arg(day)));
        QVERIFY(take());
    }
    QVERIFY(change(QStringLiteral("Dora")));
    m_now = m_now.addDays(1);
    m_store->close();
    const QString blocking = m_folder->filePath(QStringLiteral("Backups.txt"));
    QVERIFY(writeFile(blocking, "a file where the folder should be"));
    QString folder = backupFolder();
    if (fault == Fault::FolderIsAFile)
        folder = blocking;
    if (fault == Fault::FolderInsideAFile)
        folder = blocking + QStringLiteral("/Backups");
    if (fault == Fault::LiveFileMissing)
        QVERIFY(QFile::remove(m_live->path()));
    if (fault == Fault::DamagedPage)
        QVERIFY(writeFile(m_live->path(), QByteArray(4096, '\x5a'), 2 * 4096));
    if (fault == Fault::TableGone)
        QVERIFY(m_live->execute(QStringLiteral("DROP TABLE Info")));
    const QByteArray live = m_live->bytes();
    const FolderState copies = stateOf(backupFolder());
    const FolderState around = stateOf(m_folder->path());

    bool taken = true;
    Result result = Result::success();
    {
        const FileSizeLimit fullAfter(fault == Fault::DiskFull ? 20000 : RLIM_INFINITY);
        result = backups(folder).takeIfChanged(&taken);
    }
    QVERIFY(!result.ok());
    QVERIFY(!taken);
    for (const QString& text : std::as_const(named))
        QVERIFY2(result.message().contains(text), qPrintable(result.message()));
    QCOMPARE(m_live->bytes(), live);
    QCOMPARE(QFileInfo::exists(m_live->path()), fault != Fault::LiveFileMissing);
    QCOMPARE(stateOf(backupFolder()), copies);
    QCOMPARE(stateOf(m_folder->path()), around);
}

void tst_automaticbackups::copiesAreListedNewestFirst()
{
    QVERIFY(take());
    QVERIFY(change(QStringLiteral("Dora")));
    QVERIFY(take());
    m_now = m_now.addSecs(3600);
    QVERIFY(change(QStringLiteral("Eve")));
    QVERIFY(take());
    const QDir folder(backupFolder());
    const QString unreadable = folder.filePath(QStringLiteral("Tallyvane DB 2025-12-31 23-59-59.mdb"));
    QVERIFY(writeFile(unreadable, "not a database"));
    QVERIFY(writeFile(folder.filePath(QStringLiteral("Tallyvane DB.mdb")), "another name"));

    const QList<AutomaticBackups::Copy> copies = backups().copies();
    QStringList names;
    QList<QDateTime> times;
    QList<qint64> customers;
    for (const AutomaticBackups::Copy& copy : copies) {
        names << QFileInfo(copy.path).fileName();
        times << copy.taken;
        customers << copy.customers;
        QCOMPARE(copy.bytes, QFileInfo(copy.path).size());
    }
    QCOMPARE(names, QStringList({"Tallyvane DB 2026-01-05 10-00-00.mdb",
                                 "Tallyvane DB 2026-01-05 09-00-00 (2).mdb",
                                 "Tallyvane DB 2026-01-05 09-00-00.mdb",
                                 "Tallyvane DB 2025-12-31 23-59-59.mdb"}));
    QCOMPARE(times, QList<QDateTime>({m_now, m_now.addSecs(-3600), m_now.addSecs(-3600),
                                      QDateTime(QDate(2025, 12, 31), QTime(23, 59, 59))}));
    QCOMPARE(customers, QList<qint64>({5, 4, 3, -1}));
    QVERIFY(QFileInfo::exists(unreadable));
}

QTEST_GUILESS_MAIN(tst_automaticbackups)
#include "tst_automaticbackups.moc"
