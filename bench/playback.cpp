// playback.cpp: when each arrow is really shown and hidden by the Qt backend during a long
// round, against the moment the design gives it. Usage: playback INTERVAL ARROWS
#include "frmmain.h"
#include "qtservices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// Timestamps of the up arrow's stem showing and hiding.
class Watcher : public QObject
{
public:
    explicit Watcher(const QElapsedTimer &clock) : clock(clock) {}
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

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * v.size()))];
}

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

    std::vector<double> errors;
    double firstErrors = 0;
    double lastErrors = 0;
    const int n = int(std::min(watcher.shown.size(), watcher.hidden.size()));
    const int edge = std::max(1, n / 10);
    for (int k = 1; k <= n; ++k) {
        const double showError = watcher.shown[k - 1] - (start + (2 * k - 1) * interval);
        const double hideError = watcher.hidden[k - 1] - (start + 2 * k * interval);
        errors.push_back(std::abs(showError));
        errors.push_back(std::abs(hideError));
        if (k <= edge)
            firstErrors += (showError + hideError) / (2 * edge);
        if (k > n - edge)
            lastErrors += (showError + hideError) / (2 * edge);
    }
    if (n != arrows) {
        std::printf("playback %d ms: saw %d of %d arrows\n", interval, n, arrows);
        return 1;
    }
    std::printf("%d %d %.2f %.2f %.2f %.2f\n", interval, arrows, percentile(errors, 0.5),
                percentile(errors, 0.99), percentile(errors, 1.0), lastErrors - firstErrors);
    return 0;
}
