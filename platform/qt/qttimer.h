// qttimer.h: a millisecond timer on QTimer that keeps to its schedule.
#pragma once

#include "platform/timer.h"

#include <QElapsedTimer>
#include <QTimer>

namespace platform {

// Each tick is due one interval after the previous one was due, not after it was handled,
// and a timer armed inside another timer's tick counts from that tick's due time: the
// small lateness of every tick then never adds up along a playback.
class QtTimer final : public Timer
{
public:
    QtTimer();
    void setEnabled(bool enabled) override;
    bool isEnabled() const override { return enabled; }
    void setInterval(int ms) override;
    int interval() const override { return ms; }

private:
    void armFrom(qint64 start);
    void schedule();
    void tick();

    QTimer timer;
    bool enabled = false;
    int ms = 0;
    qint64 due = 0;  // on clock()
};

} // namespace platform
