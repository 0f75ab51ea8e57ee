#include "FrmMain.h"
#include "MainWindowStart.h"
#include "QtDialogs.h"
#include "SettingsStore.h"
#include "SqliteCustomerStore.h"

#include <QApplication>

// Until the log-on exists, the program opens its main window directly for
// the administrator on the database below the program folder.
int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Tallyvane"));
    QtDialogs dialogs;
    Dialogs::setShared(&dialogs);

    const QString databaseFile = SqliteCustomerStore::defaultPath();
    SqliteCustomerStore store(databaseFile);
    SettingsStore settings;
    FrmMain window(FrmMainServices{store, settings, dialogs, QCoreApplication::applicationDirPath()});
    dialogs.setParentWindow(&window);
    if (!loadMainWindow(window, dialogs, databaseFile))
        return 1;
    window.setRole(Session::administrator());
    window.applyRoleRules();
    QObject::connect(&window, &FrmMain::loggedOut, &application, &QApplication::quit);
    window.show();
    return application.exec();
}
