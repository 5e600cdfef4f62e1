// SPDX-License-Identifier: MIT
// qtplacement.h: where the program's windows go on a desktop, and which has the focus.
#pragma once

#include <QDialog>

namespace platform {

// The window the program's other windows open above: the one shown modeless.
void setMainWindow(QWidget *window);

// Shows dialog modal to the program, transient for the window the player is using (the topmost
// modal window, else the main window): every window manager then stacks it above that window,
// focuses it, and gives that window the focus back once it closes.
int execAbove(QDialog &dialog);

// Centres a window that is about to be shown on its screen by its frame, title bar included,
// and widens a resizable one until its title fits the title bar.
void placeCentred(QWidget &window);

// A Qt dialog placed as the program's own windows are.
template<typename Dialog>
class Placed final : public Dialog
{
public:
    using Dialog::Dialog;

protected:
    void showEvent(QShowEvent *event) override
    {
        Dialog::showEvent(event); // where a box takes its final size
        placeCentred(*this);
    }
};

} // namespace platform
