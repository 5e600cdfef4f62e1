// SPDX-License-Identifier: MIT
// tst_scheduledtimer.cpp: the timers keep to the schedule whatever the lateness of each tick,
// and no late tick ever cuts an arrow or a gap short.
#include "unittest.h"

#include "platform/fake/fakeplatform.h"

#include <vector>

using platform::FakePlatform;

namespace {

// Two timers at 100 ms that hand over to each other as the playback's do: one shows an arrow,
// the other hides it; each records the virtual time at which the screen changed. Showing
// arrow 2 is held up by `slowShow` ms, as when the program is paused before it paints.
struct Playback
{
    Playback(FakePlatform &fake, int slowShow) : next(fake.createTimer()), gap(fake.createTimer())
    {
        next->setInterval(100);
        gap->setInterval(100);
        next->onTick = [&, slowShow] {
            if (shown.size() == 1)
                fake.stall(slowShow);
            shown.push_back(fake.now);
            next->setEnabled(false);
            gap->setEnabled(true);
        };
        gap->onTick = [&] {
            hidden.push_back(fake.now);
            gap->setEnabled(false);
            next->setEnabled(true);
        };
        next->setEnabled(true);
    }

    std::unique_ptr<platform::Timer> next;
    std::unique_ptr<platform::Timer> gap;
    std::vector<long long> shown;
    std::vector<long long> hidden;
};

} // namespace

// The tick that hides arrow 2 held up by `late` ms, or the showing of arrow 2 by `slowShow` ms.
// Lateness under a tenth of the interval never adds up along a playback.
TEST(lateTickNeverShortensWhatFollows)
{
    // {tag, late, slowShow, shown, hidden}
    const std::tuple<const char *, int, int, std::vector<long long>, std::vector<long long>> rows[]
            = {
                    // Under a tenth: the gap gives up the lateness and the round keeps its
                    // schedule.
                    {"small", 9, 0, {100, 300, 500}, {200, 409, 600}},
                    // A tenth or more: the rest of the round moves later by the lateness.
                    {"large", 10, 0, {100, 300, 510}, {200, 410, 610}},
                    {"beyond an interval", 250, 0, {100, 300, 750}, {200, 650, 850}},
                    {"small, in showing", 0, 9, {100, 309, 500}, {200, 400, 600}},
                    {"large, in showing", 0, 30, {100, 330, 530}, {200, 430, 630}},
            };
    for (const auto &[tag, late, slowShow, shown, hidden] : rows)
        unit::row(tag, [&] {
            FakePlatform fake;
            Playback play(fake, slowShow);
            fake.advance(350);
            fake.stall(50 + late);
            fake.advance(850 - fake.now + 1);
            play.shown.resize(3);
            play.hidden.resize(3);
            CHECK_EQ(play.shown, shown);
            CHECK_EQ(play.hidden, hidden);
        });
}
