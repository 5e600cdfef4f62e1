// SPDX-License-Identifier: MIT
// qtdrag.h: moving a window that has no title bar by dragging the empty part of its client area.
#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace platform {

// A press that a control takes never reaches the client area, though the moves after it may.
class QtDrag final : public QObject
{
public:
    QtDrag(QWidget &window, QWidget &clientArea);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &window;
    QWidget &clientArea;
    bool dragging = false; // moved by hand, where the window system has no move of its own
    QPoint offset;
};

} // namespace platform
