// What the main window's tools, buttons and keys do.
#include "FrmMain.h"

#include "Appointment.h"
#include "CustomerListModel.h"
#include "Dialogs.h"
#include "ToolPicture.h"
#include "chameleonButton.h"
#include "xpWellsTab.h"

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextCursor>

namespace {

const QString kNotSelectedTitle = QStringLiteral("A Customer Has Not Been Selected");

} // namespace

bool FrmMain::customerSelectedOrSaySo()
{
    if (m_customers.hasSelection())
        return true;
    m_dialogs.showMessage(QStringLiteral("Please Select A Customer From Your Customer List"),
                          kNotSelectedTitle, MessageIcon::Information, MessageButtons::Ok);
    return false;
}

void FrmMain::connectControls()
{
    connect(ui.List->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (!m_syncingList && current.isValid())
                    selectPosition(m_customers.shownPosition(current.row()));
            });
    connect(ui.Text7, &QLineEdit::returnPressed, this, &FrmMain::search);
    connect(ui.Image7, &QAbstractButton::clicked, this, &FrmMain::search);
    // A click on the strip hands the panel back to the tabs.
    connect(ui.xpWellsTab1, &xpWellsTab::TabPressed, this, [this] {
        Timer6.start();
        switchPage();
    });

    connect(ui.Image2, &QAbstractButton::clicked, this, &FrmMain::addCustomer);
    connect(ui.Image4, &QAbstractButton::clicked, this, &FrmMain::updateCustomer);
    connect(ui.Image3, &QAbstractButton::clicked, this, &FrmMain::deleteFromTool);
    connect(ui.Image21, &QAbstractButton::clicked, this, &FrmMain::showEarningsChart);
    connect(ui.Image24, &QAbstractButton::clicked, this, &FrmMain::showGenderChart);
    connect(ui.Image6, &QAbstractButton::clicked, this, &FrmMain::setupRequested);
    connect(ui.Image5, &QAbstractButton::clicked, this, &FrmMain::generateReport);
    connect(ui.Image26, &QAbstractButton::clicked, this, [this] { showToolPage(ui.GroupBox14); });
    connect(ui.Image27, &QAbstractButton::clicked, this, [this] { showToolPage(ui.GroupBox15); });
    connect(ui.Image9, &QAbstractButton::clicked, this, &FrmMain::logOut);
    connect(ui.Image31, &QAbstractButton::clicked, this, &FrmMain::showHelp);
    connect(ui.Image20, &QAbstractButton::clicked, this, &FrmMain::creditsRequested);

    connect(ui.GroupBox15->chameleonButton8, &chameleonButton::Click, this, &FrmMain::scheduleRequested);
    connect(ui.GroupBox15->chameleonButton9, &chameleonButton::Click, this, &FrmMain::checkIfBusy);
    connect(ui.GroupBox15->chameleonButton10, &chameleonButton::Click, this, &FrmMain::clearSchedules);
    connect(ui.GroupBox10->chameleonButton6, &chameleonButton::Click, this, &FrmMain::generatePieChart);
    connect(ui.GroupBox7->chameleonButton1, &chameleonButton::Click, this, &FrmMain::printReport);
    connect(ui.GroupBox14->chameleonButton7, &chameleonButton::Click, this, &FrmMain::printNote);
    connect(ui.GroupBox7->savePdf, &chameleonButton::Click, this, &FrmMain::saveReportPdf);
    connect(ui.GroupBox14->savePdf, &chameleonButton::Click, this, &FrmMain::saveNotePdf);
    for (ChartPage* chart : std::initializer_list<ChartPage*>{ui.GroupBox10, ui.GroupBox12}) {
        connect(chart->savePng, &chameleonButton::Click, this, [this, chart] { saveChartPicture(chart, "png"); });
        connect(chart->saveSvg, &chameleonButton::Click, this, [this, chart] { saveChartPicture(chart, "svg"); });
    }

    BackupPage* backup = ui.GroupBox8;
    connect(backup->chameleonButton2, &chameleonButton::Click, this, &FrmMain::selectBackupTarget);
    connect(backup->chameleonButton3, &chameleonButton::Click, this, &FrmMain::backUpDatabase);
    connect(backup->chameleonButton5, &chameleonButton::Click, this, &FrmMain::selectRestoreSource);
    connect(backup->chameleonButton4, &chameleonButton::Click, this, &FrmMain::restoreDatabase);
    connect(backup->importCustomers, &chameleonButton::Click, this, &FrmMain::importCustomers);
    connect(backup->exportCustomers, &chameleonButton::Click, this, &FrmMain::exportCustomers);
}

void FrmMain::connectShortcuts()
{
    const std::pair<Qt::Key, std::function<void()>> keys[] = {
        {Qt::Key_F2, [this] { addCustomer(); }},
        {Qt::Key_F3, [this] { updateCustomer(); }},
        {Qt::Key_F4, [this] { emit scheduleRequested(); }},
        {Qt::Key_F5, [this] { ui.Image5->click(); }},
        {Qt::Key_F6, [this] { ui.Image21->click(); }},
        {Qt::Key_F7, [this] { ui.Image24->click(); }},
        {Qt::Key_F8, [this] { ui.Image26->click(); }},
        {Qt::Key_F11, [this] { logOut(); }},
        {Qt::Key_F12, [this] { emit creditsRequested(); }},
    };
    for (const auto& [key, action] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    }
    // A text field's own undo comes first: it takes Ctrl+Z while it has focus.
    auto* undo = new QShortcut(QKeySequence::Undo, this);
    connect(undo, &QShortcut::activated, this, &FrmMain::undoLastChange);
    auto* history = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_H), this);
    connect(history, &QShortcut::activated, this, [this] { showHistory(false); });
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui.List && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        deleteFromKey();
        return true;
    }
    if (watched == ui.findBox && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !ui.findBox->text().isEmpty()) {
        ui.findBox->clear();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// A tool's key does what the tool does, and nothing while the tool is locked.
bool FrmMain::toolLocked(const ToolPicture* tool) const
{
    return tool->testAttribute(Qt::WA_Disabled);
}

void FrmMain::addCustomer()
{
    if (!toolLocked(ui.Image2))
        emit addCustomerRequested();
}

void FrmMain::updateCustomer()
{
    if (!toolLocked(ui.Image4) && customerSelectedOrSaySo())
        emit updateCustomerRequested();
}

void FrmMain::deleteFromTool()
{
    if (toolLocked(ui.Image3))
        return;
    if (!m_customers.hasSelection()) {
        m_dialogs.showMessage(QStringLiteral("Please Select A Customer Delete From The Customer List"),
                              kNotSelectedTitle, MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    deleteSelectedAfterConfirm();
}

void FrmMain::deleteFromKey()
{
    if (!toolLocked(ui.Image3))
        deleteSelectedAfterConfirm();
}

void FrmMain::deleteSelectedAfterConfirm()
{
    const MessageAnswer answer = m_dialogs.showMessage(
        QStringLiteral("Are You Sure You Want To Delete Selected Customer"),
        QStringLiteral("Delete Confirm"), MessageIcon::Question, MessageButtons::YesNo);
    // The key asks even with nothing selected; then there is nothing to delete.
    if (answer != MessageAnswer::Yes || !m_customers.hasSelection())
        return;
    m_model->beginRebuild();
    const Result deleted = m_customers.deleteSelected();
    m_model->endRebuild();
    if (!deleted.ok())
        reportFailure(deleted, QStringLiteral("Delete Confirm"));
    afterListChange();
}

void FrmMain::search()
{
    if (m_customers.count() == 0)
        return;
    const QString name = ui.Text7->text();
    const CustomerList::SearchOutcome outcome = m_customers.search(name);
    if (!outcome.selection.ok())
        reportFailure(outcome.selection, QStringLiteral("Quick Search"));
    afterListChange();
    if (!outcome.found)
        m_dialogs.showMessage(
            QStringLiteral("No customer named \"%1\" was found further down the list. "
                           "The next search starts again from the top.")
                .arg(name),
            QStringLiteral("Quick Search"), MessageIcon::Information, MessageButtons::Ok);
}

void FrmMain::logOut()
{
    const MessageAnswer answer = m_dialogs.showMessage(
        QStringLiteral("Are You Sure You Want To Logout"), QStringLiteral("Logout"),
        MessageIcon::Question, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes)
        return;
    hide();
    emit loggedOut();
}

void FrmMain::showHelp()
{
    m_dialogs.showHelp(m_programFolder + QStringLiteral("/Other/TALLYVANE.hlp"));
}

void FrmMain::showToolPage(PanelGroup* page)
{
    Timer6.stop();
    showPanel(page);
}

void FrmMain::clearSchedules()
{
    ui.GroupBox15->Text26->setPlainText(QStringLiteral("None"));
}

QString FrmMain::text() const
{
    return bookWithCrLf(ui.GroupBox15->Text26->toPlainText());
}

void FrmMain::setText(const QString& text)
{
    ui.GroupBox15->Text26->setPlainText(text);
}

void FrmMain::checkIfBusy()
{
    QPlainTextEdit* book = ui.GroupBox15->Text26;
    const QString searched = text();
    const BusyCheckReply reply = m_busyCheck.press(searched, Text25);
    if (reply.selection) {
        const qsizetype start = reply.selection->start;
        QTextCursor cursor = book->textCursor();
        cursor.setPosition(int(shownBookPosition(searched, start)));
        cursor.setPosition(int(shownBookPosition(searched, start + reply.selection->length)),
                           QTextCursor::KeepAnchor);
        book->setTextCursor(cursor);
        book->setFocus();
    }
    if (reply.message)
        m_dialogs.showMessage(reply.message->text, reply.message->title, reply.message->icon,
                              MessageButtons::Ok);
}
