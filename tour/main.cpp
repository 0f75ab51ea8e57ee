// tallyvane-tour DIR [--scale N]: renders every page of the program's
// windows, on a sample database, into PNGs named after what they show.
#include "CutLabels.h"
#include "FrmEdit.h"
#include "FrmMain.h"
#include "FrmNew.h"
#include "NumberBox.h"
#include "FrmSplash.h"
#include "Logon.h"
#include "QuietDialogs.h"
#include "Schedule.h"
#include "SettingsStore.h"
#include "SqliteCustomerStore.h"
#include "ToolPicture.h"
#include "BackupCopiesWindow.h"
#include "DeletedWindow.h"
#include "HistoryWindow.h"
#include "ImportWindow.h"
#include "TourSample.h"
#include "first.h"
#include "frmDemo2.h"
#include "xpWellsTab.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

QString pngIn(const QString& folder, const QString& name)
{
    return QDir(folder).filePath(name + QStringLiteral(".png"));
}

int cutTexts = 0;

// Also tells every text the window shows cut short.
void shootWindow(QWidget& window, const QString& folder, const QString& name)
{
    window.show();
    QApplication::processEvents();
    const QString file = pngIn(folder, name);
    window.grab().save(file);
    QTextStream(stdout) << file << Qt::endl;
    for (const QString& cut : cutLabels(&window)) {
        QTextStream(stderr) << name << ": cut: " << cut << Qt::endl;
        ++cutTexts;
    }
}

class Tour
{
public:
    Tour(FrmMain& window, const QString& folder) : m_window(window), m_folder(folder) {}

    void shoot(const QString& name)
    {
        m_window.applyRoleRules();
        for (auto tick : {&FrmMain::refreshCompanyStatus, &FrmMain::refreshQuickStart,
                          &FrmMain::updateSearchTool, &FrmMain::refreshPathFields,
                          &FrmMain::updatePieButton, &FrmMain::refreshPaymentStatus,
                          &FrmMain::refreshScheduleAndClock})
            (m_window.*tick)();
        shootWindow(m_window, m_folder, name);
    }

    void onTab(int tab, const QString& name)
    {
        m_window.controls().xpWellsTab1->setSelectedTab(tab);
        m_window.switchPage();
        shoot(name);
    }

private:
    FrmMain& m_window;
    QString m_folder;
};

void tourMainWindow(FrmMain& window, Tour& tour)
{
    const FrmMainControls& ui = window.controls();
    ui.GroupBox14->Text23->setPlainText(QStringLiteral("Call Carmen Ortiz about the grinder's service plan."));
    tour.onTab(5, QStringLiteral("main-quick-start"));
    tour.onTab(1, QStringLiteral("main-personal-details-nothing-selected"));
    tour.onTab(2, QStringLiteral("main-purchase-details-nothing-selected"));
    window.selectPosition(2);
    tour.onTab(1, QStringLiteral("main-personal-details"));
    tour.onTab(2, QStringLiteral("main-purchase-details-pending"));
    window.selectPosition(0);
    tour.onTab(2, QStringLiteral("main-purchase-details-paid"));
    tour.onTab(3, QStringLiteral("main-company-status"));
    tour.onTab(4, QStringLiteral("main-backup"));
    const std::pair<ToolPicture*, const char*> tools[] = {
        {ui.Image5, "main-report-preview"},      {ui.Image21, "main-earnings-chart"},
        {ui.Image24, "main-gender-chart"},       {ui.Image26, "main-quick-note-creator"},
        {ui.Image27, "main-my-scheduler"},
    };
    for (const auto& [tool, name] : tools) {
        tool->click();
        tour.shoot(QLatin1String(name));
    }
    // Find in every field: customers in Seville, whatever field says so.
    ui.findBox->setText(QStringLiteral("sevi"));
    window.selectPosition(2);
    tour.onTab(1, QStringLiteral("main-find"));
    ui.findBox->clear();
    window.setRole(Session::clerk());
    window.setClerkPermissions(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0"));
    tour.onTab(1, QStringLiteral("main-clerk-locked"));
}

// The longest texts each value can show: the longer role, a long manager
// name, the longest date and time, no currency and a three-letter one, and
// the largest amounts.
void tourLongestValues(FrmMain& window, Tour& tour)
{
    const FrmMainControls& ui = window.controls();
    window.AddUser(TourSample::longestCustomer());
    window.RefreshList();
    window.selectPosition(window.customers().count() - 1);
    ui.Label11->setValue(QStringLiteral("Database Administrator"));
    ui.Label13->setValue(QStringLiteral("Maria Fernanda López-García"));
    ui.Label15->setValue(QStringLiteral("Date: 12/28/2026 At: 12:59:59 PM"));
    for (const QString& currency : {QString(), QStringLiteral("USD")}) {
        window.mirrorCurrencies(currency, currency);
        const QString suffix = currency.isEmpty() ? QStringLiteral("no-currency") : currency.toLower();
        tour.onTab(1, QStringLiteral("longest-personal-details-") + suffix);
        tour.onTab(2, QStringLiteral("longest-purchase-details-") + suffix);
        tour.onTab(3, QStringLiteral("longest-company-status-") + suffix);
        tour.onTab(5, QStringLiteral("longest-quick-start-") + suffix);
    }
}

void tourStartWindows(FrmMain& window, SettingsStore& settings, Dialogs& dialogs,
                      const QString& programFolder, const QString& folder)
{
    FrmSplash splash;
    shootWindow(splash, folder, QStringLiteral("splash"));
    splash.hide();

    Logon logon(LogonServices{settings, dialogs, programFolder});
    const LogonControls& ui = logon.controls();
    const auto logonAs = [&](const QString& role, const QString& password, const QString& name) {
        if (!role.isEmpty())
            ui.Combo1->setCurrentIndex(ui.Combo1->findText(role));
        ui.Text1->setText(password);
        logon.applyEnablingRules();
        shootWindow(logon, folder, name);
    };
    logonAs(QString(), QString(), QStringLiteral("logon-prompt"));
    logonAs(QStringLiteral("Database Clerk"), QString(), QStringLiteral("logon-clerk"));
    logonAs(QStringLiteral("Database Administrator"), QStringLiteral("secre"),
            QStringLiteral("logon-administrator-wrong-password"));
    logonAs(QStringLiteral("Database Administrator"), QStringLiteral("secret"),
            QStringLiteral("logon-administrator"));
    logon.closeQuietly();

    Schedule schedule(window, [] { return QDate(2026, 12, 6); });
    schedule.controls().Text1->setText(QStringLiteral("14:30"));
    schedule.controls().Combo1->setCurrentIndex(schedule.controls().Combo1->findText(QStringLiteral("1 Hr")));
    schedule.controls().Text2->setPlainText(QStringLiteral("Fit the new grinder at the Ortiz café"));
    schedule.enableAdd();
    shootWindow(schedule, folder, QStringLiteral("schedule"));
    schedule.hide();

    QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/Credits.txt"),
                programFolder + QStringLiteral("/Credits.txt"));
    frmDemo2 credits(dialogs, programFolder);
    credits.show();
    for (int tick = 0; tick < 300; ++tick)
        credits.tick();
    shootWindow(credits, folder, QStringLiteral("credits"));
    credits.close();

    first setup(firstServices{settings, dialogs, window, programFolder});
    setup.load();
    const char* const tabs[] = {"setup-administrator-details", "setup-settings", "setup-database-security"};
    for (int tab = 1; tab <= 3; ++tab) {
        setup.controls().xpWellsTab1->setSelectedTab(tab);
        setup.switchGroup();
        setup.enableSave();
        shootWindow(setup, folder, QLatin1String(tabs[tab - 1]));
    }
    setup.hide();
}

// Every page of both entry forms: the new one as an operator fills it in,
// the edit one opened on the first sample customer.
void tourEntryForms(FrmMain& window, const QString& folder)
{
    const auto today = [] { return QDate(2026, 12, 6); };
    const char* const pages[] = {"personal-details", "location", "contact", "product", "payment"};
    const auto shootPages = [&](CustomerWizard& form, const QString& prefix) {
        for (int page = 1; page <= CustomerWizard::PageCount; ++page) {
            shootWindow(form, folder, prefix + QString::number(page) + QLatin1Char('-') + QLatin1String(pages[page - 1]));
            form.next();
        }
        form.hide();
    };

    FrmNew added(window, today);
    const QStringList typed{"Maeve Ortiz", "14 Quay Street", "Ireland", "Galway", "Connacht", "H91 E2K3",
                            "091 555 0142", "091 555 0143", "maeve@ortiz.ie", "Espresso grinder"};
    for (int field = 0; field < typed.size(); ++field)
        added.controls().details[std::size_t(field)]->setText(typed[field]);
    added.controls().Text1->setText(QStringLiteral("2"));
    added.controls().priceBox->setText(QStringLiteral("249.90"));
    added.controls().Text5->setText(QStringLiteral("10"));
    added.controls().paymentBox->setText(QStringLiteral("Card"));
    shootPages(added, QStringLiteral("new-customer-"));

    window.selectPosition(0);
    FrmEdit edited(window, today);
    edited.load(window.customers().selectedRow());
    shootPages(edited, QStringLiteral("edit-customer-"));
}

// The import window with a file's first customers in its preview, one of
// them refused, as an administrator sees it before pressing Import.
void tourImport(CustomerStore& store, Dialogs& dialogs, const QString& programFolder, const QString& folder)
{
    const QString path = programFolder + QStringLiteral("/Customers from the old till.csv");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write("Name;Street;Town;Postcode;Telephone;E-mail;Product;Qty;Price;Date\r\n"
               "Jonas Weber;Obere Str. 57;Berlin;12209;030-0074321;jonas@example.de;Espresso beans;2;12.50;11/3/2026\r\n"
               "Ana Trujillo;Avda. de la Constitución 2222;México D.F.;05021;(5) 555-4729;;Grinder;1;249;11/9/2026\r\n"
               ";Mataderos 2312;México D.F.;05023;(5) 555-3932;;Filters;3;4.20;11/12/2026\r\n"
               "Frédérique Citeaux;24, place Kléber;Strasbourg;67000;88.60.15.31;fc@example.fr;Milk jug;1;18;11/20/2026\r\n");
    file.close();
    ImportWindow window(store, dialogs);
    window.openFile(path);
    window.show();
    shootWindow(window, folder, QStringLiteral("import-preview"));
}

// The safety net after a day's work: an edit, a delete, the history of the
// whole shop, the customer kept under "Recently deleted" and the automatic
// backups.
void tourSafetyNet(FrmMain& window, CustomerStore& store, const QString& folder)
{
    window.show();
    window.selectPosition(1);
    StoredCustomer edited = window.customers().selectedRow();
    CustomerRecord repriced = edited.record;
    repriced.setValue(CustomerRecord::Field::Price, QStringLiteral("12.90"));
    window.EditUser(edited, repriced);
    window.selectPosition(2);
    store.remove(window.customers().selectedRow());
    window.RefreshList();
    window.takeAutomaticBackup();
    HistoryWindow* history = window.showHistory(true);
    shootWindow(*history, folder, QStringLiteral("history"));
    history->close();
    DeletedWindow* deleted = window.showRecentlyDeleted();
    shootWindow(*deleted, folder, QStringLiteral("recently-deleted"));
    deleted->close();
    if (BackupCopiesWindow* copies = window.showAutomaticBackups()) {
        shootWindow(*copies, folder, QStringLiteral("automatic-backups"));
        copies->close();
    }
    window.hide();
}

} // namespace

int main(int argc, char* argv[])
{
    const QStringList arguments = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    const int scaleAt = int(arguments.indexOf(QStringLiteral("--scale")));
    if (scaleAt >= 0 && scaleAt + 1 < arguments.size())
        qputenv("QT_SCALE_FACTOR", arguments.at(scaleAt + 1).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (arguments.isEmpty() || arguments.first().startsWith(QLatin1String("--"))) {
        QTextStream(stderr) << "usage: tallyvane-tour DIR [--scale N]" << Qt::endl;
        return 2;
    }
    const QString outputFolder = arguments.first();
    QDir().mkpath(outputFolder);

    QTemporaryDir programFolder;
    QuietDialogs dialogs;
    Dialogs::setShared(&dialogs);
    SqliteCustomerStore store(programFolder.filePath(QStringLiteral("Other/Tallyvane DB.mdb")));
    SettingsStore settings(programFolder.filePath(QStringLiteral("settings.ini")));
    if (const Result seeded = TourSample::seed(store, settings); !seeded.ok()) {
        QTextStream(stderr) << seeded.message() << Qt::endl;
        return 1;
    }
    const QDateTime moment(QDate(2026, 12, 6), QTime(10, 30, 15));
    FrmMain window(FrmMainServices{store, settings, dialogs, programFolder.path(),
                                   [moment] { return moment; }});
    if (const Result loaded = window.load(); !loaded.ok()) {
        QTextStream(stderr) << loaded.message() << Qt::endl;
        return 1;
    }
    for (const char* shipped : {"Report Generator.rtf", "Quick Note Pad.rtf"})
        QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/Other/") + QLatin1String(shipped),
                    programFolder.filePath(QStringLiteral("Other/")) + QLatin1String(shipped));
    window.setRole(Session::administrator());
    window.show();
    Tour tour(window, outputFolder);
    tourMainWindow(window, tour);
    window.setRole(Session::administrator());
    tourLongestValues(window, tour);
    window.hide();
    tourEntryForms(window, outputFolder);
    tourStartWindows(window, settings, dialogs, programFolder.path(), outputFolder);
    tourImport(store, dialogs, programFolder.path(), outputFolder);
    tourSafetyNet(window, store, outputFolder);
    if (cutTexts > 0)
        QTextStream(stderr) << cutTexts << " texts cut short" << Qt::endl;
    return cutTexts > 0 ? 3 : 0;
}
