#include "FrmMain.h"

#include "AutomaticBackups.h"
#include "CustomerListModel.h"
#include "CustomerStore.h"
#include "DateTimeText.h"
#include "Dialogs.h"
#include "NumberText.h"
#include "SettingsStore.h"
#include "SetupEntries.h"
#include "ToolPicture.h"
#include "xpWellsTab.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPrinter>

namespace {

constexpr int kClientWidth = 8880 / 15;
constexpr int kClientHeight = 8385 / 15;
constexpr int kQuickStartTab = 5;
constexpr int kRoleRulesInterval = 10;
constexpr int kRefreshInterval = 200;
// How often the window asks the server whether another counter wrote.
constexpr int kFollowInterval = 500;

} // namespace

FrmMain::FrmMain(const FrmMainServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint),
      m_store(services.store),
      m_settings(services.settings),
      m_dialogs(services.dialogs),
      m_programFolder(services.programFolder),
      m_clock(services.clock),
      m_customers(services.store),
      m_model(new CustomerListModel(m_customers, this)),
      ui(buildFrmMainControls(this)),
      cd(services.dialogs, QStringLiteral("Select Location Of Database"), QStringLiteral("mdb")),
      cd2(services.dialogs, QStringLiteral("Please Select File To Restore Database From"),
          QStringLiteral("mdb"))
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("Tallyvane"));
    setFixedSize(kClientWidth, kClientHeight);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    ui.List->setModel(m_model);
    ui.List->installEventFilter(this);
    ui.List->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui.List, &QWidget::customContextMenuRequested, this, &FrmMain::showListMenu);
    connectControls();
    connectShortcuts();
    connectFind();
}

FrmMain::~FrmMain() = default;

void FrmMain::setClerkPermissions(const QString& deleteAllowed, const QString& addAllowed,
                                  const QString& editAllowed)
{
    if (Text2 == deleteAllowed && Text5 == addAllowed && Text6 == editAllowed)
        return;
    Text2 = deleteAllowed;
    Text5 = addAllowed;
    Text6 = editAllowed;
    sessionChanged();
}

void FrmMain::setRole(const QString& role)
{
    Text3 = role;
    tellStoreWhoWorks();
    sessionChanged();
}

void FrmMain::setFirstRunFlag(const QString& flag)
{
    if (Text1 == flag)
        return;
    Text1 = flag;
    sessionChanged();
}

void FrmMain::mirrorPermissions(const QString& deleteAllowed, const QString& addAllowed,
                                const QString& editAllowed)
{
    setClerkPermissions(deleteAllowed, addAllowed, editAllowed);
}

void FrmMain::mirrorCurrencies(const QString& currency1, const QString& currency2)
{
    for (const auto& [label, text] : {std::pair{ui.GroupBox5->Label18, currency1},
                                      std::pair{ui.GroupBox5->Label19, currency2}})
        if (label->text() != text)
            label->setText(text);
}

// The role rules depend only on the session fields and the list, all of
// which change through this window: the rules' timer runs from such a
// change until a tick finds everything right, instead of waking the
// program a hundred times a second for nothing.
void FrmMain::sessionChanged()
{
    if (!m_unloaded && !Timer1.isActive())
        Timer1.start();
}

void FrmMain::roleRulesTick()
{
    if (!applyRoleRules() && Text1 == QLatin1String("1"))
        Timer1.stop();
}

QString FrmMain::databaseFile() const
{
    return m_programFolder + QStringLiteral("/Other/Tallyvane DB.mdb");
}

Result FrmMain::load()
{
    if (Result opened = m_store.open(); !opened.ok())
        return opened;
    RefreshList();
    readSettings();
    ui.xpWellsTab1->setSelectedTab(kQuickStartTab);
    ui.GroupBox15->Calendar1->setSelectedDate(m_clock().date());
    showDatabaseSize();
    switchPage();
    startTimers();
    startAutomaticBackups();
    return Result::success();
}

void FrmMain::readSettings()
{
    const auto read = [this](const SettingKey& key, const QString& current) {
        return m_settings.GetSetting(QLatin1String(key.section), QLatin1String(key.key), current);
    };
    Text1 = read(Settings::FirstTimeRun, Text1);
    Text2 = read(Settings::DeleteAllowed, Text2);
    Text5 = read(Settings::AddAllowed, Text5);
    Text6 = read(Settings::EditAllowed, Text6);
    // Earlier setups saved the list's prompt when no currency was chosen.
    for (auto [label, key] : {std::pair{ui.GroupBox5->Label18, &Settings::Currency1},
                              std::pair{ui.GroupBox5->Label19, &Settings::Currency2}})
        label->setText(SetupRules::currencyOrNone(read(*key, label->text())));
    ui.Label11->setValue(read(Settings::HistoryUser, ui.Label11->value()));
    ui.Label13->setValue(read(Settings::Name, ui.Label13->value()));
    ui.Label15->setValue(read(Settings::History, ui.Label15->value()));
    ui.GroupBox15->Text26->setPlainText(read(Settings::Schedule, ui.GroupBox15->Text26->toPlainText()));
    // The path fields show what the dialogs last chose, so the dialogs start
    // from the stored paths rather than losing them on the first refresh.
    cd.setFileName(read(Settings::Backup, QString()));
    cd2.setFileName(read(Settings::Restore, QString()));
    refreshPathFields();
}

void FrmMain::showDatabaseSize()
{
    const double kilobytes = double(QFileInfo(databaseFile()).size()) / 1024.0;
    QString size = generalNumberText(kilobytes);
    size.replace(QLatin1Char('.'), QLocale().decimalPoint());
    ui.GroupBox9->Label65->setValue(size + QStringLiteral(" KB"));
}

void FrmMain::startTimers()
{
    const std::pair<QTimer*, void (FrmMain::*)()> timers[] = {
        {&Timer1, &FrmMain::roleRulesTick},          {&Timer5, &FrmMain::refreshCompanyStatus},
        {&Timer6, &FrmMain::switchPage},             {&Timer7, &FrmMain::refreshQuickStart},
        {&Timer8, &FrmMain::updateSearchTool},       {&Timer9, &FrmMain::refreshPathFields},
        {&Timer11, &FrmMain::updatePieButton},       {&Timer12, &FrmMain::refreshPaymentStatus},
        {&Timer13, &FrmMain::refreshScheduleAndClock},
    };
    for (const auto& [timer, work] : timers) {
        timer->setInterval(timer == &Timer1 ? kRoleRulesInterval : kRefreshInterval);
        connect(timer, &QTimer::timeout, this, work, Qt::UniqueConnection);
        timer->start();
    }
    // Another counter's change shows within a second.
    m_followTimer.setInterval(kFollowInterval);
    connect(&m_followTimer, &QTimer::timeout, this, &FrmMain::followOtherCounters, Qt::UniqueConnection);
    m_followTimer.start();
}

// Only what the other counters changed is read; the focus and the
// selection stay where the operator has them.
void FrmMain::followOtherCounters()
{
    if (!m_store.rowsChangedElsewhereWaiting())
        return;
    rebuildList([this] {
        bool changed = false;
        return m_customers.followOutsideChanges(&changed);
    });
}

void FrmMain::RefreshList()
{
    rebuildList([this] { return m_customers.RefreshList(); });
    // The customer the operator went to instead of adding a new one.
    if (m_selectAfterRefresh != NoRow)
        selectCustomer(std::exchange(m_selectAfterRefresh, NoRow));
}

void FrmMain::rebuildList(const std::function<Result()>& rebuild)
{
    m_model->beginRebuild();
    const Result rebuilt = rebuild();
    m_model->endRebuild();
    if (!rebuilt.ok())
        reportFailure(rebuilt, QStringLiteral("Customer List"));
    afterListChange();
}

void FrmMain::afterListChange()
{
    sessionChanged();
    showDetails();
    showSelectionInList();
    showFindCount();
    keepFinding();
}

bool FrmMain::AddUser(const CustomerRecord& record)
{
    if (const std::optional<bool> done = askAboutDuplicate(record))
        return *done;
    const Result added = m_customers.AddUser(record);
    if (!added.ok())
        reportFailure(added, QStringLiteral("Add Customer"));
    return added.ok();
}

bool FrmMain::EditUser(const StoredCustomer& customer, const CustomerRecord& record)
{
    const Result edited = m_customers.EditUser(customer, record);
    if (!edited.ok())
        reportFailure(edited, QStringLiteral("Update Customer"));
    return edited.ok();
}

void FrmMain::selectPosition(int position)
{
    const Result selected = m_customers.select(position);
    if (!selected.ok())
        reportFailure(selected, QStringLiteral("Customer List"));
    afterListChange();
}

void FrmMain::selectCustomer(RowId row)
{
    const int position = m_customers.positionOf(row);
    if (position >= 0)
        selectPosition(position);
}

void FrmMain::showDetails()
{
    const CustomerList::DetailPanel& details = m_customers.details();
    for (std::size_t element = 0; element < details.size(); ++element)
        ui.LblDbInfo[element]->setValue(details[element]);
}

// Keeps the list's highlighted entry on the customer the panel shows, also
// after a selection that failed or a rebuild that cleared it.
void FrmMain::showSelectionInList()
{
    m_syncingList = true;
    const int shownRow = m_customers.shownRowOf(m_customers.selectedPosition());
    QItemSelectionModel* selection = ui.List->selectionModel();
    if (shownRow < 0) {
        selection->clear();
    } else {
        const QModelIndex index = m_model->index(shownRow);
        selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        ui.List->scrollTo(index);
    }
    m_syncingList = false;
}

void FrmMain::reportFailure(const Result& result, const QString& title)
{
    m_dialogs.showMessage(result.message(), title, MessageIcon::Warning, MessageButtons::Ok);
}

void FrmMain::closeEvent(QCloseEvent* event)
{
    unload();
    QWidget::closeEvent(event);
}

void FrmMain::saveHistory()
{
    const QString operatorName = session().roleName();
    if (!operatorName.isEmpty())
        ui.Label11->setValue(operatorName);
    const QDateTime now = m_clock();
    ui.Label15->setValue(QStringLiteral("Date: ") + shortDateText(now.date()) + QStringLiteral(" At: ")
                         + longTimeText(now.time()));
    saveSetting(Settings::History, ui.Label15->value());
    saveSetting(Settings::HistoryUser, ui.Label11->value());
}

void FrmMain::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    saveHistory();
    for (QTimer* timer : {&Timer1, &Timer5, &Timer6, &Timer7, &Timer8, &Timer9, &Timer11, &Timer12,
                          &Timer13})
        timer->stop();
    m_backupTimer.stop();
    m_followTimer.stop();
    takeAutomaticBackup();
    emit unloaded();
}
