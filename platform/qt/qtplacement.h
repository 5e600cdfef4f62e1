// SPDX-License-Identifier: MIT
// qtplacement.h: where the program's windows go on a desktop, and which has the focus.
#pragma once

#include <QDialog>

#include <functional>
#include <optional>

namespace platform {

// Every window is a dialog: window managers keep a dialog above the window it is transient for,
// and most of them list the main window, a dialog off the task bar, in their window switcher.
// Those with a title bar have a close box and no other.
inline constexpr Qt::WindowFlags titledDialog = Qt::Dialog | Qt::CustomizeWindowHint
                                                | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                                                | Qt::MSWindowsFixedSizeDialogHint;

// The window the program's other windows open above: the one shown modeless.
void setMainWindow(QWidget *window);

// Shows dialog modal to the program, transient for the window the player is using (the topmost
// modal window, else the main window): every window manager then stacks it above that window,
// focuses it, and gives that window the focus back once it closes.
int execAbove(QDialog &dialog);

// Where a window shows: centred on its screen by its frame, title bar included, when first
// shown, and where it was when shown again. It goes there as it maps, never moving after: the
// frame is known from a dialog the window manager framed before, or the window manager centres
// the frame itself.
class Placement
{
public:
    explicit Placement(QWidget &window);
    // Runs map, the window's own showing.
    void show(const std::function<void()> &map);
    // In the window's show event, once it has its final size and before it maps.
    void place();
    // Before the window is hidden.
    void hide();

private:
    QWidget &window;
    QMargins frame;                // the frame it is placed for when first shown
    std::optional<QPoint> shownAt; // where its client area was, once shown
};

// A Qt dialog placed as the program's own windows are.
template<typename Dialog>
class Placed : public Dialog
{
public:
    using Dialog::Dialog;

    void setVisible(bool visible) override
    {
        if (visible && !this->isVisible()) {
            placement.show([this] { Dialog::setVisible(true); });
            return;
        }
        if (!visible && this->isVisible())
            placement.hide();
        Dialog::setVisible(visible);
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        Dialog::showEvent(event); // where a box takes its final size
        placement.place();
    }

private:
    Placement placement{*this};
};

} // namespace platform
