// The safety net in the main window: undo, the history, the deleted
// customers and the automatic backups.
#include "FrmMain.h"

#include "AutomaticBackups.h"
#include "BackupCopiesWindow.h"
#include "CustomerKey.h"
#include "CustomerStore.h"
#include "DeletedWindow.h"
#include "Dialogs.h"
#include "HistoryWindow.h"
#include "MainPages.h"

#include <QSysInfo>
#include <QListView>
#include <QMenu>

namespace {

// How often the window asks whether the day's copy is due.
constexpr int kBackupCheckMs = 60 * 60 * 1000;

} // namespace

void FrmMain::startAutomaticBackups()
{
    // The copies are of the file on this computer, which a server's
    // customers are not in.
    if (server()) {
        ui.GroupBox8->Label66->setValue(QStringLiteral("On a server: no automatic copies; use Backup."));
        return;
    }
    m_backups = std::make_unique<AutomaticBackups>(databaseFile(), m_programFolder + QStringLiteral("/Backups"),
                                                   m_clock);
    m_backupTimer.setInterval(kBackupCheckMs);
    connect(&m_backupTimer, &QTimer::timeout, this, &FrmMain::takeDueAutomaticBackup, Qt::UniqueConnection);
    m_backupTimer.start();
}

void FrmMain::takeDueAutomaticBackup()
{
    if (m_backups && m_backups->isDue())
        takeAutomaticBackup();
}

void FrmMain::takeAutomaticBackup()
{
    if (!m_backups)
        return;
    const Result taken = m_backups->takeIfChanged();
    // Told once on the backup page's status line; the work goes on.
    if (!taken.ok() && taken.message() != m_backupFailureShown) {
        m_backupFailureShown = taken.message();
        ui.GroupBox8->Label66->setValue(QStringLiteral("The automatic backup failed: ") + taken.message());
    }
}

void FrmMain::tellStoreWhoWorks()
{
    m_store.setActor({session().isClerk() ? QStringLiteral("clerk") : QStringLiteral("administrator"),
                      QSysInfo::machineHostName()});
}

void FrmMain::undoLastChange()
{
    if (!m_customers.canUndo()) {
        m_dialogs.showMessage(QStringLiteral("There is no delete or edit of this session to undo."),
                              QStringLiteral("Undo"), MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    RowId row = NoRow;
    Result undone = Result::success();
    rebuildList([&] {
        undone = m_customers.undoLast(&row);
        // After a refused undo the list shows what the database holds now.
        return undone.ok() ? undone : m_customers.RefreshList();
    });
    if (!undone.ok())
        reportFailure(undone, QStringLiteral("Undo"));
    else
        selectCustomer(row);
}

HistoryWindow* FrmMain::showHistory(bool wholeShop)
{
    const bool oneCustomer = !wholeShop && m_customers.hasSelection();
    const StoredCustomer& selected = m_customers.selectedRow();
    auto* window = new HistoryWindow(m_store, oneCustomer ? selected.row : NoRow,
                                     selected.record.value(CustomerRecord::Field::Name), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
    return window;
}

DeletedWindow* FrmMain::showRecentlyDeleted()
{
    auto* window = new DeletedWindow(m_store, m_dialogs, !toolLocked(ui.Image2), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &DeletedWindow::broughtBack, this, [this](RowId row) {
        rebuildList([this] { return m_customers.reload(); });
        selectCustomer(row);
    });
    window->open();
    return window;
}

BackupCopiesWindow* FrmMain::showAutomaticBackups()
{
    if (!m_backups)
        return nullptr;
    auto* window = new BackupCopiesWindow(*m_backups, !session().isClerk(), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &BackupCopiesWindow::restoreRequested, this, [this, window](const QString& path) {
        const MessageAnswer answer = m_dialogs.showMessage(
            QStringLiteral("Put this copy in the place of the database in use? The database in use is kept "
                           "beside it."),
            QStringLiteral("Automatic Backups"), MessageIcon::Question, MessageButtons::YesNo);
        if (answer == MessageAnswer::Yes)
            restoreFrom(path, path);
        window->showCopies();
    });
    window->open();
    return window;
}

void FrmMain::showListMenu(const QPoint& at)
{
    QMenu menu(this);
    QAction* undo = menu.addAction(QStringLiteral("&Undo"), this, &FrmMain::undoLastChange);
    undo->setShortcut(QKeySequence::Undo);
    undo->setEnabled(m_customers.canUndo());
    menu.addSeparator();
    QAction* history = menu.addAction(QStringLiteral("&History of This Customer..."), this,
                                      [this] { showHistory(false); });
    history->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    history->setEnabled(m_customers.hasSelection());
    menu.addAction(QStringLiteral("History of the &Whole Shop..."), this, [this] { showHistory(true); });
    menu.addAction(QStringLiteral("&Recently deleted..."), this, &FrmMain::showRecentlyDeleted);
    menu.addAction(QStringLiteral("&Automatic Backups..."), this, &FrmMain::showAutomaticBackups);
    menu.exec(ui.List->viewport()->mapToGlobal(at));
}

std::optional<bool> FrmMain::askAboutDuplicate(const CustomerRecord& record)
{
    QList<StoredCustomer> same;
    if (const Result found = m_store.findDuplicates(record, &same); !found.ok()) {
        reportFailure(found, QStringLiteral("Add Customer"));
        return false;
    }
    if (same.isEmpty())
        return std::nullopt;
    using Field = CustomerRecord::Field;
    const auto agree = [&](Field field) {
        return foldedForMatch(same.first().record.value(field)) == foldedForMatch(record.value(field));
    };
    const bool sameTelephone = agree(Field::Name) && agree(Field::Zip);
    const QString text = sameTelephone ? QStringLiteral("A customer with this name and telephone is already stored")
                                       : QStringLiteral("A customer with this e-mail address is already stored");
    const std::optional<int> choice = m_dialogs.askChoice(
        text, QStringLiteral("Add Customer"),
        {QStringLiteral("Open that customer"), QStringLiteral("Save anyway"), QStringLiteral("Cancel")});
    if (choice == 1)
        return std::nullopt;
    if (choice == 0) {
        m_selectAfterRefresh = same.first().row;
        selectCustomer(same.first().row);
        return true;
    }
    return false;
}
