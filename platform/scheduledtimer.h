// SPDX-License-Identifier: MIT
// scheduledtimer.h: the timing rules every backend's timer keeps, on a one-shot native timer.
#pragma once

#include "timer.h"

#include <cstdint>

namespace platform {

// Each tick is due one interval after the previous one was due, not after it was handled,
// and a timer armed inside another timer's tick counts from that tick's due time: the small
// lateness of every tick then never adds up along a playback. A handler that ends a tenth of
// an interval or more after its tick was due (the tick came late, or its paint was held up)
// has what it armed count from the moment it ended instead, so that no arrow and no gap is
// ever cut short by more than that tenth. A backend supplies the clock and a one-shot native
// timer that calls tick().
class ScheduledTimer : public Timer
{
public:
    ~ScheduledTimer() override;
    void setEnabled(bool enabled) override;
    bool isEnabled() const override { return enabled; }
    void setInterval(int ms) override;
    int interval() const override { return ms; }

protected:
    // Milliseconds on a steady clock shared by all timers of the backend.
    virtual std::int64_t clock() const = 0;
    // Calls tick() once, after the given milliseconds (0: as soon as possible).
    virtual void startNative(int ms) = 0;
    virtual void stopNative() = 0;
    void tick();

private:
    std::int64_t now() const;
    void armFrom(std::int64_t start);

    bool enabled = false;
    int ms = 0;
    std::int64_t due = 0;
};

} // namespace platform
