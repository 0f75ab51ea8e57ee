#include "WindowPlacement.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

class FirstShowCentring : public QObject
{
public:
    explicit FirstShowCentring(QWidget* window) : QObject(window) { window->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Show comes before the window is mapped, so it appears in place.
        if (event->type() == QEvent::Show) {
            centreOnPointerScreen(static_cast<QWidget*>(watched));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

void centreOnPointerScreen(QWidget* window)
{
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = window->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QRect frame(QPoint(), window->frameGeometry().size());
    frame.moveCenter(available.center());
    // A window larger than the screen keeps its title bar on it.
    window->move(std::max(frame.left(), available.left()), std::max(frame.top(), available.top()));
}

void centreWhenFirstShown(QWidget* window)
{
    new FirstShowCentring(window);
}
