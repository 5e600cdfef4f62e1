// SPDX-License-Identifier: MIT
// faketimer.h: a timer on the fake platform's virtual clock, keeping the backends' schedule.
#pragma once

#include "platform/scheduledtimer.h"

namespace platform {

class FakePlatform;

class FakeTimer final : public ScheduledTimer
{
public:
    explicit FakeTimer(FakePlatform &platform);
    ~FakeTimer() override;

protected:
    std::int64_t clock() const override;
    void startNative(int ms) override;
    void stopNative() override { fires = -1; }

private:
    friend class FakePlatform;
    FakePlatform &platform;
    long long fires = -1; // virtual time of the native timer's shot; -1 when it is stopped
    long long armed = 0;  // order of arming, so that a tie goes to the earlier-armed timer
};

} // namespace platform
