// SPDX-License-Identifier: MIT
// qtplacement.cpp: transient parents, focus and centring by the frame.
#include "qtplacement.h"

#include "qtx11.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QWindow>

namespace platform {

namespace {

QPointer<QWidget> mainWindow;
// The frame the window manager last put around a window with a title bar: where it does not
// tell a window's frame before showing it, the next such window gets the same.
QMargins lastFrame;

// Where the client area goes for the frame to be centred on the screen.
QPoint centred(const QWidget &window, const QMargins &frame)
{
    const QWindow *parent = window.windowHandle()->transientParent();
    const QRect screen = (parent ? parent->screen() : QGuiApplication::primaryScreen())->geometry();
    const QSize outer = window.size().grownBy(frame);
    return screen.topLeft() + QPoint(frame.left(), frame.top())
           + QPoint(screen.width() - outer.width(), screen.height() - outer.height()) / 2;
}

// Centres a window again by the frame it got once it is on screen, where that differs from the
// frame it was placed for.
class Recentre final : public QObject
{
public:
    Recentre(QWidget &window, const QMargins &assumed)
        : QObject(&window), window(window), assumed(assumed)
    {
        window.windowHandle()->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Expose || !window.windowHandle()->isExposed())
            return false;
        window.windowHandle()->removeEventFilter(this);
        deleteLater();
        if (const std::optional<QMargins> frame = x11::frameExtents(window);
            frame && *frame != assumed) {
            lastFrame = *frame;
            window.windowHandle()->setPosition(centred(window, *frame));
        }
        return false;
    }

private:
    QWidget &window;
    const QMargins assumed;
};

} // namespace

void setMainWindow(QWidget *window)
{
    mainWindow = window;
}

int execAbove(QDialog &dialog)
{
    QWidget *owner = QApplication::activeModalWidget();
    if (!owner)
        owner = mainWindow;
    dialog.createWinId();
    if (owner)
        dialog.windowHandle()->setTransientParent(owner->windowHandle());
    return dialog.exec();
}

void placeCentred(QWidget &window)
{
    if (window.windowFlags() & Qt::FramelessWindowHint) {
        window.move(centred(window, {}));
        return;
    }
    if (window.minimumWidth() != window.maximumWidth()) {
        // The title bar's font is the window manager's: the program's in bold and half again as
        // wide stands in, with room for an icon and three buttons on the bar.
        QFont font = window.font();
        font.setBold(true);
        const QFontMetrics title(font);
        const int needed
                = title.horizontalAdvance(window.windowTitle()) * 3 / 2 + 10 * title.height();
        window.resize(std::max(window.width(), needed), window.height());
    }
    if (const std::optional<QMargins> frame = x11::requestFrameExtents(window)) {
        window.move(centred(window, *frame));
        return;
    }
    window.move(centred(window, lastFrame));
    new Recentre(window, lastFrame);
}

} // namespace platform
