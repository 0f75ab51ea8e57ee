// The setup window: its load, save enabling, saved keys, mirror into the
// main window, cancel, help and look, driven through its real controls
// with scripted dialogs and settings in a temporary folder.
#include "AccessibleNames.h"
#include "CurrencyList.h"
#include "FakeDialogs.h"
#include "GroupBox.h"
#include "HelpPicture.h"
#include "PixelProbe.h"
#include "SettingsStore.h"
#include "SetupMirrorTarget.h"
#include "chameleonButton.h"
#include "first.h"
#include "xpWellsTab.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// The main window as the setup sees it: what the mirror and the save set.
class FakeMainWindow : public SetupMirrorTarget
{
public:
    void mirrorPermissions(const QString& deleteAllowed, const QString& addAllowed,
                           const QString& editAllowed) override
    {
        permissions = {deleteAllowed, addAllowed, editAllowed};
    }
    void mirrorCurrencies(const QString& currency1, const QString& currency2) override
    {
        currencies = {currency1, currency2};
    }
    void setFirstRunFlag(const QString& flag) override { firstRunFlag = flag; }

    QStringList permissions{"0", "0", "0"};
    QStringList currencies{"$", "$"};
    QString firstRunFlag = QStringLiteral("0");
};

// A setup window on settings of its own in a temporary program folder.
class SetupFixture
{
public:
    explicit SetupFixture(const QString& settingsFile = QStringLiteral("settings.ini"))
        : settings(folder.filePath(settingsFile))
    {
    }

    first& open()
    {
        window = std::make_unique<first>(firstServices{settings, dialogs, mainWindow, folder.path()});
        window->load();
        return *window;
    }

    const firstControls& ui() const { return window->controls(); }

    void typeAccount()
    {
        QTest::keyClicks(ui().Text1, QStringLiteral("Ann Lee"));
        QTest::keyClicks(ui().Text2, QStringLiteral("555 0100"));
        QTest::keyClicks(ui().Text4, QStringLiteral("s3cret"));
    }

    QString stored(const SettingKey& key) const { return settings.GetSetting(key); }
    bool isStored(const SettingKey& key) const
    {
        return settings.GetSetting(QLatin1String(key.section), QLatin1String(key.key), QStringLiteral("<absent>"))
               != QLatin1String("<absent>");
    }

    QTemporaryDir folder;
    SettingsStore settings;
    FakeDialogs dialogs;
    FakeMainWindow mainWindow;
    std::unique_ptr<first> window;
};

QString labelFor(const QWidget* field)
{
    for (const QLabel* label : field->parentWidget()->findChildren<QLabel*>())
        if (label->buddy() == field)
            return label->text();
    return QString();
}

QStringList keyNames(const QList<SettingValue>& settings)
{
    QStringList names;
    for (const SettingValue& setting : settings)
        names.append(QLatin1String(setting.key->key));
    return names;
}

} // namespace

class FirstTest : public QObject
{
    Q_OBJECT

private slots:
    void anEmptyStoreOpensBlank();
    void currencyListInItsFixedOrder();
    void saveNeedsNameAndPhoneAndPassword_data();
    void saveNeedsNameAndPhoneAndPassword();
    void savedCurrency_data();
    void savedCurrency();
    void savedPermissions_data();
    void savedPermissions();
    void saveWritesEveryKeyInOrderThenHandsOver();
    void mirrorChangesTheMainWindowBeforeSaving();
    void reopeningShowsTheStoredValues();
    void storedValuesOutsideTheListSelectNothing_data();
    void storedValuesOutsideTheListSelectNothing();
    void unwritableSettingsKeepTheWindowOpen();
    void cancelSavesNothing();
    void cancelGivesTheMainWindowTheStoredValues();
    void tabTimerShowsTheSelectedGroup_data();
    void tabTimerShowsTheSelectedGroup();
    void helpPictureOpensTheHelpFile();
    void paintsEveryTab_data();
    void paintsEveryTab();
};

void FirstTest::anEmptyStoreOpensBlank()
{
    SetupFixture fixture;
    first& window = fixture.open();
    const firstControls& ui = fixture.ui();
    QCOMPARE(window.windowTitle(), QStringLiteral("Tallyvane Control Panel"));
    QCOMPARE(ui.xpWellsTab1->NumberOfTabs(), 3);
    QCOMPARE(ui.xpWellsTab1->TabCaption(1), QStringLiteral("Administrator Details"));
    QCOMPARE(ui.xpWellsTab1->TabCaption(2), QStringLiteral("Settings"));
    QCOMPARE(ui.xpWellsTab1->TabCaption(3), QStringLiteral("Database Security"));
    QCOMPARE(ui.adminGroup->caption(), QStringLiteral("Administrator Details"));
    QCOMPARE(ui.loginGroup->caption(), QStringLiteral("Log-In Features"));
    QCOMPARE(ui.securityGroup->caption(), QStringLiteral("Security "));
    QCOMPARE(labelFor(ui.Text1), QStringLiteral("Admin Name : "));
    QCOMPARE(labelFor(ui.Text2), QStringLiteral("Admin Phone : "));
    QCOMPARE(labelFor(ui.Text4), QStringLiteral("Password : "));
    QCOMPARE(labelFor(ui.Combo1), QStringLiteral("Database Currency : "));
    QCOMPARE(ui.Text1->accessibleName(), QStringLiteral("Admin Name"));
    QAccessibleInterface* currency = QAccessible::queryAccessibleInterface(ui.Combo1);
    QCOMPARE(currency->text(QAccessible::Name), QStringLiteral("Database Currency"));
    QCOMPARE(currency->text(QAccessible::Value), QStringLiteral("Select Your Currency"));
    QCOMPARE(ui.Combo1->lineEdit()->accessibleName(), QStringLiteral("Database Currency"));
    for (int tab = 1; tab <= 3; ++tab) {
        ui.xpWellsTab1->setSelectedTab(tab);
        VERIFY_EVERY_CONTROL_NAMED(&window);
    }
    ui.xpWellsTab1->setSelectedTab(1);
    QCOMPARE(ui.Check1->text(), QStringLiteral("Give Users Authorization To Delete A Customer "));
    QCOMPARE(ui.Check3->text(), QStringLiteral("Give Users Authorization To Add A Customer "));
    QCOMPARE(ui.Check2->text(), QStringLiteral("Give Users Authorization To Edit A Customer "));
    QCOMPARE(ui.chameleonButton1->Caption(), QStringLiteral("Save My Settings"));
    QCOMPARE(ui.chameleonButton2->Caption(), QStringLiteral("Cancel"));

    QCOMPARE(ui.Text1->text(), QString());
    QCOMPARE(ui.Text2->text(), QString());
    QCOMPARE(ui.Text4->text(), QString());
    QVERIFY(!ui.Check1->isChecked() && !ui.Check3->isChecked() && !ui.Check2->isChecked());
    QCOMPARE(ui.Combo1->currentIndex(), -1);
    QCOMPARE(ui.Combo1->currentText(), QStringLiteral("Select Your Currency"));
    QCOMPARE(ui.Text3->text(), QStringLiteral("  If You Choose Other Please Specify Your Currency"));
    QVERIFY(!ui.chameleonButton1->isEnabled());
    QVERIFY(window.timersRunning());
}

void FirstTest::currencyListInItsFixedOrder()
{
    SetupFixture fixture;
    fixture.open();
    const QComboBox* list = fixture.ui().Combo1;
    QCOMPARE(list->count(), 178);
    const std::pair<int, const char*> spots[] = {
        {0, "AED"}, {45, "EUR"}, {48, "GBP"}, {153, "USD"}, {172, "ZWD"},
        {173, "Other"}, {174, "$"}, {175, "€"}, {176, "£"}, {177, "¥"},
    };
    for (const auto& [index, text] : spots)
        QCOMPARE(list->itemText(index), QString::fromUtf8(text));
    QStringList codes;
    for (int index = 0; index < CurrencyList::OtherIndex; ++index)
        codes.append(list->itemText(index));
    QStringList sorted = codes;
    sorted.sort();
    QCOMPARE(codes, sorted);
    QCOMPARE(codes.removeDuplicates(), 0);
    for (const QString& code : codes)
        QVERIFY2(code.size() == 3, qPrintable(code));
}

void FirstTest::saveNeedsNameAndPhoneAndPassword_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("phone");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("currency");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("nothing typed") << "" << "" << "" << -1 << false;
    QTest::newRow("name only") << "Ann" << "" << "" << -1 << false;
    QTest::newRow("no password") << "Ann" << "555" << "" << -1 << false;
    QTest::newRow("no name") << "" << "555" << "pw" << -1 << false;
    QTest::newRow("first currency entry without a password") << "Ann" << "555" << "" << 0 << false;
    QTest::newRow("first currency entry with nothing typed") << "" << "" << "" << 0 << false;
    QTest::newRow("complete account") << "Ann" << "555" << "pw" << -1 << true;
}

void FirstTest::saveNeedsNameAndPhoneAndPassword()
{
    QFETCH(QString, name);
    QFETCH(QString, phone);
    QFETCH(QString, password);
    QFETCH(int, currency);
    QFETCH(bool, enabled);
    SetupFixture fixture;
    first& window = fixture.open();
    const firstControls& ui = fixture.ui();
    QTest::keyClicks(ui.Text1, name);
    QTest::keyClicks(ui.Text2, phone);
    QTest::keyClicks(ui.Text4, password);
    ui.Combo1->setCurrentIndex(currency);
    window.enableSave();
    QCOMPARE(ui.chameleonButton1->isEnabled(), enabled);

    // Saving an incomplete account does nothing, even within the tick
    // before the button follows an emptied field.
    QCOMPARE(window.save(), enabled);
    QCOMPARE(fixture.isStored(Settings::FirstTimeRun), enabled);
}

void FirstTest::savedCurrency_data()
{
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("typedOverList");
    QTest::addColumn<QString>("otherText");
    QTest::addColumn<QString>("index");
    QTest::addColumn<QString>("currencyOther");
    QTest::addColumn<QString>("currencyShown");
    const QString prompt = QStringLiteral("  If You Choose Other Please Specify Your Currency");
    // A prompt saved as the currency would show as one: nothing is shown.
    QTest::newRow("no currency chosen") << -1 << "" << "" << "-1" << prompt << "";
    QTest::newRow("other left at its prompt") << 173 << "" << "" << "173" << prompt << "";
    QTest::newRow("pound") << 176 << "" << "" << "176" << prompt << "£";
    QTest::newRow("a code") << 45 << "" << "" << "45" << prompt << "EUR";
    QTest::newRow("other with typed text") << 173 << "" << "Rand" << "173" << "Rand" << "Rand";
    QTest::newRow("text typed over a chosen entry") << 176 << "Kr" << "" << "-1" << prompt << "Kr";
}

void FirstTest::savedCurrency()
{
    QFETCH(int, chosen);
    QFETCH(QString, typedOverList);
    QFETCH(QString, otherText);
    QFETCH(QString, index);
    QFETCH(QString, currencyOther);
    QFETCH(QString, currencyShown);
    SetupFixture fixture;
    first& window = fixture.open();
    const firstControls& ui = fixture.ui();
    fixture.typeAccount();
    ui.Combo1->setCurrentIndex(chosen);
    if (chosen < 0)
        ui.Combo1->setEditText(QStringLiteral("Select Your Currency"));
    if (!typedOverList.isEmpty())
        ui.Combo1->setEditText(typedOverList);
    if (!otherText.isEmpty()) {
        ui.Text3->clear();
        QTest::keyClicks(ui.Text3, otherText);
    }
    QVERIFY(window.save());
    QCOMPARE(fixture.stored(Settings::Currency), index);
    QCOMPARE(fixture.stored(Settings::CurrencyOther), currencyOther);
    QCOMPARE(fixture.stored(Settings::Currency1), currencyShown);
    QCOMPARE(fixture.stored(Settings::Currency2), currencyShown);
    QCOMPARE(fixture.mainWindow.currencies, QStringList({currencyShown, currencyShown}));
}

void FirstTest::savedPermissions_data()
{
    QTest::addColumn<bool>("deleteTicked");
    QTest::addColumn<bool>("addTicked");
    QTest::addColumn<bool>("editTicked");
    QTest::addColumn<QStringList>("checks");
    QTest::addColumn<QStringList>("allowed");
    QTest::newRow("nothing ticked") << false << false << false << QStringList{"0", "0", "0"}
                                    << QStringList{"1", "1", "1"};
    QTest::newRow("only delete ticked") << true << false << false << QStringList{"1", "0", "0"}
                                        << QStringList{"0", "1", "1"};
    QTest::newRow("only edit ticked") << false << false << true << QStringList{"0", "0", "1"}
                                      << QStringList{"1", "1", "0"};
    QTest::newRow("all ticked") << true << true << true << QStringList{"1", "1", "1"}
                                << QStringList{"0", "0", "0"};
}

void FirstTest::savedPermissions()
{
    QFETCH(bool, deleteTicked);
    QFETCH(bool, addTicked);
    QFETCH(bool, editTicked);
    QFETCH(QStringList, checks);
    QFETCH(QStringList, allowed);
    SetupFixture fixture;
    first& window = fixture.open();
    const firstControls& ui = fixture.ui();
    fixture.typeAccount();
    ui.Check1->setChecked(deleteTicked);
    ui.Check3->setChecked(addTicked);
    ui.Check2->setChecked(editTicked);
    QVERIFY(window.save());
    QCOMPARE(QStringList({fixture.stored(Settings::DeleteAllowedCheck), fixture.stored(Settings::AddAllowedCheck),
                          fixture.stored(Settings::EditAllowedCheck)}),
             checks);
    QCOMPARE(QStringList({fixture.stored(Settings::DeleteAllowed), fixture.stored(Settings::AddAllowed),
                          fixture.stored(Settings::EditAllowed)}),
             allowed);
    QCOMPARE(fixture.mainWindow.permissions, allowed);
}

void FirstTest::saveWritesEveryKeyInOrderThenHandsOver()
{
    SetupEntries entries;
    entries.name = QStringLiteral("Ann");
    entries.phone = QStringLiteral("555");
    entries.password = QStringLiteral("pw");
    entries.addTicked = true;
    entries.currencyIndex = 176;
    entries.currencyText = QStringLiteral("£");
    entries.otherCurrency = QStringLiteral("x");
    const QList<SettingValue> saved = SetupRules::savedSettings(entries);
    QCOMPARE(keyNames(saved),
             QStringList({"Name", "Email", "Password", "DeleteAllowedCheck", "AddAllowedCheck",
                          "EditAllowedCheck", "Currency", "CurrencyOther", "FirstTimeRun", "DeleteAllowed",
                          "AddAllowed", "EditAllowed", "Currency1", "Currency2"}));
    for (const SettingValue& setting : saved)
        QCOMPARE(QLatin1String(setting.key->section), QLatin1String("Admin"));
    QCOMPARE(saved.at(8).value, QStringLiteral("1"));

    SetupFixture fixture;
    first& window = fixture.open();
    window.show();
    QSignalSpy savedSpy(&window, &first::saved);
    QSignalSpy cancelledSpy(&window, &first::cancelled);
    fixture.typeAccount();
    window.enableSave();
    QTest::mouseClick(fixture.ui().chameleonButton1, Qt::LeftButton);
    QCOMPARE(savedSpy.count(), 1);
    QCOMPARE(cancelledSpy.count(), 0);
    QVERIFY(!window.isVisible());
    QVERIFY(!window.timersRunning());
    QCOMPARE(fixture.mainWindow.firstRunFlag, QStringLiteral("1"));
    QCOMPARE(fixture.stored(Settings::FirstTimeRun), QStringLiteral("1"));
    QCOMPARE(fixture.stored(Settings::Name), QStringLiteral("Ann Lee"));
    QCOMPARE(fixture.stored(Settings::Email), QStringLiteral("555 0100"));
    QCOMPARE(fixture.stored(Settings::Password), QStringLiteral("s3cret"));
    QVERIFY(fixture.dialogs.messages().isEmpty());
}

void FirstTest::mirrorChangesTheMainWindowBeforeSaving()
{
    SetupFixture fixture;
    first& window = fixture.open();
    const firstControls& ui = fixture.ui();
    // Hidden, as it is while the log-on window waits.
    QVERIFY(!window.isVisible());
    ui.Check1->setChecked(true);
    ui.Combo1->setCurrentIndex(176);
    window.mirrorIntoMain();
    QCOMPARE(fixture.mainWindow.permissions, QStringList({"0", "1", "1"}));
    QCOMPARE(fixture.mainWindow.currencies, QStringList({"£", "£"}));

    ui.Combo1->setCurrentIndex(CurrencyList::OtherIndex);
    ui.Text3->setText(QStringLiteral("Rand"));
    window.mirrorIntoMain();
    QCOMPARE(fixture.mainWindow.currencies, QStringList({"Rand", "Rand"}));
    QVERIFY(!fixture.isStored(Settings::DeleteAllowed));
    QVERIFY(!fixture.isStored(Settings::Currency1));
    QCOMPARE(fixture.mainWindow.firstRunFlag, QStringLiteral("0"));
}

void FirstTest::reopeningShowsTheStoredValues()
{
    SetupFixture fixture;
    first& window = fixture.open();
    fixture.typeAccount();
    fixture.ui().Check3->setChecked(true);
    fixture.ui().Combo1->setCurrentIndex(CurrencyList::OtherIndex);
    fixture.ui().Text3->setText(QStringLiteral("Rand"));
    QVERIFY(window.save());

    first& reopened = fixture.open();
    const firstControls& ui = fixture.ui();
    QCOMPARE(reopened.adminName(), QStringLiteral("Ann Lee"));
    QCOMPARE(reopened.adminPhone(), QStringLiteral("555 0100"));
    QCOMPARE(reopened.password(), QStringLiteral("s3cret"));
    QCOMPARE(ui.Text4->echoMode(), QLineEdit::Normal);
    QVERIFY(!ui.Check1->isChecked());
    QVERIFY(ui.Check3->isChecked());
    QVERIFY(!ui.Check2->isChecked());
    QCOMPARE(ui.Combo1->currentIndex(), CurrencyList::OtherIndex);
    QCOMPARE(ui.Combo1->currentText(), QStringLiteral("Other"));
    QCOMPARE(ui.Text3->text(), QStringLiteral("Rand"));
}

void FirstTest::storedValuesOutsideTheListSelectNothing_data()
{
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("check");
    QTest::newRow("past the list") << "178" << "2";
    QTest::newRow("below -1") << "-5" << "-1";
    QTest::newRow("not a number") << "pounds" << "yes";
}

void FirstTest::storedValuesOutsideTheListSelectNothing()
{
    QFETCH(QString, currency);
    QFETCH(QString, check);
    SetupFixture fixture;
    fixture.settings.SaveSetting(Settings::Currency, currency);
    fixture.settings.SaveSetting(Settings::DeleteAllowedCheck, check);
    fixture.open();
    QCOMPARE(fixture.ui().Combo1->currentIndex(), -1);
    QCOMPARE(fixture.ui().Combo1->currentText(), QStringLiteral("Select Your Currency"));
    QVERIFY(!fixture.ui().Check1->isChecked());
}

void FirstTest::unwritableSettingsKeepTheWindowOpen()
{
    // A file where the settings folder must be stops every user, root too.
    SetupFixture fixture(QStringLiteral("blocked/settings.ini"));
    QFile blocker(fixture.folder.filePath(QStringLiteral("blocked")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    first& window = fixture.open();
    window.show();
    QSignalSpy savedSpy(&window, &first::saved);
    fixture.typeAccount();
    fixture.ui().Check1->setChecked(true);

    QVERIFY(!window.save());
    QCOMPARE(savedSpy.count(), 0);
    QVERIFY(window.isVisible());
    QVERIFY(window.timersRunning());
    QCOMPARE(window.adminName(), QStringLiteral("Ann Lee"));
    QCOMPARE(window.password(), QStringLiteral("s3cret"));
    QVERIFY(fixture.ui().Check1->isChecked());
    QCOMPARE(fixture.mainWindow.firstRunFlag, QStringLiteral("0"));
    QCOMPARE(fixture.dialogs.messages().size(), 1);
    const FakeDialogs::Message& message = fixture.dialogs.messages().constFirst();
    QCOMPARE(message.title, QStringLiteral("Tallyvane Control Panel"));
    QCOMPARE(message.icon, MessageIcon::Warning);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QVERIFY2(message.text.startsWith(QLatin1String("Your settings have not been saved yet")), qPrintable(message.text));
    QVERIFY2(message.text.contains(QDir::toNativeSeparators(fixture.settings.fileName())),
             qPrintable(message.text));
}

void FirstTest::cancelSavesNothing()
{
    SetupFixture fixture;
    first& window = fixture.open();
    window.show();
    QSignalSpy savedSpy(&window, &first::saved);
    QSignalSpy cancelledSpy(&window, &first::cancelled);
    fixture.typeAccount();
    fixture.ui().Check1->setChecked(true);
    fixture.ui().Combo1->setCurrentIndex(176);
    window.mirrorIntoMain();
    QCOMPARE(fixture.mainWindow.permissions, QStringList({"0", "1", "1"}));
    QApplication::setActiveWindow(&window);
    QTest::keyClick(&window, Qt::Key_Escape);
    QCOMPARE(cancelledSpy.count(), 1);
    QCOMPARE(savedSpy.count(), 0);
    QVERIFY(!window.isVisible());
    QVERIFY(!window.timersRunning());
    QVERIFY(!QFile::exists(fixture.settings.fileName()));
    // The unsaved tick no longer lets a clerk delete.
    QCOMPARE(fixture.mainWindow.permissions, QStringList({"1", "1", "1"}));
    QCOMPARE(fixture.mainWindow.currencies, QStringList({"", ""}));
}

void FirstTest::cancelGivesTheMainWindowTheStoredValues()
{
    SetupFixture fixture;
    fixture.settings.SaveSetting(Settings::EditAllowedCheck, QStringLiteral("1"));
    fixture.settings.SaveSetting(Settings::Currency, QStringLiteral("175"));
    first& window = fixture.open();
    window.show();
    fixture.ui().Check2->setChecked(false);
    fixture.ui().Check3->setChecked(true);
    fixture.ui().Combo1->setEditText(QStringLiteral("Kr"));
    window.mirrorIntoMain();
    QCOMPARE(fixture.mainWindow.permissions, QStringList({"1", "0", "1"}));
    window.cancel();
    QCOMPARE(fixture.mainWindow.permissions, QStringList({"1", "1", "0"}));
    QCOMPARE(fixture.mainWindow.currencies, QStringList({"€", "€"}));

    // A setup opened again mirrors the same.
    fixture.mainWindow = FakeMainWindow();
    fixture.open().mirrorIntoMain();
    QCOMPARE(fixture.mainWindow.permissions, QStringList({"1", "1", "0"}));
    QCOMPARE(fixture.mainWindow.currencies, QStringList({"€", "€"}));
}

void FirstTest::tabTimerShowsTheSelectedGroup_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("group");
    QTest::newRow("administrator details") << 1 << "Administrator Details";
    QTest::newRow("settings") << 2 << "Log-In Features";
    QTest::newRow("database security") << 3 << "Security ";
}

void FirstTest::tabTimerShowsTheSelectedGroup()
{
    QFETCH(int, tab);
    QFETCH(QString, group);
    SetupFixture fixture;
    first& window = fixture.open();
    window.show();
    const firstControls& ui = fixture.ui();
    QSignalSpy pressed(ui.xpWellsTab1, &xpWellsTab::TabPressed);
    ui.xpWellsTab1->setSelectedTab(tab);
    window.switchGroup();
    QStringList shown;
    for (const GroupBox* box : ui.groups())
        if (box->isVisible())
            shown.append(box->caption());
    QCOMPARE(shown, QStringList{group});
}

void FirstTest::helpPictureOpensTheHelpFile()
{
    SetupFixture fixture;
    first& window = fixture.open();
    window.show();
    HelpPicture* help = fixture.ui().Image31;
    QVERIFY(help->focusPolicy() & Qt::TabFocus);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(help);
    QCOMPARE(accessible->role(), QAccessible::Button);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Help"));
    help->setFocus();
    QTest::keyClick(help, Qt::Key_Return);
    QCOMPARE(fixture.dialogs.helpFiles(),
             QStringList{fixture.folder.path() + QStringLiteral("/Other/TALLYVANE.hlp")});
}

void FirstTest::paintsEveryTab_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<qreal>("ratio");
    for (qreal ratio : {1.0, 2.0})
        for (int tab = 1; tab <= 3; ++tab)
            QTest::addRow("tab %d at %g", tab, ratio) << tab << ratio;
}

void FirstTest::paintsEveryTab()
{
    QFETCH(int, tab);
    QFETCH(qreal, ratio);
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    SetupFixture fixture;
    first& window = fixture.open();
    window.show();
    fixture.ui().xpWellsTab1->setSelectedTab(tab);
    window.switchGroup();
    QImage image(window.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    window.render(&image);

    // The help picture's teal disc, and white page area round the group.
    const QRect help = fixture.ui().Image31->geometry();
    const QPoint disc = (help.topLeft() + QPoint(6, 13)) * ratio;
    QCOMPARE(PixelProbe::colourAt(image, disc.x(), disc.y()), QStringLiteral("27,154,170"));
    const QPoint page = (window.rect().center() + QPoint(0, 100)) * ratio;
    QCOMPARE(PixelProbe::colourAt(image, 2, int(page.y())), QStringLiteral("255,255,255"));
}

QTEST_MAIN(FirstTest)
#include "tst_first.moc"
