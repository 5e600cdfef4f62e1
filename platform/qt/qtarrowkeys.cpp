// SPDX-License-Identifier: MIT
// qtarrowkeys.cpp: the arrow keys and the keypad's 8, 6, 2 and 4 as the program's arrow keys.
#include "qtarrowkeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QSlider>

#include <algorithm>
#include <array>
#include <optional>

namespace platform {

namespace {

// Each arrow's key, and the keypad's digit that stands for it.
struct ArrowKeyOnKeyboard
{
    ArrowKey arrow;
    Qt::Key key;
    Qt::Key keypadDigit;
};

constexpr std::array<ArrowKeyOnKeyboard, 4> keyboard{{
        {ArrowKey::Up, Qt::Key_Up, Qt::Key_8},
        {ArrowKey::Right, Qt::Key_Right, Qt::Key_6},
        {ArrowKey::Down, Qt::Key_Down, Qt::Key_2},
        {ArrowKey::Left, Qt::Key_Left, Qt::Key_4},
}};

std::optional<ArrowKey> arrowKey(const QKeyEvent &event)
{
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    for (const auto &k : keyboard)
        if (event.key() == k.key || (keypad && event.key() == k.keypadDigit))
            return k.arrow;
    return std::nullopt;
}

} // namespace

Qt::Key qtKey(ArrowKey key)
{
    return std::ranges::find(keyboard, key, &ArrowKeyOnKeyboard::arrow)->key;
}

QtArrowKeys::QtArrowKeys(QWidget &widget, Window &window)
    : QObject(&widget), widget(widget), window(window)
{
    qApp->installEventFilter(this);
}

bool QtArrowKeys::takesPress(QObject *receiver) const
{
    const auto *target = qobject_cast<const QWidget *>(receiver);
    const QWidget *focus = QApplication::focusWidget();
    return window.onArrowKeyDown && target && target->window() == &widget
           && !qobject_cast<const QSlider *>(focus) && !qobject_cast<const QMenuBar *>(focus);
}

bool QtArrowKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto &key = static_cast<const QKeyEvent &>(*event);
    const std::optional<ArrowKey> arrow = arrowKey(key);
    if (!arrow)
        return false;
    const size_t index = size_t(*arrow);
    if (event->type() == QEvent::KeyPress) {
        if (!held[index] && !takesPress(watched))
            return false;
        held[index] = true;
        window.onArrowKeyDown(*arrow); // again at each auto-repeat
        return true;
    }
    if (!held[index])
        return false;
    // X11 repeats a held key as a release and a press again.
    if (!key.isAutoRepeat()) {
        held[index] = false;
        window.onArrowKeyUp(*arrow);
    }
    return true;
}

} // namespace platform
