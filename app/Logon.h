#pragma once

#include "LogonRules.h"

#include <QTimer>
#include <QWidget>

#include <functional>

class chameleonButton;
class Dialogs;
class QComboBox;
class QLineEdit;
class SettingsStore;
class ToolPicture;

// What the log-on window works with, handed in by whoever starts it.
struct LogonServices
{
    SettingsStore& settings;
    Dialogs& dialogs;
    QString programFolder;
    // The password taken when none is stored: the setup window's password
    // box as it stands.
    std::function<QString()> passwordDefault = [] { return QString(); };
};

// Every control of the log-on window under the names its behaviour uses.
struct LogonControls
{
    QComboBox* Combo1 = nullptr;              // "Authorization:"
    QLineEdit* Text1 = nullptr;               // "Admin Password:"
    chameleonButton* chameleonButton1 = nullptr; // "Login"
    chameleonButton* chameleonButton2 = nullptr; // "Cancel"
    ToolPicture* Image31 = nullptr;           // help
};

// The window in which an operator chooses a role and, as administrator,
// types the stored password. Logging on hands the role to the main window
// through loggedOn(); closing it ("Cancel", the title bar) asks for the
// whole program to close, unless the program closes it quietly.
class Logon : public QWidget
{
    Q_OBJECT

public:
    explicit Logon(const LogonServices& services, QWidget* parent = nullptr);

    const LogonControls& controls() const { return ui; }
    const QString& storedPassword() const { return Text2; }

    // Timer1's work: the enabled states follow the role and the password.
    void applyEnablingRules();
    bool enablingTimerRunning() const { return Timer1.isActive(); }

    // "Login", as a click or Enter runs it.
    void logOn();
    void showHelp();
    // The program's own closing (the first-run redirect, the closing of
    // every window): the window goes without asking for anything more.
    void closeQuietly();

    // Back after a log-out: the password box empty, the role choice kept,
    // the stored password read again (the setup may have changed it).
    void showAfterLogOut();

signals:
    void loggedOn(const QString& role);
    void closeAllRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void load();
    void readStoredPassword();
    LogonState currentState() const;

    SettingsStore& m_settings;
    Dialogs& m_dialogs;
    QString m_programFolder;
    std::function<QString()> m_passwordDefault;

    LogonControls ui;
    // The stored administrator password, kept outside the visible area.
    QString Text2;
    QTimer Timer1;
    bool m_closingQuietly = false;
};
