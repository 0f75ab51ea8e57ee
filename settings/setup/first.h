#pragma once

#include "SetupEntries.h"
#include "firstControls.h"

#include <QTimer>
#include <QWidget>

class Dialogs;
class Result;
class SettingsStore;
class SetupMirrorTarget;

// What the setup window works with, handed in by whoever creates it.
struct firstServices
{
    SettingsStore& settings;
    Dialogs& dialogs;
    SetupMirrorTarget& mirror;
    QString programFolder;
};

// The setup window "Tallyvane Control Panel": the administrator's account,
// the currency and what a clerk may do. From load() until it closes, shown
// or hidden, its timers keep "Save My Settings" enabled only for a complete
// account, show the selected tab's group and mirror the permissions and the
// currency into the main window. It closes after a save or a cancel; a
// setup wanted again is a new window, loaded afresh from the settings.
// The mirror's target must outlive the window.
class first : public QWidget
{
    Q_OBJECT

public:
    explicit first(const firstServices& services, QWidget* parent = nullptr);
    ~first() override;

    // Fills the currency list, reads the stored values into the fields, and
    // starts the timers.
    void load();

    // The fields that other windows read.
    QString adminName() const;
    QString adminPhone() const;
    QString password() const;

    // What the window shows, as plain values.
    SetupEntries entries() const;
    const firstControls& controls() const { return ui; }

    // Each timer's work; public so that tests drive the timers directly.
    void mirrorIntoMain(); // Timer1
    void enableSave();     // Timer2
    void switchGroup();    // Timer3
    bool timersRunning() const;

    // "Save My Settings": writes every setting in its order, then raises
    // saved() and closes. When a setting cannot be written the operator is
    // told, and the window stays open with what was typed; returns whether
    // everything was saved.
    bool save();
    // "Cancel": closes without saving; the main window's clerk permissions
    // and currency go back to the stored ones.
    void cancel();
    void showHelp();

signals:
    // Everything was saved: the main window shows now.
    void saved();
    // The operator closed the window without saving. While the first run
    // is not done, the setup must come back at once: raised before the
    // window has gone, so that a receiver connected directly shows the new
    // setup while this one still counts as a visible window and the
    // program does not end in between.
    void cancelled();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void connectControls();
    void startTimers();
    void fillCurrencyList();
    void showEntries(const SetupEntries& shown);
    void mirror(const SetupEntries& shown);
    void selectCurrency(int index);
    int selectedCurrency() const;
    void reportNotSaved(const Result& result);

    SettingsStore& m_settings;
    Dialogs& m_dialogs;
    SetupMirrorTarget& m_mirror;
    QString m_programFolder;
    firstControls ui;
    bool m_saving = false;

    QTimer Timer1;
    QTimer Timer2;
    QTimer Timer3;
};
