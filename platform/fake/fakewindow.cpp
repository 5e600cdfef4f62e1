// SPDX-License-Identifier: MIT
// fakewindow.cpp: controls kept in creation order; modal showing runs the test's hook.
#include "fakewindow.h"

#include "fakeplatform.h"

namespace platform {

FakeWindow::FakeWindow(FakePlatform &platform, const WindowDesign &design)
    : design(design), platform(platform), title(design.caption)
{
    platform.windows.push_back(this);
}

FakeWindow::~FakeWindow()
{
    std::erase(platform.windows, this);
}

Label &FakeWindow::addLabel(const LabelDesign &design)
{
    return *labels.emplace_back(std::make_unique<FakeLabel>(design));
}

Button &FakeWindow::addButton(const ButtonDesign &design)
{
    return *buttons.emplace_back(std::make_unique<FakeButton>(design));
}

Tile &FakeWindow::addTile(const Rect &rect, const std::string &)
{
    return *tiles.emplace_back(std::make_unique<FakeTile>(rect));
}

Control &FakeWindow::addLine(const LineDesign &design)
{
    return *lines.emplace_back(std::make_unique<FakeLine>(design));
}

Slider &FakeWindow::addSlider(const SliderDesign &design)
{
    return *sliders.emplace_back(std::make_unique<FakeSlider>(design));
}

Frame &FakeWindow::addFrame(const FrameDesign &design)
{
    return *frames.emplace_back(std::make_unique<FakeFrame>(design));
}

MenuItem &FakeWindow::addMenuItem(const std::string &caption)
{
    return *menu.emplace_back(caption, std::make_unique<MenuItem>()).second;
}

// On screen the call returns once the player has hidden or closed the window; here the
// test's hook plays the player.
void FakeWindow::showModal()
{
    platform.modalsShown.push_back(title);
    visible = true;
    if (platform.whileModal)
        platform.whileModal(*this);
    visible = false;
}

void FakeWindow::close()
{
    if (onUnload)
        onUnload();
    visible = false;
    closed = true;
}

void FakeWindow::pressEnter()
{
    for (auto &b : buttons)
        if (b->design.isDefault)
            return FakePlatform::click(*b);
}

void FakeWindow::pressEscape()
{
    for (auto &b : buttons)
        if (b->design.isCancel)
            return FakePlatform::click(*b);
}

} // namespace platform
