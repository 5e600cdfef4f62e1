// SPDX-License-Identifier: MIT
// fakeplatform.h: the in-memory platform that tests drive: virtual time, scripted answers, a
// record of what the program did.
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
    std::unique_ptr<Timer> createTimer() override { return std::make_unique<FakeTimer>(*this); }
    void beep() override { ++beeps; }
    void messageBox(const std::string &text, const std::string &title, BoxIcon icon) override;
    std::string inputBox(const std::string &prompt, const std::string &title) override;
    Date today() override { return date; }
    int msSinceMidnight() override { return 0; }
    void randomize(std::uint64_t) override { }
    double random() override { return next(randoms, 0.0); }
    SettingsStore &settingsStore() override { return store; }

    // Events as the player causes them; a tile's click is a left press, release and click.
    static void click(Button &button) { fire(button.onClick); }
    static void click(MenuItem &item) { fire(item.onClick); }
    static void click(Tile &tile);
    static void press(Tile &tile, MouseButton button = MouseButton::Left);
    static void release(Tile &tile, MouseButton button = MouseButton::Left);
    // Moves the thumb as a drag does: the value changes and a scroll is reported.
    static void drag(Slider &slider, int value);

    // Virtual time: delivers every tick due within ms, in time order; a tie goes to the timer
    // armed first.
    void advance(long long ms);
    // The program is held up (a paused machine): time passes and ticks fall due, but none is
    // delivered until the next advance.
    void stall(long long ms) { now += ms; }
    // Delivers the next due tick, whenever it is; false when no timer is enabled.
    bool advanceToNextTick();
    bool anyTimerEnabled() const;
    FakeWindow *findWindow(const std::string &caption) const;
    long long now = 0;

    // What the program did.
    int beeps = 0;
    std::vector<ShownBox> boxes;
    std::vector<std::string> prompts;     // "title: prompt"
    std::vector<std::string> modalsShown; // window captions

    // What the platform answers.
    FakeStore store;
    std::deque<double> randoms;           // 0.0 once these run out
    std::deque<std::string> inputAnswers; // Cancel once these run out
    Date date;
    // Run while a box or modal window is on screen. A modal window the hook leaves open is
    // then hidden, as if the player had pressed its button.
    std::function<void(const ShownBox &)> whileBoxShown;
    std::function<void(FakeWindow &)> whileModal;

private:
    friend class FakeTimer;
    friend class FakeWindow;
    template<typename T>
    static T next(std::deque<T> &queue, T otherwise)
    {
        if (queue.empty())
            return otherwise;
        T first = std::move(queue.front());
        queue.pop_front();
        return first;
    }
    template<typename Handler, typename... Args>
    static void fire(const Handler &handler, Args &&...args)
    {
        if (handler)
            handler(std::forward<Args>(args)...);
    }
    // Delivers the earliest tick due by then; false when there is none.
    bool deliverNextTick(long long dueBy);

    std::vector<FakeTimer *> timers;
    std::vector<FakeWindow *> windows;
    long long arming = 0;
};

} // namespace platform
