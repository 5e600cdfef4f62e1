// SPDX-License-Identifier: MIT
// gameplay.h: playing the main window on the fake platform as a player would.
#pragma once

#include "fakeplatform.h"
#include "frmmain.h"

#include <iterator>
#include <sstream>
#include <stdexcept>
#include <vector>

// The arrow whose glyph is on show, -1 for none; a glyph shows whole or not at all, and
// never beside another.
inline int arrowOnShow(const frmMain &form)
{
    int shown = -1;
    for (int i = 0; i < ArrowCount; ++i) {
        const bool stem = form.Stem[i]->isVisible();
        if (stem != form.RoofLeft[i]->isVisible() || stem != form.RoofRight[i]->isVisible()
            || (stem && shown != -1))
            return ArrowCount;
        shown = stem ? i : shown;
    }
    return shown;
}

// Lets the playback run until the player may enter; returns the arrows shown, in order.
inline std::vector<int> watchPlayback(platform::FakePlatform &fake, const frmMain &form)
{
    std::vector<int> shown;
    while (!form.AcceptingInput && fake.advanceToNextTick())
        if (const int arrow = arrowOnShow(form); arrow != -1)
            shown.push_back(arrow);
    return shown;
}

inline void enter(const frmMain &form, const std::vector<int> &arrows)
{
    for (int arrow : arrows)
        platform::FakePlatform::click(*form.Box[arrow]);
}

// Plays steps, separated by commas, as a player and the passing time would:
//   "arrows 1 3"  the next sequence begins with these arrows (the rest are arrow 0)
//   "speed 800"   the slider dragged to 800     "start"  Start Game clicked
//   "watch"       the playback runs until the player may enter
//   "enter 0 2"   these tiles clicked           "lose"   watch, then a wrong first click
//   "down 2"      arrow key 2 goes down         "up 2"   and comes up
//   "press 2"     the left button goes down on tile 2
//   "tick"        the next timer tick           "wait 100"  100 ms pass
//   "stall 59"    59 ms pass, the program held up and no tick delivered
//   "slow 9"      the next beep holds the program up 9 ms before its arrow shows
//   "other 700"   another copy of the game stores the speed 700
//   "exit"        the main window closed
inline void play(platform::FakePlatform &fake, const frmMain &form, const std::string &steps)
{
    std::istringstream in(steps);
    for (std::string step; std::getline(in, step, ',');) {
        std::istringstream words(step);
        std::string verb;
        words >> verb;
        const std::vector<int> numbers{std::istream_iterator<int>(words), {}};
        if (verb == "arrows") {
            fake.randoms.clear();
            for (int arrow : numbers)
                fake.randoms.push_back(arrow / double(ArrowCount));
        } else if (verb == "speed") {
            platform::FakePlatform::drag(*form.Slider, numbers.at(0));
        } else if (verb == "start") {
            platform::FakePlatform::click(*form.cmdStart);
        } else if (verb == "watch" || verb == "lose") {
            const std::vector<int> shown = watchPlayback(fake, form);
            if (verb == "lose")
                enter(form, {(shown.at(0) + 1) % ArrowCount});
        } else if (verb == "enter") {
            enter(form, numbers);
        } else if (verb == "press") {
            platform::FakePlatform::press(*form.Box[numbers.at(0)]);
        } else if (verb == "down" || verb == "up") {
            platform::FakePlatform::key(*form.window, platform::ArrowKey(numbers.at(0)),
                                        verb == "down");
        } else if (verb == "tick") {
            fake.advanceToNextTick();
        } else if (verb == "wait") {
            fake.advance(numbers.at(0));
        } else if (verb == "stall") {
            fake.stall(numbers.at(0));
        } else if (verb == "slow") {
            fake.slowBeep = numbers.at(0);
        } else if (verb == "other") {
            fake.store.values["Tolvane/Settings/speed"] = std::to_string(numbers.at(0));
        } else if (verb == "exit") {
            form.window->close();
        } else if (!verb.empty()) {
            throw std::invalid_argument("no step " + verb);
        }
    }
}

// Plays a game of all-up arrows to the given score, then ends it with a wrong click.
inline void playGameScoring(platform::FakePlatform &fake, const frmMain &form, int score)
{
    platform::FakePlatform::click(*form.cmdStart);
    for (int round = 1; round <= score; ++round) {
        watchPlayback(fake, form);
        enter(form, std::vector<int>(size_t(round), 0));
    }
    play(fake, form, "lose");
}
