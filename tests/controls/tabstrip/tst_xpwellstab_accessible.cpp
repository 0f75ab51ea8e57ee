#include "xpWellsTabAccessible.h"
#include "xpWellsTabTestSupport.h"

#include <QTest>

// The strip as a screen reader meets it: the list, its tabs, their
// states and events, the selection and the access keys.

namespace {

using Events = QList<QPair<QAccessible::Event, int>>;

// Records the strips' accessibility events as "type child" pairs.
class EventLog
{
public:
    EventLog()
    {
        xpWellsTabAccessible::observeEvents([this](const QAccessibleEvent& event) {
            m_events.append({event.type(), event.child()});
        });
    }
    ~EventLog() { xpWellsTabAccessible::observeEvents({}); }

    Events events() const { return m_events; }
    void clear() { m_events.clear(); }

private:
    Events m_events;
};

} // namespace

class TestXpWellsTabAccessible : public QObject
{
    Q_OBJECT

private slots:
    void assistiveToolsSeeAndSelectTabs();
    void listIsNamed_data();
    void listIsNamed();
    void selectedTabHasFocusAndSelection();
    void selectionInterface();
    void scrolledOutTabsAreOffscreenWithTheirPlace();
    void onlyTheSelectingAccessKeyIsAdvertised_data();
    void onlyTheSelectingAccessKeyIsAdvertised();
};

void TestXpWellsTabAccessible::assistiveToolsSeeAndSelectTabs()
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
    address->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(strip->SelectedTab(), 2);
    QVERIFY(address->state().selected);

    QAccessibleInterface* disabled = list->child(2);
    QVERIFY(disabled->state().disabled);
    disabled->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(strip->SelectedTab(), 2);
    strip->DeleteTab();
    QCOMPARE(list->childCount(), 2);
    QVERIFY(!disabled->isValid());
}

void TestXpWellsTabAccessible::listIsNamed_data()
{
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QString>("name");
    QTest::newRow("without a name") << QString() << "Tabs";
    QTest::newRow("with its own name") << "Customer pages" << "Customer pages";
}

void TestXpWellsTabAccessible::listIsNamed()
{
    QFETCH(QString, accessibleName);
    auto strip = makeStrip(2);
    strip->setAccessibleName(accessibleName);
    QTEST(QAccessible::queryAccessibleInterface(strip.get())->text(QAccessible::Name), "name");
}

// The selected tab is the focus while the strip holds it, announced by a
// focus event after each selection event and when the strip takes the focus.
void TestXpWellsTabAccessible::selectedTabHasFocusAndSelection()
{
    auto strip = makeStrip(3);
    EventLog log;
    focus(*strip);
    QVERIFY(strip->hasFocus());
    QCOMPARE(log.events(), (Events{{QAccessible::Focus, 0}}));
    log.clear();
    key(*strip, QEvent::KeyPress, Qt::Key_Right);
    QCOMPARE(log.events(), (Events{{QAccessible::Selection, 1}, {QAccessible::Focus, 1}}));

    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(strip.get());
    QAccessibleInterface* first = accessibleTab(*strip, 1);
    QAccessibleInterface* second = accessibleTab(*strip, 2);
    QVERIFY(second->state().selected);
    QVERIFY(second->state().focused);
    QVERIFY(!first->state().selected);
    QVERIFY(!first->state().focused);
    QVERIFY(first->state().focusable);
    QCOMPARE(list->focusChild(), second);

    strip->clearFocus();
    QVERIFY(!second->state().focused);
    QVERIFY(second->state().selected);
    QCOMPARE(list->focusChild(), nullptr);
    log.clear();
    strip->setSelectedTab(3);
    QCOMPARE(log.events(), (Events{{QAccessible::Selection, 2}}));
}

// One tab is always selected: the selection moves to an enabled tab of
// this strip, and cannot be emptied or widened.
void TestXpWellsTabAccessible::selectionInterface()
{
    auto strip = makeStrip(4);
    strip->setTabEnabled(3, false);
    xpWellsTabSelection* selection = selectionOf(*strip);
    QVERIFY(selection);
    QCOMPARE(selection->selectedItemCount(), 1);
    QCOMPARE(selection->selectedItems(), QList<QAccessibleInterface*>{accessibleTab(*strip, 1)});
    QVERIFY(selection->isSelected(accessibleTab(*strip, 1)));
    QVERIFY(!selection->isSelected(accessibleTab(*strip, 2)));

    QVERIFY(selection->select(accessibleTab(*strip, 2)));
    QCOMPARE(strip->SelectedTab(), 2);
    QCOMPARE(selection->selectedItem(0), accessibleTab(*strip, 2));
    QVERIFY(!selection->select(accessibleTab(*strip, 3)));
    auto other = makeStrip(4);
    QVERIFY(!selection->select(accessibleTab(*other, 4)));
    QVERIFY(!selection->unselect(accessibleTab(*strip, 2)));
    QVERIFY(!selection->selectAll());
    QVERIFY(!selection->clear());
    QCOMPARE(strip->SelectedTab(), 2);
    QCOMPARE(selection->selectedItemCount(), 1);
}

// Tabs scrolled out keep their place in the row, before the strip or
// beyond the arrow box, and say they are off screen; the arrow box hides
// the tab beneath it from the pointer.
void TestXpWellsTabAccessible::scrolledOutTabsAreOffscreenWithTheirPlace()
{
    auto strip = makeStrip(10);
    pageDown(*strip, 3);
    QCOMPARE(strip->firstVisibleTab(), 4);
    QCOMPARE(strip->lastVisibleTab(), 8);
    const QPoint origin = strip->mapToGlobal(QPoint(0, 0));
    const QMap<int, QRect> places{{2, QRect(-122, 2, 60, 20)}, {4, QRect(2, 2, 60, 20)},
                                  {9, QRect(312, 2, 60, 20)}};
    for (auto place = places.begin(); place != places.end(); ++place) {
        QAccessibleInterface* tab = accessibleTab(*strip, place.key());
        QCOMPARE(tab->rect(), place.value().translated(origin));
        QCOMPARE(tab->state().offscreen, place.key() != 4);
        QVERIFY(!tab->state().invisible);
    }
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(strip.get());
    QCOMPARE(list->childAt(origin.x() + 30, origin.y() + 10), accessibleTab(*strip, 4));
    QCOMPARE(list->childAt(origin.x() + 270, origin.y() + 10), nullptr);
}

void TestXpWellsTabAccessible::onlyTheSelectingAccessKeyIsAdvertised_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("key");
    QTest::newRow("&Address") << 2 << "Alt+A";
    QTest::newRow("P&ayment after &Address") << 4 << "";
    QTest::newRow("&Totals") << 5 << "Alt+T";
}

void TestXpWellsTabAccessible::onlyTheSelectingAccessKeyIsAdvertised()
{
    QFETCH(int, tab);
    QFETCH(QString, key);
    auto strip = makeStrip(5, QSize(400, 100));
    const QStringList captions{"&General", "&Address", "&Purchase", "P&ayment", "&Totals"};
    for (int index = 1; index <= 5; ++index)
        strip->setTabCaption(index, captions.at(index - 1));
    QAccessibleInterface* accessible = accessibleTab(*strip, tab);
    QCOMPARE(accessible->text(QAccessible::Accelerator), key);
    QCOMPARE(accessible->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
             key.isEmpty() ? QStringList() : QStringList{key});
    pressAccessKey(*strip, captions.at(tab - 1).at(captions.at(tab - 1).indexOf('&') + 1));
    QCOMPARE(strip->SelectedTab() == tab, !key.isEmpty());
}

QTEST_MAIN(TestXpWellsTabAccessible)
#include "tst_xpwellstab_accessible.moc"
