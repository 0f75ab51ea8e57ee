// The main window's periodic work. Every tick sets only what differs, so
// an idle window neither repaints nor writes to disk.
#include "FrmMain.h"

#include "CustomerStore.h"
#include "DateTimeText.h"
#include "Picture.h"
#include "SettingsStore.h"
#include "ToolPicture.h"
#include "chameleonButton.h"
#include "xpWellsTab.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>

namespace {

const QColor kPaidColour(0, 128, 0);
const QColor kPendingColour(255, 0, 0);

bool setEnabledIfChanged(QWidget* widget, bool enabled)
{
    if (widget->testAttribute(Qt::WA_Disabled) != enabled)
        return false;
    widget->setEnabled(enabled);
    return true;
}

bool applyTool(ToolPicture* tool, const LockableTool& state)
{
    const bool lockChanged = tool->lockMarkVisible() != state.locked;
    tool->setLockMarkVisible(state.locked);
    return setEnabledIfChanged(tool, state.enabled) || lockChanged;
}

LockableTool toolState(const ToolPicture* tool)
{
    return LockableTool{!tool->testAttribute(Qt::WA_Disabled), tool->lockMarkVisible()};
}

void setTextIfChanged(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

void setTextColour(QLabel* label, const QColor& colour)
{
    if (label->palette().color(QPalette::WindowText) == colour)
        return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

bool FrmMain::applyRoleRules()
{
    if (Text1 != QLatin1String("1") && m_firstRunHandler) {
        hide();
        m_firstRunHandler();
    }
    LockableTools tools{toolState(ui.Image2), toolState(ui.Image4), toolState(ui.Image3),
                        toolState(ui.Image6)};
    ::applyRoleRules(session(), tools);
    bool changed = applyTool(ui.Image2, tools.add);
    changed |= applyTool(ui.Image4, tools.update);
    changed |= applyTool(ui.Image3, tools.remove);
    changed |= applyTool(ui.Image6, tools.admin);
    // Bringing customers in or out moves the whole list: the administrator's alone.
    const bool administrator = session().role == Session::administrator();
    for (chameleonButton* transfer : {ui.GroupBox8->importCustomers, ui.GroupBox8->exportCustomers}) {
        if (transfer->isHidden() == administrator) {
            transfer->setVisible(administrator);
            changed = true;
        }
    }
    const QString listed = QString::number(m_customers.count());
    if (Label9 != listed) {
        Label9 = listed;
        changed = true;
    }
    return changed;
}

void FrmMain::refreshCompanyStatus()
{
    CompanyStatusPage* page = ui.GroupBox6;
    page->Label32->setValue(
        m_settings.GetSetting(QLatin1String(Settings::Email.section),
                              QLatin1String(Settings::Email.key), page->Label32->value()));
    page->Label31->setValue(ui.Label13->value());
    page->Label24->setValue(Label9);
    page->Label25->setValue(m_customers.productsSoldText());
    page->Label29->setValue(ui.GroupBox5->Label18->text());
    setTextIfChanged(page->Label30, ui.GroupBox5->Label18->text());
    page->Label28->setValue(m_customers.earningsText());
}

void FrmMain::switchPage()
{
    const int tab = ui.xpWellsTab1->SelectedTab();
    if (tab >= 1 && tab <= 5)
        showPanel(ui.panels()[std::size_t(tab - 1)]);
}

void FrmMain::showPanel(const PanelGroup* shown)
{
    for (PanelGroup* panel : ui.panels())
        if (panel != shown)
            panel->setVisible(false);
    for (PanelGroup* panel : ui.panels())
        if (panel == shown && panel->isHidden())
            panel->setVisible(true);
}

void FrmMain::refreshQuickStart()
{
    QuickStartPage* page = ui.GroupBox9;
    const CompanyStatusPage* status = ui.GroupBox6;
    setTextIfChanged(page->Label39, status->Label30->text());
    page->Label40->setValue(status->Label28->value());
    page->Label52->setValue(status->Label25->value() + QStringLiteral(" Products Sold"));
    page->Label45->setValue(m_store.version());
    page->Label47->setValue(QString::number(m_customers.count()) + QStringLiteral(" Records"));
    page->Label48->setValue(dateTimeText(m_clock()));
}

void FrmMain::updateSearchTool()
{
    setEnabledIfChanged(ui.Image7, m_customers.count() > 0);
}

void FrmMain::refreshPathFields()
{
    BackupPage* page = ui.GroupBox8;
    if (page->Text15->text() != cd.fileName())
        page->Text15->setText(cd.fileName());
    if (page->Text17->text() != cd2.fileName())
        page->Text17->setText(cd2.fileName());
    page->Text16 = databaseFile();
    keepSetting(Settings::Backup, page->Text15->text());
    keepSetting(Settings::Restore, page->Text17->text());
}

// Timers keep settings in step every 200 ms: a failing save is told once,
// not on every tick, and again only after a save got through in between.
void FrmMain::keepSetting(const SettingKey& key, const QString& value)
{
    // A key never saved reads as its default: saving that would change
    // nothing the program reads, so an idle window writes nothing.
    if (m_settings.GetSetting(key) != value)
        saveSetting(key, value);
}

void FrmMain::saveSetting(const SettingKey& key, const QString& value)
{
    const Result saved = m_settings.SaveSetting(key, value);
    if (saved.ok()) {
        m_settingsFailureShown = false;
    } else if (!m_settingsFailureShown) {
        m_settingsFailureShown = true;
        reportFailure(saved, QStringLiteral("Tallyvane"));
    }
}

void FrmMain::updatePieButton()
{
    setEnabledIfChanged(ui.GroupBox10->chameleonButton6, m_customers.hasSelection());
}

void FrmMain::refreshPaymentStatus()
{
    PurchaseDetailsPage* purchase = ui.GroupBox5;
    const QString& paid = m_customers.paid();
    if (paid == QLatin1String("0") || paid == QLatin1String("1")) {
        const bool fullyPaid = paid == QLatin1String("0");
        setTextIfChanged(purchase->Label57, fullyPaid ? QStringLiteral("Payment Fully Paid")
                                                      : QStringLiteral("Payment Pending"));
        setTextColour(purchase->Label57, fullyPaid ? kPaidColour : kPendingColour);
        purchase->Image22->setShown(!fullyPaid);
        purchase->Image11->setShown(fullyPaid);
    }
    const QString& sex = m_customers.sex();
    if (sex == QLatin1String("f") || sex == QLatin1String("m")) {
        ui.GroupBox2->Image23->setShown(sex == QLatin1String("f"));
        ui.GroupBox2->Image10->setShown(sex == QLatin1String("m"));
    }
}

void FrmMain::refreshScheduleAndClock()
{
    keepSetting(Settings::Schedule, text());
    Text25 = shortDateText(ui.GroupBox15->Calendar1->selectedDate());
    ui.GroupBox15->Label74->setValue(longTimeText(m_clock().time()));
}
