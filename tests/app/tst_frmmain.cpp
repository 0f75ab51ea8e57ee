// The main window's roles, keys, pages, timers, log-out and unload, driven
// through its real controls with scripted dialogs.
#include "AccessibleNames.h"
#include "CutLabels.h"
#include "MainWindowFixture.h"
#include "MainWindowStart.h"
#include "ToolPicture.h"
#include "Picture.h"
#include "chameleonButton.h"
#include "xpWellsTab.h"

#include <QAccessible>
#include <QCalendarWidget>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QSignalSpy>

namespace {

QList<PanelGroup*> visiblePanels(const FrmMainControls& ui)
{
    QList<PanelGroup*> visible;
    for (PanelGroup* panel : ui.panels())
        if (!panel->isHidden())
            visible.append(panel);
    return visible;
}

} // namespace

class FrmMainTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // The longest texts the values take show whole on every page; the
    // test runs at 100 % and, under its own name, at 200 %.
    void longestValuesShowWhole()
    {
        MainWindowFixture fixture;
        fixture.settings.SaveSetting(Settings::HistoryUser, QStringLiteral("Database Administrator"));
        fixture.settings.SaveSetting(Settings::Name, QStringLiteral("Maria Fernanda López-García"));
        fixture.settings.SaveSetting(Settings::History, QStringLiteral("Date: 12/28/2026 At: 12:59:59 PM"));
        // What earlier setups stored when no currency was chosen.
        fixture.settings.SaveSetting(Settings::Currency1, QStringLiteral("Select Your Currency"));
        fixture.seed({MainWindowFixture::customer(QStringLiteral("Maria Fernanda López-García"),
                                                  QStringLiteral("99999"), QStringLiteral("99999999.99"))});
        FrmMain& window = fixture.open();
        const FrmMainControls& ui = fixture.ui();
        QCOMPARE(ui.GroupBox5->Label18->text(), QString());
        window.selectPosition(0);
        for (const QString& currency : {QString(), QStringLiteral("USD")}) {
            window.mirrorCurrencies(currency, currency);
            window.refreshCompanyStatus();
            window.refreshQuickStart();
            for (int tab = 1; tab <= 5; ++tab) {
                ui.xpWellsTab1->setSelectedTab(tab);
                window.switchPage();
                const QStringList cut = cutLabels(&window);
                QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
            }
        }
    }

    void loadReadsSettingsAndOpensOnQuickStart()
    {
        MainWindowFixture fixture;
        fixture.settings.SaveSetting(Settings::Currency1, QStringLiteral("€"));
        fixture.settings.SaveSetting(Settings::Currency2, QStringLiteral("£"));
        fixture.settings.SaveSetting(Settings::HistoryUser, QStringLiteral("Database Clerk"));
        fixture.settings.SaveSetting(Settings::Schedule, QStringLiteral("Dentist"));
        fixture.settings.SaveSetting(Settings::Restore, QStringLiteral("/media/usb/shop.mdb"));
        FrmMain& window = fixture.open();
        const FrmMainControls& ui = fixture.ui();
        QCOMPARE(window.windowTitle(), QStringLiteral("Tallyvane"));
        QCOMPARE(window.size(), QSize(592, 559));
        QCOMPARE(ui.xpWellsTab1->SelectedTab(), 5);
        QCOMPARE(visiblePanels(ui), QList<PanelGroup*>{ui.GroupBox9});
        QCOMPARE(ui.GroupBox5->Label18->text(), QStringLiteral("€"));
        QCOMPARE(ui.GroupBox5->Label19->text(), QStringLiteral("£"));
        QCOMPARE(ui.Label11->value(), QStringLiteral("Database Clerk"));
        QCOMPARE(ui.Label15->value(), QStringLiteral("Never Used"));
        QCOMPARE(ui.GroupBox15->Text26->toPlainText(), QStringLiteral("Dentist"));
        QCOMPARE(ui.GroupBox15->Calendar1->selectedDate(), MainWindowFixture::now().date());
        // The stored restore path survives the first refresh of the path fields.
        window.refreshPathFields();
        QCOMPARE(ui.GroupBox8->Text17->text(), QStringLiteral("/media/usb/shop.mdb"));
        QCOMPARE(fixture.settings.GetSetting(Settings::Restore), QStringLiteral("/media/usb/shop.mdb"));
    }

    void aFileThatIsNoCustomerDatabaseIsRefusedUntouched()
    {
        MainWindowFixture fixture;
        const QString file = fixture.folder.filePath(QStringLiteral("Other/Tallyvane DB.mdb"));
        QDir().mkpath(QFileInfo(file).path());
        const QByteArray foreign("Quarterly figures, not a database\n");
        QFile writer(file);
        QVERIFY(writer.open(QIODevice::WriteOnly));
        writer.write(foreign);
        writer.close();

        FrmMain window(FrmMainServices{fixture.store, fixture.settings, fixture.dialogs,
                                       fixture.folder.path()});
        QVERIFY(!loadMainWindow(window, fixture.dialogs, file));
        QCOMPARE(fixture.dialogs.messages().size(), 1);
        const FakeDialogs::Message& message = fixture.dialogs.messages().constFirst();
        QVERIFY(message.text.contains(QDir::toNativeSeparators(file)));
        QVERIFY(message.text.contains(QLatin1String("has not been changed")));
        QCOMPARE(message.icon, MessageIcon::Critical);
        QFile reader(file);
        QVERIFY(reader.open(QIODevice::ReadOnly));
        QCOMPARE(reader.readAll(), foreign);
    }

    void quickStartWithAnEmptyDatabase()
    {
        MainWindowFixture fixture;
        FrmMain& window = fixture.open();
        window.refreshCompanyStatus();
        window.refreshQuickStart();
        window.updateSearchTool();
        const QuickStartPage* page = fixture.ui().GroupBox9;
        QCOMPARE(page->Label70->value(), QStringLiteral("Healthy  "));
        QCOMPARE(page->Label47->value(), QStringLiteral("0 Records"));
        QCOMPARE(page->Label52->value(), QStringLiteral("0 Products Sold"));
        QCOMPARE(page->Label39->text(), QStringLiteral("$"));
        QCOMPARE(page->Label40->value(), QStringLiteral("0"));
        QVERIFY(page->Label65->value().endsWith(QLatin1String(" KB")));
        QCOMPARE(page->Label48->value(), QStringLiteral("12/6/2026 2:05:09 PM"));
        QCOMPARE(page->Label47->accessibleName(), QStringLiteral("Records Stored : 0 Records"));
        QVERIFY(!fixture.ui().Image7->isEnabled());
    }

    void quickStartFiguresFollowTheCustomers()
    {
        MainWindowFixture fixture;
        fixture.seed({MainWindowFixture::customer("Ann", "3", "2.5"),
                      MainWindowFixture::customer("Bob", "1", "2.5")});
        FrmMain& window = fixture.open();
        const QString sizeAtLoad = fixture.ui().GroupBox9->Label65->value();
        QVERIFY(window.AddUser(MainWindowFixture::customer("Cy", "2", "10")));
        window.RefreshList();
        window.refreshCompanyStatus();
        window.refreshQuickStart();
        const QuickStartPage* page = fixture.ui().GroupBox9;
        QCOMPARE(page->Label47->value(), QStringLiteral("3 Records"));
        QCOMPARE(page->Label52->value(), QStringLiteral("6 Products Sold"));
        QCOMPARE(page->Label40->value(), QStringLiteral("30")); // 8 + 2 + 20, rounded per customer
        QCOMPARE(page->Label65->value(), sizeAtLoad);
    }

    void roleRulesOnTheTools_data()
    {
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("permissions"); // delete, add, edit
        QTest::addColumn<QString>("enabled");     // add, update, delete, admin
        QTest::addColumn<QString>("locks");

        QTest::newRow("administrator") << "Admin" << "111" << "1111" << "0000";
        QTest::newRow("clerk allowed all") << "User" << "000" << "1110" << "0001";
        QTest::newRow("clerk may not delete") << "User" << "100" << "1100" << "0011";
        QTest::newRow("clerk may not add") << "User" << "010" << "0110" << "1001";
        QTest::newRow("clerk may not edit") << "User" << "001" << "1010" << "0101";
        QTest::newRow("no log-on yet") << "0" << "111" << "1111" << "1111";
    }

    void roleRulesOnTheTools()
    {
        QFETCH(QString, role);
        QFETCH(QString, permissions);
        MainWindowFixture fixture;
        FrmMain& window = fixture.open(role);
        window.setClerkPermissions(permissions.mid(0, 1), permissions.mid(1, 1), permissions.mid(2, 1));
        window.applyRoleRules();
        const FrmMainControls& ui = fixture.ui();
        QString enabled;
        QString locks;
        for (const ToolPicture* tool : {ui.Image2, ui.Image4, ui.Image3, ui.Image6}) {
            enabled += tool->isEnabled() ? '1' : '0';
            locks += tool->lockMarkVisible() ? '1' : '0';
        }
        QTEST(enabled, "enabled");
        QTEST(locks, "locks");
    }

    void roleRulesTimerRunsUntilTheToolsAreRight()
    {
        MainWindowFixture fixture;
        FrmMain& window = fixture.open();
        window.roleRulesTick();
        QVERIFY(!window.roleRulesTimerRunning());

        window.setRole(Session::clerk());
        window.setClerkPermissions(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0"));
        QVERIFY(window.roleRulesTimerRunning());
        window.roleRulesTick();
        QVERIFY(!fixture.ui().Image3->isEnabled());
        QVERIFY(window.roleRulesTimerRunning()); // that tick changed the tools
        window.roleRulesTick();
        QVERIFY(!window.roleRulesTimerRunning());
    }

    void functionKeysRespectTheLocks_data()
    {
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("permissions"); // delete, add, edit
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("adds");
        QTest::addColumn<int>("messages");

        QTest::newRow("F2 as administrator") << "Admin" << "000" << int(Qt::Key_F2) << 1 << 0;
        QTest::newRow("F2 as clerk allowed to add") << "User" << "000" << int(Qt::Key_F2) << 1 << 0;
        QTest::newRow("F2 as clerk not allowed to add") << "User" << "010" << int(Qt::Key_F2) << 0 << 0;
        QTest::newRow("F3 with nothing selected") << "Admin" << "000" << int(Qt::Key_F3) << 0 << 1;
        QTest::newRow("F3 as clerk not allowed to edit") << "User" << "001" << int(Qt::Key_F3) << 0 << 0;
    }

    void functionKeysRespectTheLocks()
    {
        QFETCH(QString, role);
        QFETCH(QString, permissions);
        QFETCH(int, key);
        MainWindowFixture fixture;
        FrmMain& window = fixture.open(role);
        window.setClerkPermissions(permissions.mid(0, 1), permissions.mid(1, 1), permissions.mid(2, 1));
        window.applyRoleRules();
        QSignalSpy adds(&window, &FrmMain::addCustomerRequested);
        QSignalSpy edits(&window, &FrmMain::updateCustomerRequested);
        QTest::keyClick(fixture.ui().List, Qt::Key(key));
        QTEST(int(adds.count()), "adds");
        QCOMPARE(edits.count(), 0);
        QTEST(int(fixture.dialogs.messages().size()), "messages");
        if (!fixture.dialogs.messages().isEmpty()) {
            const FakeDialogs::Message& message = fixture.dialogs.messages().constFirst();
            QCOMPARE(message.text, QStringLiteral("Please Select A Customer From Your Customer List"));
            QCOMPARE(message.title, QStringLiteral("A Customer Has Not Been Selected"));
            QCOMPARE(message.icon, MessageIcon::Information);
        }
    }

    void otherFunctionKeys()
    {
        MainWindowFixture fixture;
        FrmMain& window = fixture.open();
        QSignalSpy schedules(&window, &FrmMain::scheduleRequested);
        QSignalSpy credits(&window, &FrmMain::creditsRequested);
        QTest::keyClick(fixture.ui().Text7, Qt::Key_F4);
        QTest::keyClick(fixture.ui().Text7, Qt::Key_F12);
        QCOMPARE(schedules.count(), 1);
        QCOMPARE(credits.count(), 1);
        QTest::keyClick(fixture.ui().Text7, Qt::Key_F8);
        QCOMPARE(visiblePanels(fixture.ui()), QList<PanelGroup*>{fixture.ui().GroupBox14});
    }

    void tabsAndToolPagesShowExactlyOneGroup()
    {
        MainWindowFixture fixture;
        fixture.seed({MainWindowFixture::customer("Ann")});
        QFile report(fixture.folder.filePath(QStringLiteral("Other/Report Generator.rtf")));
        QVERIFY(report.open(QIODevice::WriteOnly));
        report.write("{\\rtf1 vNamev}");
        report.close();
        FrmMain& window = fixture.open();
        const FrmMainControls& ui = fixture.ui();
        // The report and the earnings chart are of the selected customer.
        window.selectPosition(0);
        window.refreshCompanyStatus();
        window.refreshQuickStart();
        const std::pair<ToolPicture*, PanelGroup*> tools[] = {
            {ui.Image27, ui.GroupBox15}, {ui.Image26, ui.GroupBox14}, {ui.Image5, ui.GroupBox7},
            {ui.Image21, ui.GroupBox10}, {ui.Image24, ui.GroupBox12}};
        for (const auto& [tool, page] : tools) {
            tool->click();
            QVERIFY(!window.pageTimerRunning());
            QCOMPARE(visiblePanels(ui), QList<PanelGroup*>{page});
            VERIFY_EVERY_CONTROL_NAMED(&window);
        }
        // A click on a tab gives the panel back to the tabs.
        QTest::mouseClick(ui.xpWellsTab1, Qt::LeftButton, {}, ui.xpWellsTab1->tabRect(2).center());
        QVERIFY(window.pageTimerRunning());
        QCOMPARE(visiblePanels(ui), QList<PanelGroup*>{ui.GroupBox5});
        for (int tab = 1; tab <= 5; ++tab) {
            ui.xpWellsTab1->setSelectedTab(tab);
            window.switchPage();
            QCOMPARE(visiblePanels(ui), QList<PanelGroup*>{ui.panels()[std::size_t(tab - 1)]});
            VERIFY_EVERY_CONTROL_NAMED(&window);
        }
    }

    void logOutAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("loggedOut");
        QTest::newRow("yes") << int(MessageAnswer::Yes) << true;
        QTest::newRow("no") << int(MessageAnswer::No) << false;
    }

    void logOutAsks()
    {
        QFETCH(int, answer);
        QFETCH(bool, loggedOut);
        MainWindowFixture fixture;
        FrmMain& window = fixture.open();
        QSignalSpy spy(&window, &FrmMain::loggedOut);
        fixture.dialogs.queueAnswer(MessageAnswer(answer));
        fixture.ui().Image9->click();
        const FakeDialogs::Message& message = fixture.dialogs.messages().constLast();
        QCOMPARE(message.text, QStringLiteral("Are You Sure You Want To Logout"));
        QCOMPARE(message.title, QStringLiteral("Logout"));
        QCOMPARE(message.buttons, MessageButtons::YesNo);
        QCOMPARE(spy.count(), loggedOut ? 1 : 0);
        QCOMPARE(window.isVisible(), !loggedOut);
        QCOMPARE(window.session().role, QStringLiteral("Admin"));
    }

    void unloadWritesTheHistory_data()
    {
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("operatorName");
        QTest::newRow("administrator") << "Admin" << "Database Administrator";
        QTest::newRow("clerk") << "User" << "Database Clerk";
        QTest::newRow("before any log-on") << "0" << "None";
    }

    void unloadWritesTheHistory()
    {
        QFETCH(QString, role);
        QFETCH(QString, operatorName);
        MainWindowFixture fixture;
        FrmMain& window = fixture.open(role);
        QSignalSpy unloaded(&window, &FrmMain::unloaded);
        window.close();
        QCOMPARE(unloaded.count(), 1);
        QCOMPARE(fixture.settings.GetSetting(Settings::HistoryUser), operatorName);
        QCOMPARE(fixture.settings.GetSetting(Settings::History),
                 QStringLiteral("Date: 12/6/2026 At: 2:05:09 PM"));
    }

    void clearSchedulesIsSavedOnTheNextTick()
    {
        MainWindowFixture fixture;
        fixture.settings.SaveSetting(Settings::Schedule, QStringLiteral("Date: 12/7/2026 At: 9"));
        FrmMain& window = fixture.open();
        SchedulerPage* page = fixture.ui().GroupBox15;
        QTest::keyClick(page->chameleonButton10, Qt::Key_Space);
        QCOMPARE(page->Text26->toPlainText(), QStringLiteral("None"));
        window.refreshScheduleAndClock();
        QCOMPARE(fixture.settings.GetSetting(Settings::Schedule), QStringLiteral("None"));
        QCOMPARE(page->Label74->value(), QStringLiteral("2:05:09 PM"));
    }

    void busyCheckStepsThroughTheCalendarsDate()
    {
        MainWindowFixture fixture;
        const QString book = QStringLiteral("Date: 12/6/2026 At: 9:00\r\nTo Do: a\r\n\r\n"
                                            "Date: 12/6/2026 At: 11:00\r\nTo Do: b\r\n\r\n");
        fixture.settings.SaveSetting(Settings::Schedule, book);
        FrmMain& window = fixture.open();
        window.refreshScheduleAndClock(); // the calendar's date text, today
        // The book is kept with its CR LF line breaks, not the box's.
        QCOMPARE(fixture.settings.GetSetting(Settings::Schedule), book);
        QCOMPARE(window.text(), book);
        SchedulerPage* page = fixture.ui().GroupBox15;
        QTest::keyClick(page->chameleonButton9, Qt::Key_Space);
        QCOMPARE(page->Text26->textCursor().selectedText(), QStringLiteral("12/6/2026"));
        QCOMPARE(page->Text26->textCursor().selectionStart(), 6);
        QTest::keyClick(page->chameleonButton9, Qt::Key_Space);
        // Found in the stored text, selected where the box shows it.
        QCOMPARE(page->Text26->textCursor().selectedText(), QStringLiteral("12/6/2026"));
        QCOMPARE(page->Text26->textCursor().selectionStart(), 41);
        QVERIFY(fixture.dialogs.messages().isEmpty());
        QTest::keyClick(page->chameleonButton9, Qt::Key_Space);
        QCOMPARE(fixture.dialogs.messages().size(), 1);
        QCOMPARE(fixture.dialogs.messages().constFirst().title, QStringLiteral("Busy"));

        window.setText(QStringLiteral("None"));
        QTest::keyClick(page->chameleonButton9, Qt::Key_Space);
        QCOMPARE(fixture.dialogs.messages().constLast().title, QStringLiteral("Not Busy"));
    }

    void firstRunHandsOverToTheSetup()
    {
        MainWindowFixture fixture;
        fixture.settings.SaveSetting(Settings::FirstTimeRun, QStringLiteral("0"));
        FrmMain& window = fixture.open();
        int handed = 0;
        window.setFirstRunHandler([&] { ++handed; });
        window.applyRoleRules();
        QCOMPARE(handed, 1);
        QVERIFY(window.isHidden());
        window.setFirstRunFlag(QStringLiteral("1"));
        window.applyRoleRules();
        QCOMPARE(handed, 1);
    }

    void helpAsksForTheHelpFile()
    {
        MainWindowFixture fixture;
        fixture.open();
        QTest::keyClick(fixture.ui().Image31, Qt::Key_Space);
        QCOMPARE(fixture.dialogs.helpFiles(),
                 QStringList{fixture.folder.filePath(QStringLiteral("Other/TALLYVANE.hlp"))});
    }

    void toolsAreKeyboardButtonsNamedByCaption()
    {
        MainWindowFixture fixture;
        FrmMain& window = fixture.open();
        QSignalSpy setup(&window, &FrmMain::setupRequested);
        ToolPicture* admin = fixture.ui().Image6;
        QVERIFY(admin->focusPolicy() & Qt::TabFocus);
        QTest::keyClick(admin, Qt::Key_Return);
        QTest::keyClick(admin, Qt::Key_Space);
        QCOMPARE(setup.count(), 2);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(admin);
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::Button);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Admin Options"));
    }
};

QTEST_MAIN(FrmMainTest)
#include "tst_frmmain.moc"
