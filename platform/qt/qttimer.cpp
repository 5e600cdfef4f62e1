// qttimer.cpp: QTimer with the precision the playback needs.
#include "qttimer.h"

namespace platform {

QtTimer::QtTimer()
{
    // The default coarse timer may be 5 % late, which shows at short intervals.
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [this] {
        if (onTick)
            onTick();
    });
}

void QtTimer::setEnabled(bool enabled)
{
    if (!enabled)
        timer.stop();
    else if (!timer.isActive())
        timer.start();
}

} // namespace platform
