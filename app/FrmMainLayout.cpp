// The main window's controls and where they stand: a banner across the
// top, the customer list on the left, the tabbed panel on the right and
// two rows of tools under it.
#include "FrmMainControls.h"

#include "OleColor.h"
#include "Picture.h"
#include "ToolPicture.h"
#include "xpWellsTab.h"

#include <QLineEdit>
#include <QListView>

namespace {

constexpr quint32 kWhite = OleColor::rgb(255, 255, 255);
constexpr int kLeftColumnX = 8;
constexpr int kLeftColumnWidth = 144;
// The tab strip is the panel's frame: its tabs along the top, the page
// area below them holding whichever panel group shows.
constexpr int kPanelX = 160;
constexpr int kPanelWidth = 424;
constexpr int kStripTop = 62;
constexpr int kStripHeight = 312;
constexpr int kTabHeight = 22;
constexpr int kPageMargin = 5;
constexpr int kToolTop = 380;
constexpr int kToolWidth = kPanelWidth / 5;
constexpr int kToolHeight = 86;

GroupBox* addGroup(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry)
{
    auto* group = new GroupBox(name, parent);
    group->setCaption(caption);
    group->setBackcolor(kWhite);
    group->setAccessibleName(caption);
    group->setGeometry(geometry);
    return group;
}

ToolPicture* addTool(QWidget* window, const QString& caption, const char* picture, int row, int column)
{
    auto* tool = new ToolPicture(caption, QLatin1String(picture), window);
    tool->setGeometry(kPanelX + column * kToolWidth, kToolTop + row * (kToolHeight + 2), kToolWidth,
                      kToolHeight);
    return tool;
}

ToolPicture* addCornerPicture(QWidget* window, const char* picture, const QString& name, int top)
{
    auto* corner = new ToolPicture(QString(), QLatin1String(picture), window);
    corner->setAccessibleName(name);
    corner->setToolTip(name);
    corner->setGeometry(592 - 32, top, 26, 26);
    return corner;
}

void buildCustomerColumn(QWidget* window, FrmMainControls& ui)
{
    GroupBox* search = addGroup(window, QStringLiteral("quickSearchGroup"), QStringLiteral("Quick Search"),
                                QRect(kLeftColumnX, 62, kLeftColumnWidth, 54));
    ui.Text7 = new QLineEdit(search);
    ui.Text7->setGeometry(8, 22, kLeftColumnWidth - 48, 24);
    ui.Text7->setPlaceholderText(QStringLiteral("Whole name"));
    ui.Text7->setAccessibleName(QStringLiteral("Quick Search"));
    ui.Image7 = new ToolPicture(QString(), QStringLiteral("search.svg"), search);
    ui.Image7->setAccessibleName(QStringLiteral("Search"));
    ui.Image7->setToolTip(QStringLiteral("Search the list for this name (Enter)"));
    ui.Image7->setGeometry(kLeftColumnWidth - 34, 21, 26, 26);

    GroupBox* list = addGroup(window, QStringLiteral("customerListGroup"), QStringLiteral("Customer List"),
                              QRect(kLeftColumnX, 120, kLeftColumnWidth, 222));
    ui.findBox = new QLineEdit(list);
    ui.findBox->setGeometry(8, 22, kLeftColumnWidth - 16, 24);
    ui.findBox->setPlaceholderText(QStringLiteral("Find in every field (Ctrl+F)"));
    ui.findBox->setAccessibleName(QStringLiteral("Find in every field"));
    ui.findBox->setClearButtonEnabled(true);
    ui.List = new QListView(list);
    ui.List->setGeometry(8, 50, kLeftColumnWidth - 16, 128);
    // Two lines: "12 of 1,000,000 customers shown" is wider than the column.
    ui.findCount = new QLabel(list);
    ui.findCount->setGeometry(8, 180, kLeftColumnWidth - 16, 36);
    ui.findCount->setWordWrap(true);
    ui.findCount->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui.findCount->setAccessibleName(QStringLiteral("Customers shown"));
    ui.List->setUniformItemSizes(true);
    ui.List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui.List->setSelectionMode(QAbstractItemView::SingleSelection);
    ui.List->setAccessibleName(QStringLiteral("Customer List"));

    GroupBox* details = addGroup(window, QStringLiteral("databaseDetailsGroup"),
                                 QStringLiteral("Database Details"),
                                 QRect(kLeftColumnX, 348, kLeftColumnWidth, 204));
    const auto addDetail = [&](const QString& heading, const QString& initial, int top, int lines) {
        QLabel* label = newNoteLabel(heading, details);
        label->setGeometry(8, top, kLeftColumnWidth - 16, 16);
        auto* value = new ValueLabel(heading, initial, details);
        value->setGeometry(8, top + 16, kLeftColumnWidth - 16, 16 * lines);
        value->setWordWrap(true);
        value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setBuddy(value);
        return value;
    };
    // Two lines each: "Database Administrator" and a long name wrap.
    ui.Label11 = addDetail(QStringLiteral("Last Operator:"), QStringLiteral("None"), 22, 2);
    ui.Label13 = addDetail(QStringLiteral("Database Manager:"), QStringLiteral("."), 80, 2);
    ui.Label15 = addDetail(QStringLiteral("Database Was Last Used:"), QStringLiteral("Never Used"), 138, 2);
}

void buildPanel(QWidget* window, FrmMainControls& ui)
{
    ui.xpWellsTab1 = new xpWellsTab(window);
    ui.xpWellsTab1->setObjectName(QStringLiteral("xpWellsTab1"));
    ui.xpWellsTab1->setAccessibleName(QStringLiteral("Customer panel"));
    ui.xpWellsTab1->setBackcolor(kWhite);
    ui.xpWellsTab1->setBackColorScroll(kWhite);
    // A compact font keeps all five tabs in one row.
    QFont tabFont = ui.xpWellsTab1->font();
    tabFont.setPixelSize(10);
    ui.xpWellsTab1->setFont(tabFont);
    // A new strip holds one tab already.
    ui.xpWellsTab1->setTabCaption(1, QStringLiteral("Personal Details"));
    for (const char* caption : {"Purchase Details", "Company Status", "Backup", "Quick Start"})
        ui.xpWellsTab1->AddTab(60, QLatin1String(caption));
    ui.xpWellsTab1->setGeometry(kPanelX, kStripTop, kPanelWidth, kStripHeight);

    ui.GroupBox2 = new PersonalDetailsPage(window);
    ui.GroupBox5 = new PurchaseDetailsPage(window);
    ui.GroupBox6 = new CompanyStatusPage(window);
    ui.GroupBox8 = new BackupPage(window);
    ui.GroupBox9 = new QuickStartPage(window);
    ui.GroupBox7 = new ReportPreviewPage(window);
    ui.GroupBox10 = new ProfitSharePage(window);
    ui.GroupBox12 = new GenderChartPage(window);
    ui.GroupBox14 = new QuickNotePage(window);
    ui.GroupBox15 = new SchedulerPage(window);
    for (PanelGroup* panel : ui.panels()) {
        panel->setGeometry(kPanelX + kPageMargin, kStripTop + kTabHeight + kPageMargin,
                           kPanelWidth - 2 * kPageMargin, kStripHeight - kTabHeight - 2 * kPageMargin);
        panel->hide();
    }

    for (std::size_t element = 0; element < 9; ++element)
        ui.LblDbInfo[element] = ui.GroupBox2->elements[element];
    for (std::size_t element = 0; element < 6; ++element)
        ui.LblDbInfo[9 + element] = ui.GroupBox5->elements[element];
}

void buildTools(QWidget* window, FrmMainControls& ui)
{
    ui.Image2 = addTool(window, QStringLiteral("Add Customer"), "tool-add-customer.svg", 0, 0);
    ui.Image4 = addTool(window, QStringLiteral("Update Customer"), "tool-update-customer.svg", 0, 1);
    ui.Image3 = addTool(window, QStringLiteral("Delete a Customer"), "tool-delete-customer.svg", 0, 2);
    ui.Image21 = addTool(window, QStringLiteral("Earnings Chart"), "tool-earnings-chart.svg", 0, 3);
    ui.Image24 = addTool(window, QStringLiteral("Gender Statistics Chart"), "tool-gender-chart.svg", 0, 4);
    ui.Image6 = addTool(window, QStringLiteral("Admin Options"), "tool-admin-options.svg", 1, 0);
    ui.Image5 = addTool(window, QStringLiteral("Generate Report"), "tool-generate-report.svg", 1, 1);
    ui.Image26 = addTool(window, QStringLiteral("Quick Note Creator "), "tool-quick-note.svg", 1, 2);
    ui.Image27 = addTool(window, QStringLiteral("My Scheduler"), "tool-scheduler.svg", 1, 3);
    ui.Image9 = addTool(window, QStringLiteral("Operator Logout"), "tool-logout.svg", 1, 4);
    // The four tools a role can lock show their marks from the start.
    for (ToolPicture* lockable : {ui.Image2, ui.Image4, ui.Image3, ui.Image6})
        lockable->setLockMarkVisible(true);
}

// Tab follows the reading order: the corner pictures, the customer column,
// the tabbed panel and its page, then the tools row by row.
void setReadingOrder(const FrmMainControls& ui)
{
    QList<QWidget*> order{ui.Image31, ui.Image20, ui.Text7, ui.Image7, ui.List, ui.xpWellsTab1};
    for (PanelGroup* panel : ui.panels())
        for (QWidget* child : panel->findChildren<QWidget*>())
            if (child->focusPolicy() & Qt::TabFocus)
                order.append(child);
    order << ui.Image2 << ui.Image4 << ui.Image3 << ui.Image21 << ui.Image24 << ui.Image6 << ui.Image5
          << ui.Image26 << ui.Image27 << ui.Image9;
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace

FrmMainControls buildFrmMainControls(QWidget* window)
{
    FrmMainControls ui;
    auto* banner = new Picture(QStringLiteral("banner.svg"), QStringLiteral("Tallyvane"), window);
    banner->setGeometry(0, 0, 592, 56);
    ui.Image31 = addCornerPicture(window, "help.svg", QStringLiteral("Help"), 2);
    ui.Image20 = addCornerPicture(window, "credits.svg", QStringLiteral("Credits"), 29);
    buildCustomerColumn(window, ui);
    buildPanel(window, ui);
    buildTools(window, ui);
    setReadingOrder(ui);
    return ui;
}
