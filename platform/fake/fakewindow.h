// SPDX-License-Identifier: MIT
// fakewindow.h: a window that keeps its controls in creation order and shows modally through a
// test's hook.
#pragma once

#include "fakecontrols.h"

#include "platform/window.h"

#include <deque>

namespace platform {

class FakePlatform;

class FakeWindow final : public Window
{
public:
    FakeWindow(FakePlatform &platform, const WindowDesign &design);
    ~FakeWindow() override;

    Label &addLabel(const LabelDesign &d) override
    {
        return labels.emplace_back(d.caption, d.visible);
    }
    Button &addButton(const ButtonDesign &) override { return buttons.emplace_back(); }
    Tile &addTile(const Rect &, const std::string &) override { return controls.emplace_back(); }
    Control &addLine(const LineDesign &) override
    {
        return static_cast<Label &>(controls.emplace_back());
    }
    void addRectangle(const Rect &) override { }
    Slider &addSlider(const SliderDesign &d) override
    {
        return controls.emplace_back("", true, d.minimum, d.maximum);
    }
    void addPicture(const Rect &, Picture) override { }
    Frame &addFrame(const FrameDesign &) override { return controls.emplace_back(); }
    MenuItem &addMenuItem(const std::string &) override { return menu.emplace_back(); }

    void setCaption(const std::string &caption) override { title = caption; }
    std::string caption() const override { return title; }
    bool isVisible() const override { return visible; }
    void show() override { visible = true; }
    // On screen the call returns once the player has hidden or closed the window; here the
    // test's hook plays the player.
    void showModal() override;
    void hide() override { visible = false; }
    void close() override
    {
        if (onUnload)
            onUnload();
        visible = false;
        closed = true;
    }

    std::deque<FakeControl> labels;
    std::deque<FakeControl> controls; // the other kinds
    std::deque<Button> buttons;
    std::deque<MenuItem> menu;
    bool closed = false;

private:
    FakePlatform &platform;
    std::string title;
    bool visible = false;
};

} // namespace platform
