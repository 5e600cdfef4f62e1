// scheduledtimer.cpp: due times chained from tick to tick.
#include "scheduledtimer.h"

#include <algorithm>

namespace platform {

namespace {

// The due time of the tick being handled, or -1 outside any tick. Ticks come one at a time
// on the UI thread.
std::int64_t tickDue = -1;

} // namespace

std::int64_t ScheduledTimer::now() const
{
    return tickDue >= 0 ? tickDue : clock();
}

void ScheduledTimer::setEnabled(bool on)
{
    if (on && !enabled) {
        enabled = true;
        armFrom(now());
    } else if (!on) {
        enabled = false;
        stopNative();
    }
}

void ScheduledTimer::setInterval(int interval)
{
    ms = interval;
    if (enabled)
        armFrom(now());
}

void ScheduledTimer::armFrom(std::int64_t start)
{
    due = start + ms;
    if (ms <= 0)
        stopNative();
    else
        startNative(int(std::max<std::int64_t>(0, due - clock())));
}

void ScheduledTimer::tick()
{
    const std::int64_t outer = tickDue;
    // Catching up with a long hold-up (a paused machine) would shorten what comes next.
    const std::int64_t late = clock() - due;
    tickDue = late * 10 >= ms ? clock() : due;
    // Periodic until the handler says otherwise; it may re-arm or stop this timer itself.
    armFrom(tickDue);
    if (onTick)
        onTick();
    tickDue = outer;
}

} // namespace platform
