// SPDX-License-Identifier: MIT
// qtarrowkeys.h: a window's arrow keys, for its handlers rather than for its focused control.
#pragma once

#include "platform/window.h"

#include <QObject>

#include <bitset>

class QKeyEvent;

namespace platform {

// The key of the keyboard's own arrows.
Qt::Key qtKey(ArrowKey key);

// Sees every key of the program before the focused control does, which would move the focus
// with an arrow key: a press in the window, unless the slider or the menu bar has the focus,
// goes to the window's onArrowKeyDown, and the release of that key to its onArrowKeyUp,
// wherever the focus is by then.
class QtArrowKeys final : public QObject
{
public:
    QtArrowKeys(QWidget &widget, Window &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool takesPress(QObject *receiver) const;

    QWidget &widget;
    Window &window;
    std::bitset<4> held; // by ArrowKey: the keys whose press went to the window
};

} // namespace platform
