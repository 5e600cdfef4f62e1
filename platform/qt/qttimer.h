// SPDX-License-Identifier: MIT
// qttimer.h: a millisecond timer on a precise single-shot QTimer.
#pragma once

#include "platform/scheduledtimer.h"

#include <QTimer>

namespace platform {

class QtTimer final : public ScheduledTimer
{
public:
    QtTimer();

protected:
    std::int64_t clock() const override;
    void startNative(int ms) override { timer.start(ms); }
    void stopNative() override { timer.stop(); }

private:
    QTimer timer;
};

} // namespace platform
