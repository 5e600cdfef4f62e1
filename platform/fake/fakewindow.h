// SPDX-License-Identifier: MIT
// fakewindow.h: a window that keeps its controls in creation order and shows modally through a test
// hook.
#pragma once

#include "fakecontrols.h"

#include "platform/window.h"

#include <functional>
#include <memory>
#include <vector>

namespace platform {

class FakePlatform;

class FakeWindow final : public Window
{
public:
    FakeWindow(FakePlatform &platform, const WindowDesign &design);
    ~FakeWindow() override;

    Label &addLabel(const LabelDesign &design) override;
    Button &addButton(const ButtonDesign &design) override;
    Tile &addTile(const Rect &rect, const std::string &name) override;
    Control &addLine(const LineDesign &design) override;
    void addRectangle(const Rect &rect) override { rectangles.push_back(rect); }
    Slider &addSlider(const SliderDesign &design) override;
    void addPicture(const Rect &rect, Picture picture) override
    {
        pictures.emplace_back(rect, picture);
    }
    Frame &addFrame(const FrameDesign &design) override;
    MenuItem &addMenuItem(const std::string &caption) override;

    void setCaption(const std::string &caption) override { title = caption; }
    std::string caption() const override { return title; }
    bool isVisible() const override { return visible; }
    void show() override { visible = true; }
    void showModal() override;
    void hide() override { visible = false; }
    void close() override;

    // Keys the window itself handles: Enter and Escape click its default and cancel buttons.
    void pressEnter();
    void pressEscape();

    const WindowDesign design;
    std::vector<std::unique_ptr<FakeLabel>> labels;
    std::vector<std::unique_ptr<FakeButton>> buttons;
    std::vector<std::unique_ptr<FakeTile>> tiles;
    std::vector<std::unique_ptr<FakeLine>> lines;
    std::vector<Rect> rectangles;
    std::vector<std::unique_ptr<FakeSlider>> sliders;
    std::vector<std::pair<Rect, Picture>> pictures;
    std::vector<std::unique_ptr<FakeFrame>> frames;
    std::vector<std::pair<std::string, std::unique_ptr<MenuItem>>> menu;
    bool closed = false;

private:
    FakePlatform &platform;
    std::string title;
    bool visible = false;
};

} // namespace platform
