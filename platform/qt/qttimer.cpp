// SPDX-License-Identifier: MIT
// qttimer.cpp: QTimer with the precision the playback needs.
#include "qttimer.h"

#include <QElapsedTimer>

namespace platform {

QtTimer::QtTimer()
{
    // The default coarse timer may be 5 % late, which shows at short intervals.
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &timer, [this] { tick(); });
}

std::int64_t QtTimer::clock() const
{
    static const QElapsedTimer started = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return started.elapsed();
}

} // namespace platform
