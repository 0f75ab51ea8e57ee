#include "PropertyBag.h"
#include "cTabs.h"
#include "xpWellsTabTestSupport.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

QTimer* repeatTimer(xpWellsTab& strip) { return strip.findChild<QTimer*>(QStringLiteral("scrollRepeatTimer")); }
void fire(QTimer* timer) { QMetaObject::invokeMethod(timer, "timeout"); }

} // namespace

class TestXpWellsTab : public QObject
{
    Q_OBJECT

private slots:
    void selectingRaisesTabPressed_data();
    void selectingRaisesTabPressed();
    void accessKeys_data();
    void accessKeys();
    void tabsAndTheirClamps();
    void mouseAlongEveryEdge_data();
    void mouseAlongEveryEdge();
    void heldArrowRepeatsThroughTheTimer();
    void pageKeysActAsArrows();
    void persistence();
    void mouseEventsCarryFormsCodes_data();
    void mouseEventsCarryFormsCodes();
    void operatorSelectionScrollsIntoView_data();
    void operatorSelectionScrollsIntoView();
};

// TabPressed carries the tab selected before; a deleted tab is reported
// as the last one left.
void TestXpWellsTab::selectingRaisesTabPressed_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("previous");
    QTest::newRow("another tab") << 1 << "select 3" << 3 << 1;
    QTest::newRow("the selected tab again") << 2 << "select 2" << 2 << 2;
    QTest::newRow("a disabled tab by code") << 1 << "select 4" << 4 << 1;
    QTest::newRow("outside the tabs: no TabPressed") << 2 << "select 9" << 2 << 0;
    QTest::newRow("Left on tab 1") << 1 << "Left" << 1 << 1;
    QTest::newRow("Right on the last tab") << 4 << "Right" << 4 << 4;
    QTest::newRow("Down onto a disabled tab") << 3 << "Down" << 4 << 3;
    QTest::newRow("deleting the selected last tab") << 4 << "delete" << 3 << 3;
}

void TestXpWellsTab::selectingRaisesTabPressed()
{
    QFETCH(int, start);
    QFETCH(QString, action);
    QFETCH(int, previous);
    auto strip = makeStrip(4);
    strip->setTabEnabled(4, false);
    strip->setSelectedTab(start);
    QSignalSpy spy(strip.get(), &xpWellsTab::TabPressed);
    const QMap<QString, int> keys{{"Left", Qt::Key_Left}, {"Right", Qt::Key_Right}, {"Down", Qt::Key_Down}};
    if (keys.contains(action))
        key(*strip, QEvent::KeyPress, keys.value(action));
    else if (action == QLatin1String("delete"))
        strip->DeleteTab();
    else
        strip->setSelectedTab(action.section(' ', 1).toInt());
    QTEST(strip->SelectedTab(), "selected");
    QCOMPARE(spy.count(), previous == 0 ? 0 : 1);
    if (previous != 0)
        QCOMPARE(spy.first().first().toInt(), previous);
}

void TestXpWellsTab::accessKeys_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QChar>("key");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("found");
    QTest::newRow("single ampersand") << "&General" << QChar('g') << true << 2;
    QTest::newRow("upper case in the middle") << "Pa&Yment" << QChar('y') << true << 2;
    QTest::newRow("&& has no access key") << "&&" << QChar() << true << 0;
    QTest::newRow("escaped pair then a key") << "A&&B &Notes" << QChar('n') << true << 2;
    QTest::newRow("trailing ampersand") << "Save&" << QChar() << true << 0;
    QTest::newRow("disabled tab keeps its key but is not selected") << "&Cedar" << QChar('c') << false << 2;
    QTest::newRow("the first tab with the key wins") << "&Apple" << QChar('a') << true << 1;
}

// Tab 1 is "&Alpha", tab 2 has the caption; tab 3 has no key and must not
// shift the keys of the others.
void TestXpWellsTab::accessKeys()
{
    QFETCH(QString, caption);
    QFETCH(QChar, key);
    QFETCH(bool, enabled);
    QFETCH(int, found);
    auto strip = makeStrip(3);
    strip->setTabCaption(1, QStringLiteral("&Alpha"));
    strip->setTabCaption(2, caption);
    strip->setTabEnabled(2, enabled);
    strip->setSelectedTab(3);
    QCOMPARE(cTabs::accessKeyOf(caption), key);
    QCOMPARE(strip->GetTabAccessKey('&'), 0);
    if (key.isNull())
        return;
    QCOMPARE(strip->GetTabAccessKey(key.toUpper().unicode()), found);
    pressAccessKey(*strip, key);
    QCOMPARE(strip->SelectedTab(), enabled ? found : 3);
}

// The tab collection, the clamps of its properties and the auto-size
// width: caption plus picture plus ten pixels.
void TestXpWellsTab::tabsAndTheirClamps()
{
    auto strip = makeStrip(1, QSize(200, 80));
    strip->setTabHeight(10);
    QCOMPARE(strip->TabHeight(), 22);
    strip->setTabHeight(21);
    QCOMPARE(strip->TabHeight(), 22);
    QCOMPARE(strip->AddTab(80, QString(), false, false), 2);
    QCOMPARE(strip->TabCaption(2), QStringLiteral("Tab2"));
    strip->DeleteTab();
    strip->DeleteTab();
    QCOMPARE(strip->NumberOfTabs(), 1);
    strip->setTabCaption(5, QStringLiteral("x"));
    QCOMPARE(strip->TabCaption(5), QString());
    strip->setTabWidth(0, 30);
    QCOMPARE(strip->TabWidth(1), 60);
    strip->setTabWidth(1, 5000);
    QCOMPARE(strip->TabWidth(1), 200);

    strip->setAutoSize(1, true);
    strip->setTabCaption(1, QString());
    QCOMPARE(strip->layoutWidth(1), 10);
    QPixmap icon(16, 12);
    icon.fill(Qt::red);
    strip->setTabPicture(1, icon);
    QCOMPARE(strip->layoutWidth(1), 26);
    strip->setAutoSize(1, false);
    QCOMPARE(strip->layoutWidth(1), 200);
    strip->setAlignment(TabAlignment::Left);
    strip->setTabWidth(1, 5000);
    QCOMPARE(strip->TabWidth(1), 80);

    // Row width 2 + sum(width + 2): 300 fits exactly, 301 needs the arrows.
    auto fitting = makeStrip(3, QSize(300, 100), {98, 97});
    QVERIFY(fitting->arrowButtonRect(true).isEmpty());
    fitting->setTabWidth(2, 98);
    QVERIFY(!fitting->arrowButtonRect(true).isEmpty());
}

void TestXpWellsTab::mouseAlongEveryEdge_data()
{
    QTest::addColumn<TabAlignment>("alignment");
    QTest::addColumn<QRect>("secondTab");
    QTest::newRow("top") << TabAlignment::Top << QRect(54, 2, 50, 20);
    QTest::newRow("left") << TabAlignment::Left << QRect(2, 54, 20, 50);
    QTest::newRow("right") << TabAlignment::Right << QRect(178, 54, 20, 50);
    QTest::newRow("bottom") << TabAlignment::Bottom << QRect(54, 178, 50, 20);
}

// Tab 3 is disabled: it neither selects, nor turns hot, nor takes a double click.
void TestXpWellsTab::mouseAlongEveryEdge()
{
    QFETCH(TabAlignment, alignment);
    QFETCH(QRect, secondTab);
    auto strip = makeStrip(3, QSize(200, 200), {50});
    strip->setTabEnabled(3, false);
    strip->setAlignment(alignment);
    QCOMPARE(strip->tabRect(2), secondTab);
    QSignalSpy pressed(strip.get(), &xpWellsTab::TabPressed);
    QSignalSpy out(strip.get(), &xpWellsTab::MouseOut);
    QSignalSpy tabDoubleClicks(strip.get(), &xpWellsTab::TabDblClick);
    QSignalSpy doubleClicks(strip.get(), &xpWellsTab::DblClick);
    mouse(*strip, QEvent::MouseButtonPress, secondTab.topLeft() + QPoint(1, 1));
    mouse(*strip, QEvent::MouseButtonPress, strip->tabRect(3).center());
    mouse(*strip, QEvent::MouseButtonPress, strip->tabRect(1).center(), Qt::RightButton);
    mouse(*strip, QEvent::MouseButtonPress, QPoint(100, 100));
    QCOMPARE(strip->SelectedTab(), 2);
    QCOMPARE(pressed.count(), 1);
    mouse(*strip, QEvent::MouseButtonDblClick, secondTab.center());
    mouse(*strip, QEvent::MouseButtonDblClick, strip->tabRect(3).center());
    mouse(*strip, QEvent::MouseButtonDblClick, QPoint(100, 100));
    QCOMPARE(tabDoubleClicks.count(), 1);
    QCOMPARE(tabDoubleClicks.first().first().toInt(), 2);
    QCOMPARE(doubleClicks.count(), 1);

    hover(*strip, secondTab.bottomRight() - QPoint(1, 1));
    QCOMPARE(strip->hotTab(), 2);
    hover(*strip, strip->tabRect(3).center());
    QCOMPARE(strip->hotTab(), 0);
    hover(*strip, strip->tabRect(1).center());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(strip.get(), &leave);
    QCOMPARE(strip->hotTab(), 0);
    QCOMPARE(out.count(), 1);
}

// Press, hold, release: the first step comes with the press, the others
// from the timer, never from a loop; the row stops at either end. A click
// on a half-hidden tab brings it one step into view; a click on the arrow
// box never reaches the tab beneath it. A row that fits again starts at tab 1.
void TestXpWellsTab::heldArrowRepeatsThroughTheTimer()
{
    auto strip = makeStrip(10);
    QTimer* timer = repeatTimer(*strip);
    QVERIFY(timer);
    const QPoint left = strip->arrowButtonRect(true).center();
    const QPoint right = strip->arrowButtonRect(false).center();
    mouse(*strip, QEvent::MouseButtonPress, left);
    QCOMPARE(strip->firstVisibleTab(), 1);
    QVERIFY(!timer->isActive());
    mouse(*strip, QEvent::MouseButtonRelease, left);
    const int halfHidden = strip->lastVisibleTab();
    mouse(*strip, QEvent::MouseButtonPress, strip->tabRect(halfHidden).topLeft() + QPoint(5, 10));
    QCOMPARE(strip->SelectedTab(), halfHidden);
    QCOMPARE(strip->firstVisibleTab(), 2);

    mouse(*strip, QEvent::MouseButtonPress, right);
    QCOMPARE(strip->firstVisibleTab(), 3);
    QCOMPARE(timer->interval(), 500);
    fire(timer);
    QCOMPARE(strip->firstVisibleTab(), 4);
    QVERIFY(timer->isActive());
    QVERIFY(timer->interval() < 500);
    mouse(*strip, QEvent::MouseButtonRelease, right);
    QVERIFY(!timer->isActive());
    fire(timer);
    QCOMPARE(strip->firstVisibleTab(), 4);

    mouse(*strip, QEvent::MouseButtonPress, left);
    for (int i = 0; i < 5 && timer->isActive(); ++i)
        fire(timer);
    QVERIFY(!timer->isActive());
    QCOMPARE(strip->firstVisibleTab(), 1);
    mouse(*strip, QEvent::MouseButtonRelease, left);

    mouse(*strip, QEvent::MouseButtonPress, right);
    for (int i = 0; i < 12 && timer->isActive(); ++i)
        fire(timer);
    QVERIFY(!timer->isActive());
    QCOMPARE(strip->lastVisibleTab(), 10);
    const int first = strip->firstVisibleTab();
    mouse(*strip, QEvent::MouseButtonPress, right);
    QCOMPARE(strip->firstVisibleTab(), first);
    QCOMPARE(strip->SelectedTab(), halfHidden);
    strip->show();
    strip->resize(700, 100);
    QCOMPARE(strip->firstVisibleTab(), 1);
}

void TestXpWellsTab::pageKeysActAsArrows()
{
    auto strip = makeStrip(10);
    QTimer* timer = repeatTimer(*strip);
    key(*strip, QEvent::KeyPress, Qt::Key_PageDown);
    key(*strip, QEvent::KeyPress, Qt::Key_PageDown, true);
    QCOMPARE(strip->firstVisibleTab(), 2);
    fire(timer);
    QCOMPARE(strip->firstVisibleTab(), 3);
    key(*strip, QEvent::KeyRelease, Qt::Key_PageDown);
    QVERIFY(!timer->isActive());
    key(*strip, QEvent::KeyPress, Qt::Key_PageUp);
    QCOMPARE(strip->firstVisibleTab(), 2);
    key(*strip, QEvent::KeyRelease, Qt::Key_PageUp);
    QVERIFY(!timer->isActive());
}

void TestXpWellsTab::persistence()
{
    auto strip = makeStrip(3);
    PropertyBag bag;
    strip->WriteProperties(bag);
    const QStringList expected{"Alignment", "TabHeight", "BackColor", "BackColorScroll", "ForeColor",
        "ForeColorActive", "ForeColorHot", "ForeColorDisabled", "FrameColor", "ScrollArrowColor", "MaskColor",
        "TabHotStripColor", "SelectedTab", "Font", "NumberOfTabs", "TabPicture1", "AutoSize1", "TabWidth1",
        "TabText1", "TabEnabled1"};
    QCOMPARE(bag.keys().mid(0, expected.size()), expected);

    // Tabs without keys read as new tabs; an unknown alignment as Bottom.
    xpWellsTab fresh;
    PropertyBag bare;
    bare.write(QStringLiteral("NumberOfTabs"), 2);
    bare.write(QStringLiteral("SelectedTab"), 2);
    fresh.ReadProperties(bare);
    QCOMPARE(fresh.SelectedTab(), 2);
    QCOMPARE(fresh.TabCaption(2), QStringLiteral("Tab2"));
    bare.write(QStringLiteral("Alignment"), 9);
    fresh.ReadProperties(bare);
    QCOMPARE(fresh.Alignment(), TabAlignment::Bottom);

    strip->setTabHeight(30);
    strip->setAlignment(TabAlignment::Bottom);
    strip->setForeColorHot(OleColor::Highlight);
    strip->setTabCaption(2, QStringLiteral("&Stock"));
    strip->setTabEnabled(3, false);
    QPixmap icon(8, 8);
    icon.fill(QColor(10, 200, 30));
    strip->setTabPicture(2, icon);
    strip->setSelectedTab(3);
    strip->WriteProperties(bag);

    // Read into a strip too small for the widths: they come back as stored.
    xpWellsTab copy;
    copy.resize(40, 40);
    QSignalSpy pressed(&copy, &xpWellsTab::TabPressed);
    copy.ReadProperties(PropertyBag::fromJson(bag.toJson()).value());
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(copy.GetTabAccessKey('s'), 2);
    PropertyBag again;
    copy.WriteProperties(again);
    QVERIFY(again == bag);
}

void TestXpWellsTab::mouseEventsCarryFormsCodes_data()
{
    QTest::addColumn<QString>("signal");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("buttonCode");
    QTest::addColumn<int>("shiftCode");
    const int shiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;
    QTest::newRow("left press") << "MouseDown" << QPoint(10, 10) << int(Qt::LeftButton) << 0 << 1 << 0;
    QTest::newRow("right press, Shift+Ctrl") << "MouseDown" << QPoint(10, 50) << int(Qt::RightButton) << shiftCtrl << 2 << 3;
    QTest::newRow("middle release, Alt") << "MouseUp" << QPoint(10, 10) << int(Qt::MiddleButton) << int(Qt::AltModifier) << 4 << 4;
    QTest::newRow("move holding left") << "MouseIn" << QPoint(10, 10) << int(Qt::LeftButton) << 0 << 1 << 0;
    QTest::newRow("move out holding right, Shift") << "MouseOut" << QPoint(400, 10) << int(Qt::RightButton) << int(Qt::ShiftModifier) << 2 << 1;
}

// The button and shift arguments count as the forms do: 1, 2, 4 for
// left, right, middle and for Shift, Ctrl, Alt.
void TestXpWellsTab::mouseEventsCarryFormsCodes()
{
    QFETCH(QString, signal);
    QFETCH(QPoint, at);
    QFETCH(int, button);
    QFETCH(int, modifiers);
    auto strip = makeStrip(3);
    const QMap<QString, void (xpWellsTab::*)(int, int, double, double)> signals_{
        {"MouseDown", &xpWellsTab::MouseDown}, {"MouseUp", &xpWellsTab::MouseUp},
        {"MouseIn", &xpWellsTab::MouseIn}, {"MouseOut", &xpWellsTab::MouseOut}};
    QSignalSpy spy(strip.get(), signals_.value(signal));
    const auto pressed = Qt::MouseButton(button);
    const bool up = signal == QLatin1String("MouseUp");
    const auto type = signal == QLatin1String("MouseDown") ? QEvent::MouseButtonPress
                      : up                                  ? QEvent::MouseButtonRelease
                                                            : QEvent::MouseMove;
    QMouseEvent event(type, at, strip->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : pressed,
                      up ? Qt::NoButton : Qt::MouseButtons(pressed), Qt::KeyboardModifiers(modifiers));
    QApplication::sendEvent(strip.get(), &event);
    QCOMPARE(spy.count(), 1);
    QTEST(spy.first().at(0).toInt(), "buttonCode");
    QTEST(spy.first().at(1).toInt(), "shiftCode");
    QCOMPARE(spy.first().at(2).toDouble(), double(at.x()));
    QCOMPARE(spy.first().at(3).toDouble(), double(at.y()));
}

void TestXpWellsTab::operatorSelectionScrollsIntoView_data()
{
    // Ten tabs of 60 in 300 pixels: a tab is wholly before the arrow box
    // when at most three others stand between it and the first visible one.
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("firstVisible");
    QTest::newRow("Right onto the half-hidden tab") << "Right" << 5 << 2;
    QTest::newRow("Left onto a tab scrolled out before") << "Left" << 5 << 5;
    QTest::newRow("access key of a scrolled-out tab") << "access key" << 9 << 6;
    QTest::newRow("press action of a scrolled-out tab") << "press action" << 8 << 5;
    QTest::newRow("selection of the last tab") << "select" << 10 << 7;
    QTest::newRow("a tab wider than the room comes first") << "wide" << 7 << 7;
}

void TestXpWellsTab::operatorSelectionScrollsIntoView()
{
    QFETCH(QString, action);
    QFETCH(int, tab);
    auto strip = makeStrip(10);
    strip->setTabCaption(9, QStringLiteral("&Ninth"));
    if (action == QLatin1String("Right")) {
        strip->setSelectedTab(4);
        key(*strip, QEvent::KeyPress, Qt::Key_Right);
    } else if (action == QLatin1String("Left")) {
        pageDown(*strip, 5);
        strip->setSelectedTab(6);
        key(*strip, QEvent::KeyPress, Qt::Key_Left);
    } else if (action == QLatin1String("access key")) {
        pressAccessKey(*strip, 'n');
    } else if (action == QLatin1String("select")) {
        QVERIFY(selectionOf(*strip)->select(accessibleTab(*strip, tab)));
    } else {
        if (action == QLatin1String("wide"))
            strip->setTabWidth(tab, 280);
        accessibleTab(*strip, tab)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    QCOMPARE(strip->SelectedTab(), tab);
    QTEST(strip->firstVisibleTab(), "firstVisible");
    QCOMPARE(strip->rowLayout().isWhollyVisible(tab), action != QLatin1String("wide"));
    QVERIFY(!accessibleTab(*strip, tab)->state().offscreen);
}

QTEST_MAIN(TestXpWellsTab)
#include "tst_xpwellstab.moc"
