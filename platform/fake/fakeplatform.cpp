// SPDX-License-Identifier: MIT
// fakeplatform.cpp: virtual time, scripted dialogs, modal windows that a test's hook plays,
// and the record of what the program did.
#include "fakeplatform.h"

namespace platform {

void FakePlatform::messageBox(const std::string &text, const std::string &title, BoxIcon icon)
{
    boxes.push_back((icon == BoxIcon::Exclamation ? "(!) " : "(i) ") + title + ": " + text);
    fire(whileBoxShown);
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
    now = std::max(now, until); // a handler held up may have taken longer
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

void FakeWindow::announce(const std::string &text)
{
    platform.announced.push_back(text);
}

void FakeWindow::showModal()
{
    platform.modalsShown.push_back(title);
    visible = true;
    FakePlatform::fire(platform.whileModal, *this);
    visible = false;
}

} // namespace platform
