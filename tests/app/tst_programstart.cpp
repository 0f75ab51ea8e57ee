// Where an installed or a portable program keeps its files, and one
// running program per user.
#include "ProgramFolder.h"
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kAnotherRuns = 3;

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ProgramStartTest : public QObject
{
    Q_OBJECT

private slots:
    void runFromItsOwnFolderKeepsFilesThere()
    {
        QTemporaryDir root;
        writeFile(root.filePath("build/bin/Other/TALLYVANE.html"), "guide");
        QString folder;
        QVERIFY(ProgramFolder(root.filePath("build/bin"), root.filePath("data")).prepare(&folder).ok());
        QCOMPARE(folder, root.filePath("build/bin"));
        QVERIFY(!QFileInfo::exists(root.filePath("data")));
    }

    void installedProgramKeepsFilesInTheUsersDataFolder()
    {
        QTemporaryDir root;
        writeFile(root.filePath("usr/share/tallyvane/Other/TALLYVANE.html"), "guide");
        writeFile(root.filePath("usr/share/tallyvane/Other/Report Generator.rtf"), "template");
        QDir().mkpath(root.filePath("usr/bin"));
        QFile::setPermissions(root.filePath("usr/share/tallyvane/Other/TALLYVANE.html"), QFile::ReadOwner);
        // The user's own copy of a template is kept as it is.
        writeFile(root.filePath("data/Other/Report Generator.rtf"), "my template");

        QString folder;
        const ProgramFolder installed(root.filePath("usr/bin"), root.filePath("data"));
        QCOMPARE(installed.installedShareFolder(), root.filePath("usr/share/tallyvane"));
        QVERIFY(installed.prepare(&folder).ok());
        QCOMPARE(folder, root.filePath("data"));
        QCOMPARE(readFile(root.filePath("data/Other/TALLYVANE.html")), QByteArray("guide"));
        QVERIFY(QFileInfo(root.filePath("data/Other/TALLYVANE.html")).permissions() & QFile::WriteOwner);
        QCOMPARE(readFile(root.filePath("data/Other/Report Generator.rtf")), QByteArray("my template"));
    }

    void secondStartAsksTheFirstToComeForward()
    {
        const QString key = QTemporaryDir().path() + QStringLiteral("/settings.ini");
        SingleInstance first(key);
        QVERIFY(first.claim());
        QSignalSpy raised(&first, &SingleInstance::activationRequested);

        QProcess second;
        second.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--second"), key});
        QVERIFY(second.waitForStarted());
        // The second program's question arrives while it waits for the answer.
        QVERIFY(raised.wait());
        // It may have ended while the spy waited.
        QVERIFY(second.state() == QProcess::NotRunning || second.waitForFinished());
        QCOMPARE(second.exitCode(), kAnotherRuns);
        QCOMPARE(raised.count(), 1);
    }

    void otherUsersDoNotMeet()
    {
        QVERIFY(SingleInstance::serverName(QStringLiteral("/home/ann/.config/Databases.ini"))
                != SingleInstance::serverName(QStringLiteral("/home/bob/.config/Databases.ini")));
    }
};

// Run with "--second KEY", the program is the second start of the test.
int main(int argc, char* argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--second") {
        QCoreApplication application(argc, argv);
        return SingleInstance(QString::fromLocal8Bit(argv[2])).claim() ? 0 : kAnotherRuns;
    }
    QCoreApplication application(argc, argv);
    ProgramStartTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_programstart.moc"
