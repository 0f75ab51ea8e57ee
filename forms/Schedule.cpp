#include "Schedule.h"

#include "AppointmentBook.h"
#include "CaptionedField.h"
#include "DateTimeText.h"
#include "GroupBox.h"
#include "OleColor.h"
#include "WindowButton.h"
#include "chameleonButton.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

constexpr quint32 kWhite = OleColor::rgb(255, 255, 255);
constexpr int kTimerInterval = 200;
const QString kDurationPrompt = QStringLiteral("Select Duration");

constexpr int kWindowWidth = 440;
constexpr int kWindowHeight = 296;
constexpr int kMargin = 8;
constexpr int kGroupHeight = 236;
constexpr int kHeadingLeft = 14;
constexpr int kFieldLeft = 204;
constexpr int kFieldWidth = 212;
constexpr int kFirstRow = 30;
constexpr int kRowStep = 34;
constexpr int kRowHeight = 24;
constexpr int kToDoHeight = 90;
constexpr int kButtonWidth = 220;
constexpr int kButtonHeight = 32;

constexpr CaptionedRows kRows{kHeadingLeft, kFieldLeft, kFieldWidth, kFirstRow, kRowStep, kRowHeight};

} // namespace

Schedule::Schedule(AppointmentBook& book, Today today, QWidget* parent)
    : QWidget(parent, Qt::Window), m_book(book), m_today(std::move(today))
{
    setWindowTitle(QStringLiteral("Add Schedule"));
    setFixedSize(kWindowWidth, kWindowHeight);
    buildControls();
    Timer1.setInterval(kTimerInterval);
    connect(&Timer1, &QTimer::timeout, this, &Schedule::enableAdd);
    connect(ui.chameleonButton1, &chameleonButton::Click, this, &Schedule::addSchedule);
    load();
}

const QStringList& Schedule::durations()
{
    static const QStringList list{
        QStringLiteral("5 Mins"), QStringLiteral("10 Mins"), QStringLiteral("20 Mins"),
        QStringLiteral("30 Mins"), QStringLiteral("45 Mins"), QStringLiteral("1 Hr"),
        QStringLiteral("2 Hrs"),  QStringLiteral("3 Hrs"),   QStringLiteral("4 Hrs"),
        QStringLiteral("5 Hrs"),  QStringLiteral("6 Hrs"),   QStringLiteral("7 Hrs"),
        QStringLiteral("8 Hrs"),  QStringLiteral("9 Hrs"),   QStringLiteral("Whole Day")};
    return list;
}

void Schedule::buildControls()
{
    ui.scheduleGroup = new GroupBox(QStringLiteral("scheduleGroup"), this);
    ui.scheduleGroup->setCaption(QStringLiteral("Schedule"));
    ui.scheduleGroup->setBackcolor(kWhite);
    ui.scheduleGroup->setAccessibleName(QStringLiteral("Schedule"));
    ui.scheduleGroup->setGeometry(kMargin, kMargin, kWindowWidth - 2 * kMargin, kGroupHeight);

    ui.DTPicker1 = kRows.add<QDateEdit>(ui.scheduleGroup, QStringLiteral("Schedule Date : "), 0);
    ui.DTPicker1->setCalendarPopup(true);
    nameCalendarParts(ui.DTPicker1->calendarWidget());
    ui.DTPicker1->setDisplayFormat(shortDateFormat());
    ui.Text1 = kRows.add<QLineEdit>(ui.scheduleGroup, QStringLiteral("Schedule Start Time (hh:mm): "), 1);
    ui.Combo1 = kRows.add<QComboBox>(ui.scheduleGroup, QStringLiteral("Schedule Duration: "), 2);
    ui.Combo1->setMaxVisibleItems(durations().size());
    ui.Text2 = kRows.add<QPlainTextEdit>(ui.scheduleGroup, QStringLiteral("To Do : "), 3, 0, kToDoHeight);
    ui.Text2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab leaves the box, so the button stays reachable from the keyboard.
    ui.Text2->setTabChangesFocus(true);

    ui.chameleonButton1 = addWindowButton(this, QStringLiteral("Add Schedule To Schedule List"),
                                          QRect(kWindowWidth - kMargin - kButtonWidth, kMargin + kGroupHeight + 12,
                                                kButtonWidth, kButtonHeight));

    const QList<QWidget*> order{ui.DTPicker1, ui.Text1, ui.Combo1, ui.Text2, ui.chameleonButton1};
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Schedule::load()
{
    ui.Combo1->clear();
    ui.Combo1->addItems(durations());
    ui.Combo1->setCurrentIndex(-1);
    ui.Combo1->setEditText(kDurationPrompt);
    ui.DTPicker1->setDate(m_today());
    ui.Text1->clear();
    ui.Text2->clear();
    enableAdd();
    Timer1.start();
}

void Schedule::enableAdd()
{
    const bool ready = !ui.Text1->text().isEmpty() && ui.Combo1->currentText() != kDurationPrompt;
    if (ui.chameleonButton1->isEnabled() != ready)
        ui.chameleonButton1->setEnabled(ready);
}

Appointment Schedule::appointment() const
{
    return Appointment{ui.DTPicker1->date(), ui.Text1->text(), ui.Combo1->currentText(),
                       ui.Text2->toPlainText()};
}

void Schedule::addSchedule()
{
    m_book.setText(bookWithAppointment(m_book.text(), appointment()));
    close();
}

void Schedule::closeEvent(QCloseEvent* event)
{
    Timer1.stop();
    QWidget::closeEvent(event);
}
