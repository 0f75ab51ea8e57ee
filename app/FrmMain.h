#pragma once

#include "AppointmentBook.h"
#include "BusyCheck.h"
#include "CustomerEntryTarget.h"
#include "CustomerList.h"
#include "FileDialog.h"
#include "FrmMainControls.h"
#include "RoleRules.h"
#include "SetupMirrorTarget.h"

#include <QDateTime>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class AutomaticBackups;
class BackupCopiesWindow;
class ChartPage;
class CustomerListModel;
class DeletedWindow;
class HistoryWindow;
class ImportWindow;
class PgCustomerStore;
class QPrinter;
class QTextCursor;
class QTextDocument;
class CustomerStore;
class Dialogs;
class SettingsStore;
struct SettingKey;

// What the main window works with, handed in by whoever starts it.
struct FrmMainServices
{
    CustomerStore& store;
    SettingsStore& settings;
    Dialogs& dialogs;
    QString programFolder;
    // The current moment; tests set a fixed one.
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };
};

// The operator's working window: the customer list, the tabbed detail
// panel with the shop's figures, the tools and the function keys. It owns
// the open customer store from load() to its close, keeps its derived
// state up to date with timers, and asks for the other windows through its
// signals.
class FrmMain : public QWidget,
                public SetupMirrorTarget,
                public AppointmentBook,
                public CustomerEntryTarget
{
    Q_OBJECT

public:
    explicit FrmMain(const FrmMainServices& services, QWidget* parent = nullptr);
    ~FrmMain() override;

    // Opens the store, fills the list and reads the settings; the timers
    // start when it succeeds. A failure leaves the database file untouched.
    Result load();

    // The public procedures the entry forms call. Each reports its own
    // failure to the operator and returns whether it succeeded. A new
    // customer that repeats a stored one is saved only when the operator
    // says so; going to the stored one instead also ends the form.
    bool AddUser(const CustomerRecord& record) override;
    bool EditUser(const StoredCustomer& customer, const CustomerRecord& record) override;
    void RefreshList() override;
    void selectCustomer(RowId row) override;

    // The session, as the log-on and the setup window set it.
    Session session() const { return Session{Text3, Text2, Text5, Text6}; }
    void setRole(const QString& role);
    void setClerkPermissions(const QString& deleteAllowed, const QString& addAllowed,
                             const QString& editAllowed);
    const QString& firstRunFlag() const { return Text1; }
    bool firstRunDone() const { return Text1 == QLatin1String("1"); }

    // What the setup window keeps in step while it runs.
    void mirrorPermissions(const QString& deleteAllowed, const QString& addAllowed,
                           const QString& editAllowed) override;
    void mirrorCurrencies(const QString& currency1, const QString& currency2) override;
    void setFirstRunFlag(const QString& flag) override;

    // The appointment book on "My Scheduler", as the appointment form
    // writes it.
    QString text() const override;
    void setText(const QString& text) override;
    // "Check If Busy On Selected Day From Calendar": the next occurrence
    // of the calendar's date in the book, or a message.
    void checkIfBusy();

    // Stores the role of the session's operator and this moment as the
    // database's last use, as closing the window does.
    void saveHistory();

    const FrmMainControls& controls() const { return ui; }
    const CustomerList& customers() const { return m_customers; }
    FileDialog& backupDialog() { return cd; }
    FileDialog& restoreDialog() { return cd2; }
    // The import window once the tool opened it.
    ImportWindow* importWindow() const;

    // Runs when the first-run flag is not "1": the setup takes over.
    void setFirstRunHandler(std::function<void()> handler) { m_firstRunHandler = std::move(handler); }

    // Each timer's work; public so that tests drive the timers directly.
    // Timer1 runs every 10 ms from a change of the session or the list
    // until a tick finds nothing to change; the rules return whether they
    // changed anything.
    void roleRulesTick();
    bool roleRulesTimerRunning() const { return Timer1.isActive(); }
    bool applyRoleRules();
    void refreshCompanyStatus(); // Timer5
    void switchPage();          // Timer6
    void refreshQuickStart();   // Timer7
    void updateSearchTool();    // Timer8
    void refreshPathFields();   // Timer9
    void updatePieButton();     // Timer11
    void refreshPaymentStatus(); // Timer12
    void refreshScheduleAndClock(); // Timer13
    bool pageTimerRunning() const { return Timer6.isActive(); }

    // The tools and keys, as a click or key press runs them.
    void addCustomer();
    void updateCustomer();
    void deleteFromTool();
    void deleteFromKey();
    void search();
    void logOut();
    void showHelp();
    void showToolPage(PanelGroup* page);
    void clearSchedules();
    void selectPosition(int position);

    // The backup page.
    void selectBackupTarget();
    void backUpDatabase();
    void selectRestoreSource();
    void restoreDatabase();
    // Customers in and out of other programs' files.
    void importCustomers();
    void exportCustomers();

    // The safety net: Ctrl+Z, the history and the deleted customers (also
    // from the list's context menu), and the automatic backups, taken on
    // close and once a day.
    void undoLastChange();
    HistoryWindow* showHistory(bool wholeShop);
    DeletedWindow* showRecentlyDeleted();
    BackupCopiesWindow* showAutomaticBackups();
    void takeAutomaticBackup();
    AutomaticBackups* automaticBackups() const { return m_backups.get(); }

    // The reports: the two pie charts, the report generator and the note.
    void showEarningsChart();
    void generatePieChart();
    void showGenderChart();
    void generateReport();
    void printReport();
    void printNote();
    // The same pages as PDF files, and the charts as pictures.
    void saveReportPdf();
    void saveNotePdf();
    void saveChartPicture(ChartPage* page, const QString& format);

signals:
    void addCustomerRequested();
    void updateCustomerRequested();
    void setupRequested();
    void scheduleRequested();
    void creditsRequested();
    void loggedOut();
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();
    void connectShortcuts();
    void startTimers();
    void sessionChanged();
    void readSettings();
    void showDatabaseSize();
    void showDetails();
    void showSelectionInList();
    void afterListChange();
    // Runs `rebuild` with the list model told, then shows the outcome.
    void rebuildList(const std::function<Result()>& rebuild);
    void deleteSelectedAfterConfirm();
    void restoreFrom(const QString& source, const QString& shownName);
    void restoreOntoServer(PgCustomerStore& server, const QString& source, const QString& shownName);
    // The store when the customers are on a database server; none for the
    // local file.
    PgCustomerStore* server() const;
    void followOtherCounters();
    void connectFind();
    void findAsTyped(const QString& typed);
    void findMore();
    void prepareFinding();
    void showFindCount();
    void keepFinding();
    void startAutomaticBackups();
    void takeDueAutomaticBackup();
    void tellStoreWhoWorks();
    // Nothing when the record repeats no stored customer, else whether
    // the form is done.
    std::optional<bool> askAboutDuplicate(const CustomerRecord& record);
    void showListMenu(const QPoint& at);
    void keepSetting(const SettingKey& key, const QString& value);
    void saveSetting(const SettingKey& key, const QString& value);
    bool toolLocked(const ToolPicture* tool) const;
    void showPanel(const PanelGroup* shown);
    void unload();
    void reportFailure(const Result& result, const QString& title);
    bool customerSelectedOrSaySo();
    bool drawProfitShare();
    void printDocument(const QTextDocument& document, const QTextCursor& selection);
    bool fillNote();
    void saveAsPdf(const QTextDocument& document, const QString& fileName);
    QString databaseFile() const;

    CustomerStore& m_store;
    SettingsStore& m_settings;
    Dialogs& m_dialogs;
    QString m_programFolder;
    std::function<QDateTime()> m_clock;
    std::function<void()> m_firstRunHandler;

    CustomerList m_customers;
    CustomerListModel* m_model;
    FrmMainControls ui;
    bool m_syncingList = false;
    bool m_unloaded = false;
    bool m_settingsFailureShown = false;

    // Session fields kept outside the visible area.
    QString Text1 = QStringLiteral("0"); // first-run flag
    QString Text3 = QStringLiteral("0"); // role value
    QString Text2 = QStringLiteral("0"); // clerk may delete
    QString Text5 = QStringLiteral("0"); // clerk may add
    QString Text6 = QStringLiteral("0"); // clerk may edit
    QString Label9 = QStringLiteral(".");
    QString Text25;

    BusyCheck m_busyCheck;
    FileDialog cd;
    FileDialog cd2;
    // The printer the print buttons share, keeping the operator's choice.
    std::unique_ptr<QPrinter> m_printer;
    QPointer<ImportWindow> m_importWindow;
    std::unique_ptr<AutomaticBackups> m_backups;
    QTimer m_backupTimer;
    QTimer m_findMoreTimer; // the next step of a find, between events
    QTimer m_followTimer;   // other counters' changes, as the server tells them
    QString m_backupFailureShown;
    RowId m_selectAfterRefresh = NoRow;

    QTimer Timer1;
    QTimer Timer5;
    QTimer Timer6;
    QTimer Timer7;
    QTimer Timer8;
    QTimer Timer9;
    QTimer Timer11;
    QTimer Timer12;
    QTimer Timer13;
};
