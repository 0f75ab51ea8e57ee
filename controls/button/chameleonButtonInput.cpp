#include "chameleonButtonInput.h"

namespace {
constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kSpace = 32;
} // namespace

void chameleonButtonInput::setMouseOver(bool over)
{
    if (m_mouseOver == over)
        return;
    m_mouseOver = over;
    m_host.mouseOverChanged(over);
}

void chameleonButtonInput::mouseDown(int button, int shift, double x, double y)
{
    m_host.raiseMouseDown(button, shift, x, y);
    m_lastMouseButton = button;
    if (button != kRight)
        m_host.DrawButton(2, false);
}

void chameleonButtonInput::mouseMove(int buttons, int shift, double x, double y, bool inside)
{
    m_host.raiseMouseMove(buttons, shift, x, y);
    if (buttons != 0 && buttons != kLeft)
        return;
    if (inside && buttons == 0) {
        if (!m_mouseOver)
            pointerEntered();
    } else if (inside) {
        // A left-button drag inside draws pressed without keeping the hover.
        setMouseOver(true);
        m_host.DrawButton(2, false);
        setMouseOver(false);
    } else {
        m_host.DrawButton(0, false);
        pointerLeft();
    }
}

void chameleonButtonInput::mouseUp(int button, int shift, double x, double y)
{
    m_host.raiseMouseUp(button, shift, x, y);
    if (button != kRight)
        m_host.DrawButton(0, false);
}

void chameleonButtonInput::pointerEntered()
{
    if (m_mouseOver)
        return;
    m_hoverTracking = true;
    setMouseOver(true);
    m_host.DrawButton(0, true);
    m_host.raiseMouseOver();
}

void chameleonButtonInput::pointerLeft()
{
    if (!m_hoverTracking)
        return;
    m_hoverTracking = false;
    setMouseOver(false);
    m_host.DrawButton(0, true);
    m_host.raiseMouseOut();
}

void chameleonButtonInput::hostClick()
{
    if (m_lastMouseButton != kLeft || !m_host.isEnabledForClick())
        return;
    click(true);
}

void chameleonButtonInput::click(bool forceDraw)
{
    if (m_host.checkBoxBehaviour())
        m_host.toggleValue();
    m_host.DrawButton(0, forceDraw);
    m_host.repaintNow();
    m_host.raiseClick();
}

void chameleonButtonInput::doubleClick()
{
    // A double click is a new press, so its release clicks again.
    if (m_lastMouseButton == kLeft)
        mouseDown(kLeft, 0, 0, 0);
}

void chameleonButtonInput::accessKey()
{
    m_lastMouseButton = kLeft;
    hostClick();
}

void chameleonButtonInput::keyDown(int keyCode, int shift)
{
    m_host.raiseKeyDown(keyCode, shift);
    m_lastKeyCode = keyCode;
    switch (keyCode) {
    case kSpace: m_host.DrawButton(2, false); break;
    case 37: // Left
    case 38: // Up
        m_host.moveFocus(false);
        break;
    case 39: // Right
    case 40: // Down
        m_host.moveFocus(true);
        break;
    default: break;
    }
}

void chameleonButtonInput::keyPress(int keyAscii)
{
    m_host.raiseKeyPress(keyAscii);
}

void chameleonButtonInput::keyUp(int keyCode, int shift)
{
    m_host.raiseKeyUp(keyCode, shift);
    if (m_lastKeyCode == kSpace && keyCode == kSpace)
        click(false);
}
