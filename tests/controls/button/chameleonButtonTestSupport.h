#pragma once

// Shared helpers of the chameleonButton tests: buttons of a fixed size with
// their geometry settled, painted surfaces, pixels as text, and the pointer
// and focus events that change the look.
#include "chameleonButton.h"
#include "chameleonButtonPainter.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QResizeEvent>

#include <memory>

constexpr int W = 120;
constexpr int H = 32;

// Qt keeps the resize of a hidden widget pending until it is painted;
// deliver it now so that it does not redraw the button normal later.
inline void settle(chameleonButton& button)
{
    QResizeEvent resize(button.size(), QSize());
    QCoreApplication::sendEvent(&button, &resize);
    button.setAttribute(Qt::WA_PendingResizeEvent, false);
}

inline std::unique_ptr<chameleonButton> makeButton(int type, int scheme = 3, const QString& caption = QString())
{
    auto button = std::make_unique<chameleonButton>();
    button->resize(W, H);
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

inline QString px(const QImage& image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    return QStringLiteral("%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue());
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
