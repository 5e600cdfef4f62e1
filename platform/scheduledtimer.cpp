// SPDX-License-Identifier: MIT
// scheduledtimer.cpp: due times chained from tick to tick.
#include "scheduledtimer.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace {

// The due time of the tick being handled, or -1 outside any tick, and the timers armed
// while it is handled. Ticks come one at a time on the UI thread.
std::int64_t tickDue = -1;
std::vector<ScheduledTimer *> *armedInTick = nullptr;

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

ScheduledTimer::~ScheduledTimer()
{
    if (armedInTick)
        std::erase(*armedInTick, this);
}

void ScheduledTimer::armFrom(std::int64_t start)
{
    if (armedInTick)
        armedInTick->push_back(this);
    due = start + ms;
    startNative(int(std::max<std::int64_t>(0, due - clock())));
}

void ScheduledTimer::tick()
{
    const std::int64_t outerDue = tickDue;
    std::vector<ScheduledTimer *> *const outerArmed = armedInTick;
    std::vector<ScheduledTimer *> armed;
    armedInTick = &armed;
    tickDue = due;
    // Periodic until the handler says otherwise; it may re-arm or stop this timer itself.
    armFrom(tickDue);
    if (onTick)
        onTick();
    armedInTick = outerArmed;
    // Done late (the tick came late, or the handler was held up before what it showed reached
    // the screen), what it armed counts from now: catching up would shorten what comes next.
    const std::int64_t done = clock();
    for (ScheduledTimer *timer : armed)
        if (timer->enabled && timer->due == tickDue + timer->ms
            && (done - tickDue) * 10 >= timer->ms)
            timer->armFrom(done);
    tickDue = outerDue;
}

} // namespace platform
