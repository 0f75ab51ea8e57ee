// tallyvane-tour DIR [--scale N]: renders every page of the program's
// windows, on a sample database, into PNGs named after what they show.
#include "FrmMain.h"
#include "FrmSplash.h"
#include "Logon.h"
#include "QuietDialogs.h"
#include "Schedule.h"
#include "SettingsStore.h"
#include "SqliteCustomerStore.h"
#include "ToolPicture.h"
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

void shootWindow(QWidget& window, const QString& folder, const QString& name)
{
    window.show();
    QApplication::processEvents();
    const QString file = pngIn(folder, name);
    window.grab().save(file);
    QTextStream(stdout) << file << Qt::endl;
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
    window.setRole(Session::clerk());
    window.setClerkPermissions(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0"));
    tour.onTab(1, QStringLiteral("main-clerk-locked"));
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
    window.setRole(Session::administrator());
    window.show();
    Tour tour(window, outputFolder);
    tourMainWindow(window, tour);
    window.hide();
    tourStartWindows(window, settings, dialogs, programFolder.path(), outputFolder);
    return 0;
}
