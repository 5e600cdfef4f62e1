// SPDX-License-Identifier: MIT
// fakeplatform.cpp: virtual time, scripted dialogs, modal windows that a test's hook plays,
// and the record of what the program did.
#include "fakeplatform.h"

#include <algorithm>
#include <limits>

namespace platform {

void FakePlatform::messageBox(const std::string &text, const std::string &title, BoxIcon icon)
{
    boxes.push_back({text, title, icon});
    fire(whileBoxShown, boxes.back());
}

std::string FakePlatform::inputBox(const std::string &prompt, const std::string &title)
{
    prompts.push_back(title + ": " + prompt);
    return next(inputAnswers, std::string());
}

void FakePlatform::click(Tile &tile)
{
    press(tile);
    release(tile);
    fire(tile.onClick);
}

void FakePlatform::drag(Slider &slider, int value)
{
    slider.setValue(value);
    fire(slider.onScroll);
}

void FakePlatform::advance(long long ms)
{
    const long long until = now + ms;
    while (deliverNextTick(until)) { }
    now = until;
}

bool FakePlatform::advanceToNextTick()
{
    return deliverNextTick(std::numeric_limits<long long>::max());
}

bool FakePlatform::deliverNextTick(long long dueBy)
{
    FakeTimer *due = nullptr;
    for (FakeTimer *t : timers)
        if (t->fires >= 0 && t->fires <= dueBy
            && (!due || std::pair(t->fires, t->armed) < std::pair(due->fires, due->armed)))
            due = t;
    if (!due)
        return false;
    now = std::max(now, due->fires); // a stall delivers the tick late
    due->fires = -1;
    due->tick();
    return true;
}

bool FakePlatform::anyTimerEnabled() const
{
    return std::ranges::any_of(timers, &Timer::isEnabled);
}

void FakeWindow::showModal()
{
    platform.modalsShown.push_back(title);
    visible = true;
    FakePlatform::fire(platform.whileModal, *this);
    visible = false;
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
