// faketimer.h: a timer on the fake platform's virtual clock.
#pragma once

#include "platform/timer.h"

namespace platform {

class FakePlatform;

class FakeTimer final : public Timer
{
public:
    explicit FakeTimer(FakePlatform &platform);
    ~FakeTimer() override;
    void setEnabled(bool enabled) override;
    bool isEnabled() const override { return enabled; }
    void setInterval(int ms) override;
    int interval() const override { return ms; }

    long long due = 0;     // virtual time of the next tick while enabled
    long long armed = 0;   // order of arming, so that a tie goes to the earlier-armed timer

private:
    void arm();

    FakePlatform &platform;
    bool enabled = false;
    int ms = 0;
};

} // namespace platform
