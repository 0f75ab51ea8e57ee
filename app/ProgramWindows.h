#pragma once

#include "FrmSplash.h"
#include "Result.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class CustomerStore;
class Dialogs;
class FrmEdit;
class QWidget;
class FrmMain;
class FrmNew;
class Logon;
class Schedule;
class frmDemo2;
class SettingsStore;
class first;

// What the program's windows work with.
struct ProgramServices
{
    CustomerStore& store;
    SettingsStore& settings;
    Dialogs& dialogs;
    QString programFolder;
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };
};

// The one owner of the program's windows. It brings them up in the start-up
// order: the splash shows while the main window opens the store and fills
// its list, the setup window (hidden) keeps the main window's clerk
// permissions and currency in step, and the log-on window waits hidden for
// the splash to give way. A first run sends the operator to the setup
// instead, and the main window appears once the setup is saved. Closing the
// main window or cancelling the log-on closes them all.
class ProgramWindows : public QObject
{
    Q_OBJECT

public:
    explicit ProgramWindows(const ProgramServices& services, QObject* parent = nullptr);
    ~ProgramWindows() override;

    // Shows the splash; when it gives way, the log-on appears with the
    // other windows loaded behind it. A database that cannot be opened is
    // told to the operator, and the program ends.
    void start();

    FrmSplash* splash() const { return m_splash; }
    Logon* logon() const { return m_logon.get(); }
    first* setup() const { return m_setup.get(); }
    FrmMain* main() const { return m_main.get(); }
    Schedule* schedule() const { return m_schedule.get(); }
    frmDemo2* credits() const { return m_credits.get(); }
    FrmNew* newCustomer() const { return m_newCustomer.get(); }
    FrmEdit* editCustomer() const { return m_editCustomer.get(); }

    // Asks the running program's visible window to come forward.
    void bringForward();

signals:
    // Every window has closed: the program ends.
    void finished();

private:
    void createMain();
    void createSetup();
    void createLogon();
    void showLogonAfterSplash();
    void redirectToSetup();
    void setupSaved();
    void setupCancelled();
    void showSchedule();
    void showCredits();
    void showNewCustomer();
    void showEditCustomer();
    void closeAll();
    static void bringToFront(QWidget* window);

    ProgramServices m_services;
    std::unique_ptr<FrmMain> m_main;
    std::unique_ptr<first> m_setup;
    std::unique_ptr<Logon> m_logon;
    std::unique_ptr<Schedule> m_schedule;
    std::unique_ptr<frmDemo2> m_credits;
    std::unique_ptr<FrmNew> m_newCustomer;
    std::unique_ptr<FrmEdit> m_editCustomer;
    QPointer<FrmSplash> m_splash;
    bool m_historyOfRedirectSaved = false;
    bool m_closing = false;
};
