#include "DatabaseBackup.h"
#include "FailingCustomerStore.h"
#include "SqliteCustomerStore.h"
#include "FileSizeLimit.h"
#include "TestDatabase.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <memory>
#include <system_error>

#include <sys/resource.h>
#include <unistd.h>

namespace {

// A file's bytes and last change, to tell that nothing touched it.
struct FileState
{
    QByteArray bytes;
    QDateTime modified;

    bool operator==(const FileState& other) const
    {
        return bytes == other.bytes && modified == other.modified;
    }
};

FileState stateOf(const QString& path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return {file.readAll(), QFileInfo(path).fileTime(QFileDevice::FileModificationTime)};
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

bool runSql(const QString& path, const QString& sql)
{
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    const bool ok = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

// CREATE TABLE Info with the sixteen columns, all TEXT but Price.
QString createInfo(const QString& priceType)
{
    QStringList columns;
    for (CustomerRecord::Field field : CustomerRecord::AllFields)
        columns << QStringLiteral("\"%1\" %2").arg(CustomerRecord::columnName(field),
                                                   field == CustomerRecord::Field::Price
                                                       ? priceType : QStringLiteral("TEXT"));
    return QStringLiteral("CREATE TABLE Info (%1)").arg(columns.join(QStringLiteral(", ")));
}

// Appends `rows` generated customers in one transaction.
QString appendCustomers(int rows)
{
    return QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                          "INSERT INTO Info SELECT 'Customer ' || i, i || ' Long Street', 'Country', "
                          "'City', 'Zip', 'Phone', 'Fax', 'mail', 'State', 'Product', '1', '2.50', "
                          "'1/1/2026', 'Cash', '0', 'f' FROM n").arg(rows);
}

// A customer database of `rows` generated customers, several pages long.
QString createFilledInfo(int rows)
{
    return createInfo(QStringLiteral("TEXT")) + QStringLiteral("; ") + appendCustomers(rows);
}


const QString kBackupName = QStringLiteral("Customers backup.mdb");
const QString kLiveName = QStringLiteral("Tallyvane DB.mdb");

} // namespace

class tst_databasebackup : public QObject
{
    Q_OBJECT

public:
    enum class Prepare { Nothing, LockedFolder, Folder, LiveFile };
    enum class Source { Unchosen, Missing, LiveFile, Bytes, Sql, Truncated, Overwritten };
    Q_ENUM(Prepare)
    Q_ENUM(Source)

private slots:
    void init();
    void cleanup();
    void roundTrip_data();
    void roundTrip();
    void backUpRefused_data();
    void backUpRefused();
    void copyThatFailsMidway_data();
    void copyThatFailsMidway();
    void restoreRefused_data();
    void restoreRefused();
    void restoredFileThatWillNotOpenIsPutBack();
    void restoreTakesWhatALogBesideTheFileHolds();
    void restoresKeepTheLastSafetyCopies_data();
    void restoresKeepTheLastSafetyCopies();
    void staleTemporaryFilesAreRemoved_data();
    void staleTemporaryFilesAreRemoved();

private:
    QStringList names() const;
    QString liveFolder() const { return QFileInfo(m_live->path()).absolutePath(); }
    QString prepareSource(Source source, const QString& argument) const;

    std::unique_ptr<TestDatabase> m_live;
    std::unique_ptr<SqliteCustomerStore> m_store;
    std::unique_ptr<QTemporaryDir> m_folder;
};

void tst_databasebackup::init()
{
    m_live = std::make_unique<TestDatabase>();
    m_folder = std::make_unique<QTemporaryDir>();
    m_store = std::make_unique<SqliteCustomerStore>(m_live->path());
    QVERIFY(m_store->open().ok());
    for (const char* name : {"Ann", "Bob", "Cleo"})
        QVERIFY(m_store->append(customer(QString::fromLatin1(name))).ok());
}

void tst_databasebackup::cleanup()
{
    m_store.reset();
    m_live.reset();
    m_folder.reset();
}

QStringList tst_databasebackup::names() const
{
    QStringList names;
    const Result scanned = m_store->scanSummaries([&](CustomerSummary& row) { names << row.name; });
    return scanned.ok() ? names : QStringList{scanned.message()};
}

void tst_databasebackup::roundTrip_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("earlierBackup");
    QTest::newRow("new file") << kBackupName << false;
    QTest::newRow("over an earlier backup") << kBackupName << true;
    QTest::newRow("named Tallyvane.mdb") << QStringLiteral("Tallyvane.mdb") << false;
}

void tst_databasebackup::roundTrip()
{
    QFETCH(QString, fileName);
    QFETCH(bool, earlierBackup);
    const QString backup = m_folder->filePath(fileName);
    if (earlierBackup)
        QVERIFY(writeFile(backup, "an earlier backup"));
    DatabaseBackup tool(*m_store, m_live->path());

    const Result backedUp = tool.backUp(backup);
    QVERIFY2(backedUp.ok(), qPrintable(backedUp.message()));
    QVERIFY(m_store->isOpen());
    QCOMPARE(filesIn(m_folder->path()), QStringList{fileName});

    QVERIFY(m_store->append(customer(QStringLiteral("Dora"))).ok());
    QCOMPARE(names(), QStringList({"Ann", "Bob", "Cleo", "Dora"}));
    const FileState chosen = stateOf(backup);

    const Result restored = tool.restore(backup);
    QVERIFY2(restored.ok(), qPrintable(restored.message()));
    QVERIFY(m_store->isOpen());
    QCOMPARE(names(), QStringList({"Ann", "Bob", "Cleo"}));
    QVERIFY(stateOf(backup) == chosen);
    QCOMPARE(filesIn(m_folder->path()), QStringList{fileName});
    QCOMPARE(filesIn(liveFolder()), QStringList({kLiveName, QFileInfo(tool.keptPrevious()).fileName()}));
}

void tst_databasebackup::backUpRefused_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<Prepare>("prepare");
    QTest::addColumn<QString>("named");
    QTest::newRow("no target chosen") << QString() << Prepare::Nothing << "No file has been chosen";
    QTest::newRow("folder missing") << "missing/" + kBackupName << Prepare::Nothing << "missing";
    QTest::newRow("unwritable folder") << "locked/" + kBackupName << Prepare::LockedFolder << "locked";
    QTest::newRow("target is a folder") << QStringLiteral("a folder") << Prepare::Folder << "a folder";
    QTest::newRow("target is the database in use") << QString() << Prepare::LiveFile << kLiveName;
}

void tst_databasebackup::backUpRefused()
{
    QFETCH(QString, target);
    QFETCH(Prepare, prepare);
    QFETCH(QString, named);
    const QString locked = m_folder->filePath(QStringLiteral("locked"));
    if (!target.isEmpty())
        target = m_folder->filePath(target);
    if (prepare == Prepare::LockedFolder) {
        QVERIFY(QDir().mkpath(locked));
        QVERIFY(writeFile(target, "an earlier backup"));
        QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
        if (access(QFile::encodeName(locked).constData(), W_OK) == 0)
            QSKIP("This user may write into any folder.");
    }
    if (prepare == Prepare::Folder)
        QVERIFY(QDir().mkpath(target));
    if (prepare == Prepare::LiveFile)
        target = m_live->path();
    const QString targetFolder = target.isEmpty() ? m_folder->path() : QFileInfo(target).absolutePath();
    const FileState before = stateOf(target);
    const QStringList files = filesIn(targetFolder);

    const Result backedUp = DatabaseBackup(*m_store, m_live->path()).backUp(target);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QVERIFY(!backedUp.ok());
    QVERIFY2(backedUp.message().contains(named), qPrintable(backedUp.message()));
    QVERIFY(stateOf(target) == before);
    QCOMPARE(filesIn(targetFolder), files);
    QCOMPARE(filesIn(liveFolder()), QStringList{kLiveName});
    QVERIFY(m_store->isOpen());
    QCOMPARE(names(), QStringList({"Ann", "Bob", "Cleo"}));
}

void tst_databasebackup::copyThatFailsMidway_data()
{
    QTest::addColumn<bool>("restoring");
    QTest::newRow("backup") << false;
    QTest::newRow("restore") << true;
}

void tst_databasebackup::copyThatFailsMidway()
{
    QFETCH(bool, restoring);
    QVERIFY(m_live->execute(appendCustomers(300)));
    DatabaseBackup tool(*m_store, m_live->path());
    const QString other = m_folder->filePath(kBackupName);
    if (restoring) {
        QVERIFY(tool.backUp(other).ok());
        QVERIFY(m_store->append(customer(QStringLiteral("Dora"))).ok());
    } else {
        QVERIFY(writeFile(other, "an earlier backup"));
    }
    const FileState chosen = stateOf(other);
    const FileState live = stateOf(m_live->path());
    QVERIFY(live.bytes.size() > 3 * 10000);

    Result copied = Result::success();
    {
        const FileSizeLimit fullAfter(10000);
        copied = restoring ? tool.restore(other) : tool.backUp(other);
    }
    QVERIFY(!copied.ok());
    const QString reason = QString::fromStdString(std::generic_category().message(EFBIG));
    QVERIFY2(copied.message().contains(reason) && copied.message().contains(kBackupName),
             qPrintable(copied.message()));
    QVERIFY(stateOf(other) == chosen);
    QVERIFY(stateOf(m_live->path()) == live);
    QCOMPARE(filesIn(m_folder->path()), QStringList{kBackupName});
    QCOMPARE(filesIn(liveFolder()), QStringList{kLiveName});
    QVERIFY(m_store->isOpen());
    QCOMPARE(names().size(), restoring ? 304 : 303);
}

void tst_databasebackup::restoreRefused_data()
{
    QTest::addColumn<Source>("source");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no file chosen") << Source::Unchosen << QString() << "No file has been chosen";
    QTest::newRow("missing file") << Source::Missing << QString() << "does not exist";
    QTest::newRow("the database in use itself") << Source::LiveFile << QString() << "in use itself";
    QTest::newRow("text file") << Source::Bytes << "name,Address\nAnn,1 Street\n"
                               << "not a customer database";
    QTest::newRow("empty file") << Source::Bytes << QString() << "no table Info";
    QTest::newRow("truncated database") << Source::Truncated << QString() << kBackupName;
    QTest::newRow("overwritten pages") << Source::Overwritten << QString() << "damaged";
    QTest::newRow("SQLite file without Info")
        << Source::Sql << "CREATE TABLE Customers (name TEXT)" << "no table Info";
    QTest::newRow("Info with too few columns")
        << Source::Sql << "CREATE TABLE Info (name TEXT, Address TEXT)" << "no column \"Country\"";
    QTest::newRow("Info with a number column")
        << Source::Sql << createInfo(QStringLiteral("REAL")) << "\"Price\" of its table Info is not a text column";
}

// The file a restore row reads from, made as the row says.
QString tst_databasebackup::prepareSource(Source source, const QString& argument) const
{
    const QString path = m_folder->filePath(kBackupName);
    const int pageSize = 4096;
    switch (source) {
    case Source::Unchosen:
        return QString();
    case Source::Missing:
        return path;
    case Source::LiveFile:
        return liveFolder() + QStringLiteral("/../Other/") + kLiveName;
    case Source::Bytes:
        writeFile(path, argument.toUtf8());
        return path;
    case Source::Sql:
        runSql(path, argument);
        return path;
    case Source::Truncated:
        runSql(path, createFilledInfo(2000));
        writeFile(path, stateOf(path).bytes.left(20 * pageSize));
        return path;
    case Source::Overwritten: {
        runSql(path, createFilledInfo(2000));
        QByteArray bytes = stateOf(path).bytes;
        bytes.replace(2 * pageSize, pageSize, QByteArray(pageSize, '\x5a'));
        writeFile(path, bytes);
        return path;
    }
    }
    return path;
}

void tst_databasebackup::restoreRefused()
{
    QFETCH(Source, source);
    QFETCH(QString, argument);
    QFETCH(QString, reason);
    const QString path = prepareSource(source, argument);
    const FileState chosen = stateOf(path);
    const FileState live = stateOf(m_live->path());
    const QStringList files = filesIn(m_folder->path());
    const QStringList liveFiles = filesIn(liveFolder());

    const Result restored = DatabaseBackup(*m_store, m_live->path()).restore(path);

    QVERIFY(!restored.ok());
    QVERIFY2(restored.message().contains(reason), qPrintable(restored.message()));
    QVERIFY(stateOf(m_live->path()) == live);
    QVERIFY(stateOf(path) == chosen);
    QCOMPARE(filesIn(m_folder->path()), files);
    QCOMPARE(filesIn(liveFolder()), liveFiles);
    QVERIFY(m_store->isOpen());
    QCOMPARE(names(), QStringList({"Ann", "Bob", "Cleo"}));
}

void tst_databasebackup::restoredFileThatWillNotOpenIsPutBack()
{
    FailingCustomerStore store(*m_store);
    DatabaseBackup tool(store, m_live->path());
    const QString backup = m_folder->filePath(kBackupName);
    QVERIFY(tool.backUp(backup).ok());
    QVERIFY(m_store->append(customer(QStringLiteral("Dora"))).ok());
    const FileState live = stateOf(m_live->path());

    store.setFailing(FailingCustomerStore::Operation::Open);
    const Result restored = tool.restore(backup);

    QVERIFY(!restored.ok());
    const QString message = restored.message();
    QVERIFY2(message.contains(FailingCustomerStore::failureMessage(FailingCustomerStore::Operation::Open))
                 && message.contains(QLatin1String("has been put back")),
             qPrintable(message));
    QVERIFY(stateOf(m_live->path()) == live);
    QCOMPARE(filesIn(liveFolder()), QStringList{kLiveName});
    store.setFailing(FailingCustomerStore::Operation::Open, false);
    QVERIFY(store.open().ok());
    QCOMPARE(names(), QStringList({"Ann", "Bob", "Cleo", "Dora"}));
}

// Another program may keep its latest changes in a write-ahead log beside
// the file; they belong to the database as much as the file does.
void tst_databasebackup::restoreTakesWhatALogBesideTheFileHolds()
{
    const QString source = m_folder->filePath(kBackupName);
    sqlite3* writer = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(source).constData(), &writer), SQLITE_OK);
    const QString sql = QStringLiteral("PRAGMA journal_mode = WAL; PRAGMA wal_autocheckpoint = 0; ")
        + createFilledInfo(2);
    QCOMPARE(sqlite3_exec(writer, sql.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    QVERIFY(QFileInfo(source + QStringLiteral("-wal")).size() > 0);
    const FileState chosen = stateOf(source);

    DatabaseBackup tool(*m_store, m_live->path());
    const Result restored = tool.restore(source);
    const FileState after = stateOf(source);
    sqlite3_close(writer);

    QVERIFY2(restored.ok(), qPrintable(restored.message()));
    QCOMPARE(names(), QStringList({"Customer 1", "Customer 2"}));
    QVERIFY(after == chosen);
    QCOMPARE(filesIn(liveFolder()), QStringList({kLiveName, QFileInfo(tool.keptPrevious()).fileName()}));
}

void tst_databasebackup::restoresKeepTheLastSafetyCopies_data()
{
    QTest::addColumn<int>("earlier");
    QTest::addColumn<int>("restores");
    QTest::newRow("first restore") << 0 << 1;
    QTest::newRow("restores within one second") << 0 << 3;
    QTest::newRow("beyond the last five") << 6 << 1;
}

// Each restore keeps the database it replaced under a dated name of its
// own; files of other names, alike as they look, are not ours to remove.
void tst_databasebackup::restoresKeepTheLastSafetyCopies()
{
    QFETCH(int, earlier);
    QFETCH(int, restores);
    const QString dated = m_live->path() + QStringLiteral(".before-restore-");
    QStringList kept;
    for (int day = 1; day <= earlier; ++day)
        kept << dated + QStringLiteral("2020-01-%1-101500").arg(day, 2, 10, QLatin1Char('0'));
    const QStringList foreign = {dated.chopped(1), dated + QStringLiteral("2020-01-01-101500.txt"),
                                 liveFolder() + QStringLiteral("/Other.mdb.before-restore-2020-01-01-101500")};
    for (const QString& file : kept + foreign)
        QVERIFY(writeFile(file, "not a database in use"));
    DatabaseBackup tool(*m_store, m_live->path());
    const QString backup = m_folder->filePath(kBackupName);
    QVERIFY(tool.backUp(backup).ok());
    QVERIFY(m_store->append(customer(QStringLiteral("Dora"))).ok());

    for (int restore = 0; restore < restores; ++restore) {
        QVERIFY(tool.restore(backup).ok());
        kept << tool.keptPrevious();
        QVERIFY2(tool.keptPreviousNote().contains(
                     QStringLiteral("kept as \"%1\"").arg(QDir::toNativeSeparators(kept.last()))),
                 qPrintable(tool.keptPreviousNote()));
    }
    QStringList expected{kLiveName};
    for (const QString& file : kept.mid(kept.size() - std::min<int>(kept.size(), 5)) + foreign)
        expected << QFileInfo(file).fileName();
    expected.sort();
    QStringList files = filesIn(liveFolder());
    files.sort();
    QCOMPARE(files, expected);

    QVERIFY(tool.restore(kept.at(earlier)).ok());
    QCOMPARE(names(), QStringList({"Ann", "Bob", "Cleo", "Dora"}));
    QVERIFY(QFileInfo::exists(kept.at(earlier)));
}

void tst_databasebackup::staleTemporaryFilesAreRemoved_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("minutesOld");
    QTest::addColumn<bool>("removed");
    const QString partial = kBackupName + QStringLiteral(".partial-");
    QTest::newRow("left by a killed backup") << partial + "aB3dEf" << 61 << true;
    QTest::newRow("of a backup still running") << partial + "aB3dEf" << 5 << false;
    QTest::newRow("longer name") << partial + "aB3dEfg" << 61 << false;
    QTest::newRow("of another target") << "Other.mdb.partial-aB3dEf" << 61 << false;
}

void tst_databasebackup::staleTemporaryFilesAreRemoved()
{
    QFETCH(QString, fileName);
    QFETCH(int, minutesOld);
    QFETCH(bool, removed);
    const QString path = m_folder->filePath(fileName);
    QVERIFY(writeFile(path, "half a copy"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60 * minutesOld),
                             QFileDevice::FileModificationTime));
    file.close();

    QVERIFY(DatabaseBackup(*m_store, m_live->path()).backUp(m_folder->filePath(kBackupName)).ok());

    QCOMPARE(QFileInfo::exists(path), !removed);
    QCOMPARE(filesIn(m_folder->path()).size(), removed ? 1 : 2);
}

QTEST_GUILESS_MAIN(tst_databasebackup)
#include "tst_databasebackup.moc"
