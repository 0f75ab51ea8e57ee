#include "first.h"

#include "CurrencyList.h"
#include "Dialogs.h"
#include "GroupBox.h"
#include "HelpPicture.h"
#include "SettingsStore.h"
#include "SetupMirrorTarget.h"
#include "chameleonButton.h"
#include "xpWellsTab.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>

#include <array>
#include <tuple>

namespace {

constexpr int kClientWidth = 520;
constexpr int kClientHeight = 252;
constexpr int kMirrorInterval = 200;
constexpr int kSaveEnablingInterval = 100;
constexpr int kTabInterval = 200;

const QString kTitle = QStringLiteral("Tallyvane Control Panel");

} // namespace

first::first(const firstServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint),
      m_settings(services.settings),
      m_dialogs(services.dialogs),
      m_mirror(services.mirror),
      m_programFolder(services.programFolder),
      ui(buildFirstControls(this))
{
    setObjectName(QStringLiteral("first"));
    setWindowTitle(kTitle);
    setFixedSize(kClientWidth, kClientHeight);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    ui.chameleonButton1->setDefault(true);
    ui.chameleonButton2->setCancel(true);
    ui.chameleonButton1->setEnabled(false);
    connectControls();
    switchGroup();
}

first::~first() = default;

void first::connectControls()
{
    connect(ui.chameleonButton1, &chameleonButton::Click, this, &first::save);
    connect(ui.chameleonButton2, &chameleonButton::Click, this, &first::cancel);
    connect(ui.Image31, &QAbstractButton::clicked, this, &first::showHelp);
    // The tab timer catches up anyway; answering the press shows the page
    // without its delay.
    connect(ui.xpWellsTab1, &xpWellsTab::TabPressed, this, &first::switchGroup);
}

void first::load()
{
    fillCurrencyList();
    showEntries(SetupRules::storedEntries(m_settings));
    enableSave();
    startTimers();
}

void first::startTimers()
{
    const std::tuple<QTimer*, int, void (first::*)()> timers[] = {
        {&Timer1, kMirrorInterval, &first::mirrorIntoMain},
        {&Timer2, kSaveEnablingInterval, &first::enableSave},
        {&Timer3, kTabInterval, &first::switchGroup},
    };
    for (const auto& [timer, interval, work] : timers) {
        timer->setInterval(interval);
        connect(timer, &QTimer::timeout, this, work, Qt::UniqueConnection);
        timer->start();
    }
}

bool first::timersRunning() const
{
    return Timer1.isActive() && Timer2.isActive() && Timer3.isActive();
}

void first::fillCurrencyList()
{
    ui.Combo1->clear();
    ui.Combo1->addItems(CurrencyList::entries());
    selectCurrency(-1);
}

void first::showEntries(const SetupEntries& shown)
{
    ui.Text1->setText(shown.name);
    ui.Text2->setText(shown.phone);
    ui.Text4->setText(shown.password);
    ui.Text3->setText(shown.otherCurrency);
    // The prompt reads from its start.
    ui.Text3->setCursorPosition(0);
    ui.Check1->setChecked(shown.deleteTicked);
    ui.Check3->setChecked(shown.addTicked);
    ui.Check2->setChecked(shown.editTicked);
    selectCurrency(shown.currencyIndex);
}

// A position outside the list selects nothing, as -1 does.
void first::selectCurrency(int index)
{
    if (index >= 0 && index < ui.Combo1->count()) {
        ui.Combo1->setCurrentIndex(index);
        return;
    }
    ui.Combo1->setCurrentIndex(-1);
    ui.Combo1->setEditText(QLatin1String(CurrencyList::Prompt));
}

// Typing over a chosen entry leaves no entry chosen.
int first::selectedCurrency() const
{
    const int index = ui.Combo1->currentIndex();
    if (index >= 0 && ui.Combo1->itemText(index) == ui.Combo1->currentText())
        return index;
    return -1;
}

QString first::adminName() const
{
    return ui.Text1->text();
}

QString first::adminPhone() const
{
    return ui.Text2->text();
}

QString first::password() const
{
    return ui.Text4->text();
}

SetupEntries first::entries() const
{
    SetupEntries shown;
    shown.name = ui.Text1->text();
    shown.phone = ui.Text2->text();
    shown.password = ui.Text4->text();
    shown.deleteTicked = ui.Check1->isChecked();
    shown.addTicked = ui.Check3->isChecked();
    shown.editTicked = ui.Check2->isChecked();
    shown.currencyIndex = selectedCurrency();
    shown.currencyText = ui.Combo1->currentText();
    shown.otherCurrency = ui.Text3->text();
    return shown;
}

void first::mirrorIntoMain()
{
    mirror(entries());
}

void first::mirror(const SetupEntries& shown)
{
    const ClerkPermissions permissions = SetupRules::permissionsOf(shown);
    m_mirror.mirrorPermissions(permissions.deleteAllowed, permissions.addAllowed, permissions.editAllowed);
    const QString currency = SetupRules::shownCurrency(shown);
    m_mirror.mirrorCurrencies(currency, currency);
}

void first::enableSave()
{
    const bool complete = SetupRules::canSave(entries());
    if (ui.chameleonButton1->isEnabled() != complete)
        ui.chameleonButton1->setEnabled(complete);
}

void first::switchGroup()
{
    const int selected = ui.xpWellsTab1->SelectedTab();
    const std::array<GroupBox*, 3> groups = ui.groups();
    for (int tab = 1; tab <= int(groups.size()); ++tab) {
        GroupBox* group = groups[std::size_t(tab - 1)];
        if (group->isHidden() == (tab == selected))
            group->setVisible(tab == selected);
    }
}

bool first::save()
{
    // The button may still be enabled for up to one tick after a field
    // was emptied; an incomplete account is never saved.
    const SetupEntries shown = entries();
    if (!SetupRules::canSave(shown))
        return false;
    // The derived settings are the mirror's copy, taken now rather than
    // up to a tick ago.
    mirrorIntoMain();
    for (const SettingValue& setting : SetupRules::savedSettings(shown)) {
        if (const Result written = m_settings.SaveSetting(*setting.key, setting.value); !written.ok()) {
            reportNotSaved(written);
            return false;
        }
    }
    m_mirror.setFirstRunFlag(QStringLiteral("1"));
    // The main window shows before this one closes, so the program never
    // finds itself without a visible window in between.
    m_saving = true;
    emit saved();
    close();
    return true;
}

void first::reportNotSaved(const Result& result)
{
    m_dialogs.showMessage(
        QStringLiteral("Your settings have not been saved yet; the control panel stays open with "
                       "everything you entered.\n\n%1\n\nFree some disk space or make the settings "
                       "file writable, then click \"Save My Settings\" again.")
            .arg(result.message()),
        kTitle, MessageIcon::Warning, MessageButtons::Ok);
}

void first::cancel()
{
    close();
}

void first::showHelp()
{
    m_dialogs.showHelp(m_programFolder + QStringLiteral("/Other/TALLYVANE.hlp"));
}

// The timers end with the window. Closing a hidden window is the
// program's doing (it is ending), not the operator's cancel.
void first::closeEvent(QCloseEvent* event)
{
    Timer1.stop();
    Timer2.stop();
    Timer3.stop();
    const bool cancelledByOperator = !m_saving && isVisible();
    QWidget::closeEvent(event);
    if (!cancelledByOperator)
        return;
    // What was ticked but not saved stops applying: the main window gets
    // back what a setup opened afresh would show it.
    mirror(SetupRules::storedEntries(m_settings));
    emit cancelled();
}
