// The log-on window driven through its real controls: the role choice,
// the password rules, Enter, Cancel, help, and the return after a log-out.
#include "AccessibleNames.h"
#include "FakeDialogs.h"
#include "Logon.h"
#include "PixelProbe.h"
#include "SettingsStore.h"
#include "ToolPicture.h"
#include "chameleonButton.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <memory>

namespace {

const QString kPassword = QStringLiteral("s3cret");

// A log-on window on settings of its own, with scripted dialogs.
class LogonFixture
{
public:
    explicit LogonFixture(const std::optional<QString>& stored = kPassword,
                          const QString& setupPassword = QString())
        : settings(folder.filePath(QStringLiteral("settings.ini")))
    {
        if (stored)
            settings.SaveSetting(Settings::Password, *stored);
        window = std::make_unique<Logon>(
            LogonServices{settings, dialogs, folder.path(), [setupPassword] { return setupPassword; }});
        window->show();
        QApplication::setActiveWindow(window.get());
        loggedOn = std::make_unique<QSignalSpy>(window.get(), &Logon::loggedOn);
        closeAll = std::make_unique<QSignalSpy>(window.get(), &Logon::closeAllRequested);
    }

    const LogonControls& ui() const { return window->controls(); }

    // Picks an entry of the role box, or types a text that is none.
    void choose(const QString& roleText)
    {
        const int entry = ui().Combo1->findText(roleText);
        if (entry >= 0)
            ui().Combo1->setCurrentIndex(entry);
        else
            ui().Combo1->setEditText(roleText);
    }

    void type(const QString& text) { QTest::keyClicks(ui().Text1, text); }

    bool loginEnabled() const { return ui().chameleonButton1->isEnabled(); }
    bool passwordEnabled() const { return ui().Text1->isEnabled(); }

    QTemporaryDir folder;
    SettingsStore settings;
    FakeDialogs dialogs;
    std::unique_ptr<Logon> window;
    std::unique_ptr<QSignalSpy> loggedOn;
    std::unique_ptr<QSignalSpy> closeAll;
};

} // namespace

class LogonTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { PixelProbe::failOnPaintWarnings(); }

    void loadShowsThePromptAndReadsThePassword_data()
    {
        QTest::addColumn<std::optional<QString>>("stored");
        QTest::addColumn<QString>("setupPassword");
        QTest::addColumn<QString>("compared");

        QTest::newRow("stored password") << std::optional<QString>(kPassword) << "typed" << kPassword;
        QTest::newRow("none stored takes the setup's box")
            << std::optional<QString>() << "from setup" << "from setup";
        QTest::newRow("stored empty password is a value") << std::optional<QString>(QString()) << "x" << "";
    }

    void loadShowsThePromptAndReadsThePassword()
    {
        QFETCH(std::optional<QString>, stored);
        QFETCH(QString, setupPassword);
        LogonFixture fixture(stored, setupPassword);
        const LogonControls& ui = fixture.ui();
        QCOMPARE(fixture.window->windowTitle(), QStringLiteral("Login To Customer Database"));
        QCOMPARE(fixture.window->size(), QSize(383, 261));
        QCOMPARE(ui.Combo1->currentText(), QStringLiteral("Please Select Authorization Status"));
        QCOMPARE(ui.Combo1->count(), 2);
        QCOMPARE(ui.Combo1->itemText(0), QStringLiteral("Database Administrator"));
        QCOMPARE(ui.Combo1->itemText(1), QStringLiteral("Database Clerk"));
        QVERIFY(ui.Text1->text().isEmpty());
        QVERIFY(!fixture.passwordEnabled());
        QVERIFY(!fixture.loginEnabled());
        QCOMPARE(ui.chameleonButton1->Caption(), QStringLiteral("Login"));
        QCOMPARE(ui.chameleonButton2->Caption(), QStringLiteral("Cancel"));
        QVERIFY(ui.chameleonButton2->isEnabled());
        QTEST(fixture.window->storedPassword(), "compared");
        QVERIFY(fixture.window->enablingTimerRunning());
    }

    void clerkNeedsNoPassword()
    {
        LogonFixture fixture;
        fixture.choose(QStringLiteral("Database Clerk"));
        fixture.window->applyEnablingRules();
        QVERIFY(fixture.loginEnabled());
        QVERIFY(!fixture.passwordEnabled());
        QVERIFY(fixture.ui().Text1->text().isEmpty());
    }

    void administratorNeedsTheExactPassword()
    {
        LogonFixture fixture;
        fixture.choose(QStringLiteral("Database Administrator"));
        fixture.window->applyEnablingRules();
        QVERIFY(fixture.passwordEnabled());
        for (const QChar character : kPassword) {
            QVERIFY(!fixture.loginEnabled());
            fixture.type(QString(character));
            QVERIFY2(!fixture.loginEnabled(), "enabled before the tick");
            fixture.window->applyEnablingRules();
        }
        QVERIFY(fixture.loginEnabled());
        fixture.type(QStringLiteral("x"));
        fixture.window->applyEnablingRules();
        QVERIFY(!fixture.loginEnabled());
        fixture.ui().Text1->setText(kPassword.toUpper());
        fixture.window->applyEnablingRules();
        QVERIFY(!fixture.loginEnabled());
    }

    void switchingRolesKeepsTheTypedPassword()
    {
        LogonFixture fixture;
        fixture.choose(QStringLiteral("Database Administrator"));
        fixture.window->applyEnablingRules();
        fixture.type(kPassword);
        fixture.choose(QStringLiteral("Database Clerk"));
        fixture.window->applyEnablingRules();
        QVERIFY(!fixture.passwordEnabled());
        QCOMPARE(fixture.ui().Text1->text(), kPassword);
        fixture.ui().Text1->setText(QStringLiteral("wrong"));
        fixture.choose(QStringLiteral("Database Administrator"));
        fixture.window->applyEnablingRules();
        QVERIFY(fixture.passwordEnabled());
        QVERIFY(!fixture.loginEnabled());
    }

    void emptyStoredPasswordMatchesAnEmptyBox()
    {
        LogonFixture fixture(std::nullopt);
        fixture.choose(QStringLiteral("Database Administrator"));
        fixture.window->applyEnablingRules();
        QVERIFY(fixture.loginEnabled());
        fixture.ui().chameleonButton1->AccessKeyPress();
        QCOMPARE(fixture.loggedOn->size(), 1);
        QCOMPARE(fixture.loggedOn->at(0).at(0).toString(), QStringLiteral("Admin"));
    }

    void loginHandsTheRoleOn_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("role");

        QTest::newRow("administrator") << "Database Administrator" << kPassword << "Admin";
        QTest::newRow("clerk") << "Database Clerk" << "" << "User";
    }

    void loginHandsTheRoleOn()
    {
        QFETCH(QString, choice);
        QFETCH(QString, password);
        LogonFixture fixture;
        fixture.choose(choice);
        fixture.window->applyEnablingRules();
        fixture.type(password);
        fixture.window->applyEnablingRules();
        QTest::mouseClick(fixture.ui().chameleonButton1, Qt::LeftButton);
        QCOMPARE(fixture.loggedOn->size(), 1);
        QTEST(fixture.loggedOn->at(0).at(0).toString(), "role");
        QVERIFY(fixture.window->isHidden());
        QVERIFY(!fixture.window->enablingTimerRunning());
        QCOMPARE(fixture.ui().Text1->text(), password); // hidden, not cleared
    }

    void typedRoleTextChangesNothing_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("loginEnabled");
        QTest::addColumn<bool>("passwordEnabled");

        QTest::newRow("after the clerk") << "Database Clerk" << true << false;
        QTest::newRow("after the administrator") << "Database Administrator" << false << true;
        QTest::newRow("after the prompt") << "Please Select Authorization Status" << false << false;
    }

    void typedRoleTextChangesNothing()
    {
        QFETCH(QString, before);
        LogonFixture fixture;
        fixture.choose(before);
        fixture.window->applyEnablingRules();
        fixture.choose(QStringLiteral("Guest"));
        fixture.window->applyEnablingRules();
        QTEST(fixture.loginEnabled(), "loginEnabled");
        QTEST(fixture.passwordEnabled(), "passwordEnabled");
        // A role nobody chose never reaches the main window.
        fixture.window->logOn();
        QCOMPARE(fixture.loggedOn->size(), 0);
        QVERIFY(fixture.window->isVisible());
    }

    void enterLogsOnWhereverItIsPressed_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("logOns");

        QTest::newRow("role box, allowed") << "combo" << kPassword << 1;
        QTest::newRow("password box, allowed") << "password" << kPassword << 1;
        QTest::newRow("window, allowed") << "window" << kPassword << 1;
        QTest::newRow("Login button, allowed") << "login" << kPassword << 1;
        QTest::newRow("role box, disabled") << "combo" << "nope" << 0;
        QTest::newRow("password box, disabled") << "password" << "nope" << 0;
        QTest::newRow("window, disabled") << "window" << "nope" << 0;
    }

    void enterLogsOnWhereverItIsPressed()
    {
        QFETCH(QString, where);
        QFETCH(QString, password);
        LogonFixture fixture;
        const LogonControls& ui = fixture.ui();
        fixture.choose(QStringLiteral("Database Administrator"));
        fixture.window->applyEnablingRules();
        fixture.type(password);
        fixture.window->applyEnablingRules();
        QWidget* target = where == "combo" ? static_cast<QWidget*>(ui.Combo1->lineEdit())
            : where == "password"          ? static_cast<QWidget*>(ui.Text1)
            : where == "login"             ? static_cast<QWidget*>(ui.chameleonButton1)
                                           : static_cast<QWidget*>(fixture.window.get());
        QTest::keyClick(target, Qt::Key_Return);
        QTEST(int(fixture.loggedOn->size()), "logOns");
        QCOMPARE(ui.Combo1->count(), 2); // Enter never adds the typed text as an entry
    }

    void aStaleLoginLetsNothingThrough_data()
    {
        QTest::addColumn<QString>("firstChoice");
        QTest::addColumn<QString>("firstPassword");
        QTest::addColumn<QString>("thenChoice");
        QTest::addColumn<QString>("thenTyped");

        QTest::newRow("one more character before the tick")
            << "Database Administrator" << kPassword << "Database Administrator" << "x";
        QTest::newRow("clerk turned administrator before the tick")
            << "Database Clerk" << "" << "Database Administrator" << "";
    }

    void aStaleLoginLetsNothingThrough()
    {
        QFETCH(QString, firstChoice);
        QFETCH(QString, firstPassword);
        QFETCH(QString, thenChoice);
        QFETCH(QString, thenTyped);
        LogonFixture fixture;
        fixture.choose(firstChoice);
        fixture.window->applyEnablingRules();
        fixture.type(firstPassword);
        fixture.window->applyEnablingRules();
        QVERIFY(fixture.loginEnabled());

        fixture.choose(thenChoice);
        fixture.ui().Text1->setText(fixture.ui().Text1->text() + thenTyped);
        QTest::keyClick(fixture.window.get(), Qt::Key_Return);
        QCOMPARE(fixture.loggedOn->size(), 0);
        QVERIFY(!fixture.loginEnabled());
    }

    void cancelClosesEverything_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("requests");

        QTest::newRow("Cancel clicked") << "click" << 1;
        QTest::newRow("Enter on Cancel") << "enter" << 1;
        QTest::newRow("title bar's close") << "title bar" << 1;
        QTest::newRow("Escape does nothing") << "escape" << 0;
        QTest::newRow("closed by the program") << "quietly" << 0;
    }

    void cancelClosesEverything()
    {
        QFETCH(QString, how);
        QFETCH(int, requests);
        LogonFixture fixture;
        chameleonButton* cancel = fixture.ui().chameleonButton2;
        if (how == "click") {
            QTest::mouseClick(cancel, Qt::LeftButton);
        } else if (how == "enter") {
            cancel->setFocus();
            QTest::keyClick(cancel, Qt::Key_Return);
        } else if (how == "title bar") {
            fixture.window->windowHandle()->close(); // as the window system asks
        } else if (how == "escape") {
            QTest::keyClick(fixture.window.get(), Qt::Key_Escape);
        } else {
            fixture.window->closeQuietly();
        }
        QCOMPARE(fixture.closeAll->size(), requests);
        QCOMPARE(fixture.window->isHidden(), how != "escape");
        QCOMPARE(fixture.loggedOn->size(), 0);
    }

    void helpOpensTheHelpFile()
    {
        LogonFixture fixture;
        QTest::mouseClick(fixture.ui().Image31, Qt::LeftButton);
        QCOMPARE(fixture.dialogs.helpFiles(),
                 QStringList{fixture.folder.path() + QStringLiteral("/Other/TALLYVANE.hlp")});
    }

    void passwordShowsAStarPerCharacter()
    {
        LogonFixture fixture;
        fixture.choose(QStringLiteral("Database Administrator"));
        fixture.window->applyEnablingRules();
        fixture.type(QStringLiteral("abc"));
        QCOMPARE(fixture.ui().Text1->displayText(), QStringLiteral("***"));
    }

    void afterLogOutTheRoleStaysAndThePasswordGoes()
    {
        LogonFixture fixture;
        fixture.choose(QStringLiteral("Database Administrator"));
        fixture.window->applyEnablingRules();
        fixture.type(kPassword);
        fixture.window->logOn();
        QVERIFY(fixture.window->isHidden());
        // The administrator changed the password in the setup meanwhile.
        fixture.settings.SaveSetting(Settings::Password, QStringLiteral("n3w"));

        fixture.window->showAfterLogOut();
        QVERIFY(fixture.window->isVisible());
        QVERIFY(fixture.window->enablingTimerRunning());
        QCOMPARE(fixture.ui().Combo1->currentText(), QStringLiteral("Database Administrator"));
        QVERIFY(fixture.ui().Text1->text().isEmpty());
        QVERIFY(!fixture.loginEnabled()); // no Login left over from the last session
        fixture.type(kPassword);
        fixture.window->applyEnablingRules();
        QVERIFY(!fixture.loginEnabled());
        fixture.ui().Text1->setText(QStringLiteral("n3w"));
        fixture.window->applyEnablingRules();
        QVERIFY(fixture.loginEnabled());
    }

    void keyboardReachesEveryControlInReadingOrder()
    {
        LogonFixture fixture;
        const LogonControls& ui = fixture.ui();
        fixture.choose(QStringLiteral("Database Administrator"));
        fixture.window->applyEnablingRules();
        fixture.type(kPassword);
        fixture.window->applyEnablingRules();
        ui.Combo1->setFocus();
        const QList<QWidget*> order{ui.Text1, ui.chameleonButton1, ui.chameleonButton2, ui.Image31,
                                    ui.Combo1};
        for (QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focused = QApplication::focusWidget();
            QCOMPARE(focused == ui.Combo1->lineEdit() ? ui.Combo1 : focused, next);
        }
        QAccessibleInterface* role = QAccessible::queryAccessibleInterface(ui.Combo1);
        QCOMPARE(role->text(QAccessible::Name), QStringLiteral("Authorization"));
        QCOMPARE(role->text(QAccessible::Value), QStringLiteral("Database Administrator"));
        QCOMPARE(ui.Combo1->lineEdit()->accessibleName(), QStringLiteral("Authorization"));
        QCOMPARE(ui.Text1->accessibleName(), QStringLiteral("Admin Password"));
        VERIFY_EVERY_CONTROL_NAMED(fixture.window.get());
    }

    void paintsBannerAndWhiteForm_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("100 %") << 1.0;
        QTest::newRow("200 %") << 2.0;
    }

    void paintsBannerAndWhiteForm()
    {
        QFETCH(qreal, ratio);
        LogonFixture fixture;
        Logon& window = *fixture.window;
        QImage image((QSizeF(window.size()) * ratio).toSize(), QImage::Format_ARGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::black);
        window.render(&image);
        const auto at = [&](int x, int y) {
            return PixelProbe::colourAt(image, int(x * ratio), int(y * ratio));
        };
        QCOMPARE(at(200, 10), QStringLiteral("15,110,122")); // banner teal
        QCOMPARE(at(5, 200), QStringLiteral("255,255,255")); // the form
        QCOMPARE(at(378, 256), QStringLiteral("255,255,255"));
    }
};

QTEST_MAIN(LogonTest)
#include "tst_logon.moc"
