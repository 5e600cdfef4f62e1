// tst_scheduledtimer.cpp: the backends' timers keep to the schedule whatever the lateness of
// each tick: intervals count from due times, never from when a handler happened to run.
#include "unittest.h"

#include "platform/scheduledtimer.h"

#include <memory>

namespace {

std::int64_t clockNow = 0;

// A native timer that only remembers when it was asked to fire.
class ManualTimer final : public platform::ScheduledTimer
{
public:
    std::int64_t firesAt = -1;   // -1: not armed
    void fire() { tick(); }

protected:
    std::int64_t clock() const override { return clockNow; }
    void startNative(int ms) override { firesAt = clockNow + ms; }
    void stopNative() override { firesAt = -1; }
};

} // namespace

TEST(firstTickOneIntervalAfterEnabling)
{
    clockNow = 1000;
    ManualTimer timer;
    timer.setInterval(50);
    CHECK_EQ(timer.firesAt, -1);
    timer.setEnabled(true);
    CHECK_EQ(timer.firesAt, 1050);
    clockNow = 1020;
    timer.setEnabled(true);   // already on: the pending tick keeps its time
    CHECK_EQ(timer.firesAt, 1050);
}

TEST(lateTicksDoNotAddUp)
{
    clockNow = 0;
    ManualTimer timer;
    timer.setInterval(100);
    timer.setEnabled(true);
    int ticks = 0;
    timer.onTick = [&] { ++ticks; };
    for (int k = 1; k <= 50; ++k) {
        clockNow = timer.firesAt + 3;   // every tick handled 3 ms late
        timer.fire();
        CHECK_EQ(timer.firesAt, 100 * (k + 1));
    }
    CHECK_EQ(ticks, 50);
}

// As the playback hands over from the timer that shows an arrow to the one that hides it.
TEST(armedInsideATickCountsFromItsDueTime)
{
    clockNow = 0;
    ManualTimer next;
    ManualTimer gap;
    next.setInterval(500);
    gap.setInterval(500);
    next.onTick = [&] {
        next.setInterval(200);
        gap.setInterval(200);
        next.setEnabled(false);
        gap.setEnabled(true);
    };
    next.setEnabled(true);
    clockNow = 507;
    next.fire();
    CHECK_EQ(next.firesAt, -1);
    CHECK_EQ(gap.firesAt, 700);
    clockNow = 710;
    gap.setEnabled(true);   // outside any tick, the timer is already on: no change
    CHECK_EQ(gap.firesAt, 700);
}

TEST(heldUpBeyondAnIntervalStartsAfresh)
{
    clockNow = 0;
    ManualTimer timer;
    timer.setInterval(50);
    timer.setEnabled(true);
    clockNow = 10000;   // the process was suspended
    timer.fire();
    CHECK_EQ(timer.firesAt, 10050);
}
