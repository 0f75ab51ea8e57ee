// chameleonButton's mouse and keyboard behaviour through the widget, with
// QTest mouse and key events; the redraw gate; and what it shows assistive
// technology.
#include "chameleonButtonTestSupport.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

void leave(QWidget& widget)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(&widget, &event);
}

void move(QWidget& widget, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent event(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

} // namespace

class TestChameleonButtonInput : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void mouseAndKeys_data();
    void mouseAndKeys();
    void arrowKeysMoveFocus();
    void checkBoxBehaviourAndValue();
    void windowKeys_data();
    void windowKeys();
    void defaultLook();
    void redrawGate();
    void suspendedDrawing_data();
    void suspendedDrawing();
    void accessible_data();
    void accessible();

private:
    std::unique_ptr<QWidget> m_window;
    chameleonButton* m_button = nullptr;
    chameleonButton* m_second = nullptr;
};

void TestChameleonButtonInput::init()
{
    PixelProbe::failOnPaintWarnings();
    m_window = std::make_unique<QWidget>();
    auto* layout = new QHBoxLayout(m_window.get());
    m_button = new chameleonButton;
    m_button->setCaption(QStringLiteral("&Save"));
    m_button->setFixedSize(kWidth, kHeight);
    m_second = new chameleonButton;
    m_second->setCaption(QStringLiteral("&Cancel"));
    m_second->setFixedSize(kWidth, kHeight);
    layout->addWidget(m_button);
    layout->addWidget(m_second);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestChameleonButtonInput::cleanup()
{
    m_window.reset();
    m_button = m_second = nullptr;
}

// Steps: "press L|R [shift]" at (10, 12), "release L|R X", "double" (click
// at (10, 12)), "move X -|L|M" (buttons held), "enter", "leave", "disable",
// "keydown K", "keyup K" (K: Space or A).
void TestChameleonButtonInput::mouseAndKeys_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("left click with Shift") << QStringList{"press L shift", "release L 10"} << QStringList{
        "MouseDown 1 1 10 12", "draw 2", "MouseUp 1 0", "Click", "draw 0 x2"};
    QTest::newRow("double click presses again (at 0, 0)") << QStringList{"press L", "release L 10", "double", "release L 10"}
        << QStringList{"MouseDown 1 0 10 12", "draw 2", "MouseUp 1 0", "Click", "draw 0 x2", "MouseDown 1 0 0 0",
                       "draw 2", "MouseUp 1 0", "Click", "draw 0 x2"};
    QTest::newRow("right button draws nothing, middle drag only reports")
        << QStringList{"enter", "press R", "release R 10", "move 12 M"}
        << QStringList{"MouseOver", "draw 0 hover", "MouseDown 2 0 10 12", "MouseUp 2 0", "MouseMove 4"};
    QTest::newRow("hover: enter, move, leave twice") << QStringList{"enter", "move 20 -", "leave", "leave"}
        << QStringList{"MouseOver", "draw 0 hover", "MouseMove 0", "MouseOut", "draw 0"};
    QTest::newRow("drag out, released outside") << QStringList{"enter", "press L", "move -20 L", "release L 300"}
        << QStringList{"MouseOver", "draw 0 hover", "MouseDown 1 0 10 12", "draw 2 hover", "MouseMove 1",
                       "MouseOut", "draw 0 x2", "MouseUp 1 0"};
    QTest::newRow("drag out and back: pressed without keeping the hover")
        << QStringList{"enter", "press L", "move -20 L", "move 12 L", "release L 12", "move 14 -"}
        << QStringList{"MouseOver", "draw 0 hover", "MouseDown 1 0 10 12", "draw 2 hover", "MouseMove 1",
                       "MouseOut", "draw 0 x2", "MouseMove 1", "draw 2 hover", "MouseUp 1 0", "Click", "draw 0 x2",
                       "MouseMove 0", "MouseOver", "draw 0 hover"};
    QTest::newRow("disabled: no mouse events") << QStringList{"disable", "press L", "release L 10"} << QStringList{};
    QTest::newRow("space clicks on release") << QStringList{"keydown Space", "keyup Space"} << QStringList{
        "KeyDown 32", "KeyPress 32", "draw 2", "KeyUp 32", "Click", "draw 0"};
    QTest::newRow("space released after another key") << QStringList{"keydown A", "keyup Space"}
        << QStringList{"KeyDown 65", "KeyPress 97", "KeyUp 32"};
}

void TestChameleonButtonInput::mouseAndKeys()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);
    chameleonButton& clicked = *m_button;
    clicked.setFocus();
    QStringList log;
    connect(&clicked, &chameleonButton::MouseDown, this, [&log](int button, int shift, double x, double y) {
        log << QStringLiteral("MouseDown %1 %2 %3 %4").arg(button).arg(shift).arg(x).arg(y);
    });
    connect(&clicked, &chameleonButton::MouseUp, this, [&log](int button, int shift) {
        log << QStringLiteral("MouseUp %1 %2").arg(button).arg(shift);
    });
    connect(&clicked, &chameleonButton::MouseMove, this, [&log](int button) { log << QStringLiteral("MouseMove %1").arg(button); });
    connect(&clicked, &chameleonButton::MouseOver, this, [&log] { log << QStringLiteral("MouseOver"); });
    connect(&clicked, &chameleonButton::MouseOut, this, [&log] { log << QStringLiteral("MouseOut"); });
    connect(&clicked, &chameleonButton::Click, this, [&log] { log << QStringLiteral("Click"); });
    connect(&clicked, &chameleonButton::KeyDown, this, [&log](int code) { log << QStringLiteral("KeyDown %1").arg(code); });
    connect(&clicked, &chameleonButton::KeyPress, this, [&log](int ascii) { log << QStringLiteral("KeyPress %1").arg(ascii); });
    connect(&clicked, &chameleonButton::KeyUp, this, [&log](int code) { log << QStringLiteral("KeyUp %1").arg(code); });
    const QMap<QString, Qt::MouseButtons> buttons{{"-", Qt::NoButton}, {"L", Qt::LeftButton}, {"R", Qt::RightButton},
                                                  {"M", Qt::MiddleButton}};
    for (const QString& step : steps) {
        if (step == "disable") { // the redraws of disabling are not logged
            clicked.setEnabled(false);
            continue;
        }
        const QStringList words = step.split(' ');
        const int draws = clicked.drawCount();
        const Qt::MouseButton button = words.size() > 1 ? Qt::MouseButton(buttons.value(words[1]).toInt()) : Qt::NoButton;
        const Qt::Key key = words.size() > 1 && words[1] == "Space" ? Qt::Key_Space : Qt::Key_A;
        if (words[0] == "press")
            QTest::mousePress(&clicked, button, words.size() > 2 ? Qt::ShiftModifier : Qt::NoModifier, QPoint(10, 12));
        else if (words[0] == "release")
            QTest::mouseRelease(&clicked, button, Qt::NoModifier, QPoint(words[2].toInt(), 12));
        else if (words[0] == "double")
            QTest::mouseDClick(&clicked, Qt::LeftButton, Qt::NoModifier, QPoint(10, 12));
        else if (words[0] == "move")
            move(clicked, QPoint(words[1].toInt(), 10), buttons.value(words[2]));
        else if (words[0] == "enter")
            hover(clicked);
        else if (words[0] == "leave")
            leave(clicked);
        else if (words[0] == "keydown")
            QTest::keyPress(&clicked, key);
        else if (words[0] == "keyup")
            QTest::keyRelease(&clicked, key);
        else
            QFAIL(qPrintable(step));
        const int drawn = clicked.drawCount() - draws;
        if (drawn > 0)
            log << QStringLiteral("draw %1").arg(int(clicked.lastDrawnState())) + (clicked.paintState().hovered ? " hover" : "")
                       + (drawn > 1 ? QStringLiteral(" x%1").arg(drawn) : QString());
    }
    QCOMPARE(log, expected);
}

void TestChameleonButtonInput::arrowKeysMoveFocus()
{
    m_button->setFocus();
    QVERIFY(m_button->hasFocusFlag());
    QTest::keyClick(m_button, Qt::Key_Right);
    QVERIFY(m_second->hasFocus());
    QVERIFY(!m_button->hasFocusFlag());
    QTest::keyClick(m_second, Qt::Key_Up);
    QVERIFY(m_button->hasFocus());
    QTest::keyClick(m_button, Qt::Key_Down);
    QVERIFY(m_second->hasFocus());
    QTest::keyClick(m_second, Qt::Key_Left);
    QVERIFY(m_button->hasFocus());
}

void TestChameleonButtonInput::checkBoxBehaviourAndValue()
{
    m_button->setCheckBoxBehaviour(true);
    QTest::mouseClick(m_button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QVERIFY(m_button->Value());
    QCOMPARE(m_button->lastDrawnState(), ButtonState::Pressed);
    hover(*m_button); // stays pressed while hovered
    QCOMPARE(m_button->lastDrawnState(), ButtonState::Pressed);
    QVERIFY(m_button->paintState().hovered);
    QTest::mouseClick(m_button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QVERIFY(!m_button->Value());
    QCOMPARE(m_button->lastDrawnState(), ButtonState::Normal);
    m_button->setValue(true);
    QCOMPARE(m_button->lastDrawnState(), ButtonState::Pressed);
    m_button->setFocus();
    QTest::keyClick(m_button, Qt::Key_Space);
    QVERIFY(!m_button->Value());
    m_second->setValue(true); // without CheckBoxBehaviour, Value does not draw
    QCOMPARE(m_second->lastDrawnState(), ButtonState::Normal);
}

void TestChameleonButtonInput::windowKeys_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<int>("saves");
    QTest::addColumn<int>("cancels");
    QTest::newRow("access key of &Cancel") << "" << QKeySequence("Alt+C") << 0 << 1;
    QTest::newRow("access key of &Save") << "" << QKeySequence("Alt+S") << 1 << 0;
    QTest::newRow("a new caption brings its key") << "recaption" << QKeySequence("Alt+N") << 1 << 0;
    QTest::newRow("and drops the old one") << "recaption" << QKeySequence("Alt+S") << 0 << 0;
    QTest::newRow("Enter clicks the default button") << "default" << QKeySequence(Qt::Key_Return) << 1 << 0;
    QTest::newRow("Escape clicks the cancel button") << "cancel" << QKeySequence(Qt::Key_Escape) << 0 << 1;
    QTest::newRow("a disabled button's key does nothing") << "disabled" << QKeySequence("Alt+S") << 0 << 0;
}

void TestChameleonButtonInput::windowKeys()
{
    QFETCH(QString, setup);
    QFETCH(QKeySequence, key);
    QFETCH(int, saves);
    QFETCH(int, cancels);
    if (setup == "recaption")
        m_button->setCaption(QStringLiteral("&&Save &Now"));
    m_button->setDefault(setup == "default");
    m_second->setCancel(setup == "cancel");
    m_button->setEnabled(setup != "disabled");
    QSignalSpy saved(m_button, &chameleonButton::Click);
    QSignalSpy cancelled(m_second, &chameleonButton::Click);
    QTest::keySequence(m_window.get(), key);
    QCOMPARE(saved.count(), saves);
    QCOMPARE(cancelled.count(), cancels);
}

void TestChameleonButtonInput::defaultLook()
{
    m_button->setDefault(true);
    QVERIFY(m_button->paintState().isDefault);
    m_second->setFocus(); // another button with the focus takes the default look
    QVERIFY(!m_button->paintState().isDefault);
    QVERIFY(m_second->paintState().isDefault);
}

void TestChameleonButtonInput::redrawGate()
{
    auto button = makeButton(ButtonTypes::TypeRaised, ColorSchemes::SchemeSystem);
    int draws = button->drawCount();
    button->DrawButton(ButtonState::Normal, false); // same caption and state
    QCOMPARE(button->drawCount(), draws);
    button->DrawButton(ButtonState::Normal, true);
    QCOMPARE(button->drawCount(), ++draws);
    button->DrawButton(ButtonState::Pressed, false);
    QCOMPARE(button->drawCount(), ++draws);
    QCOMPARE(button->paintState().buttonState, ButtonState::Pressed);
    button->DrawButton(ButtonState::Pressed, false);
    QCOMPARE(button->drawCount(), draws);
    button->DrawButton(ButtonState::Normal, false);
    QCOMPARE(button->drawCount(), ++draws);
    button->setShowFocusRect(false); // Redraw: last state, forced
    QCOMPARE(button->drawCount(), ++draws);
}

void TestChameleonButtonInput::suspendedDrawing_data()
{
    QTest::addColumn<bool>("hide");
    QTest::newRow("DisableRefresh, then Refresh") << false;
    QTest::newRow("hidden, then shown") << true;
}

void TestChameleonButtonInput::suspendedDrawing()
{
    QFETCH(bool, hide);
    if (hide)
        m_window->hide();
    else
        m_button->DisableRefresh();
    QVERIFY(!m_button->refreshEnabled());
    const int draws = m_button->drawCount();
    m_button->setCaption(QStringLiteral("New"));
    m_button->setButtonType(ButtonTypes::TypeGradient);
    m_button->DrawButton(ButtonState::Pressed, true);
    QCOMPARE(m_button->drawCount(), draws);
    QCOMPARE(m_button->paintState().caption, QStringLiteral("&Save"));
    if (hide)
        m_window->show();
    else
        m_button->Refresh();
    QVERIFY(m_button->refreshEnabled());
    QVERIFY(m_button->drawCount() > draws);
    QCOMPARE(m_button->paintState().caption, QStringLiteral("New"));
    QCOMPARE(m_button->paintState().ButtonType, ButtonTypes::TypeGradient);
}

void TestChameleonButtonInput::accessible_data()
{
    QTest::addColumn<bool>("checkBox");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::newRow("push button") << false << "&Save && Close" << int(QAccessible::Button) << "Save & Close";
    QTest::newRow("check box") << true << "&Bold" << int(QAccessible::CheckBox) << "Bold";
}

void TestChameleonButtonInput::accessible()
{
    QFETCH(bool, checkBox);
    QFETCH(QString, caption);
    QFETCH(int, role);
    QFETCH(QString, name);
    auto button = makeButton(ButtonTypes::TypeRaised, ColorSchemes::SchemeSystem, caption);
    button->setCheckBoxBehaviour(checkBox);
    QSignalSpy clicks(button.get(), &chameleonButton::Click);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button.get());
    QVERIFY(face && face->actionInterface());
    QCOMPARE(int(face->role()), role);
    QCOMPARE(face->text(QAccessible::Name), name);
    QCOMPARE(bool(face->state().checkable), checkBox);
    QVERIFY(face->state().focusable && !face->state().focused && !face->state().checked);
    focus(*button);
    QVERIFY(face->state().focused);
    button->DrawButton(ButtonState::Pressed, false);
    QCOMPARE(bool(face->state().pressed), !checkBox);
    QVERIFY(face->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(bool(face->state().checked), checkBox);
    QVERIFY(!face->state().pressed);
    if (checkBox) {
        face->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(!face->state().checked);
    }
    button->setEnabled(false);
    QVERIFY(face->state().disabled);
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicks.count(), checkBox ? 2 : 1);
}

QTEST_MAIN(TestChameleonButtonInput)
#include "tst_chameleonbutton_input.moc"
