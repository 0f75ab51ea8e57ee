#pragma once

#include <Qt>

// The codes the widgets' events carry, as the forms that host them expect:
// every control reports mouse buttons, modifier keys and keys this way.
namespace FormsCodes {

// Mouse buttons: 1 left, 2 right, 4 middle; a move reports the buttons
// held, added together.
constexpr int LeftButton = 1;
constexpr int RightButton = 2;
constexpr int MiddleButton = 4;
int buttonCode(Qt::MouseButtons buttons);

// Modifier keys: 1 Shift, 2 Ctrl, 4 Alt.
int shiftCode(Qt::KeyboardModifiers modifiers);

// The platform's virtual-key codes the controls react to.
enum class KeyCode : int {
    Backspace = 8,
    Tab = 9,
    Return = 13,
    Shift = 16,
    Control = 17,
    Alt = 18,
    Pause = 19,
    CapsLock = 20,
    Escape = 27,
    Space = 32,
    PageUp = 33,
    PageDown = 34,
    End = 35,
    Home = 36,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
    Insert = 45,
    Delete = 46,
    F1 = 112,
};

constexpr int code(KeyCode key)
{
    return int(key);
}

// The virtual-key code of a Qt key: letters and digits keep their ASCII
// code, function keys count from F1, other keys fall back to the low byte.
int keyCode(int qtKey);

} // namespace FormsCodes
