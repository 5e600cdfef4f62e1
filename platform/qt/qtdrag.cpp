// SPDX-License-Identifier: MIT
// qtdrag.cpp: the window system's own move, started once a press, or a move by hand.
#include "qtdrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace platform {

QtDrag::QtDrag(QWidget &window, QWidget &clientArea)
    : QObject(&window), window(window), clientArea(clientArea)
{
    clientArea.installEventFilter(this);
}

bool QtDrag::eventFilter(QObject *, QEvent *event)
{
    const auto pointer
            = [event] { return static_cast<QMouseEvent *>(event)->globalPosition().toPoint(); };
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto &press = static_cast<const QMouseEvent &>(*event);
        if (press.button() != Qt::LeftButton)
            break;
        // Qt may still hold the position from a window manager's move event sent while it
        // mapped the window; the window system's move starts from where the press says the
        // window is.
        const QPoint at = pointer() - clientArea.mapTo(&window, press.position().toPoint());
        if (window.windowHandle()->position() != at)
            window.windowHandle()->setPosition(at);
        dragging = !window.windowHandle()->startSystemMove();
        offset = pointer() - window.pos();
        break;
    }
    case QEvent::MouseMove:
        if (dragging)
            window.move(pointer() - offset);
        break;
    case QEvent::MouseButtonRelease:
        dragging = false;
        break;
    default:
        break;
    }
    return false;
}

} // namespace platform
