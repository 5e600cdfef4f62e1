// SPDX-License-Identifier: MIT
// playback.cpp: when each arrow is really shown and hidden by the Qt backend during a long
// round, against its nominal moment (arrow k shown at Start + (2k - 1) x interval, hidden at
// Start + 2k x interval). Usage: playback INTERVAL ARROWS
#include "frmmain.h"
#include "playbackerror.h"
#include "qtservices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <vector>

namespace {

// Timestamps of the up arrow's stem showing and hiding.
class Watcher : public QObject
{
public:
    explicit Watcher(const QElapsedTimer &clock) : clock(clock) { }
    std::vector<double> shown;
    std::vector<double> hidden;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            shown.push_back(clock.nsecsElapsed() / 1e6);
        else if (event->type() == QEvent::Hide)
            hidden.push_back(clock.nsecsElapsed() / 1e6);
        return false;
    }

private:
    const QElapsedTimer &clock;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int interval = argc > 1 ? std::atoi(argv[1]) : 500;
    const int arrows = argc > 2 ? std::atoi(argv[2]) : 200;
    platform::QtServices services;
    frmMain form(services);
    form.show();
    form.Slider->setValue(1000 - interval);

    QElapsedTimer clock;
    clock.start();
    Watcher watcher(clock);
    auto *stem = dynamic_cast<QWidget *>(form.Stem[0]);
    double start = 0;

    // A first game sets the timers to the interval. The measured game is one round of the
    // given length, all up arrows, so that the up arrow's stem shows every arrow.
    form.cmdStart->onClick();
    QTimer::singleShot(interval + 600, [&] {
        stem->installEventFilter(&watcher);
        start = clock.nsecsElapsed() / 1e6;
        form.cmdStart->onClick();
        form.SequenceLength = std::int16_t(arrows);
        for (int i = 1; i <= arrows; ++i)
            form.Sequence[i] = 0;
        QTimer::singleShot(2 * interval * arrows + 500, &app, &QApplication::quit);
    });
    app.exec();

    const int n = int(std::min(watcher.shown.size(), watcher.hidden.size()));
    if (n != arrows) {
        std::printf("playback %d ms: saw %d of %d arrows\n", interval, n, arrows);
        return 1;
    }
    const PlaybackError error = playbackError(start, interval, watcher.shown, watcher.hidden);
    std::printf("%d %d %.2f %.2f %.2f %.2f\n", interval, arrows, error.p50, error.p99, error.max,
                error.drift);
    return 0;
}
