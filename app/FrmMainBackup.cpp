// The backup page: copies of the database file to a file of the operator's
// choice, and back.
#include "FrmMain.h"

#include "CustomerStore.h"
#include "DatabaseBackup.h"
#include "PgCustomerStore.h"
#include "ServerBackup.h"
#include "Dialogs.h"
#include "SettingsStore.h"

#include <QDir>
#include <QLineEdit>

namespace {

const QString kStatusTitle = QStringLiteral("Backup Status");
const QString kTwoLineBreaks = QStringLiteral("\n\n");

} // namespace

PgCustomerStore* FrmMain::server() const
{
    return dynamic_cast<PgCustomerStore*>(&m_store);
}

void FrmMain::selectBackupTarget()
{
    cd.showSave();
    refreshPathFields();
    ui.GroupBox8->Label66->setValue(QStringLiteral("Directory Selected. Press Backup Button To Backup"));
}

void FrmMain::selectRestoreSource()
{
    cd2.showOpen();
    refreshPathFields();
    ui.GroupBox8->Label67->setValue(QStringLiteral("Directory Selected. Press Restore Button To Restore"));
}

void FrmMain::backUpDatabase()
{
    BackupPage* page = ui.GroupBox8;
    saveSetting(Settings::Backup, page->Text15->text());
    // A server's customers go into a customer file; the local file is copied whole.
    const Result backedUp = server() ? ServerBackup(*server()).backUp(page->Text15->text())
                                   : DatabaseBackup(m_store, databaseFile()).backUp(page->Text15->text());
    if (!backedUp.ok()) {
        m_dialogs.showMessage(backedUp.message(), kStatusTitle, MessageIcon::Critical, MessageButtons::Ok);
        return;
    }
    m_dialogs.inform(QStringLiteral("Congratulations! Your Customer Database was Successfully Backed Up To: ")
                         + kTwoLineBreaks + cd.fileName(),
                     kStatusTitle);
    page->Label66->setValue(QStringLiteral("Your Database was Successfully Backed Up"));
}

void FrmMain::restoreDatabase()
{
    BackupPage* page = ui.GroupBox8;
    saveSetting(Settings::Restore, page->Text17->text());
    restoreFrom(page->Text17->text(), cd2.fileName());
}

void FrmMain::restoreFrom(const QString& source, const QString& shownName)
{
    if (server()) {
        restoreOntoServer(*server(), source, shownName);
        return;
    }
    BackupPage* page = ui.GroupBox8;
    DatabaseBackup tool(m_store, databaseFile());
    const Result restored = tool.restore(source);
    if (restored.ok()) {
        // Where the replaced database is kept follows as a paragraph of its own.
        QString message = QStringLiteral("Congratulations! Database Backup was Successfully Restored From: ")
            + kTwoLineBreaks + shownName;
        if (!tool.keptPreviousNote().isEmpty())
            message += kTwoLineBreaks + tool.keptPreviousNote();
        // The restored file's history goes on from here.
        const Result noted = m_store.noteChange(ChangeKind::Restore,
                                                QStringLiteral("Restored from %1").arg(QDir::toNativeSeparators(source)));
        if (!noted.ok())
            message += kTwoLineBreaks + noted.message();
        m_dialogs.inform(message, kStatusTitle);
        page->Label67->setValue(QStringLiteral("Database Backup was Successfully Restored "));
    } else {
        m_dialogs.showMessage(restored.message(), kStatusTitle, MessageIcon::Critical, MessageButtons::Ok);
    }
    // The store was closed and opened again either way: the list follows
    // what it holds now.
    RefreshList();
    showDatabaseSize();
}

// The server writes its own history of the restore, in the same transaction.
void FrmMain::restoreOntoServer(PgCustomerStore& server, const QString& source, const QString& shownName)
{
    const Result restored = ServerBackup(server).restore(source);
    if (restored.ok()) {
        m_dialogs.inform(QStringLiteral("Congratulations! Database Backup was Successfully Restored From: ")
                             + kTwoLineBreaks + shownName,
                         kStatusTitle);
        ui.GroupBox8->Label67->setValue(QStringLiteral("Database Backup was Successfully Restored "));
    } else {
        m_dialogs.showMessage(restored.message(), kStatusTitle, MessageIcon::Critical, MessageButtons::Ok);
    }
    RefreshList();
}
