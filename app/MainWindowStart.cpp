#include "MainWindowStart.h"

#include "Dialogs.h"
#include "FrmMain.h"

#include <QDir>

bool loadMainWindow(FrmMain& window, Dialogs& dialogs, const QString& databaseFile)
{
    const Result loaded = window.load();
    if (loaded.ok())
        return true;
    dialogs.showMessage(QStringLiteral("Tallyvane cannot open its customer database:\n\n%1\n\n%2\n\n"
                                       "The file has not been changed.")
                            .arg(QDir::toNativeSeparators(databaseFile), loaded.message()),
                        QStringLiteral("Tallyvane"), MessageIcon::Critical, MessageButtons::Ok);
    return false;
}
