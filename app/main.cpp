#include "Artwork.h"
#include "CommandLine.h"
#include "DatabaseChoice.h"
#include "ProgramFolder.h"
#include "ProgramWindows.h"
#include "QtDialogs.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "CustomerStore.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char* argv[])
{
    const CommandLine commandLine(CommandLine::fromArgv(argc, argv));
    if (commandLine.answered())
        return commandLine.printAnswer();

    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Tallyvane"));
    application.setWindowIcon(Artwork::icon(QStringLiteral("tallyvane.svg")));
    // The windows decide when the program ends: between the splash and the
    // log-on no window is visible for a moment.
    application.setQuitOnLastWindowClosed(false);
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
    const QString server =
        commandLine.database().isEmpty() ? settings.GetSetting(Settings::Server) : commandLine.database();
    const std::unique_ptr<CustomerStore> store =
        chooseDatabase(server, programFolder + QStringLiteral("/Other/Tallyvane DB.mdb"), dialogs);
    if (!store)
        return 0;
    ProgramWindows windows(ProgramServices{*store, settings, dialogs, programFolder});
    QObject::connect(&instance, &SingleInstance::activationRequested, &windows,
                     &ProgramWindows::bringForward);
    QObject::connect(&windows, &ProgramWindows::finished, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    windows.start();
    return application.exec();
}
