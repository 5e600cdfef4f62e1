// SPDX-License-Identifier: MIT
// fakecontrols.h: controls that remember what the program did to them and let a test fire their
// events.
#pragma once

#include "platform/controls.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace platform {

class FakeLabel final : public Label
{
public:
    explicit FakeLabel(const LabelDesign &design)
        : design(design), text(design.caption), visible(design.visible)
    { }
    void setVisible(bool v) override { visible = v; }
    bool isVisible() const override { return visible; }
    void setCaption(const std::string &caption) override { text = caption; }
    std::string caption() const override { return text; }
    void setTextColour(Colour c) override { colour = c; }
    Colour textColour() const override { return colour; }

    const LabelDesign design;

private:
    std::string text;
    bool visible;
    Colour colour = 0;
};

class FakeButton final : public Button
{
public:
    explicit FakeButton(const ButtonDesign &design) : design(design) { }
    const ButtonDesign design;
};

class FakeTile final : public Tile
{
public:
    explicit FakeTile(const Rect &rect) : rect(rect) { }
    void setAppearance(Appearance a) override { look = a; }
    Appearance appearance() const override { return look; }
    const Rect rect;

private:
    Appearance look = Appearance::Flat;
};

class FakeLine final : public Control
{
public:
    explicit FakeLine(const LineDesign &design) : design(design) { }
    void setVisible(bool v) override { visible = v; }
    bool isVisible() const override { return visible; }
    const LineDesign design;

private:
    bool visible = true;
};

// Clamps into its range and reports a change only when the value changes, as real sliders do.
class FakeSlider final : public Slider
{
public:
    explicit FakeSlider(const SliderDesign &design) : design(design), current(design.minimum) { }
    void setValue(int value) override
    {
        value = std::clamp(value, design.minimum, design.maximum);
        if (value == current)
            return;
        current = value;
        if (onChange)
            onChange();
    }
    int value() const override { return current; }
    const SliderDesign design;

private:
    int current;
};

class FakeTextBox final : public TextBox
{
public:
    explicit FakeTextBox(const Rect &rect) : rect(rect) { }
    std::string text() const override { return {}; }
    const Rect rect;
};

class FakeFrame final : public Frame
{
public:
    explicit FakeFrame(const FrameDesign &design) : design(design) { }
    TextBox &addTextBox(const Rect &rect) override
    {
        return *textBoxes.emplace_back(std::make_unique<FakeTextBox>(rect));
    }
    const FrameDesign design;
    std::vector<std::unique_ptr<FakeTextBox>> textBoxes;
};

} // namespace platform
