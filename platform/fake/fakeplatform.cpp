// SPDX-License-Identifier: MIT
// fakeplatform.cpp: virtual time, scripted dialogs and the record of what the program did.
#include "fakeplatform.h"

#include <algorithm>
#include <limits>

namespace platform {

std::unique_ptr<Window> FakePlatform::createWindow(const WindowDesign &design)
{
    return std::make_unique<FakeWindow>(*this, design);
}

std::unique_ptr<Timer> FakePlatform::createTimer()
{
    return std::make_unique<FakeTimer>(*this);
}

void FakePlatform::messageBox(const std::string &text, const std::string &title, BoxIcon icon)
{
    boxes.push_back({text, title, icon});
    if (whileBoxShown)
        whileBoxShown(boxes.back());
}

std::string FakePlatform::inputBox(const std::string &prompt, const std::string &title)
{
    prompts.push_back(title + ": " + prompt);
    if (inputAnswers.empty())
        return {};
    std::string answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

double FakePlatform::random()
{
    if (randoms.empty())
        return 0.0;
    const double r = randoms.front();
    randoms.pop_front();
    return r;
}

void FakePlatform::click(Button &button)
{
    if (button.onClick)
        button.onClick();
}

void FakePlatform::click(MenuItem &item)
{
    if (item.onClick)
        item.onClick();
}

void FakePlatform::press(Tile &tile, MouseButton button)
{
    if (tile.onPress)
        tile.onPress(button);
}

void FakePlatform::release(Tile &tile, MouseButton button)
{
    if (tile.onRelease)
        tile.onRelease(button);
}

void FakePlatform::click(Tile &tile)
{
    press(tile);
    release(tile);
    if (tile.onClick)
        tile.onClick();
}

void FakePlatform::drag(Slider &slider, int value)
{
    slider.setValue(value);
    if (slider.onScroll)
        slider.onScroll();
}

FakeTimer *FakePlatform::nextDue(long long limit) const
{
    FakeTimer *next = nullptr;
    for (FakeTimer *t : timers) {
        if (t->fires < 0 || t->fires > limit)
            continue;
        if (!next || t->fires < next->fires || (t->fires == next->fires && t->armed < next->armed))
            next = t;
    }
    return next;
}

void FakePlatform::tick(FakeTimer &timer)
{
    now = std::max(now, timer.fires); // a stall delivers the tick late
    timer.fires = -1;
    timer.tick();
}

void FakePlatform::advance(long long ms)
{
    const long long until = now + ms;
    while (FakeTimer *t = nextDue(until))
        tick(*t);
    now = until;
}

bool FakePlatform::advanceToNextTick()
{
    FakeTimer *t = nextDue(std::numeric_limits<long long>::max());
    if (!t)
        return false;
    tick(*t);
    return true;
}

bool FakePlatform::anyTimerEnabled() const
{
    for (const FakeTimer *t : timers)
        if (t->isEnabled())
            return true;
    return false;
}

FakeWindow *FakePlatform::findWindow(const std::string &caption) const
{
    for (FakeWindow *w : windows)
        if (w->caption() == caption)
            return w;
    return nullptr;
}

FakeTimer::FakeTimer(FakePlatform &platform) : platform(platform)
{
    platform.timers.push_back(this);
}

FakeTimer::~FakeTimer()
{
    std::erase(platform.timers, this);
}

std::int64_t FakeTimer::clock() const
{
    return platform.now;
}

void FakeTimer::startNative(int ms)
{
    fires = platform.now + ms;
    armed = ++platform.arming;
}

} // namespace platform
