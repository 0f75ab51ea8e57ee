#include "DatabaseChoice.h"
#include "FakeDialogs.h"
#include "StoreBackend.h"

#include <QtTest>

// The database the program starts with: the server named, or the local
// file; an unreachable server is named, and the operator chooses.
class TestDatabaseChoice : public QObject
{
    Q_OBJECT

private slots:
    void unreachableServerAsksWhatToDo_data()
    {
        QTest::addColumn<QList<std::optional<int>>>("choices");
        QTest::addColumn<QString>("started");
        QTest::newRow("the local file") << QList<std::optional<int>>{1} << "file";
        QTest::newRow("retried, then given up") << QList<std::optional<int>>{0, std::nullopt} << "nothing";
    }

    void unreachableServerAsksWhatToDo()
    {
        QFETCH(QList<std::optional<int>>, choices);
        QFETCH(QString, started);
        QTemporaryDir folder;
        const QString local = folder.filePath(QStringLiteral("Other/Tallyvane DB.mdb"));
        FakeDialogs dialogs;
        for (const std::optional<int>& choice : choices)
            dialogs.queueChoice(choice);

        const QString nowhere = QStringLiteral("postgresql:///shop?host=%1/no-server-here").arg(folder.path());
        const std::unique_ptr<CustomerStore> store = chooseDatabase(nowhere, local, dialogs);
        QCOMPARE(dialogs.messages().size(), choices.size());
        const QString asked = dialogs.messages().first().text;
        QVERIFY2(asked.contains(QStringLiteral("shop on this computer could not be reached")), qPrintable(asked));
        QVERIFY2(asked.contains(QStringLiteral("Retry")) && asked.contains(QStringLiteral("Use the local file")),
                 qPrintable(asked));
        QCOMPARE(store != nullptr, started == QLatin1String("file"));
        QVERIFY(!store || dynamic_cast<SqliteCustomerStore*>(store.get()));
        // Nothing was made anywhere while the operator chose.
        QVERIFY(!QFile::exists(local));
    }

    void reachableOrNoServerAsksNothing()
    {
        FakeDialogs dialogs;
        QTemporaryDir folder;
        const QString local = folder.filePath(QStringLiteral("Tallyvane DB.mdb"));
        QVERIFY(dynamic_cast<SqliteCustomerStore*>(chooseDatabase(QString(), local, dialogs).get()));
        const QString server = qEnvironmentVariable("TALLYVANE_TEST_DATABASE_URI");
        if (server.isEmpty())
            QSKIP("No database server to test against: scripts/test starts one.");
        const std::unique_ptr<CustomerStore> store = chooseDatabase(server, local, dialogs);
        QVERIFY(dynamic_cast<PgCustomerStore*>(store.get()));
        QVERIFY(store->isOpen());
        QVERIFY(dialogs.messages().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDatabaseChoice)
#include "tst_databasechoice.moc"
