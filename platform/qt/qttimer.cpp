// qttimer.cpp: single-shot precise QTimers, re-armed against the schedule.
#include "qttimer.h"

namespace platform {

namespace {

const QElapsedTimer &clock()
{
    static const QElapsedTimer started = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return started;
}

// The due time of the tick being handled, or -1 outside any tick.
qint64 tickDue = -1;

qint64 now()
{
    return tickDue >= 0 ? tickDue : clock().elapsed();
}

} // namespace

QtTimer::QtTimer()
{
    // The default coarse timer may be 5 % late, which shows at short intervals.
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &timer, [this] { tick(); });
}

void QtTimer::setEnabled(bool on)
{
    if (on && !enabled) {
        enabled = true;
        armFrom(now());
    } else if (!on) {
        enabled = false;
        timer.stop();
    }
}

void QtTimer::setInterval(int interval)
{
    ms = interval;
    if (enabled)
        armFrom(now());
}

void QtTimer::armFrom(qint64 start)
{
    due = start + ms;
    schedule();
}

void QtTimer::schedule()
{
    if (ms <= 0) {
        timer.stop();
        return;
    }
    timer.start(int(qMax<qint64>(0, due - clock().elapsed())));
}

void QtTimer::tick()
{
    const qint64 outer = tickDue;
    // Held up by more than an interval (a suspended process): start afresh rather than
    // catch up with a burst of ticks.
    const qint64 late = clock().elapsed() - due;
    tickDue = late > ms ? clock().elapsed() : due;
    due = tickDue;
    // Periodic until the handler says otherwise; it may re-arm or stop this timer itself.
    armFrom(tickDue);
    if (onTick)
        onTick();
    tickDue = outer;
}

} // namespace platform
