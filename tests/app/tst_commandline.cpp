#include "CommandLine.h"

#include <QTest>

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void answersWithoutStartingTheWindows_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("answerParts");

        const QStringList version{QStringLiteral("tallyvane " TALLYVANE_VERSION "\n")};
        QTest::newRow("no arguments start the windows") << QStringList() << 0 << QStringList();
        QTest::newRow("version") << QStringList{"--version"} << 0 << version;
        QTest::newRow("short version") << QStringList{"-v"} << 0 << version;
        QTest::newRow("help names the program and its options")
            << QStringList{"--help"} << 0
            << QStringList{"Usage: tallyvane [options]\n", "-h, --help", "-v, --version"};
        QTest::newRow("unknown option")
            << QStringList{"--bogus"} << 1
            << QStringList{"tallyvane: Unknown option 'bogus'.\nTry 'tallyvane --help'.\n"};
        QTest::newRow("database without its URI")
            << QStringList{"--database"} << 1 << QStringList{"tallyvane: Missing value after '--database'."};
        QTest::newRow("argument")
            << QStringList{"customers.db"} << 1
            << QStringList{"tallyvane: Unexpected argument 'customers.db'.\nTry 'tallyvane --help'.\n"};
    }

    void answersWithoutStartingTheWindows()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QStringList, answerParts);

        const CommandLine commandLine(QStringList{"/usr/bin/tallyvane"} + arguments);
        QCOMPARE(commandLine.answered(), !answerParts.isEmpty());
        QCOMPARE(commandLine.exitCode(), exitCode);
        for (const QString& part : answerParts)
            QVERIFY2(commandLine.answer().contains(part), qPrintable(commandLine.answer()));
    }

    void namesTheDatabaseServer()
    {
        const QString uri = QStringLiteral("postgresql://counter@shop-server/tallyvane");
        QCOMPARE(CommandLine(QStringList{"tallyvane", "--database", uri}).database(), uri);
        QCOMPARE(CommandLine(QStringList{"tallyvane"}).database(), QString());
    }
};

QTEST_APPLESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
