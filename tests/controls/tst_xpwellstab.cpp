#include "PropertyBag.h"
#include "cTabs.h"
#include "xpWellsTab.h"
#include "xpWellsTabLayout.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcutEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

std::unique_ptr<xpWellsTab> makeStrip(int tabCount, QSize size = QSize(300, 100), int width = 60)
{
    auto strip = std::make_unique<xpWellsTab>();
    strip->resize(size);
    for (int i = 2; i <= tabCount; ++i)
        strip->AddTab();
    for (int i = 1; i <= tabCount; ++i) {
        strip->setAutoSize(i, false);
        strip->setTabWidth(i, width);
    }
    return strip;
}

void mouse(xpWellsTab& strip, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, at, strip.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&strip, &event);
}

void key(xpWellsTab& strip, QEvent::Type type, int code, bool autoRepeat = false)
{
    QKeyEvent event(type, code, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(&strip, &event);
}

QTimer* repeatTimer(xpWellsTab& strip)
{
    return strip.findChild<QTimer*>(QStringLiteral("scrollRepeatTimer"));
}

void fire(QTimer* timer)
{
    QMetaObject::invokeMethod(timer, "timeout");
}

} // namespace

class TestXpWellsTab : public QObject
{
    Q_OBJECT

private slots:
    void selectingRaisesTabPressed_data();
    void selectingRaisesTabPressed();
    void accessKeys_data();
    void accessKeys();
    void accessKeySelectsEnabledTabsOnly();
    void tabHeightNeverBelow22_data();
    void tabHeightNeverBelow22();
    void addAndDeleteTabs();
    void deletingTheSelectedTabSelectsItsNeighbour();
    void tabWidthKeptWithinTheStrip();
    void autoSizeWidth();
    void mouseSelectsAndTracks();
    void pressSelectsAlongEveryEdge_data();
    void pressSelectsAlongEveryEdge();
    void clickOnHalfHiddenTabBringsItIntoView();
    void doubleClicks();
    void heldArrowRepeatsThroughTheTimer();
    void repeatStopsAtEitherEnd();
    void pageKeysActAsArrows();
    void rowLayout_data();
    void rowLayout();
    void writesTheStoredKeysInOrder();
    void readsDefaultsAndRoundTrips();
    void assistiveToolsSeeAndSelectTabs();
};

void TestXpWellsTab::selectingRaisesTabPressed_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("pressed");
    QTest::newRow("another tab") << 1 << "select 3" << 3 << 1;
    QTest::newRow("the selected tab again") << 2 << "select 2" << 2 << 1;
    QTest::newRow("a disabled tab by code") << 1 << "select 4" << 4 << 1;
    QTest::newRow("outside the tabs") << 2 << "select 9" << 2 << 0;
    QTest::newRow("Left on tab 1") << 1 << "Left" << 1 << 1;
    QTest::newRow("Up from tab 3") << 3 << "Up" << 2 << 1;
    QTest::newRow("Right on the last tab") << 4 << "Right" << 4 << 1;
    QTest::newRow("Down onto a disabled tab") << 3 << "Down" << 4 << 1;
}

void TestXpWellsTab::selectingRaisesTabPressed()
{
    QFETCH(int, start);
    QFETCH(QString, action);
    QFETCH(int, selected);
    QFETCH(int, pressed);
    auto strip = makeStrip(4);
    strip->setTabEnabled(4, false);
    strip->setSelectedTab(start);
    QSignalSpy spy(strip.get(), &xpWellsTab::TabPressed);
    const QMap<QString, int> keys{{"Left", Qt::Key_Left}, {"Up", Qt::Key_Up},
                                  {"Right", Qt::Key_Right}, {"Down", Qt::Key_Down}};
    if (keys.contains(action))
        key(*strip, QEvent::KeyPress, keys.value(action));
    else
        strip->setSelectedTab(action.section(' ', 1).toInt());
    QCOMPARE(strip->SelectedTab(), selected);
    QCOMPARE(spy.count(), pressed);
    if (pressed != 0)
        QCOMPARE(spy.first().first().toInt(), start);
}

void TestXpWellsTab::accessKeys_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QChar>("expected");
    QTest::newRow("single ampersand") << "&General" << QChar('g');
    QTest::newRow("upper case in the middle") << "Pa&Yment" << QChar('y');
    QTest::newRow("escaped pair only") << "&&" << QChar();
    QTest::newRow("escaped pair then a key") << "A&&B &Notes" << QChar('n');
    QTest::newRow("three ampersands") << "&&&x" << QChar('x');
    QTest::newRow("trailing ampersand") << "Save&" << QChar();
    QTest::newRow("no ampersand") << "Totals" << QChar();
    QTest::newRow("empty") << "" << QChar();
}

void TestXpWellsTab::accessKeys()
{
    QFETCH(QString, caption);
    QFETCH(QChar, expected);
    QCOMPARE(cTabs::accessKeyOf(caption), expected);
}

void TestXpWellsTab::accessKeySelectsEnabledTabsOnly()
{
    auto strip = makeStrip(4);
    strip->setTabCaption(1, "Alpha");
    strip->setTabCaption(2, "&&");
    strip->setTabCaption(3, "&Beta");
    strip->setTabCaption(4, "&Cedar");
    strip->setTabEnabled(4, false);
    // Tabs without a key must not shift the keys of the tabs after them.
    QCOMPARE(strip->GetTabAccessKey('b'), 3);
    QCOMPARE(strip->GetTabAccessKey('B'), 3);
    QCOMPARE(strip->GetTabAccessKey('&'), 0);
    QCOMPARE(strip->GetTabAccessKey('a'), 0);

    QSignalSpy spy(strip.get(), &xpWellsTab::TabPressed);
    QShortcutEvent beta(QKeySequence(QStringLiteral("Alt+B")), 0);
    QApplication::sendEvent(strip.get(), &beta);
    QCOMPARE(strip->SelectedTab(), 3);
    QShortcutEvent cedar(QKeySequence(QStringLiteral("Alt+C")), 0);
    QApplication::sendEvent(strip.get(), &cedar);
    QCOMPARE(strip->SelectedTab(), 3);
    QCOMPARE(spy.count(), 1);

    strip->setTabCaption(1, "&Beta first");
    QCOMPARE(strip->GetTabAccessKey('b'), 1);
}

void TestXpWellsTab::tabHeightNeverBelow22_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("stored");
    QTest::newRow("10 stores 22") << 10 << 22;
    QTest::newRow("21 stores 22") << 21 << 22;
    QTest::newRow("negative") << -5 << 22;
    QTest::newRow("30 stays") << 30 << 30;
}

void TestXpWellsTab::tabHeightNeverBelow22()
{
    QFETCH(int, height);
    QFETCH(int, stored);
    xpWellsTab strip;
    strip.setTabHeight(height);
    QCOMPARE(strip.TabHeight(), stored);
}

void TestXpWellsTab::addAndDeleteTabs()
{
    xpWellsTab strip;
    QCOMPARE(strip.NumberOfTabs(), 1);
    QCOMPARE(strip.TabCaption(1), QStringLiteral("Tab1"));
    QVERIFY(strip.TabEnabled(1));
    QVERIFY(strip.AutoSize(1));
    QCOMPARE(strip.TabWidth(1), 60);

    QSignalSpy changes(&strip, &xpWellsTab::propertyChanged);
    QCOMPARE(strip.AddTab(80, QString(), false, false), 2);
    QCOMPARE(strip.TabCaption(2), QStringLiteral("Tab2"));
    QCOMPARE(strip.TabWidth(2), 80);
    QVERIFY(!strip.TabEnabled(2));
    QVERIFY(!strip.AutoSize(2));
    QCOMPARE(strip.AddTab(60, QStringLiteral("Notes")), 3);
    QCOMPARE(strip.TabCaption(3), QStringLiteral("Notes"));
    QVERIFY(changes.contains({QStringLiteral("TabPicture")}));
    QVERIFY(changes.contains({QStringLiteral("NumberOfTabs")}));

    changes.clear();
    strip.setTabCaption(3, QStringLiteral("Memo"));
    QCOMPARE(changes.takeFirst().first().toString(), QStringLiteral("TabCaption"));

    strip.DeleteTab();
    strip.DeleteTab();
    QCOMPARE(strip.NumberOfTabs(), 1);
    strip.DeleteTab();
    QCOMPARE(strip.NumberOfTabs(), 1);
    QCOMPARE(strip.TabCaption(1), QStringLiteral("Tab1"));

    // Indexes outside the tabs assign nothing.
    strip.setTabCaption(5, QStringLiteral("x"));
    strip.setTabWidth(0, 30);
    QCOMPARE(strip.TabCaption(5), QString());
    QCOMPARE(strip.TabWidth(1), 60);
}

void TestXpWellsTab::deletingTheSelectedTabSelectsItsNeighbour()
{
    auto strip = makeStrip(3);
    strip->setSelectedTab(3);
    QSignalSpy spy(strip.get(), &xpWellsTab::TabPressed);
    strip->DeleteTab();
    QCOMPARE(strip->SelectedTab(), 2);
    QCOMPARE(spy.count(), 1);
    strip->setSelectedTab(1);
    QCOMPARE(spy.last().first().toInt(), 2);
}

void TestXpWellsTab::tabWidthKeptWithinTheStrip()
{
    auto strip = makeStrip(1, QSize(200, 80));
    strip->setTabWidth(1, 199);
    QCOMPARE(strip->TabWidth(1), 199);
    strip->setTabWidth(1, 200);
    QCOMPARE(strip->TabWidth(1), 200);
    strip->setTabWidth(1, 5000);
    QCOMPARE(strip->TabWidth(1), 200);
    strip->setAlignment(1);
    strip->setTabWidth(1, 5000);
    QCOMPARE(strip->TabWidth(1), 80);
}

void TestXpWellsTab::autoSizeWidth()
{
    xpWellsTab strip;
    strip.resize(400, 100);
    strip.setTabCaption(1, QString());
    QCOMPARE(strip.layoutWidth(1), 10);
    QPixmap icon(16, 12);
    icon.fill(Qt::red);
    strip.setTabPicture(1, icon);
    QCOMPARE(strip.layoutWidth(1), 26);
    strip.setTabCaption(1, QStringLiteral("&Stock"));
    QCOMPARE(strip.layoutWidth(1),
             strip.fontMetrics().size(Qt::TextShowMnemonic, QStringLiteral("&Stock")).width() + 26);
    strip.setAutoSize(1, false);
    QCOMPARE(strip.layoutWidth(1), 60);
}

void TestXpWellsTab::mouseSelectsAndTracks()
{
    auto strip = makeStrip(3);
    strip->setTabEnabled(3, false);
    QSignalSpy pressed(strip.get(), &xpWellsTab::TabPressed);
    QSignalSpy in(strip.get(), &xpWellsTab::MouseIn);
    QSignalSpy out(strip.get(), &xpWellsTab::MouseOut);
    QSignalSpy down(strip.get(), &xpWellsTab::MouseDown);

    mouse(*strip, QEvent::MouseButtonPress, strip->tabRect(2).center());
    QCOMPARE(strip->SelectedTab(), 2);
    mouse(*strip, QEvent::MouseButtonPress, strip->tabRect(3).center());
    QCOMPARE(strip->SelectedTab(), 2);
    mouse(*strip, QEvent::MouseButtonPress, strip->tabRect(1).center(), Qt::RightButton);
    QCOMPARE(strip->SelectedTab(), 2);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(down.count(), 3);

    mouse(*strip, QEvent::MouseMove, strip->tabRect(1).center(), Qt::NoButton);
    QCOMPARE(strip->hotTab(), 1);
    mouse(*strip, QEvent::MouseMove, strip->tabRect(3).center(), Qt::NoButton);
    QCOMPARE(strip->hotTab(), 0);
    mouse(*strip, QEvent::MouseMove, strip->tabRect(2).center(), Qt::NoButton);
    QCOMPARE(strip->hotTab(), 2);
    mouse(*strip, QEvent::MouseMove, QPoint(250, 10), Qt::NoButton);
    QCOMPARE(strip->hotTab(), 0);
    QCOMPARE(in.count(), 4);
    mouse(*strip, QEvent::MouseMove, strip->tabRect(2).center(), Qt::NoButton);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(strip.get(), &leave);
    QCOMPARE(strip->hotTab(), 0);
    QCOMPARE(out.count(), 1);
}

void TestXpWellsTab::pressSelectsAlongEveryEdge_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QRect>("secondTab");
    QTest::newRow("top") << 0 << QRect(54, 2, 50, 20);
    QTest::newRow("left") << 1 << QRect(2, 54, 20, 50);
    QTest::newRow("right") << 2 << QRect(178, 54, 20, 50);
    QTest::newRow("bottom") << 3 << QRect(54, 178, 50, 20);
}

void TestXpWellsTab::pressSelectsAlongEveryEdge()
{
    QFETCH(int, alignment);
    QFETCH(QRect, secondTab);
    auto strip = makeStrip(3, QSize(200, 200), 50);
    strip->setAlignment(alignment);
    QCOMPARE(strip->tabRect(2), secondTab);
    mouse(*strip, QEvent::MouseButtonPress, secondTab.topLeft() + QPoint(1, 1));
    QCOMPARE(strip->SelectedTab(), 2);
    mouse(*strip, QEvent::MouseMove, secondTab.bottomRight() - QPoint(1, 1), Qt::NoButton);
    QCOMPARE(strip->hotTab(), 2);
    mouse(*strip, QEvent::MouseButtonPress, QPoint(100, 100));
    QCOMPARE(strip->SelectedTab(), 2);
}

void TestXpWellsTab::clickOnHalfHiddenTabBringsItIntoView()
{
    auto strip = makeStrip(8);
    QCOMPARE(strip->firstVisibleTab(), 1);
    const int last = strip->lastVisibleTab();
    QVERIFY(strip->tabRect(last).right() >= strip->arrowButtonRect(true).left() - 2);
    mouse(*strip, QEvent::MouseButtonPress, strip->tabRect(last).topLeft() + QPoint(5, 10));
    QCOMPARE(strip->SelectedTab(), last);
    QCOMPARE(strip->firstVisibleTab(), 2);

    // A click on the arrow box does not reach the tab beneath it.
    strip->setSelectedTab(1);
    mouse(*strip, QEvent::MouseButtonPress, strip->arrowButtonRect(true).center());
    mouse(*strip, QEvent::MouseButtonRelease, strip->arrowButtonRect(true).center());
    QCOMPARE(strip->SelectedTab(), 1);
}

void TestXpWellsTab::doubleClicks()
{
    auto strip = makeStrip(3);
    strip->setTabEnabled(3, false);
    QSignalSpy tab(strip.get(), &xpWellsTab::TabDblClick);
    QSignalSpy elsewhere(strip.get(), &xpWellsTab::DblClick);
    mouse(*strip, QEvent::MouseButtonDblClick, strip->tabRect(2).center());
    mouse(*strip, QEvent::MouseButtonDblClick, QPoint(150, 60));
    mouse(*strip, QEvent::MouseButtonDblClick, strip->tabRect(3).center());
    QCOMPARE(tab.count(), 1);
    QCOMPARE(tab.first().first().toInt(), 2);
    QCOMPARE(elsewhere.count(), 1);
}

void TestXpWellsTab::heldArrowRepeatsThroughTheTimer()
{
    auto strip = makeStrip(10);
    QTimer* timer = repeatTimer(*strip);
    QVERIFY(timer);
    const QPoint right = strip->arrowButtonRect(false).center();

    mouse(*strip, QEvent::MouseButtonPress, right);
    QCOMPARE(strip->firstVisibleTab(), 2);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 500);

    fire(timer);
    QCOMPARE(strip->firstVisibleTab(), 3);
    QVERIFY(timer->isActive());
    QVERIFY(timer->interval() < 500);
    fire(timer);
    QCOMPARE(strip->firstVisibleTab(), 4);

    mouse(*strip, QEvent::MouseButtonRelease, right);
    QVERIFY(!timer->isActive());
    fire(timer);
    QCOMPARE(strip->firstVisibleTab(), 4);

    const QPoint left = strip->arrowButtonRect(true).center();
    mouse(*strip, QEvent::MouseButtonPress, left);
    QCOMPARE(strip->firstVisibleTab(), 3);
    fire(timer);
    QCOMPARE(strip->firstVisibleTab(), 2);
    mouse(*strip, QEvent::MouseButtonRelease, left);
    QVERIFY(!timer->isActive());
    QCOMPARE(strip->SelectedTab(), 1);
}

void TestXpWellsTab::repeatStopsAtEitherEnd()
{
    auto strip = makeStrip(6);
    QTimer* timer = repeatTimer(*strip);
    const QPoint left = strip->arrowButtonRect(true).center();
    mouse(*strip, QEvent::MouseButtonPress, left);
    QCOMPARE(strip->firstVisibleTab(), 1);
    QVERIFY(!timer->isActive());
    mouse(*strip, QEvent::MouseButtonRelease, left);

    const QPoint right = strip->arrowButtonRect(false).center();
    mouse(*strip, QEvent::MouseButtonPress, right);
    for (int i = 0; i < 10 && timer->isActive(); ++i)
        fire(timer);
    QVERIFY(!timer->isActive());
    QVERIFY(strip->rowLayout().atEnd);
    QCOMPARE(strip->lastVisibleTab(), 6);
    const int first = strip->firstVisibleTab();
    QVERIFY(first > 1);
    mouse(*strip, QEvent::MouseButtonPress, right);
    QCOMPARE(strip->firstVisibleTab(), first);
}

void TestXpWellsTab::pageKeysActAsArrows()
{
    auto strip = makeStrip(10);
    QTimer* timer = repeatTimer(*strip);
    key(*strip, QEvent::KeyPress, Qt::Key_PageDown);
    QCOMPARE(strip->firstVisibleTab(), 2);
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

    auto fitting = makeStrip(2);
    key(*fitting, QEvent::KeyPress, Qt::Key_PageDown);
    QCOMPARE(fitting->firstVisibleTab(), 1);
    QVERIFY(!repeatTimer(*fitting)->isActive());
}

void TestXpWellsTab::rowLayout_data()
{
    QTest::addColumn<QVector<int>>("widths");
    QTest::addColumn<int>("firstVisible");
    QTest::addColumn<bool>("scrolls");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<bool>("atEnd");
    // Row width 2 + sum(width + 2) against 300; the box starts at 260.
    QTest::newRow("fits exactly") << QVector<int>{98, 97, 97} << 1 << false << 1 << 3 << true;
    QTest::newRow("one pixel too wide") << QVector<int>{98, 98, 97} << 1 << true << 1 << 3 << false;
    QTest::newRow("tab past the box is last") << QVector<int>{60, 60, 60, 60, 60} << 1 << true << 1 << 5 << false;
    QTest::newRow("scrolled to the end") << QVector<int>{60, 60, 60, 60, 60, 60} << 3 << true << 3 << 6 << true;
    QTest::newRow("scrolled partway") << QVector<int>{60, 60, 60, 60, 60, 60} << 2 << true << 2 << 6 << false;
    QTest::newRow("fitting row forgets its scroll") << QVector<int>{60, 60} << 2 << false << 1 << 2 << true;
    QTest::newRow("first visible past the tabs") << QVector<int>{100, 100, 100, 100} << 9 << true << 4 << 4 << true;
}

void TestXpWellsTab::rowLayout()
{
    QFETCH(QVector<int>, widths);
    QFETCH(int, firstVisible);
    QFETCH(bool, scrolls);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(bool, atEnd);
    const TabRowLayout layout = xpWellsTabLayout::layoutRow(widths, firstVisible, 22, QSize(300, 100));
    QCOMPARE(layout.scrolls, scrolls);
    QCOMPARE(layout.firstVisible, first);
    QCOMPARE(layout.lastVisible, last);
    QCOMPARE(layout.atEnd, atEnd);
    QCOMPARE(layout.bounds(first).left, 2);
    QCOMPARE(layout.bounds(first).top, 2);
    QCOMPARE(layout.bounds(first).bottom, 22);
    if (last > first)
        QCOMPARE(layout.bounds(first + 1).left, layout.bounds(first).right + 2);
    QCOMPARE(layout.pageArea, QRect(0, 22, 300, 78));
    if (scrolls)
        QCOMPARE(layout.arrowBox, QRect(260, 0, 40, 22));
}

void TestXpWellsTab::writesTheStoredKeysInOrder()
{
    auto strip = makeStrip(2);
    strip->setTabCaption(2, QStringLiteral("&Notes"));
    PropertyBag bag;
    strip->WriteProperties(bag);
    const QStringList expected{
        "Alignment", "TabHeight", "BackColor", "BackColorScroll", "ForeColor", "ForeColorActive",
        "ForeColorHot", "ForeColorDisabled", "FrameColor", "ScrollArrowColor", "MaskColor",
        "TabHotStripColor", "SelectedTab", "Font", "NumberOfTabs",
        "TabPicture1", "AutoSize1", "TabWidth1", "TabText1", "TabEnabled1",
        "TabPicture2", "AutoSize2", "TabWidth2", "TabText2", "TabEnabled2"};
    QCOMPARE(bag.keys(), expected);
    QCOMPARE(bag.readString("TabText2", QString()), QStringLiteral("&Notes"));
    QCOMPARE(bag.readInt("NumberOfTabs", 0), 2);
    QCOMPARE(bag.readColor("ForeColorActive", 0), OleColor::rgb(56, 80, 152));
    QCOMPARE(bag.readColor("TabHotStripColor", 0), OleColor::rgb(232, 144, 40));
    QCOMPARE(bag.readColor("MaskColor", 0), OleColor::rgb(255, 0, 255));
}

void TestXpWellsTab::readsDefaultsAndRoundTrips()
{
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Active, QPalette::ButtonText, QColor(1, 2, 3));
    QApplication::setPalette(palette);

    xpWellsTab fresh;
    fresh.setSelectedTab(1);
    fresh.setBackColorScroll(OleColor::rgb(9, 9, 9));
    fresh.ReadProperties(PropertyBag());
    QCOMPARE(fresh.TabHeight(), 22);
    QCOMPARE(fresh.Backcolor(), OleColor::rgb(240, 240, 224));
    QCOMPARE(fresh.FrameColor(), OleColor::rgb(152, 160, 160));
    QCOMPARE(fresh.ForeColor(), OleColor::rgb(1, 2, 3));
    QCOMPARE(fresh.BackColorScroll(), OleColor::rgb(9, 9, 9));
    QCOMPARE(fresh.NumberOfTabs(), 1);

    // Tabs whose own keys are missing read as newly added tabs.
    PropertyBag bare;
    bare.write(QStringLiteral("NumberOfTabs"), 2);
    bare.write(QStringLiteral("SelectedTab"), 2);
    fresh.ReadProperties(bare);
    QCOMPARE(fresh.NumberOfTabs(), 2);
    QCOMPARE(fresh.SelectedTab(), 2);
    QCOMPARE(fresh.TabCaption(2), QStringLiteral("Tab2"));
    QVERIFY(fresh.TabEnabled(2));
    QVERIFY(fresh.AutoSize(2));
    QCOMPARE(fresh.TabWidth(2), 60);

    auto strip = makeStrip(3);
    strip->setTabHeight(30);
    strip->setAlignment(3);
    strip->setForeColorHot(OleColor::Highlight);
    strip->setTabCaption(2, QStringLiteral("&Stock"));
    strip->setTabEnabled(3, false);
    QPixmap icon(8, 8);
    icon.fill(QColor(10, 200, 30));
    strip->setTabPicture(2, icon);
    strip->setSelectedTab(3);
    PropertyBag bag;
    strip->WriteProperties(bag);
    const std::optional<PropertyBag> stored = PropertyBag::fromJson(bag.toJson());
    QVERIFY(stored);

    // Read into a strip too small for the widths: they come back as stored.
    xpWellsTab copy;
    copy.resize(40, 40);
    QSignalSpy pressed(&copy, &xpWellsTab::TabPressed);
    copy.ReadProperties(*stored);
    QCOMPARE(copy.NumberOfTabs(), 3);
    QCOMPARE(copy.SelectedTab(), 3);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(copy.TabHeight(), 30);
    QCOMPARE(copy.Alignment(), 3);
    QVERIFY(!OleColor::isSystem(copy.ForeColorHot()));
    QCOMPARE(copy.TabCaption(2), QStringLiteral("&Stock"));
    QCOMPARE(copy.GetTabAccessKey('s'), 2);
    QCOMPARE(copy.TabWidth(1), 60);
    QVERIFY(!copy.AutoSize(1));
    QVERIFY(!copy.TabEnabled(3));
    QCOMPARE(copy.TabPicture(2).toImage().pixelColor(3, 3), QColor(10, 200, 30));
    QVERIFY(copy.TabPicture(1).isNull());
    PropertyBag again;
    copy.WriteProperties(again);
    QVERIFY(again == bag);
}

void TestXpWellsTab::assistiveToolsSeeAndSelectTabs()
{
    auto strip = makeStrip(3);
    strip->setTabCaption(2, QStringLiteral("&Address"));
    strip->setTabEnabled(3, false);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(strip.get());
    QVERIFY(list);
    QCOMPARE(list->role(), QAccessible::PageTabList);
    QCOMPARE(list->childCount(), 3);

    QAccessibleInterface* address = list->child(1);
    QVERIFY(address);
    QCOMPARE(address->role(), QAccessible::PageTab);
    QCOMPARE(address->text(QAccessible::Name), QStringLiteral("Address"));
    QCOMPARE(address->parent(), list);
    QCOMPARE(list->indexOfChild(address), 1);
    QVERIFY(!address->state().selected);
    QAccessibleActionInterface* action = address->actionInterface();
    QVERIFY(action);
    QVERIFY(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QSignalSpy pressed(strip.get(), &xpWellsTab::TabPressed);
    action->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(strip->SelectedTab(), 2);
    QCOMPARE(pressed.count(), 1);
    QVERIFY(address->state().selected);

    QAccessibleInterface* disabled = list->child(2);
    QVERIFY(disabled->state().disabled);
    QVERIFY(disabled->actionInterface()->actionNames().isEmpty());
    disabled->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(strip->SelectedTab(), 2);

    strip->DeleteTab();
    QCOMPARE(list->childCount(), 2);
    QVERIFY(!disabled->isValid());
}

QTEST_MAIN(TestXpWellsTab)
#include "tst_xpwellstab.moc"
