#include "CustomerWizard.h"

#include "CaptionedField.h"
#include "DateTimeText.h"
#include "GroupBox.h"
#include "NumberBox.h"
#include "OleColor.h"
#include "WindowButton.h"
#include "chameleonButton.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QLabel>
#include <QRadioButton>

namespace {

using Field = CustomerRecord::Field;

constexpr quint32 kWhite = OleColor::rgb(255, 255, 255);
constexpr int kPageInterval = 100;

constexpr int kWindowWidth = 460;
constexpr int kWindowHeight = 306;
constexpr int kMargin = 8;
constexpr int kPageHeight = 196;
constexpr int kCaptionLeft = 14;
constexpr int kFieldLeft = 170;
constexpr int kFieldWidth = 262;
constexpr int kNameWidth = 170;
constexpr int kFirstRow = 32;
constexpr int kRowStep = 36;
constexpr int kRowHeight = 24;
constexpr int kOptionsHeight = 78;
constexpr int kButtonTop = 30;
constexpr int kButtonHeight = 32;
constexpr int kStepWidth = 92;
constexpr int kSaveWidth = 206;

// A box on one of the first four pages and the record field it feeds. The
// boxes of the second and third pages feed the fields whose contents match
// their captions, which are not the fields the captions name.
struct DetailBox
{
    int page;
    int row;
    const char* caption;
    Field field;
};

constexpr DetailBox kDetailBoxes[] = {
    {0, 0, "Name && Surname:", Field::Name},  {0, 1, "Address:", Field::Address},
    {0, 2, "Country:", Field::Country},       {1, 0, "City:", Field::City},
    {1, 1, "State:", Field::Email},           {1, 2, "Zip:", Field::State},
    {2, 0, "Phone:", Field::Zip},             {2, 1, "Fax:", Field::Phone},
    {2, 2, "E-Mail:", Field::FAX},            {3, 0, "Product Purchased:", Field::Product},
};

const char* const kPageCaptions[] = {"Personal Details", "Location", "Contact", "Product",
                                     "Payment Information"};

// The fields are named by their captions for assistive technology, and
// each caption's access key reaches its field.
constexpr CaptionedRows kRows{kCaptionLeft, kFieldLeft, kFieldWidth, kFirstRow, kRowStep, kRowHeight};

} // namespace

CustomerWizard::CustomerWizard(const Captions& captions, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(captions.window);
    setFixedSize(kWindowWidth, kWindowHeight);
    buildPages(captions);
    buildOptions(captions.save);
    buildStatus();
    setTabOrder();
    Timer1.setInterval(kPageInterval);
    connect(&Timer1, &QTimer::timeout, this, &CustomerWizard::showPage);
    connect(ui.chameleonButton2, &chameleonButton::Click, this, &CustomerWizard::back);
    connect(ui.chameleonButton3, &chameleonButton::Click, this, &CustomerWizard::next);
    connect(ui.CmdOk, &chameleonButton::Click, this, [this] { save(); });
}

void CustomerWizard::buildPages(const Captions& captions)
{
    for (int page = 0; page < PageCount; ++page) {
        auto* group = new GroupBox(QStringLiteral("page%1").arg(page + 1), this);
        group->setCaption(QLatin1String(kPageCaptions[page]));
        group->setAccessibleName(group->caption());
        group->setBackcolor(kWhite);
        group->setGeometry(kMargin, kMargin, kWindowWidth - 2 * kMargin, kPageHeight);
        group->setVisible(page == 0);
        ui.pages[std::size_t(page)] = group;
    }
    for (const DetailBox& box : kDetailBoxes) {
        const int width = box.field == Field::Name ? kNameWidth : kFieldWidth;
        ui.details[std::size_t(box.field)] =
            kRows.add<QLineEdit>(ui.pages[std::size_t(box.page)], QLatin1String(box.caption), box.row, width);
    }
    ui.Option1 = new QRadioButton(QStringLiteral("M"), ui.pages[0]);
    ui.Option2 = new QRadioButton(QStringLiteral("F"), ui.pages[0]);
    ui.Option1->setGeometry(kFieldLeft + kNameWidth + 16, kFirstRow, 40, kRowHeight);
    ui.Option2->setGeometry(kFieldLeft + kNameWidth + 56, kFirstRow, 40, kRowHeight);

    GroupBox* product = ui.pages[3];
    ui.Text1 = kRows.add<NumberBox>(product, QStringLiteral("Quantity Purchased:"), 1);
    if (captions.withDiscount) {
        ui.priceBox = kRows.add<NumberBox>(product, captions.price, 2);
        ui.Text5 = kRows.add<NumberBox>(product, QStringLiteral("Discount In (%) :"), 3);
    } else {
        ui.priceBox = kRows.add<QLineEdit>(product, captions.price, 2);
    }

    GroupBox* payment = ui.pages[4];
    ui.DTPicker1 = kRows.add<QDateEdit>(payment, QStringLiteral("Date Of Purchase:"), 0);
    ui.DTPicker1->setCalendarPopup(true);
    ui.DTPicker1->setDisplayFormat(shortDateFormat());
    ui.paymentBox = kRows.add<QLineEdit>(payment, QStringLiteral("Payment Method:"), 1);
    ui.Check1 = new QCheckBox(QStringLiteral("Customer Has Not Yet Paid"), payment);
    ui.Check1->setGeometry(kRows.fieldRect(2));
}

void CustomerWizard::buildOptions(const QString& saveCaption)
{
    ui.optionsGroup = new GroupBox(QStringLiteral("optionsGroup"), this);
    ui.optionsGroup->setCaption(QStringLiteral("Options"));
    ui.optionsGroup->setAccessibleName(QStringLiteral("Options"));
    ui.optionsGroup->setBackcolor(kWhite);
    ui.optionsGroup->setGeometry(kMargin, 2 * kMargin + kPageHeight, kWindowWidth - 2 * kMargin,
                                 kOptionsHeight);
    const int width = ui.optionsGroup->width();
    ui.chameleonButton2 = addWindowButton(ui.optionsGroup, QStringLiteral("Back"),
                                    QRect(kCaptionLeft, kButtonTop, kStepWidth, kButtonHeight));
    ui.chameleonButton3 = addWindowButton(ui.optionsGroup, QStringLiteral("Next"),
                                    QRect(kCaptionLeft + kStepWidth + 8, kButtonTop, kStepWidth, kButtonHeight));
    ui.CmdOk = addWindowButton(ui.optionsGroup, saveCaption,
                         QRect(width - kCaptionLeft - kSaveWidth, kButtonTop, kSaveWidth, kButtonHeight));
}

// Beyond the window's right edge and hidden, as a holder of the page
// number rather than something to read.
void CustomerWizard::buildStatus()
{
    ui.statusGroup = new GroupBox(QStringLiteral("statusGroup"), this);
    ui.statusGroup->setCaption(QStringLiteral("Current Status"));
    ui.statusGroup->setGeometry(kWindowWidth + kMargin, kMargin, 120, 48);
    ui.statusGroup->hide();
    auto* step = new QLabel(QStringLiteral("Step"), ui.statusGroup);
    step->setGeometry(kMargin, 20, 40, 20);
    ui.Label3 = new QLabel(QStringLiteral("1"), ui.statusGroup);
    ui.Label3->setGeometry(kMargin + 44, 20, 40, 20);
}

// Page by page, then the buttons; the boxes of hidden pages are skipped.
void CustomerWizard::setTabOrder()
{
    QList<QWidget*> order{ui.details[0], ui.Option1, ui.Option2};
    for (const DetailBox& box : kDetailBoxes)
        if (box.field != Field::Name)
            order << ui.details[std::size_t(box.field)];
    order << ui.Text1 << ui.priceBox;
    if (ui.Text5)
        order << ui.Text5;
    order << ui.DTPicker1 << ui.paymentBox << ui.Check1 << ui.chameleonButton2 << ui.chameleonButton3
          << ui.CmdOk;
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void CustomerWizard::start(const CustomerEntry& entry, const QDate& date)
{
    for (std::size_t field = 0; field < ui.details.size(); ++field)
        ui.details[field]->setText(entry.details[field]);
    ui.Text1->setText(entry.quantity);
    ui.priceBox->setText(entry.price);
    if (ui.Text5)
        ui.Text5->setText(entry.discount);
    ui.DTPicker1->setDate(date);
    ui.paymentBox->setText(entry.payment);
    ui.Check1->setChecked(entry.notYetPaid);
    (entry.female ? ui.Option2 : ui.Option1)->setChecked(true);
    turnTo(1);
    Timer1.start();
    ui.details[0]->setFocus();
}

CustomerEntry CustomerWizard::entry() const
{
    CustomerEntry entry;
    for (std::size_t field = 0; field < ui.details.size(); ++field)
        entry.details[field] = ui.details[field]->text();
    entry.quantity = ui.Text1->text();
    entry.price = ui.priceBox->text();
    entry.discount = ui.Text5 ? ui.Text5->text() : QString();
    entry.datePurchased = datePurchased();
    entry.payment = ui.paymentBox->text();
    entry.notYetPaid = ui.Check1->isChecked();
    entry.female = ui.Option2->isChecked();
    return entry;
}

QString CustomerWizard::datePurchased() const
{
    return shortDateText(ui.DTPicker1->date());
}

void CustomerWizard::back()
{
    turnTo(m_page - 1);
}

void CustomerWizard::next()
{
    turnTo(m_page + 1);
}

// The buttons follow the new page at once, so a quick second click can
// never carry the page past the first or the last.
void CustomerWizard::turnTo(int page)
{
    m_page = std::clamp(page, 1, PageCount);
    ui.Label3->setText(QString::number(m_page));
    showPage();
}

void CustomerWizard::showPage()
{
    // Each setter leaves an unchanged value alone, so a tick costs nothing.
    ui.chameleonButton2->setEnabled(m_page != 1);
    ui.chameleonButton3->setEnabled(m_page != PageCount);
    ui.chameleonButton3->setCaption(m_page == PageCount ? QStringLiteral("Finished") : QStringLiteral("Next"));
    for (int page = 0; page < PageCount; ++page) {
        GroupBox* group = ui.pages[std::size_t(page)];
        const bool shown = page + 1 == m_page;
        if (group->isHidden() == shown)
            group->setVisible(shown);
    }
}

void CustomerWizard::closeEvent(QCloseEvent* event)
{
    Timer1.stop();
    QWidget::closeEvent(event);
}
