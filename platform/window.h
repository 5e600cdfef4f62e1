// SPDX-License-Identifier: MIT
// window.h: a top-level window and the factory for the controls it holds.
#pragma once

#include "controls.h"

#include <functional>
#include <string>
#include <vector>

namespace platform {

enum class BorderStyle {
    None,        // no border, no title bar, not in the task bar; dragged by its client area
    FixedSingle, // title bar with a close box, no minimise or maximise
    FixedDialog, // dialog frame, not in the task bar
};

struct WindowDesign
{
    std::string caption{};
    int width = 0; // client area, twips
    int height = 0;
    BorderStyle border = BorderStyle::FixedSingle;
    Picture icon = Picture::None;
};

// Created hidden. Controls are created in tab order and owned by the window.
// Every window is placed centred on the screen.
class Window
{
public:
    virtual ~Window() = default;

    virtual Label &addLabel(const LabelDesign &design) = 0;
    virtual Button &addButton(const ButtonDesign &design) = 0;
    // name: what a screen reader says for the tile; key: the arrow key that presses it, which
    // the screen reader tells.
    virtual Tile &addTile(const Rect &rect, const std::string &name, ArrowKey key) = 0;
    virtual Control &addLine(const LineDesign &design) = 0;
    virtual void addRectangle(const Rect &rect) = 0;
    virtual Slider &addSlider(const SliderDesign &design) = 0;
    // A picture box: the picture at its top-left corner inside a sunken border; a tab stop.
    // name: what a screen reader says for it.
    virtual void addPicture(const Rect &rect, Picture picture, const std::string &name) = 0;
    virtual Frame &addFrame(const FrameDesign &design) = 0;
    virtual MenuItem &addMenuItem(const std::string &caption) = 0;
    // Labels that a screen reader reads as a table: the first row holds the column headers.
    virtual void addTable(const std::vector<std::vector<Label *>> &) { }
    // The table's row, counted from 1 below the headers, that a screen reader reads as
    // selected, with the focus on it; 0 for none, and the focus where it was.
    virtual void selectTableRow(int) { }
    // Says text through a running screen reader.
    virtual void announce(const std::string &) { }

    virtual void setCaption(const std::string &caption) = 0;
    virtual std::string caption() const = 0;
    virtual bool isVisible() const = 0;

    virtual void show() = 0;
    // Shows the window modal to the whole program; returns once it is hidden or closed.
    virtual void showModal() = 0;
    virtual void hide() = 0;
    // Closes the window as the window system's close command does: onUnload runs, a modal
    // showing ends. The owner destroys the object afterwards, never from inside one of
    // the window's own callbacks.
    virtual void close() = 0;

    std::function<void()> onUnload;
    // An arrow key that the focused control does not take (a slider takes them): reported when
    // it goes down, again at each auto-repeat while it is held, and when it comes up, wherever
    // the focus is by then. It never moves the focus.
    std::function<void(ArrowKey)> onArrowKeyDown;
    std::function<void(ArrowKey)> onArrowKeyUp;
};

} // namespace platform
