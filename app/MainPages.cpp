#include "MainPages.h"

#include "CaptionedField.h"
#include "OleColor.h"
#include "Picture.h"
#include "WindowButton.h"
#include "chameleonButton.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <tuple>

namespace {

constexpr quint32 kWhite = OleColor::rgb(255, 255, 255);
constexpr int kLeft = 14;
constexpr int kFirstRow = 28;
constexpr int kRowStep = 22;
constexpr int kValueRight = 400; // the panel groups are 414 pixels wide

int rowTop(int row)
{
    return kFirstRow + row * kRowStep;
}

QLabel* addSectionHeading(QWidget* parent, const QString& text, int x, int y, int width)
{
    auto* heading = new QLabel(text, parent);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setGeometry(x, y, width, 18);
    return heading;
}

// "heading value" across the page.
ValueLabel* addRow(QWidget* parent, const QString& heading, const QString& initial, int y,
                   int headingWidth)
{
    return addHeadedValue(parent, heading, initial, kLeft, y, headingWidth, kValueRight - kLeft).value;
}

struct CurrencyAmount
{
    QLabel* currency;
    ValueLabel* amount;
};

// "heading  $ amount": the currency text stands in its own label before
// the amount, as wide as its text ("USD", or nothing when none was chosen),
// the amount after it.
CurrencyAmount addCurrencyAmount(QWidget* parent, const QString& heading, int y, int headingWidth)
{
    auto* headingLabel = new QLabel(heading, parent);
    headingLabel->setGeometry(kLeft, y, headingWidth, 18);
    auto* row = new QWidget(parent);
    row->setGeometry(kLeft + headingWidth, y, kValueRight - kLeft - headingWidth, 18);
    auto* currency = new QLabel(QStringLiteral("$"), row);
    currency->setTextFormat(Qt::PlainText);
    auto* amount = new ValueLabel(heading, QStringLiteral("0"), row);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(4);
    line->addWidget(currency);
    line->addWidget(amount, 1);
    headingLabel->setBuddy(amount);
    return {currency, amount};
}

// A caption over a read-only path field, the caption naming the field;
// `width` leaves room for a button beside the field.
QLineEdit* addPathField(QWidget* parent, const QString& caption, int y, int width)
{
    auto* label = new QLabel(caption, parent);
    label->setGeometry(kLeft, y, kValueRight - kLeft, 18);
    auto* field = new QLineEdit(parent);
    field->setGeometry(kLeft, y + kRowStep, width, 22);
    field->setReadOnly(true);
    field->setAccessibleName(caption.trimmed());
    label->setBuddy(field);
    return field;
}

} // namespace

PanelGroup::PanelGroup(const QString& objectName, const QString& caption, QWidget* parent)
    : GroupBox(objectName, parent)
{
    setCaption(caption);
    setBackcolor(kWhite);
    setAccessibleName(caption);
}

PersonalDetailsPage::PersonalDetailsPage(QWidget* parent)
    : PanelGroup(QStringLiteral("GroupBox2"), QStringLiteral("Customer's Information"), parent)
{
    // Headings top to bottom, and the element shown beside each: the stored
    // columns State, Zip, Phone, FAX and Email stand beside the headings
    // "Zip:", "Phone:", "FAX:", "E-Mail:" and "State:".
    struct Row
    {
        const char* heading;
        int element;
    };
    static constexpr Row rows[] = {
        {"Name:", 0}, {"Address:", 1}, {"Country:", 2}, {"City:", 3}, {"State:", 8},
        {"Zip:", 4},  {"Phone:", 5},   {"FAX:", 6},     {"E-Mail:", 7},
    };
    for (int row = 0; row < int(std::size(rows)); ++row)
        elements[std::size_t(rows[row].element)] =
            addRow(this, QLatin1String(rows[row].heading), QStringLiteral("."), rowTop(row), 70);
    Image23 = new Picture(QStringLiteral("female.svg"), QStringLiteral("Female customer"), this);
    Image10 = new Picture(QStringLiteral("male.svg"), QStringLiteral("Male customer"), this);
    Image23->setGeometry(304, kFirstRow, 56, 56);
    Image10->setGeometry(304, kFirstRow, 56, 56);
    // Both stand in one place; neither shows before a customer is selected.
    Image23->hide();
    Image10->hide();
}

PurchaseDetailsPage::PurchaseDetailsPage(QWidget* parent)
    : PanelGroup(QStringLiteral("GroupBox5"), QStringLiteral("Purchase Details"), parent)
{
    static const char* const headings[] = {"Product Purchased:", "Quantity Purchased:",
                                           "Date Of Purchase:", "Payment Method:"};
    for (int row = 0; row < 4; ++row)
        elements[std::size_t(row)] =
            addRow(this, QLatin1String(headings[row]), QStringLiteral("."), rowTop(row), 130);

    const CurrencyAmount itemPrice = addCurrencyAmount(this, QStringLiteral("Item Price:"), rowTop(4), 130);
    Label19 = itemPrice.currency;
    elements[4] = itemPrice.amount;
    const CurrencyAmount totalSpent = addCurrencyAmount(this, QStringLiteral("Total Spent: "), rowTop(5), 130);
    Label18 = totalSpent.currency;
    elements[5] = totalSpent.amount;

    Image22 = new Picture(QStringLiteral("pending.svg"), QStringLiteral("Payment pending"), this);
    Image11 = new Picture(QStringLiteral("paid.svg"), QStringLiteral("Paid in full"), this);
    Image22->setGeometry(kLeft, rowTop(7), 24, 24);
    Image11->setGeometry(kLeft, rowTop(7), 24, 24);
    Label57 = new QLabel(QStringLiteral("."), this);
    Label57->setGeometry(kLeft + 32, rowTop(7) + 3, 220, 18);
    QFont bold = Label57->font();
    bold.setBold(true);
    Label57->setFont(bold);
    QPalette green = Label57->palette();
    green.setColor(QPalette::WindowText, QColor(0, 128, 0));
    Label57->setPalette(green);
}

CompanyStatusPage::CompanyStatusPage(QWidget* parent)
    : PanelGroup(QStringLiteral("GroupBox6"), QStringLiteral("Company Status"), parent)
{
    constexpr int headingWidth = 130;
    Label31 = addRow(this, QStringLiteral("Manager Name:"), QStringLiteral("."), rowTop(0), headingWidth);
    Label32 = addRow(this, QStringLiteral("Contact:"), QStringLiteral("."), rowTop(1), headingWidth);
    Label24 = addRow(this, QStringLiteral("Current Customers:"), QStringLiteral("0"), rowTop(3), headingWidth);
    Label25 = addRow(this, QStringLiteral("Products Sold:"), QStringLiteral("0"), rowTop(4), headingWidth);
    Label29 = addRow(this, QStringLiteral("Selected Currency:"), QStringLiteral("$"), rowTop(5), headingWidth);
    const CurrencyAmount revenue = addCurrencyAmount(this, QStringLiteral("Revenue Earned  :"), rowTop(6),
                                                     headingWidth);
    Label30 = revenue.currency;
    Label28 = revenue.amount;
}

BackupPage::BackupPage(QWidget* parent)
    : PanelGroup(QStringLiteral("GroupBox8"), QStringLiteral("Backup Database"), parent)
{
    // Each half: heading, path field with its "Select" beside it, status
    // line, and the action under it on the right.
    constexpr int selectWidth = 72;
    constexpr int actionWidth = 210;
    constexpr int halfStep = 124;
    const int fieldWidth = kValueRight - kLeft - selectWidth - 6;
    const auto buildHalf = [&](int top, const QString& heading, const QString& caption,
                               const QString& status, const QString& action) {
        addSectionHeading(this, heading, kLeft, top, kValueRight - kLeft);
        QLineEdit* path = addPathField(this, caption, top + kRowStep, fieldWidth);
        chameleonButton* select = addWindowButton(
            this, QStringLiteral("Select"), QRect(kValueRight - selectWidth, top + 2 * kRowStep - 1, selectWidth, 24));
        select->setAccessibleDescription(caption.trimmed());
        ValueLabel* statusLine = addRow(this, QStringLiteral("Status:"), status, top + 3 * kRowStep + 4, 50);
        chameleonButton* act = addWindowButton(
            this, action, QRect(kValueRight - actionWidth, top + 4 * kRowStep + 4, actionWidth, 24));
        return std::make_tuple(path, select, statusLine, act);
    };
    std::tie(Text15, chameleonButton2, Label66, chameleonButton3) =
        buildHalf(rowTop(0), QStringLiteral("Database Backup Creator"),
                  QStringLiteral("Select Directory Were To Backup : "),
                  QStringLiteral("Select Directory Where To Backup Database To."),
                  QStringLiteral("Create Database Backup"));
    std::tie(Text17, chameleonButton5, Label67, chameleonButton4) =
        buildHalf(rowTop(0) + halfStep, QStringLiteral("Database Backup Restorer"),
                  QStringLiteral("Select File To Restore Database From : "),
                  QStringLiteral("Select Directory Where To Restore Database From."),
                  QStringLiteral("Restore Database From Backup"));
    const auto besideAction = [&](chameleonButton* action, const QString& caption) {
        return addWindowButton(this, caption, QRect(kLeft, action->y(), 150, 24));
    };
    exportCustomers = besideAction(chameleonButton3, QStringLiteral("Export Customers..."));
    importCustomers = besideAction(chameleonButton4, QStringLiteral("Import Customers..."));
}

QuickStartPage::QuickStartPage(QWidget* parent)
    : PanelGroup(QStringLiteral("GroupBox9"), QStringLiteral("Quick Start"), parent)
{
    constexpr int headingWidth = 150;
    const int width = kValueRight - kLeft;
    addSectionHeading(this, QStringLiteral("Database Health Status"), kLeft, rowTop(0), width);
    Label70 = addRow(this, QStringLiteral("Status :"), QStringLiteral("Healthy  "), rowTop(1), headingWidth);
    Label45 = addRow(this, QStringLiteral("Version :"), QStringLiteral("."), rowTop(2), headingWidth);
    Label47 = addRow(this, QStringLiteral("Records Stored :"), QStringLiteral("."), rowTop(3), headingWidth);
    Label65 = addRow(this, QStringLiteral("Database Size :"), QStringLiteral("."), rowTop(4), headingWidth);

    addSectionHeading(this, QStringLiteral("Quick Recorded Budget"), kLeft, rowTop(6), width);
    const CurrencyAmount earnings = addCurrencyAmount(this, QStringLiteral("Earnings From Sales : "),
                                                      rowTop(7), headingWidth);
    Label39 = earnings.currency;
    Label40 = earnings.amount;
    Label52 = addRow(this, QStringLiteral("Total Products Sold : "), QStringLiteral("0"), rowTop(8), headingWidth);

    Label48 = new ValueLabel(QStringLiteral("Now:"), QStringLiteral("Error"), this);
    Label48->setGeometry(kLeft, rowTop(10) + 2, width, 18);
    Label48->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

SchedulerPage::SchedulerPage(QWidget* parent)
    : PanelGroup(QStringLiteral("GroupBox15"), QStringLiteral("My Scheduler"), parent)
{
    constexpr int calendarLeft = 186;
    Text26 = new QPlainTextEdit(QStringLiteral("None"), this);
    Text26->setGeometry(kLeft, 26, calendarLeft - kLeft - 8, 170);
    Text26->setAccessibleName(QStringLiteral("Appointment book"));
    Text26->setTabChangesFocus(true);

    Calendar1 = new QCalendarWidget(this);
    Calendar1->setGeometry(calendarLeft, 26, kValueRight - calendarLeft, 170);
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar1->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    Calendar1->setAccessibleName(QStringLiteral("Calendar"));
    nameCalendarParts(Calendar1);

    chameleonButton9 = addWindowButton(this, QStringLiteral("Check If Busy On Selected Day From Calendar"),
                                       QRect(kLeft, 202, kValueRight - kLeft, 26));
    chameleonButton8 = addWindowButton(this, QStringLiteral("Add Schedule"), QRect(kLeft, 236, 124, 28));
    chameleonButton10 = addWindowButton(this, QStringLiteral("Clear Schedules"),
                                        QRect(kLeft + 130, 236, 124, 28));

    auto* clockBox = new GroupBox(QStringLiteral("clockGroup"), this);
    clockBox->setCaption(QStringLiteral("Current Time"));
    clockBox->setBackcolor(kWhite);
    clockBox->setGeometry(kLeft + 262, 230, kValueRight - kLeft - 262, 38);
    Label74 = new ValueLabel(QStringLiteral("Current Time"), QString(), clockBox);
    Label74->setGeometry(4, 17, clockBox->width() - 8, 18);
    Label74->setAlignment(Qt::AlignCenter);
}
