#include "FrmMain.h"
#include "QtDialogs.h"
#include "SettingsStore.h"
#include "SqliteCustomerStore.h"

#include <QApplication>
#include <QDir>

namespace {

void reportUnopenedDatabase(Dialogs& dialogs, const QString& file, const Result& failure)
{
    dialogs.showMessage(QStringLiteral("Tallyvane cannot open its customer database:\n\n%1\n\n%2\n\n"
                                       "The file has not been changed.")
                            .arg(QDir::toNativeSeparators(file), failure.message()),
                        QStringLiteral("Tallyvane"), MessageIcon::Critical, MessageButtons::Ok);
}

} // namespace

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
    if (const Result loaded = window.load(); !loaded.ok()) {
        reportUnopenedDatabase(dialogs, databaseFile, loaded);
        return 1;
    }
    window.setRole(Session::administrator());
    window.applyRoleRules();
    QObject::connect(&window, &FrmMain::loggedOut, &application, &QApplication::quit);
    window.show();
    return application.exec();
}
