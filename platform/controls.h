// SPDX-License-Identifier: MIT
// controls.h: the controls a window can hold; each exposes only what the windows use.
#pragma once

#include "types.h"

#include <functional>
#include <optional>
#include <string>

namespace platform {

class Slider;

class Control
{
public:
    virtual ~Control() = default;
    virtual void setVisible(bool visible) = 0;
    virtual bool isVisible() const = 0;
};

struct LabelDesign
{
    Rect rect{};
    std::string caption{};
    Font font{};
    Align align = Align::Left;
    std::optional<Colour> background = std::nullopt; // none: opaque in the window's colour
    bool visible = true;
};

// Plain text, one line, clipped to its rectangle; never markup, never an access key.
class Label : public Control
{
public:
    virtual void setCaption(const std::string &caption) = 0;
    virtual std::string caption() const = 0;
    virtual void setTextColour(Colour colour) = 0;
    virtual Colour textColour() const = 0; // black until set
    // Names a control to a screen reader, which reads this label's caption with it.
    virtual void setLabelFor(Label &) { }
    virtual void setLabelFor(Slider &) { }
};

struct ButtonDesign
{
    Rect rect{};
    std::string caption{};
    Font font{};
    bool isDefault = false; // Enter clicks it
    bool isCancel = false;  // Escape clicks it
};

class Button
{
public:
    virtual ~Button() = default;
    std::function<void()> onClick;
};

enum class Appearance { Flat = 0, ThreeD = 1 };

// An empty image with a single-line border. For one click it reports press, release and
// click, in that order; the tile that got a press gets its release wherever the pointer
// is then, and a click only when the left button is released over it. A quick second
// press (a double-click to the window system) is reported as a press like any other.
class Tile
{
public:
    virtual ~Tile() = default;
    virtual void setAppearance(Appearance appearance) = 0;
    virtual Appearance appearance() const = 0;
    std::function<void(MouseButton)> onPress;
    std::function<void(MouseButton)> onRelease;
    std::function<void()> onClick;
};

// Lines and rectangle outlines are drawn in the window-text colour, take no mouse input
// and let clicks through to the control beneath.
struct LineDesign
{
    Point from{};
    Point to{};
    int pixels = 1;
};

struct SliderDesign
{
    Rect rect{};
    int minimum = 0;           // at the top
    int maximum = 0;           // at the bottom
    int smallStep = 1;         // arrow keys
    int largeStep = 1;         // page keys, clicks beside the thumb
    int tickEvery = 1;         // tick marks on the left side
    std::string name{};        // what a screen reader says for the slider
    std::string description{}; // and what it says of its ends
};

// A vertical slider. onChange comes whenever the value changes; onScroll repeatedly
// while the thumb is dragged, and for each move by a key. Up and Left move the thumb one
// small step towards the minimum, Down and Right towards the maximum; Page Up and Page Down
// a large step.
class Slider
{
public:
    virtual ~Slider() = default;
    virtual void setValue(int value) = 0; // reports a change only if the value changes
    virtual int value() const = 0;
    std::function<void()> onChange;
    std::function<void()> onScroll;
};

// A box of plain text, read-only, several lines with a vertical scroll bar.
class TextBox
{
public:
    virtual ~TextBox() = default;
    virtual std::string text() const = 0;
};

struct FrameDesign
{
    Rect rect{};
    std::string caption{};
    Font font{};
};

// A captioned frame around other controls, placed relative to its own top-left corner.
class Frame
{
public:
    virtual ~Frame() = default;
    virtual TextBox &addTextBox(const Rect &rect) = 0;
};

// A top-level command of the menu bar; "&" marks its access key.
class MenuItem
{
public:
    virtual ~MenuItem() = default;
    std::function<void()> onClick;
};

} // namespace platform
