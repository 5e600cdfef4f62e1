// SPDX-License-Identifier: MIT
// qtx11.h: what the program tells and asks an X11 window manager beyond what Qt does. Elsewhere
// (Qt's offscreen platform, Wayland) these do nothing and know nothing.
#pragma once

#include <QMargins>
#include <optional>

class QWidget;

namespace platform::x11 {

// Keeps a window that is not shown yet off the task bar and the pager.
void skipTaskbar(QWidget &window);

// The frame the window manager will put around a window that is not shown yet, where it tells.
std::optional<QMargins> requestFrameExtents(QWidget &window);

// The frame the window manager has put around a window it is showing, where it tells.
std::optional<QMargins> frameExtents(QWidget &window);

} // namespace platform::x11
