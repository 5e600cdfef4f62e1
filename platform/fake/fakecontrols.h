// SPDX-License-Identifier: MIT
// fakecontrols.h: one control of every kind, remembering what the program did to it.
#pragma once

#include "platform/controls.h"

#include <algorithm>
#include <utility>

namespace platform {

// A slider clamps into its range and reports a change only when the value changes, as real
// sliders do. A frame is its own text box, which holds no text.
class FakeControl final : public Label, public Tile, public Slider, public Frame, public TextBox
{
public:
    explicit FakeControl(std::string caption = {}, bool visible = true, int minimum = 0,
                         int maximum = 0)
        : shownText(std::move(caption)), visible(visible), minimum(minimum), maximum(maximum),
          current(minimum)
    { }
    void setVisible(bool v) override { visible = v; }
    bool isVisible() const override { return visible; }
    void setCaption(const std::string &caption) override { shownText = caption; }
    std::string caption() const override { return shownText; }
    void setTextColour(Colour c) override { colour = c; }
    Colour textColour() const override { return colour; }
    void setAppearance(Appearance a) override { look = a; }
    Appearance appearance() const override { return look; }
    void setValue(int value) override
    {
        value = std::clamp(value, minimum, maximum);
        if (value != std::exchange(current, value) && onChange)
            onChange();
    }
    int value() const override { return current; }
    TextBox &addTextBox(const Rect &) override { return *this; }
    std::string text() const override { return {}; }

private:
    std::string shownText;
    bool visible;
    Colour colour = 0;
    Appearance look = Appearance::Flat;
    int minimum;
    int maximum;
    int current;
};

} // namespace platform
