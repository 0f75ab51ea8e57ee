// The text search behind the busy check and the busy check's replies, press
// by press, on plain appointment books.
#include "BusyCheck.h"
#include "SearchText.h"

#include <QTest>

namespace {

const QString kDay = QStringLiteral("12/6/2026");

// One reply as a line: "select start+length", or the message's title.
QString describe(const BusyCheckReply& reply)
{
    if (reply.selection)
        return QStringLiteral("select %1+%2").arg(reply.selection->start).arg(reply.selection->length);
    if (reply.message)
        return reply.message->title;
    return QStringLiteral("nothing");
}

QString paragraph(const QString& date, const QString& toDo)
{
    return QStringLiteral("Date: ") + date + QStringLiteral(" At: 09:00 Of A Duration Of: 1 Hr\r\nTo Do: ")
           + toDo + QStringLiteral(" \r\n\r\n");
}

} // namespace

class SearchTextTest : public QObject
{
    Q_OBJECT

private slots:
    void findInText_data();
    void findInText();
    void isWordBoundary_data();
    void isWordBoundary();
    void searchesPast16BitPositions();
    void busyCheckPresses_data();
    void busyCheckPresses();
    void busyCheckMessages();
};

void SearchTextTest::findInText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<FindOutcome>("outcome");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("selectionStart");

    using O = FindOutcome;
    QTest::newRow("match behind the start") << "ab cat" << 1 << "cat" << true << false << O::Selected << 7 << 3;
    QTest::newRow("first character is never searched") << "cat" << 1 << "cat" << true << false << O::NoMatch << 0 << 0;
    QTest::newRow("nothing from the first start") << "a dog" << 1 << "cat" << true << false << O::NoMatch << 0 << 0;
    QTest::newRow("nothing from a later start") << "a cat" << 4 << "cat" << true << false << O::NoMoreMatches << 0 << 0;
    QTest::newRow("start past the end") << "a cat" << 40 << "cat" << true << false << O::NoMoreMatches << 0 << 0;
    QTest::newRow("case differs, match case") << "a Cat" << 1 << "cat" << true << false << O::NoMatch << 0 << 0;
    QTest::newRow("case differs, case ignored") << "a Cat" << 1 << "cat" << false << false << O::Selected << 6 << 2;
    QTest::newRow("whole word inside a word") << "a scatter" << 1 << "cat" << true << true << O::NotWholeWord << 0 << 0;
    QTest::newRow("whole word after underscore") << "a _cat" << 1 << "cat" << true << true << O::NotWholeWord << 0 << 0;
    QTest::newRow("whole word at the end") << "a cat" << 1 << "cat" << true << true << O::Selected << 6 << 2;
    QTest::newRow("whole word between digits") << "a 1cat2" << 1 << "cat" << true << true << O::Selected << 7 << 3;
    QTest::newRow("second occurrence") << "a cat cat" << 6 << "cat" << true << false << O::Selected << 10 << 6;
}

void SearchTextTest::findInText()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(QString, pattern);
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWord);
    QFETCH(FindOutcome, outcome);
    QFETCH(int, position);
    QFETCH(int, selectionStart);

    const FindResult found = FindInText(text, start, pattern, matchCase, wholeWord);
    QCOMPARE(found.outcome, outcome);
    QCOMPARE(found.position, position);
    if (outcome == FindOutcome::Selected) {
        QCOMPARE(found.selectionStart, selectionStart);
        QCOMPARE(found.selectionLength, pattern.size());
    }
}

void SearchTextTest::isWordBoundary_data()
{
    QTest::addColumn<QChar>("character");
    QTest::addColumn<bool>("boundary");
    const QList<std::pair<char16_t, bool>> rows{
        {u'A', false}, {u'Z', false}, {u'a', false}, {u'z', false}, {u'_', false},
        {u'0', true},  {u'9', true},  {u' ', true},  {u'@', true},  {u'[', true},
        {u'`', true},  {u'{', true},  {u'\r', true}, {u'\u00e9', true}};
    for (const auto& [character, boundary] : rows)
        QTest::addRow("U+%04X", unsigned(character)) << QChar(character) << boundary;
}

void SearchTextTest::isWordBoundary()
{
    QFETCH(QChar, character);
    QFETCH(bool, boundary);
    QCOMPARE(IsWordBoundary(character), boundary);
}

void SearchTextTest::searchesPast16BitPositions()
{
    const QString book = QString(40000, QLatin1Char('x')) + paragraph(kDay, QStringLiteral("Dentist"))
                         + paragraph(kDay, QStringLiteral("Lunch"));
    BusyCheck check;
    const qsizetype first = book.indexOf(kDay);
    const qsizetype second = book.indexOf(kDay, first + 1);
    QCOMPARE(describe(check.press(book, kDay)), QStringLiteral("select %1+9").arg(first));
    QCOMPARE(check.position(), first + 1 + kDay.size());
    QCOMPARE(describe(check.press(book, kDay)), QStringLiteral("select %1+9").arg(second));
    QCOMPARE(describe(check.press(book, kDay)), QStringLiteral("Busy"));
    QCOMPARE(check.position(), 0);
}

void SearchTextTest::busyCheckPresses_data()
{
    QTest::addColumn<QString>("book");
    QTest::addColumn<QString>("dateText");
    QTest::addColumn<QStringList>("replies");

    const QString two = paragraph(kDay, QStringLiteral("Dentist")) + paragraph(kDay, QStringLiteral("Lunch"));
    QTest::newRow("two appointments on the day")
        << two << kDay << QStringList{"select 6+9", "select 75+9", "Busy", "select 6+9"};
    QTest::newRow("no entry for the day")
        << paragraph(QStringLiteral("12/7/2026"), QStringLiteral("Gym")) << kDay
        << QStringList{"Not Busy", "Not Busy"};
    QTest::newRow("empty book") << QStringLiteral("None") << kDay << QStringList{"Not Busy"};
    QTest::newRow("date inside a to-do text")
        << paragraph(QStringLiteral("12/7/2026"), QStringLiteral("move to ") + kDay) << kDay
        << QStringList{"select 65+9", "Busy"};
    QTest::newRow("date written differently")
        << paragraph(QStringLiteral("06/12/2026"), QStringLiteral("Gym")) << kDay << QStringList{"Not Busy"};
    QTest::newRow("date at the very first character")
        << kDay + QStringLiteral(" typed by hand") << kDay << QStringList{"Not Busy"};
}

void SearchTextTest::busyCheckPresses()
{
    QFETCH(QString, book);
    QFETCH(QString, dateText);
    QFETCH(QStringList, replies);

    BusyCheck check;
    QStringList seen;
    for (int press = 0; press < replies.size(); ++press)
        seen << describe(check.press(book, dateText));
    QCOMPARE(seen, replies);
}

void SearchTextTest::busyCheckMessages()
{
    BusyCheck check;
    const QString book = paragraph(kDay, QStringLiteral("Dentist"));
    check.press(book, kDay);
    const BusyCheckReply busy = check.press(book, kDay);
    QVERIFY(!busy.selection);
    QCOMPARE(busy.message->text, QStringLiteral("Appointments Are Scheduled On Selected Day. Please Check Time"));
    QCOMPARE(busy.message->title, QStringLiteral("Busy"));
    QCOMPARE(busy.message->icon, MessageIcon::Warning);

    const BusyCheckReply free = check.press(book, QStringLiteral("1/1/2027"));
    QVERIFY(!free.selection);
    QCOMPARE(free.message->text, QStringLiteral("No Appointments Are Recorded On Selected Day "));
    QCOMPARE(free.message->title, QStringLiteral("Not Busy"));
    QCOMPARE(free.message->icon, MessageIcon::Information);
}

QTEST_APPLESS_MAIN(SearchTextTest)
#include "tst_searchtext.moc"
