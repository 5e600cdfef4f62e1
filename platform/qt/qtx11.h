// SPDX-License-Identifier: MIT
// qtx11.h: what the program tells and asks an X11 window manager beyond what Qt does. Elsewhere
// (Qt's offscreen platform, Wayland) these do nothing and know nothing.
#pragma once

#include <QMargins>
#include <QPoint>

#include <functional>
#include <optional>

class QWidget;

namespace platform::x11 {

// Keeps a window that is not shown yet off the task bar and the pager.
void skipTaskbar(QWidget &window);

// Calls framed, once, with the frame the window manager puts around window when it takes it on.
// False where there is no X11 window manager to frame it.
bool whenFramed(QWidget &window, std::function<void(const QMargins &frame)> framed);

// Where the window's client area is on the screen, as the X server has it: Qt may miss a move
// that a window manager made.
std::optional<QPoint> position(QWidget &window);

// Keeps Qt's idea of where the window is on the screen true to the X server's. Qt asks the X
// server where a window is when it is told of a configuration, which can be while the window
// manager is still taking the window on (openbox puts the new frame at 0, 0 before it moves it
// where it goes, and tells the window nothing of that move): Qt, and a screen reader asking it,
// would then have the window at 0, 0. Once the window shows, and after every move of its frame,
// Qt is told where it is.
void keepPositionTrue(QWidget &window);

// Holds every other client of the X server, the window manager among them, off while it lives.
class ServerGrab
{
public:
    ServerGrab();
    ~ServerGrab();
    ServerGrab(const ServerGrab &) = delete;
    ServerGrab &operator=(const ServerGrab &) = delete;
};

// Has the window manager place the middle of a window's frame where the middle of the window
// itself was asked to be, whatever frame it draws. Qt writes the window's size hints anew as it
// maps it, so this comes after, with the server grabbed since before the map.
void setCentreGravity(QWidget &window);

} // namespace platform::x11
