#include "CustomerList.h"
#include "ServerBackup.h"
#include "StoreBackend.h"

#include <QtTest>

// Backups of a server's customers are customer files like a local
// backup's, and restore onto the server in one transaction.
class TestServerBackup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void backupOpensAnywhereAndRestoresBack();
    void failedRestoreChangesNothing_data();
    void failedRestoreChangesNothing();
    void failedBackupLeavesTheTargetAsItWas();

private:
    QStringList serverNames();

    std::unique_ptr<StoreBackend> m_server;
    std::unique_ptr<PgCustomerStore> m_store;
    QTemporaryDir m_folder;
};

namespace {

QStringList namesIn(CustomerStore& store)
{
    QStringList names;
    const Result scanned = store.scanSummaries([&](CustomerSummary& row) { names << row.name; });
    return scanned.ok() ? names : QStringList{scanned.message()};
}

} // namespace

void TestServerBackup::init()
{
    m_server = StoreBackend::make(QStringLiteral("server"));
    if (!m_server)
        QSKIP("No database server to test against: scripts/test starts one.");
    m_store.reset(static_cast<PgCustomerStore*>(m_server->newStore().release()));
    QVERIFY(m_store->open().ok());
    for (const QString& name : {QStringLiteral("Ann"), QString::fromUtf8("Zoë Ørsted 東京"), QString(65536, 'x')})
        QVERIFY(m_store->append(customer(name)).ok());
}

QStringList TestServerBackup::serverNames()
{
    return namesIn(*m_store);
}

void TestServerBackup::backupOpensAnywhereAndRestoresBack()
{
    const QStringList names = serverNames();
    const QString file = m_folder.filePath(QStringLiteral("backup.mdb"));
    QVERIFY(ServerBackup(*m_store).backUp(file).ok());
    {
        SqliteCustomerStore local(file);
        QVERIFY(local.open().ok());
        QCOMPARE(namesIn(local), names);
        CustomerRecord first;
        QVERIFY(local.read(1, &first).ok());
        QCOMPARE(first, customer("Ann"));
    }

    const std::unique_ptr<CustomerStore> otherStore = m_server->newStore();
    QVERIFY(otherStore->open().ok());
    CustomerList otherCounter(*otherStore);
    QVERIFY(otherCounter.RefreshList().ok());
    QVERIFY(m_store->append(customer("Zed")).ok());
    QVERIFY(ServerBackup(*m_store).restore(file).ok());
    QCOMPARE(serverNames(), names);
    QList<HistoryEntry> entries;
    QVERIFY(m_store->history({}, &entries).ok());
    QCOMPARE(entries.first().kind, ChangeKind::Restore);
    QCOMPARE(entries.first().note, QStringLiteral("3 customers restored from backup.mdb"));

    // The other counter is told to read the list whole.
    bool changed = false;
    for (int tries = 0; tries < 200 && !changed; ++tries) {
        qint64 count = 0;
        otherStore->rowCount(&count);
        QVERIFY(otherCounter.followOutsideChanges(&changed).ok());
    }
    QVERIFY(changed);
    QVERIFY(otherCounter.RefreshList().ok());
    QCOMPARE(otherCounter.names(), names);
}

void TestServerBackup::failedRestoreChangesNothing_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("reason");
    QTest::newRow("not a customer database") << "CREATE TABLE Orders (item TEXT)" << "no table Info";
    QTest::newRow("a text the server cannot hold")
        << "CREATE TABLE Info (" + QString::fromLatin1(CustomerRecord::quotedColumns(" TEXT"))
               + "); INSERT INTO Info (name) VALUES ('A' || char(0) || 'B')"
        << "zero character";
}

void TestServerBackup::failedRestoreChangesNothing()
{
    QFETCH(QString, sql);
    QFETCH(QString, reason);
    TestDatabase source;
    QVERIFY(source.execute(sql));
    const QByteArray bytes = source.bytes();
    const QStringList names = serverNames();

    const Result restored = ServerBackup(*m_store).restore(source.path());
    QVERIFY(!restored.ok());
    QVERIFY2(restored.message().contains(reason), qPrintable(restored.message()));
    QVERIFY2(restored.message().contains(QStringLiteral("its customers are as they were")),
             qPrintable(restored.message()));
    QCOMPARE(serverNames(), names);
    QCOMPARE(source.bytes(), bytes);
}

void TestServerBackup::failedBackupLeavesTheTargetAsItWas()
{
    const QString target = m_folder.filePath(QStringLiteral("backup.mdb"));
    QFile earlier(target);
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("an earlier backup") > 0);
    earlier.close();
    m_store->close();

    const Result backedUp = ServerBackup(*m_store).backUp(target);
    QVERIFY(!backedUp.ok());
    QVERIFY2(backedUp.message().contains(QStringLiteral("is not open")), qPrintable(backedUp.message()));
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("an earlier backup"));
    QCOMPARE(QDir(m_folder.path()).entryList(QDir::Files), QStringList{"backup.mdb"});
}

QTEST_GUILESS_MAIN(TestServerBackup)
#include "tst_serverbackup.moc"
