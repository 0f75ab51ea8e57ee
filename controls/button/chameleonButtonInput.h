#pragma once

#include "chameleonButtonKinds.h"

// The mouse and keyboard state machine of chameleonButton, free of pixels
// and of Qt's event classes, so it can be driven and checked on its own.
// Button, shift and key codes are the forms' (FormsCodes): a move reports
// the buttons held; key codes are the platform's virtual-key codes.
class chameleonButtonInput
{
public:
    using ButtonState = chameleonButtonKinds::ButtonState;

    // What the state machine asks of its button.
    class Host
    {
    public:
        virtual ~Host() = default;
        virtual void DrawButton(ButtonState state, bool force) = 0;
        virtual void repaintNow() = 0;
        virtual bool isEnabledForClick() const = 0;
        virtual bool checkBoxBehaviour() const = 0;
        virtual void toggleValue() = 0;
        virtual void moveFocus(bool forward) = 0; // "{Tab}" / "+{Tab}"
        virtual void raiseClick() = 0;
        virtual void raiseMouseDown(int button, int shift, double x, double y) = 0;
        virtual void raiseMouseMove(int button, int shift, double x, double y) = 0;
        virtual void raiseMouseUp(int button, int shift, double x, double y) = 0;
        virtual void raiseMouseOver() = 0;
        virtual void raiseMouseOut() = 0;
        virtual void raiseKeyDown(int keyCode, int shift) = 0;
        virtual void raiseKeyPress(int keyAscii) = 0;
        virtual void raiseKeyUp(int keyCode, int shift) = 0;
        virtual void mouseOverChanged(bool over) { (void)over; }
    };

    explicit chameleonButtonInput(Host& host) : m_host(host) {}

    void mouseDown(int button, int shift, double x, double y);
    // `inside`: the pointer is over the button's window (its region).
    void mouseMove(int buttons, int shift, double x, double y, bool inside);
    void mouseUp(int button, int shift, double x, double y);
    // The pointer came over the button with no button held (enter event).
    void pointerEntered();
    // The pointer is no longer over the button: what a hover
    // timer would do when its tick finds the pointer outside.
    void pointerLeft();
    // The host's click: a left press and release over the button.
    void hostClick();
    void doubleClick();
    // An access key, or Enter/Escape for a default/cancel button.
    void accessKey();

    void keyDown(int keyCode, int shift);
    void keyPress(int keyAscii);
    void keyUp(int keyCode, int shift);

    // The keys the button handles itself: Space and the arrows.
    static bool isButtonKey(int keyCode);

    bool mouseOver() const { return m_mouseOver; }
    bool hoverTracking() const { return m_hoverTracking; }
    int lastMouseButton() const { return m_lastMouseButton; }
    int lastKeyCode() const { return m_lastKeyCode; }

private:
    void setMouseOver(bool over);
    // Toggles Value for CheckBoxBehaviour, draws normal, repaints, raises Click.
    void click(bool forceDraw);

    Host& m_host;
    int m_lastMouseButton = 0;
    int m_lastKeyCode = 0;
    bool m_mouseOver = false;
    bool m_hoverTracking = false; // OverTimer, in the forms' terms, is enabled
};
