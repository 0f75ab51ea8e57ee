#pragma once

#include "xpWellsTab.h"
#include "xpWellsTabSelection.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcutEvent>

#include <memory>

// A strip of `tabCount` tabs with fixed widths; the last width given
// serves the remaining tabs.
inline std::unique_ptr<xpWellsTab> makeStrip(int tabCount, QSize size = QSize(300, 100),
                                             const QList<int>& widths = {60})
{
    auto strip = std::make_unique<xpWellsTab>();
    strip->resize(size);
    for (int i = 1; i <= tabCount; ++i) {
        if (i > 1)
            strip->AddTab();
        strip->setAutoSize(i, false);
        strip->setTabWidth(i, widths.at(qMin(i, int(widths.size())) - 1));
    }
    return strip;
}

// A press or double click holds `button`; a move or release holds none.
inline void mouse(xpWellsTab& strip, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    const bool holds = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    QMouseEvent event(type, at, strip.mapToGlobal(at), button, holds ? Qt::MouseButtons(button) : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&strip, &event);
}

inline void hover(xpWellsTab& strip, QPoint at)
{
    mouse(strip, QEvent::MouseMove, at, Qt::NoButton);
}

inline void key(xpWellsTab& strip, QEvent::Type type, int code, bool autoRepeat = false)
{
    QKeyEvent event(type, code, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(&strip, &event);
}

// Scrolls the row `steps` tabs on, as Page Down pressed and let go.
inline void pageDown(xpWellsTab& strip, int steps)
{
    for (int step = 0; step < steps; ++step) {
        key(strip, QEvent::KeyPress, Qt::Key_PageDown);
        key(strip, QEvent::KeyRelease, Qt::Key_PageDown);
    }
}

// The strip shown in an active window, holding the focus.
inline void focus(xpWellsTab& strip)
{
    strip.show();
    QApplication::setActiveWindow(&strip);
    strip.setFocus();
}

// Alt and the key, as the access keys are pressed.
inline void pressAccessKey(xpWellsTab& strip, QChar key)
{
    QShortcutEvent shortcut(QKeySequence(QStringLiteral("Alt+") + key), 0);
    QApplication::sendEvent(&strip, &shortcut);
}

inline QAccessibleInterface* accessibleTab(xpWellsTab& strip, int index)
{
    return QAccessible::queryAccessibleInterface(&strip)->child(index - 1);
}

inline xpWellsTabSelection* selectionOf(xpWellsTab& strip)
{
    return dynamic_cast<xpWellsTabSelection*>(QAccessible::queryAccessibleInterface(&strip));
}
