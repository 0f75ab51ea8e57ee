#pragma once

// Shared helpers of the chameleonButton tests: buttons of a fixed size with
// their geometry settled, painted surfaces, and the pointer and focus
// events that change the look.
#include "PixelProbe.h"
#include "chameleonButton.h"
#include "chameleonButtonPainter.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QResizeEvent>

#include <memory>

using ButtonTypes = chameleonButton::ButtonTypes;
using ColorSchemes = chameleonButton::ColorSchemes;
using ButtonState = chameleonButton::ButtonState;

constexpr int kWidth = 120;
constexpr int kHeight = 32;

// Qt keeps the resize of a hidden widget pending until it is painted;
// deliver it now so that it does not redraw the button normal later.
inline void settle(chameleonButton& button)
{
    QResizeEvent resize(button.size(), QSize());
    QCoreApplication::sendEvent(&button, &resize);
    button.setAttribute(Qt::WA_PendingResizeEvent, false);
}

inline std::unique_ptr<chameleonButton> makeButton(ButtonTypes type,
                                                   ColorSchemes scheme = ColorSchemes::SchemeClassic,
                                                   const QString& caption = QString())
{
    auto button = std::make_unique<chameleonButton>();
    button->resize(kWidth, kHeight);
    button->setColorScheme(scheme);
    button->setButtonType(type);
    button->setCaption(caption);
    settle(*button);
    return button;
}

inline QImage paint(const chameleonButton& button, qreal ratio = 1)
{
    QImage image = chameleonButtonSurface(button.paintState(), ratio);
    chameleonButtonPaint(image, button.paintState());
    return image;
}

inline void hover(QWidget& widget)
{
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&widget, &enter);
}

inline void focus(QWidget& widget)
{
    QFocusEvent event(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&widget, &event);
}
