// The program's start: splash, the main window brought up hidden, the
// log-on, and on a first run the setup, with the timers driven directly.
#include "FakeDialogs.h"
#include "FrmEdit.h"
#include "FrmMain.h"
#include "FrmNew.h"
#include "Logon.h"
#include "ProgramWindows.h"
#include "Schedule.h"
#include "frmDemo2.h"
#include "SettingsStore.h"
#include "SqliteCustomerStore.h"
#include "ToolPicture.h"
#include "first.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

bool centredOnItsScreen(const QWidget* window)
{
    const QPoint offset = window->geometry().center() - window->screen()->availableGeometry().center();
    return offset.manhattanLength() <= 1;
}

QDateTime now()
{
    return QDateTime(QDate(2026, 12, 6), QTime(9, 15, 0));
}

class Program
{
public:
    Program()
        : store(folder.filePath(QStringLiteral("Other/Tallyvane DB.mdb"))),
          settings(folder.filePath(QStringLiteral("settings.ini")))
    {
    }

    void seed(int customers)
    {
        QVERIFY(store.open().ok());
        for (int i = 0; i < customers; ++i)
            QVERIFY(store.append(CustomerRecord::fromList(QStringList(16, QStringLiteral("Ann")))).ok());
        store.close();
    }

    ProgramWindows& start()
    {
        windows = std::make_unique<ProgramWindows>(
            ProgramServices{store, settings, dialogs, folder.path(), [] { return now(); }});
        windows->start();
        return *windows;
    }

    // The splash's 4 seconds, over at once.
    ProgramWindows& startPastTheSplash()
    {
        start();
        windows->splash()->timeUp();
        return *windows;
    }

    QTemporaryDir folder;
    SqliteCustomerStore store;
    SettingsStore settings;
    FakeDialogs dialogs;
    std::unique_ptr<ProgramWindows> windows;
};

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void splashGivesWayToTheLogonWithTheMainWindowReady()
    {
        Program program;
        program.settings.SaveSetting(Settings::FirstTimeRun, QStringLiteral("1"));
        program.seed(3);
        ProgramWindows& windows = program.start();
        QVERIFY(windows.splash()->isVisible());
        // Nothing is read before the log-on appears.
        QVERIFY(!windows.logon());
        QVERIFY(!program.store.isOpen());

        QPointer<FrmSplash> splash = windows.splash();
        splash->timeUp();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!splash);
        QVERIFY(windows.logon()->isVisible());
        // Before anyone logs on, the store is open and the list filled.
        QVERIFY(program.store.isOpen());
        QCOMPARE(windows.main()->customers().count(), 3);
        QVERIFY(windows.main()->isHidden());
    }

    void logOnShowsTheMainWindowAndLogOutComesBack()
    {
        Program program;
        program.settings.SaveSetting(Settings::FirstTimeRun, QStringLiteral("1"));
        program.settings.SaveSetting(Settings::Password, QStringLiteral("secret"));
        ProgramWindows& windows = program.startPastTheSplash();
        const LogonControls& logon = windows.logon()->controls();
        logon.Combo1->setCurrentIndex(logon.Combo1->findText(QStringLiteral("Database Administrator")));
        logon.Text1->setText(QStringLiteral("secret"));
        windows.logon()->applyEnablingRules();
        QVERIFY(centredOnItsScreen(windows.logon()));
        windows.logon()->move(3, 4);
        windows.logon()->logOn();
        QVERIFY(windows.main()->isVisible());
        QVERIFY(centredOnItsScreen(windows.main()));
        QCOMPARE(windows.main()->session().role, QStringLiteral("Admin"));

        program.dialogs.queueAnswer(MessageAnswer::Yes);
        windows.main()->logOut();
        QVERIFY(windows.main()->isHidden());
        QVERIFY(windows.logon()->isVisible());
        // Shown again, it stays where the operator left it.
        QCOMPARE(windows.logon()->pos(), QPoint(3, 4));
        QVERIFY(logon.Text1->text().isEmpty());
    }

    void firstRunGoesToTheSetupAndTheMainWindowFollowsItsSave()
    {
        Program program;
        ProgramWindows& windows = program.startPastTheSplash();
        QVERIFY(windows.logon()->isVisible());
        windows.main()->roleRulesTick();
        windows.main()->roleRulesTick();
        QVERIFY(windows.setup()->isVisible());
        QVERIFY(centredOnItsScreen(windows.setup()));
        QVERIFY(windows.logon()->isHidden());
        QVERIFY(windows.main()->isHidden());
        // The redirect is recorded once as the last use.
        QCOMPARE(program.settings.GetSetting(Settings::HistoryUser), QStringLiteral("None"));
        QCOMPARE(program.settings.GetSetting(Settings::History),
                 QStringLiteral("Date: 12/6/2026 At: 9:15:00 AM"));
        QFile settingsFile(program.settings.fileName());
        QVERIFY(settingsFile.open(QIODevice::ReadOnly));
        QVERIFY(settingsFile.readAll().contains("historyuser=None"));

        const firstControls& setup = windows.setup()->controls();
        setup.Text1->setText(QStringLiteral("Maria Lopez"));
        setup.Text2->setText(QStringLiteral("555-0100"));
        setup.Text4->setText(QStringLiteral("secret"));
        windows.setup()->enableSave();
        QVERIFY(windows.setup()->save());
        QVERIFY(windows.main()->isVisible());
        // Shown without a log-on: role "0", the tools as they were, every lock mark showing.
        windows.main()->roleRulesTick();
        QCOMPARE(windows.main()->session().role, QStringLiteral("0"));
        for (const ToolPicture* tool : {windows.main()->controls().Image2, windows.main()->controls().Image6}) {
            QVERIFY(tool->isEnabled());
            QVERIFY(tool->lockMarkVisible());
        }
    }

    void cancellingTheFirstSetupBringsItBack()
    {
        Program program;
        ProgramWindows& windows = program.startPastTheSplash();
        windows.main()->roleRulesTick();
        QVERIFY(windows.setup()->isVisible());
        QSignalSpy finished(&windows, &ProgramWindows::finished);
        windows.setup()->cancel();
        QVERIFY(windows.setup()->isVisible());
        QCOMPARE(finished.count(), 0);
    }

    void oneFormOfEachKindAtATime()
    {
        Program program;
        program.settings.SaveSetting(Settings::FirstTimeRun, QStringLiteral("1"));
        program.seed(2);
        ProgramWindows& windows = program.startPastTheSplash();
        QVERIFY(!windows.schedule());
        emit windows.main()->scheduleRequested();
        Schedule* schedule = windows.schedule();
        QVERIFY(schedule && schedule->isVisible());
        emit windows.main()->scheduleRequested();
        QCOMPARE(windows.schedule(), schedule);
        QVERIFY(schedule->isVisible());

        emit windows.main()->creditsRequested();
        QVERIFY(windows.credits()->isVisible());

        // F2 while the form is open brings it forward with what was typed.
        emit windows.main()->addCustomerRequested();
        FrmNew* added = windows.newCustomer();
        QVERIFY(added && added->isVisible());
        added->controls().details[0]->setText(QStringLiteral("Ann"));
        emit windows.main()->addCustomerRequested();
        QCOMPARE(windows.newCustomer(), added);
        QCOMPARE(added->controls().details[0]->text(), QStringLiteral("Ann"));
        added->close();
        emit windows.main()->addCustomerRequested();
        QCOMPARE(added->controls().details[0]->text(), QString());

        // The edit form opens from the customer selected then.
        windows.main()->selectPosition(1);
        emit windows.main()->updateCustomerRequested();
        FrmEdit* edited = windows.editCustomer();
        QVERIFY(edited && edited->isVisible());
        QCOMPARE(edited->customer().row, windows.main()->customers().rowAt(1));
        // Credits.txt is not in this program folder: told once.
        QCOMPARE(program.dialogs.messages().size(), 1);
    }

    void aDatabaseThatCannotBeOpenedEndsTheProgram()
    {
        Program program;
        QDir().mkpath(program.folder.filePath(QStringLiteral("Other")));
        QFile foreign(program.folder.filePath(QStringLiteral("Other/Tallyvane DB.mdb")));
        QVERIFY(foreign.open(QIODevice::WriteOnly));
        foreign.write("not a database");
        foreign.close();
        program.start();
        QSignalSpy finished(program.windows.get(), &ProgramWindows::finished);
        program.windows->splash()->timeUp();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(program.dialogs.messages().size(), 1);
        QCOMPARE(program.dialogs.messages().constFirst().icon, MessageIcon::Critical);
        QVERIFY(!program.windows->logon());
    }

    void cancellingTheLogonClosesEverything()
    {
        Program program;
        program.settings.SaveSetting(Settings::FirstTimeRun, QStringLiteral("1"));
        ProgramWindows& windows = program.startPastTheSplash();
        QSignalSpy finished(&windows, &ProgramWindows::finished);
        windows.logon()->close(); // as "Cancel" does
        QCOMPARE(finished.count(), 1);
        QVERIFY(windows.main()->isHidden());
        QCOMPARE(program.settings.GetSetting(Settings::History),
                 QStringLiteral("Date: 12/6/2026 At: 9:15:00 AM"));
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
