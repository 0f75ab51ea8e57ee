#include "chameleonButtonInput.h"

#include "FormsCodes.h"

namespace {

using FormsCodes::KeyCode;
using ButtonState = chameleonButtonKinds::ButtonState;

constexpr int kNoButton = 0;

bool isKey(int keyCode, KeyCode key)
{
    return keyCode == FormsCodes::code(key);
}

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
    if (button != FormsCodes::RightButton)
        m_host.DrawButton(ButtonState::Pressed, false);
}

void chameleonButtonInput::mouseMove(int buttons, int shift, double x, double y, bool inside)
{
    m_host.raiseMouseMove(buttons, shift, x, y);
    if (buttons != kNoButton && buttons != FormsCodes::LeftButton)
        return;
    if (inside && buttons == kNoButton) {
        if (!m_mouseOver)
            pointerEntered();
    } else if (inside) {
        // A left-button drag inside draws pressed without keeping the hover.
        setMouseOver(true);
        m_host.DrawButton(ButtonState::Pressed, false);
        setMouseOver(false);
    } else {
        m_host.DrawButton(ButtonState::Normal, false);
        pointerLeft();
    }
}

void chameleonButtonInput::mouseUp(int button, int shift, double x, double y)
{
    m_host.raiseMouseUp(button, shift, x, y);
    if (button != FormsCodes::RightButton)
        m_host.DrawButton(ButtonState::Normal, false);
}

void chameleonButtonInput::pointerEntered()
{
    if (m_mouseOver)
        return;
    m_hoverTracking = true;
    setMouseOver(true);
    m_host.DrawButton(ButtonState::Normal, true);
    m_host.raiseMouseOver();
}

void chameleonButtonInput::pointerLeft()
{
    if (!m_hoverTracking)
        return;
    m_hoverTracking = false;
    setMouseOver(false);
    m_host.DrawButton(ButtonState::Normal, true);
    m_host.raiseMouseOut();
}

void chameleonButtonInput::hostClick()
{
    if (m_lastMouseButton != FormsCodes::LeftButton || !m_host.isEnabledForClick())
        return;
    click(true);
}

void chameleonButtonInput::click(bool forceDraw)
{
    if (m_host.checkBoxBehaviour())
        m_host.toggleValue();
    m_host.DrawButton(ButtonState::Normal, forceDraw);
    m_host.repaintNow();
    m_host.raiseClick();
}

void chameleonButtonInput::doubleClick()
{
    // A double click is a new press, so its release clicks again.
    if (m_lastMouseButton == FormsCodes::LeftButton)
        mouseDown(FormsCodes::LeftButton, 0, 0, 0);
}

void chameleonButtonInput::accessKey()
{
    m_lastMouseButton = FormsCodes::LeftButton;
    hostClick();
}

bool chameleonButtonInput::isButtonKey(int keyCode)
{
    return isKey(keyCode, KeyCode::Space) || isKey(keyCode, KeyCode::Left) || isKey(keyCode, KeyCode::Up)
        || isKey(keyCode, KeyCode::Right) || isKey(keyCode, KeyCode::Down);
}

void chameleonButtonInput::keyDown(int keyCode, int shift)
{
    m_host.raiseKeyDown(keyCode, shift);
    m_lastKeyCode = keyCode;
    if (isKey(keyCode, KeyCode::Space))
        m_host.DrawButton(ButtonState::Pressed, false);
    else if (isKey(keyCode, KeyCode::Left) || isKey(keyCode, KeyCode::Up))
        m_host.moveFocus(false);
    else if (isKey(keyCode, KeyCode::Right) || isKey(keyCode, KeyCode::Down))
        m_host.moveFocus(true);
}

void chameleonButtonInput::keyPress(int keyAscii)
{
    m_host.raiseKeyPress(keyAscii);
}

void chameleonButtonInput::keyUp(int keyCode, int shift)
{
    m_host.raiseKeyUp(keyCode, shift);
    if (isKey(m_lastKeyCode, KeyCode::Space) && isKey(keyCode, KeyCode::Space))
        click(false);
}
