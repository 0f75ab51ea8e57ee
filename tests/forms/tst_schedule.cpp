// The schedule form: its load, the enabling rule, the paragraph it appends
// to the appointment book and its look, driven through its real controls.
#include "AccessibleNames.h"
#include "Appointment.h"
#include "AppointmentBook.h"
#include "GroupBox.h"
#include "PixelProbe.h"
#include "Schedule.h"
#include "chameleonButton.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace {

const QDate kToday(2026, 12, 6);

// The main window's appointment box as the form sees it.
class FakeBook : public AppointmentBook
{
public:
    explicit FakeBook(const QString& initial) : book(initial) {}
    QString text() const override { return book; }
    void setText(const QString& text) override { book = text; }

    QString book;
};

struct ScheduleFixture
{
    explicit ScheduleFixture(const QString& initial = QStringLiteral("None"))
        : book(initial), window(book, [] { return kToday; })
    {
    }

    const ScheduleControls& ui() const { return window.controls(); }

    FakeBook book;
    Schedule window;
};

} // namespace

class ScheduleTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void loads();
    void enablesAdd_data();
    void enablesAdd();
    void appendsParagraph();
    void reopensEmpty();
    void addsToBook_data();
    void addsToBook();
    void paints_data();
    void paints();
};

void ScheduleTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void ScheduleTest::loads()
{
    ScheduleFixture fixture;
    QCOMPARE(fixture.window.windowTitle(), QStringLiteral("Add Schedule"));
    QCOMPARE(fixture.ui().scheduleGroup->caption(), QStringLiteral("Schedule"));
    QCOMPARE(fixture.ui().DTPicker1->date(), kToday);
    QCOMPARE(fixture.ui().DTPicker1->text(), QStringLiteral("12/6/2026"));
    QVERIFY(fixture.ui().DTPicker1->calendarPopup());
    QVERIFY(fixture.ui().Text1->text().isEmpty());
    QVERIFY(fixture.ui().Text2->toPlainText().isEmpty());
    QCOMPARE(fixture.ui().Combo1->currentText(), QStringLiteral("Select Duration"));
    QStringList entries;
    for (int i = 0; i < fixture.ui().Combo1->count(); ++i)
        entries << fixture.ui().Combo1->itemText(i);
    QCOMPARE(entries, (QStringList{"5 Mins", "10 Mins", "20 Mins", "30 Mins", "45 Mins", "1 Hr", "2 Hrs",
                                   "3 Hrs", "4 Hrs", "5 Hrs", "6 Hrs", "7 Hrs", "8 Hrs", "9 Hrs", "Whole Day"}));
    QCOMPARE(fixture.ui().chameleonButton1->Caption(), QStringLiteral("Add Schedule To Schedule List"));
    QVERIFY(!fixture.ui().chameleonButton1->isEnabled());
    QVERIFY(fixture.window.timerRunning());
    VERIFY_EVERY_CONTROL_NAMED(&fixture.window);
}

void ScheduleTest::enablesAdd_data()
{
    QTest::addColumn<QString>("startTime");
    QTest::addColumn<int>("durationIndex"); // -1: the typed duration below
    QTest::addColumn<QString>("typedDuration");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("nothing entered") << QString() << -1 << QString() << false;
    QTest::newRow("start time, duration still the prompt") << "09:30" << -1 << QString() << false;
    QTest::newRow("duration picked, no start time") << QString() << 5 << QString() << false;
    QTest::newRow("start time and picked duration") << "09:30" << 14 << QString() << true;
    QTest::newRow("start time and typed duration") << "anytime" << -1 << "90 Mins" << true;
}

void ScheduleTest::enablesAdd()
{
    QFETCH(QString, startTime);
    QFETCH(int, durationIndex);
    QFETCH(QString, typedDuration);
    QFETCH(bool, enabled);

    ScheduleFixture fixture;
    QTest::keyClicks(fixture.ui().Text1, startTime);
    if (durationIndex >= 0)
        fixture.ui().Combo1->setCurrentIndex(durationIndex);
    if (!typedDuration.isEmpty()) {
        fixture.ui().Combo1->lineEdit()->selectAll();
        QTest::keyClicks(fixture.ui().Combo1->lineEdit(), typedDuration);
    }
    fixture.window.enableAdd();
    QCOMPARE(fixture.ui().chameleonButton1->isEnabled(), enabled);
}

void ScheduleTest::appendsParagraph()
{
    ScheduleFixture fixture(QStringLiteral("Date: 12/1/2026 At: 8 Of A Duration Of: 1 Hr\r\nTo Do:  \r\n\r\n"));
    const QString before = fixture.book.book;
    fixture.window.show();
    fixture.ui().DTPicker1->setDate(QDate(2027, 1, 31));
    QTest::keyClicks(fixture.ui().Text1, QStringLiteral("09:30"));
    fixture.ui().Combo1->setCurrentIndex(5);
    QTest::keyClicks(fixture.ui().Text2, QStringLiteral("Call Ann"));
    fixture.window.enableAdd();
    QTest::mouseClick(fixture.ui().chameleonButton1, Qt::LeftButton);

    QCOMPARE(fixture.book.book,
             before + QStringLiteral("Date: 1/31/2027 At: 09:30 Of A Duration Of: 1 Hr\r\nTo Do: Call Ann \r\n\r\n"));
    QVERIFY(!fixture.window.isVisible());
    QVERIFY(!fixture.window.timerRunning());
}

void ScheduleTest::reopensEmpty()
{
    ScheduleFixture fixture;
    fixture.ui().DTPicker1->setDate(QDate(2027, 1, 31));
    QTest::keyClicks(fixture.ui().Text1, QStringLiteral("09:30"));
    fixture.ui().Combo1->setCurrentIndex(2);
    QTest::keyClicks(fixture.ui().Text2, QStringLiteral("Call Ann"));
    fixture.window.addSchedule();

    fixture.window.load();
    QCOMPARE(fixture.ui().DTPicker1->date(), kToday);
    QVERIFY(fixture.ui().Text1->text().isEmpty());
    QCOMPARE(fixture.ui().Combo1->currentText(), QStringLiteral("Select Duration"));
    QCOMPARE(fixture.ui().Combo1->count(), 15);
    QVERIFY(fixture.ui().Text2->toPlainText().isEmpty());
    QVERIFY(!fixture.ui().chameleonButton1->isEnabled());
    QVERIFY(fixture.window.timerRunning());
}

void ScheduleTest::addsToBook_data()
{
    QTest::addColumn<QString>("book");
    QTest::addColumn<QString>("toDo");
    QTest::addColumn<QString>("expected");

    const QString dentist =
        QStringLiteral("Date: 12/6/2026 At: 10:00 Of A Duration Of: 30 Mins\r\nTo Do: Dentist\nbring card \r\n\r\n");
    QTest::newRow("placeholder replaced") << "None" << "Dentist\nbring card" << dentist;
    QTest::newRow("empty book") << "" << "Dentist\nbring card" << dentist;
    QTest::newRow("typed text with None kept")
        << "None of Friday's slots\r\n" << "Dentist\nbring card" << "None of Friday's slots\r\n" + dentist;
    QTest::newRow("to-do with None kept")
        << dentist << "None yet" << dentist + dentist.left(dentist.indexOf(QStringLiteral("Dentist"))) + QStringLiteral("None yet \r\n\r\n");
}

void ScheduleTest::addsToBook()
{
    QFETCH(QString, book);
    QFETCH(QString, toDo);
    QFETCH(QString, expected);

    const Appointment appointment{kToday, QStringLiteral("10:00"), QStringLiteral("30 Mins"), toDo};
    QCOMPARE(bookWithAppointment(book, appointment), expected);
}

void ScheduleTest::paints_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("100 %") << 1.0;
    QTest::newRow("200 %") << 2.0;
}

void ScheduleTest::paints()
{
    QFETCH(qreal, ratio);
    PixelProbe::failOnPaintWarnings();
    ScheduleFixture fixture;
    fixture.window.show();
    QImage image(fixture.window.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    fixture.window.render(&image);

    // The group's white caption band right of its caption.
    const QRect group = fixture.ui().scheduleGroup->geometry();
    const QPoint band = (group.topLeft() + QPoint(group.width() - 10, 4)) * ratio;
    QCOMPARE(PixelProbe::colourAt(image, band.x(), band.y()), QStringLiteral("255,255,255"));
    const QRect button = fixture.ui().chameleonButton1->geometry();
    QVERIFY(!PixelProbe::containsColour(image, QRect(button.topLeft() * ratio, button.size() * ratio),
                                        QColor(Qt::black)));
}

QTEST_MAIN(ScheduleTest)
#include "tst_schedule.moc"
