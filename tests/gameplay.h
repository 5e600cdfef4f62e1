// SPDX-License-Identifier: MIT
// gameplay.h: playing the main window on the fake platform as a player would.
#pragma once

#include "fakeplatform.h"
#include "frmmain.h"

#include <vector>

// The arrow whose glyph is on show, -1 for none; a glyph is shown whole or not at all.
inline int arrowOnShow(const frmMain &form)
{
    int shown = -1;
    for (int i = 0; i < ArrowCount; ++i) {
        const bool stem = form.Stem[i]->isVisible();
        if (stem != form.RoofLeft[i]->isVisible() || stem != form.RoofRight[i]->isVisible())
            return -2;
        if (stem)
            shown = shown == -1 ? i : -3;
    }
    return shown;
}

// Lets the playback run until the player may enter; returns the arrows shown, in order.
inline std::vector<int> watchPlayback(platform::FakePlatform &fake, const frmMain &form)
{
    std::vector<int> shown;
    while (!form.AcceptingInput && fake.advanceToNextTick()) {
        const int arrow = arrowOnShow(form);
        if (arrow != -1)
            shown.push_back(arrow);
    }
    return shown;
}

inline void enter(const frmMain &form, const std::vector<int> &arrows)
{
    for (int arrow : arrows)
        platform::FakePlatform::click(*form.Box[arrow]);
}

// Plays a game of all-up arrows to the given score, then ends it with a wrong click.
inline void playGameScoring(platform::FakePlatform &fake, const frmMain &form, int score)
{
    platform::FakePlatform::click(*form.cmdStart);
    for (int round = 1; round <= score; ++round) {
        watchPlayback(fake, form);
        enter(form, std::vector<int>(round, 0));
    }
    watchPlayback(fake, form);
    enter(form, {1});
}
