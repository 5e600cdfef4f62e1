// qttimer.h: a precise millisecond timer on QTimer.
#pragma once

#include "platform/timer.h"

#include <QTimer>

namespace platform {

class QtTimer final : public Timer
{
public:
    QtTimer();
    void setEnabled(bool enabled) override;
    bool isEnabled() const override { return timer.isActive(); }
    void setInterval(int ms) override { timer.setInterval(ms); }
    int interval() const override { return timer.interval(); }

private:
    QTimer timer;
};

} // namespace platform
