#include "Artwork.h"
#include "FrmMain.h"
#include "MainWindowStart.h"
#include "ProgramFolder.h"
#include "QtDialogs.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "SqliteCustomerStore.h"

#include <QApplication>
#include <QStandardPaths>

// Until the log-on exists, the program opens its main window directly for
// the administrator on the database below the program folder.
int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Tallyvane"));
    application.setWindowIcon(Artwork::icon(QStringLiteral("tallyvane.svg")));
    QtDialogs dialogs;
    Dialogs::setShared(&dialogs);

    SettingsStore settings;
    SingleInstance instance(settings.fileName());
    if (!instance.claim())
        return 0;

    QString programFolder;
    const ProgramFolder folders(QCoreApplication::applicationDirPath(),
                                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (const Result prepared = folders.prepare(&programFolder); !prepared.ok()) {
        dialogs.showMessage(prepared.message(), QStringLiteral("Tallyvane"), MessageIcon::Critical,
                            MessageButtons::Ok);
        return 1;
    }
    const QString databaseFile = programFolder + QStringLiteral("/Other/Tallyvane DB.mdb");
    SqliteCustomerStore store(databaseFile);
    FrmMain window(FrmMainServices{store, settings, dialogs, programFolder});
    QObject::connect(&instance, &SingleInstance::activationRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    dialogs.setParentWindow(&window);
    if (!loadMainWindow(window, dialogs, databaseFile))
        return 1;
    window.setRole(Session::administrator());
    window.applyRoleRules();
    QObject::connect(&window, &FrmMain::loggedOut, &application, &QApplication::quit);
    window.show();
    return application.exec();
}
