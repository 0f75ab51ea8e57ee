#include "ProgramWindows.h"

#include "FrmEdit.h"
#include "FrmMain.h"
#include "FrmNew.h"
#include "FrmSplash.h"
#include "Logon.h"
#include "MainWindowStart.h"
#include "Schedule.h"
#include "WindowPlacement.h"
#include "frmDemo2.h"
#include "first.h"

ProgramWindows::ProgramWindows(const ProgramServices& services, QObject* parent)
    : QObject(parent), m_services(services)
{
}

ProgramWindows::~ProgramWindows()
{
    m_closing = true;
    delete m_splash;
    m_credits.reset();
    m_editCustomer.reset();
    m_newCustomer.reset();
    m_schedule.reset();
    m_logon.reset();
    m_setup.reset();
    m_main.reset();
}

void ProgramWindows::start()
{
    m_splash = new FrmSplash();
    m_splash->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_splash, &FrmSplash::logonRequested, this, &ProgramWindows::showLogonAfterSplash);
    m_splash->show();
}

void ProgramWindows::createMain()
{
    m_main = std::make_unique<FrmMain>(FrmMainServices{m_services.store, m_services.settings,
                                                       m_services.dialogs, m_services.programFolder,
                                                       m_services.clock});
    m_main->setFirstRunHandler([this] { redirectToSetup(); });
    connect(m_main.get(), &FrmMain::loggedOut, this, [this] { m_logon->showAfterLogOut(); });
    connect(m_main.get(), &FrmMain::setupRequested, this, [this] { m_setup->show(); });
    connect(m_main.get(), &FrmMain::scheduleRequested, this, &ProgramWindows::showSchedule);
    connect(m_main.get(), &FrmMain::creditsRequested, this, &ProgramWindows::showCredits);
    connect(m_main.get(), &FrmMain::addCustomerRequested, this, &ProgramWindows::showNewCustomer);
    connect(m_main.get(), &FrmMain::updateCustomerRequested, this, &ProgramWindows::showEditCustomer);
    connect(m_main.get(), &FrmMain::unloaded, this, &ProgramWindows::closeAll);
    centreWhenFirstShown(m_main.get());
}

// The setup runs hidden from the start: its mirror keeps the main window's
// clerk permissions and currency in step with what it shows.
void ProgramWindows::createSetup()
{
    m_setup = std::make_unique<first>(firstServices{m_services.settings, m_services.dialogs, *m_main,
                                                    m_services.programFolder});
    connect(m_setup.get(), &first::saved, this, &ProgramWindows::setupSaved);
    connect(m_setup.get(), &first::cancelled, this, &ProgramWindows::setupCancelled,
            Qt::DirectConnection);
    m_setup->load();
    centreWhenFirstShown(m_setup.get());
}

void ProgramWindows::createLogon()
{
    m_logon = std::make_unique<Logon>(LogonServices{
        m_services.settings, m_services.dialogs, m_services.programFolder,
        [this] { return m_setup ? m_setup->password() : QString(); }});
    connect(m_logon.get(), &Logon::loggedOn, this, [this](const QString& role) {
        m_main->setRole(role);
        m_main->show();
    });
    connect(m_logon.get(), &Logon::closeAllRequested, this, &ProgramWindows::closeAll);
    centreWhenFirstShown(m_logon.get());
}

// The log-on appears with the other windows loaded behind it: the main
// window opens the store and fills its list, the setup runs hidden. On a
// first run the main window's rules then send the operator to the setup.
void ProgramWindows::showLogonAfterSplash()
{
    createMain();
    const QString databaseFile = m_services.programFolder + QStringLiteral("/Other/Tallyvane DB.mdb");
    if (!loadMainWindow(*m_main, m_services.dialogs, databaseFile)) {
        m_closing = true;
        emit finished();
        return;
    }
    createSetup();
    createLogon();
    m_logon->show();
}

// The first run: the log-on window gives way to the setup, the main window
// stays hidden, and the moment is recorded once as the database's last use.
void ProgramWindows::redirectToSetup()
{
    if (!m_historyOfRedirectSaved) {
        m_historyOfRedirectSaved = true;
        m_main->saveHistory();
    }
    if (m_logon->isVisible())
        m_logon->closeQuietly();
    if (m_setup->isHidden())
        m_setup->show();
}

void ProgramWindows::setupSaved()
{
    m_main->show();
    // The saved window goes; a fresh hidden one keeps the mirror running.
    m_setup.release()->deleteLater();
    createSetup();
}

void ProgramWindows::setupCancelled()
{
    if (m_closing)
        return;
    const bool firstRun = !m_main->firstRunDone();
    m_setup.release()->deleteLater();
    createSetup();
    // Until a setup is saved there is nothing else to work with.
    if (firstRun)
        m_setup->show();
}

// One appointment form: asked for again while open, it comes to the front;
// opened again after it closed, it starts afresh.
void ProgramWindows::showSchedule()
{
    if (!m_schedule)
        m_schedule = std::make_unique<Schedule>(*m_main, [this] { return m_services.clock().date(); });
    else if (m_schedule->isHidden())
        m_schedule->load();
    bringToFront(m_schedule.get());
}

// One entry form of each kind, like the appointment form: asked for while
// open it comes to the front with what was typed; after closing it starts
// afresh, the edit form from the customer selected then.
void ProgramWindows::showNewCustomer()
{
    const auto today = [this] { return m_services.clock().date(); };
    if (!m_newCustomer)
        m_newCustomer = std::make_unique<FrmNew>(*m_main, today);
    else if (m_newCustomer->isHidden())
        m_newCustomer->load();
    bringToFront(m_newCustomer.get());
}

void ProgramWindows::showEditCustomer()
{
    const auto today = [this] { return m_services.clock().date(); };
    if (!m_editCustomer)
        m_editCustomer = std::make_unique<FrmEdit>(*m_main, today);
    if (m_editCustomer->isHidden())
        m_editCustomer->load(m_main->customers().selectedRow());
    bringToFront(m_editCustomer.get());
}

void ProgramWindows::showCredits()
{
    if (!m_credits)
        m_credits = std::make_unique<frmDemo2>(m_services.dialogs, m_services.programFolder);
    bringToFront(m_credits.get());
}

void ProgramWindows::bringToFront(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void ProgramWindows::closeAll()
{
    if (m_closing)
        return;
    m_closing = true;
    if (m_splash)
        m_splash->close();
    for (QWidget* window : {static_cast<QWidget*>(m_credits.get()), static_cast<QWidget*>(m_schedule.get()),
                            static_cast<QWidget*>(m_newCustomer.get()),
                            static_cast<QWidget*>(m_editCustomer.get())})
        if (window)
            window->close();
    m_setup->hide();
    m_logon->closeQuietly();
    m_main->close();
    emit finished();
}

void ProgramWindows::bringForward()
{
    for (QWidget* window : {static_cast<QWidget*>(m_main.get()), static_cast<QWidget*>(m_setup.get()),
                            static_cast<QWidget*>(m_logon.get())}) {
        if (window && window->isVisible()) {
            window->showNormal();
            window->raise();
            window->activateWindow();
            return;
        }
    }
}
