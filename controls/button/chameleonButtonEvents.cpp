// chameleonButton: the host's notifications as Qt events.
#include "chameleonButton.h"

#include "FormsCodes.h"
#include "chameleonButtonPainter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

using FormsCodes::buttonCode;
using FormsCodes::keyCode;
using FormsCodes::shiftCode;

bool chameleonButton::event(QEvent* event)
{
    // A new container brings new ambient colours (scheme 4).
    if (event->type() == QEvent::ParentChange)
        Redraw();
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
    if (m_buttonType == ButtonTypes::TypeTransparent && m_background.isNull())
        CaptureBackground();
    m_refreshEnabled = true;
    DrawButton(ButtonState::Normal, true);
}

void chameleonButton::hideEvent(QHideEvent*)
{
    m_refreshEnabled = false;
}

void chameleonButton::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
        DrawButton(ButtonState::Normal, true);
        notifyAccessibleState(false, false);
        mark("ENAB");
        break;
    case QEvent::FontChange:
        CalcTextRects();
        DrawButton(ButtonState::Normal, true);
        updateGeometry();
        mark("FONT");
        break;
    case QEvent::PaletteChange: // AmbientChanged
        // Every scheme redraws: the custom scheme's colours may be system
        // colours too, and those follow the palette.
        Redraw();
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
    if (chameleonButtonInput::isButtonKey(code))
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
    if (code == FormsCodes::code(FormsCodes::KeyCode::Space))
        event->accept();
    else
        event->ignore();
}

void chameleonButton::moveFocus(bool forward)
{
    focusNextPrevChild(forward);
}
