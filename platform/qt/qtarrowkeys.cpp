// SPDX-License-Identifier: MIT
// qtarrowkeys.cpp: the arrow keys and the keypad's 8, 6, 2 and 4 as the program's arrow keys.
#include "qtarrowkeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QSlider>

#include <optional>

namespace platform {

namespace {

std::optional<ArrowKey> arrowKey(const QKeyEvent &event)
{
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    switch (event.key()) {
    case Qt::Key_Up:
        return ArrowKey::Up;
    case Qt::Key_Right:
        return ArrowKey::Right;
    case Qt::Key_Down:
        return ArrowKey::Down;
    case Qt::Key_Left:
        return ArrowKey::Left;
    case Qt::Key_8:
        return keypad ? std::optional(ArrowKey::Up) : std::nullopt;
    case Qt::Key_6:
        return keypad ? std::optional(ArrowKey::Right) : std::nullopt;
    case Qt::Key_2:
        return keypad ? std::optional(ArrowKey::Down) : std::nullopt;
    case Qt::Key_4:
        return keypad ? std::optional(ArrowKey::Left) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace

Qt::Key qtKey(ArrowKey key)
{
    switch (key) {
    case ArrowKey::Up:
        return Qt::Key_Up;
    case ArrowKey::Right:
        return Qt::Key_Right;
    case ArrowKey::Down:
        return Qt::Key_Down;
    case ArrowKey::Left:
        return Qt::Key_Left;
    }
    return Qt::Key_Up;
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
