#include "MainPages.h"

#include "OleColor.h"
#include "Picture.h"
#include "chameleonButton.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QPlainTextEdit>

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

QLabel* addCurrencyLabel(QWidget* parent, const QRect& geometry)
{
    auto* currency = new QLabel(QStringLiteral("$"), parent);
    currency->setTextFormat(Qt::PlainText);
    currency->setGeometry(geometry);
    currency->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return currency;
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
    for (int row = 0; row < int(std::size(rows)); ++row) {
        const HeadedValue field = addHeadedValue(this, QLatin1String(rows[row].heading),
                                                 QStringLiteral("."), kLeft, rowTop(row), 70, 270);
        elements[std::size_t(rows[row].element)] = field.value;
    }
    Image23 = new Picture(QStringLiteral("female.svg"), QStringLiteral("Female customer"), this);
    Image10 = new Picture(QStringLiteral("male.svg"), QStringLiteral("Male customer"), this);
    Image23->setGeometry(304, kFirstRow, 56, 56);
    Image10->setGeometry(304, kFirstRow, 56, 56);
}

PurchaseDetailsPage::PurchaseDetailsPage(QWidget* parent)
    : PanelGroup(QStringLiteral("GroupBox5"), QStringLiteral("Purchase Details"), parent)
{
    static const char* const headings[] = {"Product Purchased:", "Quantity Purchased:",
                                           "Date Of Purchase:", "Payment Method:"};
    for (int row = 0; row < 4; ++row)
        elements[std::size_t(row)] = addHeadedValue(this, QLatin1String(headings[row]),
                                                    QStringLiteral("."), kLeft, rowTop(row), 130,
                                                    kValueRight - kLeft).value;

    // The amounts stand after their currency texts.
    constexpr int amountLeft = kLeft + 130;
    auto* itemPrice = new QLabel(QStringLiteral("Item Price:"), this);
    itemPrice->setGeometry(kLeft, rowTop(4), 130, 18);
    Label19 = addCurrencyLabel(this, QRect(amountLeft, rowTop(4), 24, 18));
    elements[4] = new ValueLabel(QStringLiteral("Item Price:"), QStringLiteral("0"), this);
    elements[4]->setGeometry(amountLeft + 28, rowTop(4), 150, 18);

    auto* totalSpent = new QLabel(QStringLiteral("Total Spent: "), this);
    totalSpent->setGeometry(kLeft, rowTop(5), 130, 18);
    Label18 = addCurrencyLabel(this, QRect(amountLeft, rowTop(5), 24, 18));
    elements[5] = new ValueLabel(QStringLiteral("Total Spent: "), QStringLiteral("0"), this);
    elements[5]->setGeometry(amountLeft + 28, rowTop(5), 150, 18);

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
    const int width = kValueRight - kLeft;
    Label31 = addHeadedValue(this, QStringLiteral("Manager Name:"), QStringLiteral("."), kLeft,
                             rowTop(0), headingWidth, width).value;
    Label32 = addHeadedValue(this, QStringLiteral("Contact:"), QStringLiteral("."), kLeft,
                             rowTop(1), headingWidth, width).value;
    Label24 = addHeadedValue(this, QStringLiteral("Current Customers:"), QStringLiteral("0"), kLeft,
                             rowTop(3), headingWidth, width).value;
    Label25 = addHeadedValue(this, QStringLiteral("Products Sold:"), QStringLiteral("0"), kLeft,
                             rowTop(4), headingWidth, width).value;
    Label29 = addHeadedValue(this, QStringLiteral("Selected Currency:"), QStringLiteral("$"), kLeft,
                             rowTop(5), headingWidth, width).value;
    auto* revenue = new QLabel(QStringLiteral("Revenue Earned  :"), this);
    revenue->setGeometry(kLeft, rowTop(6), headingWidth, 18);
    Label30 = new QLabel(QStringLiteral("$"), this);
    Label30->setGeometry(kLeft + headingWidth, rowTop(6), 24, 18);
    Label28 = new ValueLabel(QStringLiteral("Revenue Earned  :"), QStringLiteral("0"), this);
    Label28->setGeometry(kLeft + headingWidth + 24, rowTop(6), width - headingWidth - 24, 18);
}

BackupPage::BackupPage(QWidget* parent)
    : PanelGroup(QStringLiteral("GroupBox8"), QStringLiteral("Backup Database"), parent)
{
    const int width = kValueRight - kLeft;
    addSectionHeading(this, QStringLiteral("Database Backup Creator"), kLeft, rowTop(0), width);
    auto* backupLabel = new QLabel(QStringLiteral("Select Directory Were To Backup : "), this);
    backupLabel->setGeometry(kLeft, rowTop(1), width, 18);
    Text15 = new QLineEdit(this);
    Text15->setGeometry(kLeft, rowTop(2), width, 22);
    Text15->setReadOnly(true);
    Text15->setAccessibleName(backupLabel->text().trimmed());
    backupLabel->setBuddy(Text15);
    Label66 = addHeadedValue(this, QStringLiteral("Status:"),
                             QStringLiteral("Select Directory Where To Backup Database To."), kLeft,
                             rowTop(3) + 4, 50, width).value;

    addSectionHeading(this, QStringLiteral("Database Backup Restorer"), kLeft, rowTop(5), width);
    auto* restoreLabel = new QLabel(QStringLiteral("Select File To Restore Database From : "), this);
    restoreLabel->setGeometry(kLeft, rowTop(6), width, 18);
    Text17 = new QLineEdit(this);
    Text17->setGeometry(kLeft, rowTop(7), width, 22);
    Text17->setReadOnly(true);
    Text17->setAccessibleName(restoreLabel->text().trimmed());
    restoreLabel->setBuddy(Text17);
    Label67 = addHeadedValue(this, QStringLiteral("Status:"),
                             QStringLiteral("Select Directory Where To Restore Database From."),
                             kLeft, rowTop(8) + 4, 50, width).value;
}

QuickStartPage::QuickStartPage(QWidget* parent)
    : PanelGroup(QStringLiteral("GroupBox9"), QStringLiteral("Quick Start"), parent)
{
    constexpr int headingWidth = 150;
    const int width = kValueRight - kLeft;
    addSectionHeading(this, QStringLiteral("Database Health Status"), kLeft, rowTop(0), width);
    Label70 = addHeadedValue(this, QStringLiteral("Status :"), QStringLiteral("Healthy  "), kLeft,
                             rowTop(1), headingWidth, width).value;
    Label45 = addHeadedValue(this, QStringLiteral("Version :"), QStringLiteral("."), kLeft,
                             rowTop(2), headingWidth, width).value;
    Label47 = addHeadedValue(this, QStringLiteral("Records Stored :"), QStringLiteral("."), kLeft,
                             rowTop(3), headingWidth, width).value;
    Label65 = addHeadedValue(this, QStringLiteral("Database Size :"), QStringLiteral("."), kLeft,
                             rowTop(4), headingWidth, width).value;

    addSectionHeading(this, QStringLiteral("Quick Recorded Budget"), kLeft, rowTop(6), width);
    auto* earnings = new QLabel(QStringLiteral("Earnings From Sales : "), this);
    earnings->setGeometry(kLeft, rowTop(7), headingWidth, 18);
    Label39 = new QLabel(QStringLiteral("$"), this);
    Label39->setGeometry(kLeft + headingWidth, rowTop(7), 24, 18);
    Label40 = new ValueLabel(QStringLiteral("Earnings From Sales : "), QStringLiteral("0"), this);
    Label40->setGeometry(kLeft + headingWidth + 24, rowTop(7), width - headingWidth - 24, 18);
    Label52 = addHeadedValue(this, QStringLiteral("Total Products Sold : "), QStringLiteral("0"),
                             kLeft, rowTop(8), headingWidth, width).value;

    Label48 = new ValueLabel(QStringLiteral("Now:"), QStringLiteral("Error"), this);
    Label48->setGeometry(kLeft, rowTop(10) + 2, width, 18);
    Label48->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

SchedulerPage::SchedulerPage(QWidget* parent)
    : PanelGroup(QStringLiteral("GroupBox15"), QStringLiteral("My Scheduler"), parent)
{
    Text26 = new QPlainTextEdit(QStringLiteral("None"), this);
    Text26->setGeometry(kLeft, 26, 140, 196);
    Text26->setAccessibleName(QStringLiteral("Appointment book"));
    Text26->setTabChangesFocus(true);

    Calendar1 = new QCalendarWidget(this);
    Calendar1->setGeometry(160, 26, 206, 160);
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar1->setAccessibleName(QStringLiteral("Calendar"));

    auto* clockBox = new GroupBox(QStringLiteral("clockGroup"), this);
    clockBox->setCaption(QStringLiteral("Current Time"));
    clockBox->setBackcolor(kWhite);
    clockBox->setGeometry(160, 190, 206, 38);
    Label74 = new ValueLabel(QStringLiteral("Current Time"), QString(), clockBox);
    Label74->setGeometry(8, 16, 190, 18);
    Label74->setAlignment(Qt::AlignCenter);

    chameleonButton8 = addWindowButton(this, QStringLiteral("Add Schedule"), QRect(kLeft, 232, 140, 28));
    chameleonButton10 = addWindowButton(this, QStringLiteral("Clear Schedules"),
                                        QRect(160, 232, 140, 28));
}

ProfitSharePage::ProfitSharePage(QWidget* parent)
    : PanelGroup(QStringLiteral("GroupBox10"), QStringLiteral("Profit Share Chart"), parent)
{
    chameleonButton6 = addWindowButton(this, QStringLiteral("Generate Pie Chart"),
                                       QRect(kLeft, 232, 150, 28));
}

chameleonButton* addWindowButton(QWidget* parent, const QString& caption, const QRect& geometry)
{
    auto* button = new chameleonButton(parent);
    button->setCaption(caption);
    button->setButtonType(chameleonButton::TypeGradient);
    button->setGeometry(geometry);
    return button;
}
