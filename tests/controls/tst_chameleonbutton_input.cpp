// chameleonButton's mouse and keyboard behaviour through the
// widget, with QTest mouse and key events, and its property set behaviour.
#include "chameleonButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

void settle(chameleonButton& button)
{
    QResizeEvent resize(button.size(), QSize());
    QCoreApplication::sendEvent(&button, &resize);
    button.setAttribute(Qt::WA_PendingResizeEvent, false);
}

void enter(QWidget& widget)
{
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&widget, &event);
}

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


    void mouseClickRaisesClick();
    void rightClickDrawsNothing();
    void dragOutReleasesWithoutClick();
    void dragOutAndBackClicks();
    void hoverEnterLeave();
    void spaceClicks();
    void arrowKeysMoveFocus();
    void checkBoxBehaviourAndValue();
    void accessKeysClick();
    void defaultAndCancelButtons();
    void disabledButtonGetsNoInput();
    void redrawGate();
    void disableRefreshAndRefresh();
    void hideSuspendsDrawing();
    void propertiesMarkTheirKeys();
    void designTimeCopies();
    void handPointer();

private:
    std::unique_ptr<QWidget> m_window;
    chameleonButton* m_button = nullptr;
    chameleonButton* m_second = nullptr;
};

void TestChameleonButtonInput::init()
{
    m_window = std::make_unique<QWidget>();
    auto* layout = new QHBoxLayout(m_window.get());
    m_button = new chameleonButton;
    m_button->setCaption(QStringLiteral("&Save"));
    m_button->setFixedSize(120, 32);
    m_second = new chameleonButton;
    m_second->setCaption(QStringLiteral("&Cancel"));
    m_second->setFixedSize(120, 32);
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

void TestChameleonButtonInput::mouseClickRaisesClick()
{
    QSignalSpy clicks(m_button, &chameleonButton::Click);
    QSignalSpy downs(m_button, &chameleonButton::MouseDown);
    QSignalSpy ups(m_button, &chameleonButton::MouseUp);
    QTest::mousePress(m_button, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 12));
    QCOMPARE(m_button->lastDrawnState(), 2);
    QCOMPARE(clicks.count(), 0);
    QTest::mouseRelease(m_button, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 12));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(m_button->lastDrawnState(), 0);
    QCOMPARE(downs.count(), 1);
    QCOMPARE(downs.at(0).at(0).toInt(), 1);
    QCOMPARE(downs.at(0).at(1).toInt(), 1);
    QCOMPARE(downs.at(0).at(2).toDouble(), 10.0);
    QCOMPARE(downs.at(0).at(3).toDouble(), 12.0);
    QCOMPARE(ups.count(), 1);
    // The double click is a new press (at 0, 0), so its release clicks again.
    QTest::mouseDClick(m_button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 12));
    QCOMPARE(m_button->lastDrawnState(), 2);
    QCOMPARE(downs.count(), 2);
    QCOMPARE(downs.at(1).at(2).toDouble(), 0.0);
    QTest::mouseRelease(m_button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 12));
    QCOMPARE(clicks.count(), 2);
}

void TestChameleonButtonInput::rightClickDrawsNothing()
{
    QSignalSpy clicks(m_button, &chameleonButton::Click);
    QSignalSpy downs(m_button, &chameleonButton::MouseDown);
    QSignalSpy ups(m_button, &chameleonButton::MouseUp);
    enter(*m_button);
    const int draws = m_button->drawCount();
    QTest::mouseClick(m_button, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(m_button->drawCount(), draws);
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(downs.count(), 1);
    QCOMPARE(downs.at(0).at(0).toInt(), 2);
    QCOMPARE(ups.count(), 1);
}

void TestChameleonButtonInput::dragOutReleasesWithoutClick()
{
    QSignalSpy clicks(m_button, &chameleonButton::Click);
    QTest::mousePress(m_button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(m_button->lastDrawnState(), 2);
    move(*m_button, QPoint(300, 10), Qt::LeftButton);
    QCOMPARE(m_button->lastDrawnState(), 0);
    QTest::mouseRelease(m_button, Qt::LeftButton, Qt::NoModifier, QPoint(300, 10));
    QCOMPARE(clicks.count(), 0);
}

void TestChameleonButtonInput::dragOutAndBackClicks()
{
    QSignalSpy clicks(m_button, &chameleonButton::Click);
    QSignalSpy over(m_button, &chameleonButton::MouseOver);
    QSignalSpy out(m_button, &chameleonButton::MouseOut);
    enter(*m_button);
    QCOMPARE(over.count(), 1);
    QTest::mousePress(m_button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    move(*m_button, QPoint(-20, 10), Qt::LeftButton);
    QCOMPARE(m_button->lastDrawnState(), 0);
    QCOMPARE(out.count(), 1);
    QVERIFY(!m_button->mouseOver());
    move(*m_button, QPoint(12, 10), Qt::LeftButton);
    QCOMPARE(m_button->lastDrawnState(), 2);
    QVERIFY(!m_button->mouseOver()); // a drag inside does not keep the hover
    QVERIFY(m_button->paintState().hovered); // but drew with it
    QTest::mouseRelease(m_button, Qt::LeftButton, Qt::NoModifier, QPoint(12, 10));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(m_button->lastDrawnState(), 0);
    move(*m_button, QPoint(14, 10), Qt::NoButton);
    QVERIFY(m_button->mouseOver());
    QCOMPARE(over.count(), 2);
}

void TestChameleonButtonInput::hoverEnterLeave()
{
    QSignalSpy over(m_button, &chameleonButton::MouseOver);
    QSignalSpy out(m_button, &chameleonButton::MouseOut);
    QSignalSpy moves(m_button, &chameleonButton::MouseMove);
    const int draws = m_button->drawCount();
    enter(*m_button);
    QVERIFY(m_button->mouseOver());
    QVERIFY(m_button->paintState().hovered);
    QCOMPARE(over.count(), 1);
    QCOMPARE(m_button->drawCount(), draws + 1);
    move(*m_button, QPoint(20, 10), Qt::NoButton);
    QCOMPARE(moves.count(), 1);
    QCOMPARE(over.count(), 1);
    QCOMPARE(m_button->drawCount(), draws + 1);
    leave(*m_button);
    QVERIFY(!m_button->mouseOver());
    QVERIFY(!m_button->paintState().hovered);
    QCOMPARE(out.count(), 1);
    QCOMPARE(m_button->drawCount(), draws + 2);
}

void TestChameleonButtonInput::spaceClicks()
{
    QSignalSpy clicks(m_button, &chameleonButton::Click);
    QSignalSpy keyDowns(m_button, &chameleonButton::KeyDown);
    QSignalSpy keyPresses(m_button, &chameleonButton::KeyPress);
    QSignalSpy keyUps(m_button, &chameleonButton::KeyUp);
    m_button->setFocus();
    QTest::keyPress(m_button, Qt::Key_Space);
    QCOMPARE(m_button->lastDrawnState(), 2);
    QCOMPARE(clicks.count(), 0);
    QTest::keyRelease(m_button, Qt::Key_Space);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(m_button->lastDrawnState(), 0);
    QCOMPARE(keyDowns.count(), 1);
    QCOMPARE(keyDowns.at(0).at(0).toInt(), 32);
    QCOMPARE(keyPresses.at(0).at(0).toInt(), 32);
    QCOMPARE(keyUps.at(0).at(0).toInt(), 32);
    QTest::keyClick(m_button, Qt::Key_A);
    QCOMPARE(keyDowns.at(1).at(0).toInt(), 65);
    QCOMPARE(clicks.count(), 1);
}

void TestChameleonButtonInput::arrowKeysMoveFocus()
{
    m_button->setFocus();
    QVERIFY(m_button->hasFocus());
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
    QCOMPARE(m_button->lastDrawnState(), 2);
    enter(*m_button); // stays pressed while hovered
    QCOMPARE(m_button->lastDrawnState(), 2);
    QVERIFY(m_button->paintState().hovered);
    QTest::mouseClick(m_button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QVERIFY(!m_button->Value());
    QCOMPARE(m_button->lastDrawnState(), 0);
    m_button->setValue(true);
    QCOMPARE(m_button->lastDrawnState(), 2);
    m_button->setFocus();
    QTest::keyClick(m_button, Qt::Key_Space);
    QVERIFY(!m_button->Value());
    // Without CheckBoxBehaviour, Value does not draw.
    m_second->setValue(true);
    QCOMPARE(m_second->lastDrawnState(), 0);
}

void TestChameleonButtonInput::accessKeysClick()
{
    QSignalSpy saves(m_button, &chameleonButton::Click);
    QSignalSpy cancels(m_second, &chameleonButton::Click);
    QCOMPARE(m_button->accessKey(), QChar('s'));
    QCOMPARE(m_second->accessKey(), QChar('c'));
    QTest::keyClick(m_window.get(), Qt::Key_C, Qt::AltModifier);
    QCOMPARE(cancels.count(), 1);
    QCOMPARE(saves.count(), 0);
    QTest::keyClick(m_window.get(), Qt::Key_S, Qt::AltModifier);
    QCOMPARE(saves.count(), 1);
    // A new caption brings its own key; an escaped pair alone has none.
    m_button->setCaption(QStringLiteral("&&Save &Now"));
    QCOMPARE(m_button->accessKey(), QChar('n'));
    QTest::keyClick(m_window.get(), Qt::Key_N, Qt::AltModifier);
    QCOMPARE(saves.count(), 2);
    QTest::keyClick(m_window.get(), Qt::Key_S, Qt::AltModifier);
    QCOMPARE(saves.count(), 2);
    m_button->setCaption(QStringLiteral("Save && Close"));
    QVERIFY(m_button->accessKey().isNull());
}

void TestChameleonButtonInput::defaultAndCancelButtons()
{
    QSignalSpy saves(m_button, &chameleonButton::Click);
    QSignalSpy cancels(m_second, &chameleonButton::Click);
    m_button->setDefault(true);
    m_second->setCancel(true);
    QVERIFY(m_button->displaysAsDefault());
    QVERIFY(m_button->paintState().isDefault);
    QTest::keyClick(m_window.get(), Qt::Key_Return);
    QCOMPARE(saves.count(), 1);
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    QCOMPARE(cancels.count(), 1);
    // Another button with the focus takes the default look.
    m_second->setFocus();
    QVERIFY(!m_button->displaysAsDefault());
    QVERIFY(!m_button->paintState().isDefault);
    QVERIFY(m_second->paintState().isDefault);
}

void TestChameleonButtonInput::disabledButtonGetsNoInput()
{
    QSignalSpy clicks(m_button, &chameleonButton::Click);
    QSignalSpy downs(m_button, &chameleonButton::MouseDown);
    m_button->setEnabled(false);
    QVERIFY(!m_button->paintState().enabled);
    QTest::mouseClick(m_button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::keyClick(m_window.get(), Qt::Key_S, Qt::AltModifier);
    m_button->AccessKeyPress();
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(downs.count(), 0);
}

void TestChameleonButtonInput::redrawGate()
{
    chameleonButton button;
    button.resize(120, 32);
    settle(button);
    int draws = button.drawCount();
    button.DrawButton(0, false); // same caption and state
    QCOMPARE(button.drawCount(), draws);
    button.DrawButton(0, true);
    QCOMPARE(button.drawCount(), ++draws);
    button.DrawButton(2, false);
    QCOMPARE(button.drawCount(), ++draws);
    QCOMPARE(button.paintState().state, 2);
    button.DrawButton(2, false);
    QCOMPARE(button.drawCount(), draws);
    button.DrawButton(0, false);
    QCOMPARE(button.drawCount(), ++draws);
    button.setShowFocusRect(false); // Redraw: last state, forced
    QCOMPARE(button.drawCount(), ++draws);
}

void TestChameleonButtonInput::disableRefreshAndRefresh()
{
    chameleonButton button;
    button.resize(120, 32);
    settle(button);
    button.setCaption(QStringLiteral("Old"));
    button.DisableRefresh();
    QVERIFY(!button.refreshEnabled());
    const int draws = button.drawCount();
    button.setCaption(QStringLiteral("New"));
    button.setButtonType(3);
    button.DrawButton(2, true);
    QCOMPARE(button.drawCount(), draws);
    QCOMPARE(button.paintState().caption, QStringLiteral("Old"));
    QCOMPARE(button.paintState().ButtonType, 2);
    button.Refresh();
    QVERIFY(button.refreshEnabled());
    QCOMPARE(button.drawCount(), draws + 1);
    QCOMPARE(button.paintState().caption, QStringLiteral("New"));
    QCOMPARE(button.paintState().ButtonType, 3);
}

void TestChameleonButtonInput::hideSuspendsDrawing()
{
    m_window->hide();
    QVERIFY(!m_button->refreshEnabled());
    const int draws = m_button->drawCount();
    m_button->setCaption(QStringLiteral("Hidden"));
    QCOMPARE(m_button->drawCount(), draws);
    m_window->show();
    QVERIFY(m_button->refreshEnabled());
    QVERIFY(m_button->drawCount() > draws);
    QCOMPARE(m_button->paintState().caption, QStringLiteral("Hidden"));
}

void TestChameleonButtonInput::propertiesMarkTheirKeys()
{
    chameleonButton button;
    QSignalSpy marks(&button, &chameleonButton::PropertyChanged);
    button.setBackcolor(1);
    button.setBackOver(2);
    button.setForeColor(3);
    button.setForeOver(4);
    button.setMaskColor(5);
    button.setButtonType(4);
    button.setCaption(QStringLiteral("x"));
    button.setEnabled(false);
    button.setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
    button.setColorScheme(3);
    button.setShowFocusRect(false);
    button.setMousePointer(2);
    button.setMouseIcon(QPixmap());
    button.setHandPointer(false);
    button.setSoftBevel(true);
    button.setPictureNormal(QPixmap());
    button.setPictureOver(QPixmap());
    button.setPicturePosition(2);
    button.setUseMaskColor(false);
    button.setUseGreyscale(true);
    button.setSpecialEffect(1);
    button.setCheckBoxBehaviour(true);
    button.setValue(true);
    QStringList keys;
    for (const QList<QVariant>& mark : marks)
        keys << mark.at(0).toString();
    QCOMPARE(keys, QStringList({"BCOL", "BCOLO", "FCOL", "FCOLO", "MCOL", "BTYPE", "TX", "ENAB", "FONT",
                                "COLTYPE", "FOCUSR", "MPTR", "MICON", "HAND", "SOFT", "PICN", "PICO",
                                "PICPOS", "UMCOL", "NGREY", "FX", "CHECK", "VALUE"}));
    QCOMPARE(button.Version(), QStringLiteral("2.0.6"));
    button.setFontSize(14);
    QCOMPARE(button.FontSize(), qint16(14));
    button.setFontItalic(true);
    QVERIFY(button.font().italic());
    button.setFontUnderline(true);
    QVERIFY(button.FontUnderline());
    button.setFontBold(true);
    QVERIFY(button.FontBold());
}

void TestChameleonButtonInput::designTimeCopies()
{
    chameleonButton button;
    button.setBackcolor(0x112233);
    QVERIFY(button.BackOver() != 0x112233u); // run time: no copy
    button.setDesignMode(true);
    button.setBackcolor(0x445566);
    QCOMPARE(button.BackOver(), 0x445566u);
    button.setForeColor(0x778899);
    QCOMPARE(button.ForeOver(), 0x778899u);
    QVERIFY(!button.FontBold());
    button.setButtonType(5);
    QVERIFY(button.FontBold());
}

void TestChameleonButtonInput::handPointer()
{
    m_button->setHandPointer(true);
    QCOMPARE(m_button->MousePointer(), 99);
    QCOMPARE(m_button->cursor().shape(), Qt::PointingHandCursor);
    m_button->setHandPointer(false);
    QCOMPARE(m_button->MousePointer(), 1);
    QCOMPARE(m_button->cursor().shape(), Qt::ArrowCursor);
    m_button->setMousePointer(11);
    QCOMPARE(m_button->cursor().shape(), Qt::WaitCursor);
}

QTEST_MAIN(TestChameleonButtonInput)
#include "tst_chameleonbutton_input.moc"
