// chameleonButton: the host's notifications as Qt events.
#include "chameleonButton.h"

#include "chameleonButtonPainter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The forms' codes of three flags: 1 for the first, 2 the second, 4 the third.
int formsCode(int flags, int first, int second, int third)
{
    return ((flags & first) ? 1 : 0) | ((flags & second) ? 2 : 0) | ((flags & third) ? 4 : 0);
}

// Buttons: 1 left, 2 right, 4 middle.
int buttonCode(Qt::MouseButtons buttons)
{
    return formsCode(buttons.toInt(), Qt::LeftButton, Qt::RightButton, Qt::MiddleButton);
}

// Shift: 1 Shift, 2 Ctrl, 4 Alt.
int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return formsCode(modifiers.toInt(), Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier);
}

// The platform's virtual-key code of a Qt key.
int keyCode(int key)
{
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return key & 0xff;
    }
}

} // namespace

bool chameleonButton::event(QEvent* event)
{
    // A new container brings new ambient colours (scheme 4).
    if (event->type() == QEvent::ParentChange) {
        SetColors();
        Redraw();
    }
    return QWidget::event(event);
}

void chameleonButton::paintEvent(QPaintEvent*)
{
    // The surface shows the last drawn snapshot; it is painted again only
    // after a draw got through the redraw gate or for another pixel ratio.
    QPainter painter(this);
    const qreal ratio = painter.device()->devicePixelRatioF();
    if (m_surfaceStale || m_surface.isNull() || m_surface.devicePixelRatio() != ratio) {
        m_surface = chameleonButtonSurface(m_drawn, ratio);
        chameleonButtonPaint(m_surface, m_drawn);
        m_surfaceStale = false;
    }
    painter.drawImage(QPoint(0, 0), m_surface);
}

void chameleonButton::resizeEvent(QResizeEvent*)
{
    if (m_resizeSuspended)
        return;
    resizeHandling();
}

void chameleonButton::showEvent(QShowEvent*)
{
    if (m_buttonType == TypeTransparent && m_background.isNull())
        CaptureBackground();
    m_refreshEnabled = true;
    SetColors();
    DrawButton(0, true);
}

void chameleonButton::hideEvent(QHideEvent*)
{
    m_refreshEnabled = false;
}

void chameleonButton::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
        DrawButton(0, true);
        notifyAccessibleState(false, false);
        mark("ENAB");
        break;
    case QEvent::FontChange:
        CalcTextRects();
        DrawButton(0, true);
        updateGeometry();
        mark("FONT");
        break;
    case QEvent::PaletteChange: // AmbientChanged
        if (m_colorScheme != SchemeCustom) {
            SetColors();
            Redraw();
        }
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void chameleonButton::focusInEvent(QFocusEvent* event)
{
    m_hasFocus = true;
    Redraw();
    QWidget::focusInEvent(event);
}

void chameleonButton::focusOutEvent(QFocusEvent* event)
{
    m_hasFocus = false;
    Redraw();
    QWidget::focusOutEvent(event);
}

void chameleonButton::enterEvent(QEnterEvent* event)
{
    if (QGuiApplication::mouseButtons() == Qt::NoButton)
        m_input.pointerEntered();
    QWidget::enterEvent(event);
}

void chameleonButton::leaveEvent(QEvent* event)
{
    m_input.pointerLeft();
    QWidget::leaveEvent(event);
}

void chameleonButton::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    m_input.mouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), at.x(), at.y());
}

void chameleonButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    m_input.mouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), at.x(), at.y(),
                      isInside(at.toPoint()));
}

void chameleonButton::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    m_input.mouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), at.x(), at.y());
    // The host's click: pressed and released over the button.
    if (isInside(at.toPoint()))
        m_input.hostClick();
}

void chameleonButton::mouseDoubleClickEvent(QMouseEvent*)
{
    m_input.doubleClick();
}

void chameleonButton::keyPressEvent(QKeyEvent* event)
{
    const int code = keyCode(event->key());
    m_input.keyDown(code, shiftCode(event->modifiers()));
    const QString text = event->text();
    if (!text.isEmpty())
        m_input.keyPress(text.at(0).unicode());
    // Space and the arrows are the button's; other keys go on to the window.
    if (code == 32 || (code >= 37 && code <= 40))
        event->accept();
    else
        event->ignore();
}

void chameleonButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat()) {
        event->ignore();
        return;
    }
    const int code = keyCode(event->key());
    m_input.keyUp(code, shiftCode(event->modifiers()));
    if (code == 32)
        event->accept();
    else
        event->ignore();
}

void chameleonButton::moveFocus(bool forward)
{
    focusNextPrevChild(forward);
}
