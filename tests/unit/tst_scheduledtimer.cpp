// SPDX-License-Identifier: MIT
// tst_scheduledtimer.cpp: the timers keep to the schedule whatever the lateness of each tick,
// and no late tick ever cuts an arrow or a gap short.
#include "unittest.h"

#include "platform/fake/fakeplatform.h"

#include <vector>

using platform::FakePlatform;

namespace {

// Two timers that hand over to each other as the playback's do: one shows an arrow, the other
// hides it; each records the virtual time at which the screen changed. Showing arrow
// `slowArrow` is held up by `slowShow` ms, as when the program is paused before it paints.
struct Playback
{
    explicit Playback(FakePlatform &fake, int interval, int slowArrow = 0, int slowShow = 0)
        : next(fake.createTimer()), gap(fake.createTimer())
    {
        next->setInterval(interval);
        gap->setInterval(interval);
        next->onTick = [&, slowArrow, slowShow] {
            if (int(shown.size()) + 1 == slowArrow)
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
    }

    std::unique_ptr<platform::Timer> next;
    std::unique_ptr<platform::Timer> gap;
    std::vector<long long> shown;
    std::vector<long long> hidden;
};

} // namespace

TEST(firstTickOneIntervalAfterEnablingAndNotMovedByEnablingAgain)
{
    FakePlatform fake;
    Playback play(fake, 50);
    play.next->setEnabled(true);
    fake.advance(20);
    play.next->setEnabled(true);
    fake.advance(29);
    CHECK(play.shown.empty());
    fake.advance(1);
    CHECK_EQ(play.shown, std::vector<long long>{50});
}

// At an interval of 100 ms: the tick that hides arrow 2 held up by `late` ms, or the showing
// of arrow 2 by `slowShow` ms.
TEST(lateTickNeverShortensWhatFollows)
{
    struct
    {
        const char *name;
        int late;
        int slowShow;
        std::vector<long long> shown;
        std::vector<long long> hidden;
    } rows[] = {
            // Under a tenth: the gap gives up the lateness and the round keeps its schedule.
            {"small", 9, 0, {100, 300, 500}, {200, 409, 600}},
            // A tenth or more: the rest of the round moves later by the lateness.
            {"large", 10, 0, {100, 300, 510}, {200, 410, 610}},
            {"beyond an interval", 250, 0, {100, 300, 750}, {200, 650, 850}},
            {"small, in showing", 0, 9, {100, 309, 500}, {200, 400, 600}},
            {"large, in showing", 0, 30, {100, 330, 530}, {200, 430, 630}},
    };
    for (const auto &row : rows) {
        unit::Row tag(row.name);
        FakePlatform fake;
        Playback play(fake, 100, 2, row.slowShow);
        play.next->setEnabled(true);
        fake.advance(350 - fake.now);
        fake.stall(50 + row.late);
        fake.advance(850 - fake.now + 1);
        play.shown.resize(3);
        play.hidden.resize(3);
        CHECK_EQ(play.shown, row.shown);
        CHECK_EQ(play.hidden, row.hidden);
    }
}

TEST(smallLatenessNeverAddsUp)
{
    FakePlatform fake;
    Playback play(fake, 100);
    play.next->setEnabled(true);
    for (int k = 0; k < 50; ++k) {
        fake.advance(99 - fake.now % 100);
        fake.stall(5); // every tick handled 4 ms late
        fake.advance(0);
    }
    CHECK_EQ(play.shown.back() - play.shown.front(), 48 * 100 + 0LL);
    CHECK_EQ(play.hidden.size(), 25u);
}

// As the playback hands over from the timer that shows an arrow to the one that hides it.
TEST(armedInsideATickCountsFromItsDueTime)
{
    FakePlatform fake;
    Playback play(fake, 500);
    play.next->onTick = [&] {
        play.next->setInterval(200);
        play.gap->setInterval(200);
        play.next->setEnabled(false);
        play.gap->setEnabled(true);
    };
    play.next->setEnabled(true);
    fake.advance(499);
    fake.stall(4); // late by less than a tenth
    fake.advance(0);
    fake.advance(699 - fake.now);
    CHECK(play.hidden.empty());
    fake.advance(1);
    CHECK_EQ(play.hidden, std::vector<long long>{700});
}
