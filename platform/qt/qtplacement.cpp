// SPDX-License-Identifier: MIT
// qtplacement.cpp: transient parents, focus and centring by the frame.
#include "qtplacement.h"

#include "qtx11.h"

#include <QApplication>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace platform {

namespace {

QPointer<QWidget> mainWindow;
// The frame the window manager puts around the program's dialogs, once one has been framed.
std::optional<QMargins> dialogFrame;

// Has the window manager frame a dialog of the kind the program shows, minimised and off the task
// bar so that it never shows: its frame is then known before the first real dialog opens.
void probeDialogFrame(QWidget &mainWindow)
{
    auto *probe = new QDialog(&mainWindow, titledDialog);
    probe->setFixedSize(100, 100);
    probe->setWindowState(Qt::WindowMinimized);
    probe->setAttribute(Qt::WA_ShowWithoutActivating);
    probe->createWinId();
    const bool watched = x11::whenFramed(*probe, [probe](const QMargins &frame) {
        dialogFrame = frame;
        probe->deleteLater();
    });
    if (!watched) {
        delete probe;
        return;
    }
    x11::skipTaskbar(*probe);
    probe->show();
}

// Where the client area goes for the frame to be centred on the screen.
QPoint centred(const QWidget &window, const QMargins &frame)
{
    const QWindow *parent = window.windowHandle()->transientParent();
    const QRect screen = (parent ? parent->screen() : QGuiApplication::primaryScreen())->geometry();
    const QSize outer = window.size().grownBy(frame);
    return screen.topLeft() + QPoint(frame.left(), frame.top())
           + QPoint(screen.width() - outer.width(), screen.height() - outer.height()) / 2;
}

// A resizable dialog keeps the size it opens with, widened until its title fits the title bar:
// the program's font in bold and half again as wide stands in for the window manager's, with
// room for an icon and three buttons on the bar. Fixed like the others, it gets their frame.
void fixSize(QWidget &window)
{
    if (window.minimumSize() == window.maximumSize())
        return;
    QFont font = window.font();
    font.setBold(true);
    const QFontMetrics title(font);
    const int needed = title.horizontalAdvance(window.windowTitle()) * 3 / 2 + 10 * title.height();
    if (QLayout *layout = window.layout()) // which would set the limits again
        layout->setSizeConstraint(QLayout::SetNoConstraint);
    window.setFixedSize(std::max(window.width(), needed), window.height());
}

} // namespace

void setMainWindow(QWidget *window)
{
    mainWindow = window;
    QTimer::singleShot(0, window, [window] { probeDialogFrame(*window); });
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

Placement::Placement(QWidget &window) : window(window)
{
    x11::keepPositionTrue(window);
}

void Placement::show(const std::function<void()> &map)
{
    if (shownAt || window.windowFlags() & Qt::FramelessWindowHint) {
        map();
        return;
    }
    // Each frame a dialog gets stands for the next dialog's.
    x11::whenFramed(window, [](const QMargins &frame) { dialogFrame = frame; });
    if (dialogFrame) {
        frame = *dialogFrame;
        map();
        return;
    }
    // No frame seen yet: placed as if it had none, the window manager told to centre the one it
    // draws. It reads that from the hints as it takes the window on, which waits for the grab.
    const x11::ServerGrab grab;
    map();
    x11::setCentreGravity(window);
}

void Placement::place()
{
    if (shownAt) {
        // The window manager may have moved the window as it hid it, unseen by Qt, which then
        // takes a move to where it was for none: Qt learns first where the X server has it.
        if (const std::optional<QPoint> now = x11::position(window))
            window.setGeometry(QRect(*now, window.size()));
        window.setGeometry(QRect(*shownAt, window.size()));
        return;
    }
    fixSize(window);
    // The client area's place: Qt would move a window placed by its frame's corner once it
    // learns the frame.
    window.setGeometry(QRect(centred(window, frame), window.size()));
}

void Placement::hide()
{
    shownAt = x11::position(window).value_or(window.geometry().topLeft());
}

} // namespace platform
