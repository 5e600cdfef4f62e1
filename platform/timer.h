// SPDX-License-Identifier: MIT
// timer.h: a millisecond timer whose ticks arrive on the UI thread while it is enabled.
#pragma once

#include <functional>

namespace platform {

class Timer
{
public:
    virtual ~Timer() = default;
    // Off to on: the first tick comes one full interval later. On to on: no effect, the
    // pending tick keeps its time.
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
    // On an enabled timer the count starts again: the next tick is one new interval after
    // the current moment (inside a tick handler, after that tick's due time).
    virtual void setInterval(int ms) = 0;
    virtual int interval() const = 0;

    std::function<void()> onTick;
};

} // namespace platform
