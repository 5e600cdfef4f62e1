// SPDX-License-Identifier: MIT
// qtwindow.cpp: top-level windows: borders, placing, the cancel button and moving by hand.
#include "qtwindow.h"

#include "qtcontrols.h"
#include "qtconvert.h"
#include "qticons.h"
#include "qtplacement.h"
#include "qtx11.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSlider>
#include <QVBoxLayout>
#include <QWindow>

namespace platform {

QtWindow::QtWindow(const WindowDesign &design)
    : Placed(nullptr, design.border == BorderStyle::None ? Qt::Dialog | Qt::FramelessWindowHint
                                                         : titledDialog),
      client(new QWidget(this)), draggable(design.border == BorderStyle::None)
{
    setWindowTitle(toQt(design.caption));
    if (design.icon != Picture::None)
        setWindowIcon(platform::windowIcon(design.icon));
    client->setFixedSize(pixels(design.width), pixels(design.height));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(client);
    if (draggable)
        client->installEventFilter(this);
    // Before the focused control, which would move the focus with an arrow key.
    qApp->installEventFilter(this);
}

Label &QtWindow::addLabel(const LabelDesign &design)
{
    return *new QtLabel(design, client);
}

Button &QtWindow::addButton(const ButtonDesign &design)
{
    auto *button = new QtButton(design, client);
    if (design.isCancel)
        cancelButton = button;
    return *button;
}

Tile &QtWindow::addTile(const Rect &rect, const std::string &name)
{
    return *new QtTile(rect, name, client);
}

Control &QtWindow::addLine(const LineDesign &design)
{
    return *new QtLine(design, client);
}

void QtWindow::addRectangle(const Rect &rect)
{
    new QtRectangle(rect, client);
}

Slider &QtWindow::addSlider(const SliderDesign &design)
{
    return *new QtSlider(design, client);
}

void QtWindow::addPicture(const Rect &rect, Picture picture)
{
    new QtPicture(rect, picture, client);
}

Frame &QtWindow::addFrame(const FrameDesign &design)
{
    return *new QtFrame(design, client);
}

MenuItem &QtWindow::addMenuItem(const std::string &caption)
{
    if (!menuBar) {
        menuBar = new QMenuBar(this);
        // A desktop's global menu would take it out of this window, which has no title bar.
        menuBar->setNativeMenuBar(false);
        static_cast<QVBoxLayout *>(layout())->insertWidget(0, menuBar);
    }
    auto &item = *menuItems.emplace_back(std::make_unique<MenuItem>());
    QAction *action = menuBar->addAction(toQt(caption));
    connect(action, &QAction::triggered, this, [&item] {
        if (item.onClick)
            item.onClick();
    });
    return item;
}

void QtWindow::setCaption(const std::string &caption)
{
    setWindowTitle(toQt(caption));
}

std::string QtWindow::caption() const
{
    return fromQt(windowTitle());
}

void QtWindow::show()
{
    setMainWindow(this);
    QDialog::show();
    activateWindow();
}

void QtWindow::showModal()
{
    execAbove(*this);
}

void QtWindow::showEvent(QShowEvent *event)
{
    if (draggable)
        x11::skipTaskbar(*this);
    Placed::showEvent(event);
}

void QtWindow::closeEvent(QCloseEvent *event)
{
    if (onUnload)
        onUnload();
    event->accept();
    emit closed();
}

void QtWindow::reject()
{
    if (cancelButton)
        cancelButton->click();
}

std::optional<ArrowKey> QtWindow::arrowKey(QObject *receiver, const QKeyEvent &event) const
{
    const auto *widget = qobject_cast<const QWidget *>(receiver);
    const QWidget *focus = QApplication::focusWidget();
    if (!onArrowKeyDown || !widget || widget->window() != this
        || qobject_cast<const QSlider *>(focus) || qobject_cast<const QMenuBar *>(focus))
        return std::nullopt;
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

// A window without a title bar is moved by dragging the empty part of its client area. A
// press that a control takes never reaches the client area, though the moves after it may.
bool QtWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const std::optional<ArrowKey> arrow = arrowKey(watched, *key);
        if (arrow && event->type() == QEvent::KeyPress)
            onArrowKeyDown(*arrow);
        else if (arrow && !key->isAutoRepeat()) // X11 repeats a held key as up and down again
            onArrowKeyUp(*arrow);
        return arrow.has_value();
    }
    if (watched != client)
        return false;
    const auto pointer
            = [event] { return static_cast<QMouseEvent *>(event)->globalPosition().toPoint(); };
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *press = static_cast<QMouseEvent *>(event);
        // Qt may still hold the position from a window manager's move event sent while it
        // mapped the window; the window system's move starts from where the press says the
        // window is.
        const QPoint at = pointer() - client->mapTo(this, press->position().toPoint());
        if (windowHandle()->position() != at)
            windowHandle()->setPosition(at);
        dragging = press->button() == Qt::LeftButton && !windowHandle()->startSystemMove();
        dragOffset = pointer() - pos();
    } else if (event->type() == QEvent::MouseMove && dragging) {
        move(pointer() - dragOffset);
    } else if (event->type() == QEvent::MouseButtonRelease) {
        dragging = false;
    }
    return false;
}

} // namespace platform
