// chameleonButton's mouse and keyboard state machine on its
// own, without pixels or widgets: a recording host logs what it asks for.
#include "chameleonButtonInput.h"

#include <QStringList>
#include <QTest>

namespace {

// Records what the state machine asks for, in order.
class RecordingHost : public chameleonButtonInput::Host
{
public:
    QStringList log;
    bool enabled = true;
    bool checkBox = false;
    bool value = false;

    void DrawButton(int state, bool force) override
    {
        log << QStringLiteral("draw %1%2").arg(state).arg(force ? " force" : "");
    }
    void repaintNow() override { log << QStringLiteral("repaint"); }
    bool isEnabledForClick() const override { return enabled; }
    bool checkBoxBehaviour() const override { return checkBox; }
    void toggleValue() override
    {
        value = !value;
        log << QStringLiteral("value %1").arg(value);
    }
    void moveFocus(bool forward) override { log << (forward ? "{Tab}" : "+{Tab}"); }
    void raiseClick() override { log << QStringLiteral("Click"); }
    void raiseMouseDown(int b, int s, double, double) override { log << QStringLiteral("MouseDown %1 %2").arg(b).arg(s); }
    void raiseMouseMove(int b, int, double, double) override { log << QStringLiteral("MouseMove %1").arg(b); }
    void raiseMouseUp(int b, int, double, double) override { log << QStringLiteral("MouseUp %1").arg(b); }
    void raiseMouseOver() override { log << QStringLiteral("MouseOver"); }
    void raiseMouseOut() override { log << QStringLiteral("MouseOut"); }
    void raiseKeyDown(int code, int) override { log << QStringLiteral("KeyDown %1").arg(code); }
    void raiseKeyPress(int ascii) override { log << QStringLiteral("KeyPress %1").arg(ascii); }
    void raiseKeyUp(int code, int) override { log << QStringLiteral("KeyUp %1").arg(code); }
};

} // namespace

class TestChameleonButtonStateMachine : public QObject
{
    Q_OBJECT

private slots:
    void leftClickSequence();
    void rightButtonDrawsNothing();
    void hoverEntersOnceAndLeaves();
    void dragOutAndBack();
    void spacePressAndRelease();
    void arrowsMoveTheFocus();
    void checkBoxToggles();
    void disabledDoesNotClick();
    void doubleClickPressesAgain();
};

void TestChameleonButtonStateMachine::leftClickSequence()
{
    RecordingHost host;
    chameleonButtonInput input(host);
    input.mouseMove(0, 0, 5, 5, true);
    input.mouseDown(1, 0, 5, 5);
    input.mouseUp(1, 0, 5, 5);
    input.hostClick();
    QCOMPARE(host.log, QStringList({"MouseMove 0", "draw 0 force", "MouseOver", "MouseDown 1 0",
                                    "draw 2", "MouseUp 1", "draw 0", "draw 0 force", "repaint", "Click"}));
}


void TestChameleonButtonStateMachine::rightButtonDrawsNothing()
{
    RecordingHost host;
    chameleonButtonInput input(host);
    input.mouseDown(2, 1, 5, 5);
    input.mouseUp(2, 1, 5, 5);
    input.hostClick();
    QCOMPARE(host.log, QStringList({"MouseDown 2 1", "MouseUp 2"}));
    QCOMPARE(input.lastMouseButton(), 2);
}


void TestChameleonButtonStateMachine::hoverEntersOnceAndLeaves()
{
    RecordingHost host;
    chameleonButtonInput input(host);
    input.pointerEntered();
    input.mouseMove(0, 0, 6, 6, true);
    QVERIFY(input.mouseOver());
    input.pointerLeft();
    input.pointerLeft(); // the timer is off: nothing more
    QCOMPARE(host.log, QStringList({"draw 0 force", "MouseOver", "MouseMove 0", "draw 0 force", "MouseOut"}));
    QVERIFY(!input.mouseOver());
}


void TestChameleonButtonStateMachine::dragOutAndBack()
{
    RecordingHost host;
    chameleonButtonInput input(host);
    input.pointerEntered();
    input.mouseDown(1, 0, 5, 5);
    host.log.clear();
    input.mouseMove(1, 0, 200, 5, false); // captured drag outside
    QCOMPARE(host.log, QStringList({"MouseMove 1", "draw 0", "draw 0 force", "MouseOut"}));
    host.log.clear();
    input.mouseMove(1, 0, 5, 5, true); // back inside: pressed, hover not kept
    QCOMPARE(host.log, QStringList({"MouseMove 1", "draw 2"}));
    QVERIFY(!input.mouseOver());
    host.log.clear();
    input.mouseMove(4, 0, 5, 5, true); // middle button: only the event
    QCOMPARE(host.log, QStringList({"MouseMove 4"}));
    host.log.clear();
    input.mouseUp(1, 0, 5, 5);
    input.hostClick();
    input.mouseMove(0, 0, 5, 5, true); // the next plain move re-enters hover
    QCOMPARE(host.log, QStringList({"MouseUp 1", "draw 0", "draw 0 force", "repaint", "Click",
                                    "MouseMove 0", "draw 0 force", "MouseOver"}));
}


void TestChameleonButtonStateMachine::spacePressAndRelease()
{
    RecordingHost host;
    chameleonButtonInput input(host);
    input.keyDown(32, 0);
    input.keyPress(32);
    input.keyUp(32, 0);
    QCOMPARE(host.log, QStringList({"KeyDown 32", "draw 2", "KeyPress 32", "KeyUp 32", "draw 0",
                                    "repaint", "Click"}));
    host.log.clear();
    input.keyDown(65, 0);
    input.keyUp(32, 0); // Space released after another key: no click
    QCOMPARE(host.log, QStringList({"KeyDown 65", "KeyUp 32"}));
}


void TestChameleonButtonStateMachine::arrowsMoveTheFocus()
{
    RecordingHost host;
    chameleonButtonInput input(host);
    for (int code : {37, 38, 39, 40})
        input.keyDown(code, 0);
    QCOMPARE(host.log, QStringList({"KeyDown 37", "+{Tab}", "KeyDown 38", "+{Tab}", "KeyDown 39",
                                    "{Tab}", "KeyDown 40", "{Tab}"}));
}


void TestChameleonButtonStateMachine::checkBoxToggles()
{
    RecordingHost host;
    host.checkBox = true;
    chameleonButtonInput input(host);
    input.accessKey();
    QVERIFY(host.value);
    input.keyDown(32, 0);
    input.keyUp(32, 0);
    QVERIFY(!host.value);
    QCOMPARE(host.log, QStringList({"value 1", "draw 0 force", "repaint", "Click", "KeyDown 32",
                                    "draw 2", "KeyUp 32", "value 0", "draw 0", "repaint", "Click"}));
}


void TestChameleonButtonStateMachine::disabledDoesNotClick()
{
    RecordingHost host;
    host.enabled = false;
    chameleonButtonInput input(host);
    input.accessKey();
    QVERIFY(host.log.isEmpty());
}


void TestChameleonButtonStateMachine::doubleClickPressesAgain()
{
    RecordingHost host;
    chameleonButtonInput input(host);
    input.mouseDown(1, 0, 5, 5);
    input.mouseUp(1, 0, 5, 5);
    host.log.clear();
    input.doubleClick();
    QCOMPARE(host.log, QStringList({"MouseDown 1 0", "draw 2"}));
}


QTEST_MAIN(TestChameleonButtonStateMachine)
#include "tst_chameleonbutton_statemachine.moc"
