// SPDX-License-Identifier: MIT
// fakeplatform.h: the in-memory platform that tests drive: virtual time, scripted answers, a record
// of effects.
#pragma once

#include "fakestore.h"
#include "faketimer.h"
#include "fakewindow.h"

#include "platform/services.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace platform {

struct ShownBox
{
    std::string text;
    std::string title;
    BoxIcon icon;
};

class FakePlatform : public Services
{
public:
    std::unique_ptr<Window> createWindow(const WindowDesign &design) override;
    std::unique_ptr<Timer> createTimer() override;
    void beep() override { ++beeps; }
    void messageBox(const std::string &text, const std::string &title, BoxIcon icon) override;
    std::string inputBox(const std::string &prompt, const std::string &title) override;
    Date today() override { return date; }
    int msSinceMidnight() override { return timeOfDay; }
    void randomize(std::uint64_t s) override { seed = s; }
    double random() override;
    SettingsStore &settingsStore() override { return store; }

    // Events as the player causes them.
    static void click(Button &button);
    static void click(MenuItem &item);
    static void press(Tile &tile, MouseButton button = MouseButton::Left);
    static void release(Tile &tile, MouseButton button = MouseButton::Left);
    // Press, release and click with the left button.
    static void click(Tile &tile);
    // Moves the thumb as a drag does: the value changes and a scroll is reported.
    static void drag(Slider &slider, int value);

    // Virtual time: delivers every tick due within ms, in time order; a tie goes to the
    // timer armed first. Each ticking timer is re-armed by its interval before its handler runs.
    void advance(long long ms);
    // The program is held up (a paused machine): time passes and ticks fall due, but none is
    // delivered until the next advance.
    void stall(long long ms) { now += ms; }
    // Delivers the next due tick, whenever it is; false when no timer is enabled.
    bool advanceToNextTick();
    bool anyTimerEnabled() const;
    long long now = 0;

    FakeWindow *findWindow(const std::string &caption) const;

    // What the program did.
    int beeps = 0;
    std::vector<ShownBox> boxes;
    std::vector<std::string> prompts;     // "title: prompt"
    std::vector<std::string> modalsShown; // window captions
    std::uint64_t seed = 0;

    // What the platform answers.
    FakeStore store;
    std::deque<double> randoms;           // 0.0 once these run out
    std::deque<std::string> inputAnswers; // Cancel once these run out
    Date date;
    int timeOfDay = 0;
    // Run while a box or modal window is on screen, before it is dismissed. A modal window
    // the hook leaves open is then hidden, as if the player had pressed its button.
    std::function<void(const ShownBox &)> whileBoxShown;
    std::function<void(FakeWindow &)> whileModal;

private:
    friend class FakeTimer;
    friend class FakeWindow;
    FakeTimer *nextDue(long long limit) const;
    void tick(FakeTimer &timer);

    std::vector<FakeTimer *> timers;
    std::vector<FakeWindow *> windows;
    long long arming = 0;
};

} // namespace platform
