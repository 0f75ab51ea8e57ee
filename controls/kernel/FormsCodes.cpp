#include "FormsCodes.h"

namespace FormsCodes {

namespace {

// 1 for the first flag, 2 for the second, 4 for the third.
int threeFlagCode(int flags, int first, int second, int third)
{
    return ((flags & first) ? 1 : 0) | ((flags & second) ? 2 : 0) | ((flags & third) ? 4 : 0);
}

} // namespace

int buttonCode(Qt::MouseButtons buttons)
{
    return (buttons.testFlag(Qt::LeftButton) ? LeftButton : 0)
        | (buttons.testFlag(Qt::RightButton) ? RightButton : 0)
        | (buttons.testFlag(Qt::MiddleButton) ? MiddleButton : 0);
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return threeFlagCode(modifiers.toInt(), Qt::ShiftModifier, Qt::ControlModifier,
                         Qt::AltModifier);
}

int keyCode(int qtKey)
{
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return code(KeyCode::F1) + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace: return code(KeyCode::Backspace);
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return code(KeyCode::Tab);
    case Qt::Key_Return:
    case Qt::Key_Enter: return code(KeyCode::Return);
    case Qt::Key_Shift: return code(KeyCode::Shift);
    case Qt::Key_Control: return code(KeyCode::Control);
    case Qt::Key_Alt: return code(KeyCode::Alt);
    case Qt::Key_Pause: return code(KeyCode::Pause);
    case Qt::Key_CapsLock: return code(KeyCode::CapsLock);
    case Qt::Key_Escape: return code(KeyCode::Escape);
    case Qt::Key_Space: return code(KeyCode::Space);
    case Qt::Key_PageUp: return code(KeyCode::PageUp);
    case Qt::Key_PageDown: return code(KeyCode::PageDown);
    case Qt::Key_End: return code(KeyCode::End);
    case Qt::Key_Home: return code(KeyCode::Home);
    case Qt::Key_Left: return code(KeyCode::Left);
    case Qt::Key_Up: return code(KeyCode::Up);
    case Qt::Key_Right: return code(KeyCode::Right);
    case Qt::Key_Down: return code(KeyCode::Down);
    case Qt::Key_Insert: return code(KeyCode::Insert);
    case Qt::Key_Delete: return code(KeyCode::Delete);
    default: return qtKey & 0xff;
    }
}

} // namespace FormsCodes
