// SPDX-License-Identifier: MIT
// qtendings.h: the ends of the program other than a close of its main window.
#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace platform {

// While it lives: SIGTERM (as at logout and shutdown), SIGHUP (the terminal closed) and SIGINT
// (Ctrl+C there) close the main window, as its close box does, once the event loop has them; the
// session manager's request to save, and the end of the display the program was on, which ends
// it at once, have savePending save what would otherwise be lost.
class QtEndings final : public QObject
{
public:
    QtEndings(QWidget &mainWindow, std::function<void()> savePending);
    ~QtEndings() override;
};

} // namespace platform
