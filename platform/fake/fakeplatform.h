// SPDX-License-Identifier: MIT
// fakeplatform.h: the in-memory platform that tests drive: virtual time, scripted answers, a
// record of what the program did.
#pragma once

#include "platform/random.h"
#include "platform/scheduledtimer.h"
#include "platform/services.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <limits>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace platform {

class FakePlatform;
class FakeTimer;

// One control of every kind. A slider clamps into its range and reports a change only when the
// value changes, as real sliders do. A frame is its own text box, which holds no text.
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

// A window that keeps its controls in creation order and shows modally through a test's hook.
class FakeWindow final : public Window
{
public:
    FakeWindow(FakePlatform &platform, const WindowDesign &design)
        : platform(platform), title(design.caption)
    { }
    Label &addLabel(const LabelDesign &d) override
    {
        return labels.emplace_back(d.caption, d.visible);
    }
    Button &addButton(const ButtonDesign &) override { return buttons.emplace_back(); }
    Tile &addTile(const Rect &, const std::string &, ArrowKey) override
    {
        return controls.emplace_back();
    }
    Control &addLine(const LineDesign &) override
    {
        return static_cast<Label &>(controls.emplace_back());
    }
    void addRectangle(const Rect &) override { }
    Slider &addSlider(const SliderDesign &d) override
    {
        return controls.emplace_back("", true, d.minimum, d.maximum);
    }
    void addPicture(const Rect &, Picture, const std::string &) override { }
    Frame &addFrame(const FrameDesign &) override { return controls.emplace_back(); }
    MenuItem &addMenuItem(const std::string &) override { return menu.emplace_back(); }
    void announce(const std::string &text) override;

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
    }

    std::deque<FakeControl> labels;
    std::deque<FakeControl> controls; // the other kinds
    std::deque<Button> buttons;
    std::deque<MenuItem> menu;

private:
    FakePlatform &platform;
    std::string title;
    bool visible = false;
};

// The settings as a map from "app/section/key", as "Tolvane/Scores/score 1", with every save
// logged; a test may have another copy hold the store, or saving fail.
class FakeStore final : public StoreBackend
{
public:
    std::optional<std::string> read(const StoreAddress &address) override
    {
        const auto found = values.find(path(address));
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    bool write(const std::string &, const std::map<StoreAddress, std::string> &written) override
    {
        if (failing) {
            report({StoreFailure::Unwritable, "the test", "failing"});
            return false;
        }
        saves.emplace_back();
        for (const auto &[address, value] : written) {
            values[path(address)] = value;
            saves.back().push_back(path(address));
        }
        return true;
    }
    bool lock(const std::string &, int) override
    {
        locks += busy ? 0 : 1;
        return !busy;
    }
    void unlock(const std::string &) override { --locks; }

    std::map<std::string, std::string> values;
    std::vector<std::vector<std::string>> saves; // the paths of each save
    int locks = 0;                               // held now
    bool busy = false;
    bool failing = false;

private:
    static std::string path(const StoreAddress &a)
    {
        return std::get<0>(a) + "/" + std::get<1>(a) + "/" + std::get<2>(a);
    }
};

class FakePlatform : public Services
{
public:
    std::unique_ptr<Window> createWindow(const WindowDesign &design) override
    {
        return std::make_unique<FakeWindow>(*this, design);
    }
    std::unique_ptr<Timer> createTimer() override;
    // The program is held up slowBeep ms by its next beep, before what it shows with it.
    void beep() override
    {
        ++beeps;
        stall(std::exchange(slowBeep, 0));
    }
    void messageBox(const std::string &text, const std::string &title, BoxIcon icon) override;
    std::string inputBox(const std::string &prompt, const std::string &title) override
    {
        prompts.push_back(title + ": " + prompt);
        if (inputAnswers.empty())
            throw std::logic_error("a prompt with no answer queued: " + prompt);
        return next(inputAnswers, std::string());
    }
    Date today() override { return date; }
    int msSinceMidnight() override { return time; }
    // Seeded at midnight, the fake draws 0 (arrow up) wherever no number is scripted; at any
    // other time the numbers of the portable generator for that seed.
    void randomize(std::uint64_t seed) override
    {
        seeded = seed != 0;
        generator.seed(seed);
    }
    double random() override { return next(randoms, seeded ? generator.next() : 0.0); }
    SettingsStore &settingsStore() override { return settings; }

    // Events as the player causes them; a tile's click is a left press, release and click.
    static void click(Button &button) { fire(button.onClick); }
    static void click(MenuItem &item) { fire(item.onClick); }
    static void click(Tile &tile);
    static void press(Tile &tile, MouseButton button = MouseButton::Left)
    {
        fire(tile.onPress, button);
    }
    static void release(Tile &tile, MouseButton button = MouseButton::Left)
    {
        fire(tile.onRelease, button);
    }
    // Moves the thumb as a drag does: the value changes and a scroll is reported.
    static void drag(Slider &slider, int value);
    // An arrow key going down (again for each auto-repeat) or up, no slider having the focus.
    static void key(Window &window, ArrowKey key, bool down)
    {
        fire(down ? window.onArrowKeyDown : window.onArrowKeyUp, key);
    }

    // Virtual time: delivers every tick due within ms, in time order; a tie goes to the timer
    // armed first.
    void advance(long long ms);
    // The program is held up (a paused machine): time passes and ticks fall due, but none is
    // delivered until the next advance.
    void stall(long long ms) { now += ms; }
    // Delivers the next due tick, whenever it is; false when no timer is enabled.
    bool advanceToNextTick() { return deliverNextTick(std::numeric_limits<long long>::max()); }
    bool anyTimerEnabled() const;
    long long now = 0;

    // What the program did.
    int beeps = 0;
    std::vector<std::string> boxes;       // "(!) title: text", or "(i) ..." for information
    std::vector<std::string> prompts;     // "title: prompt"
    std::vector<std::string> modalsShown; // window captions
    std::vector<std::string> announced;   // to a screen reader

    // What the platform answers.
    FakeStore store;
    SettingsStore settings{store};
    std::deque<double> randoms;           // 0.0 once these run out
    std::deque<std::string> inputAnswers; // "" is Cancel; a prompt with none fails the test
    long long slowBeep = 0;
    Date date;
    int time = 0; // milliseconds since midnight
    // Run while a box or modal window is on screen. A modal window the hook leaves open is
    // then hidden, as if the player had pressed its button.
    std::function<void()> whileBoxShown;
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
    long long arming = 0;
    Random generator;
    bool seeded = false;
};

// A timer on the virtual clock, keeping the backends' schedule.
class FakeTimer final : public ScheduledTimer
{
public:
    explicit FakeTimer(FakePlatform &platform) : platform(platform)
    {
        platform.timers.push_back(this);
    }
    ~FakeTimer() override { std::erase(platform.timers, this); }

protected:
    std::int64_t clock() const override { return platform.now; }
    void startNative(int ms) override
    {
        fires = platform.now + ms;
        armed = ++platform.arming;
    }
    void stopNative() override { fires = -1; }

private:
    friend class FakePlatform;
    FakePlatform &platform;
    long long fires = -1; // virtual time of the native timer's shot; -1 when it is stopped
    long long armed = 0;  // order of arming, so that a tie goes to the earlier-armed timer
};

inline std::unique_ptr<Timer> FakePlatform::createTimer()
{
    return std::make_unique<FakeTimer>(*this);
}

} // namespace platform
