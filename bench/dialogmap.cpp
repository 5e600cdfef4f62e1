// SPDX-License-Identifier: MIT
// dialogmap.cpp: how long a dialog takes from its showing until the X server has mapped it, for
// a dialog placed as the program places its windows and for a plain Qt dialog, shown in turns
// above a main window under whatever window manager runs. Each round shows a new dialog of each
// kind, so every showing is a first one.
// Usage: dialogmap ROUNDS   prints "placed_p50 plain_p50 placed_max plain_max" in milliseconds.
#include "qtplacement.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// Ends a local event loop when the X server maps the window it waits for.
class MapWatch final : public QAbstractNativeEventFilter
{
public:
    bool nativeEventFilter(const QByteArray &, void *message, qintptr *) override
    {
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY
            && static_cast<const xcb_map_notify_event_t *>(message)->window == window)
            loop.quit();
        return false;
    }

    // Milliseconds from show() until the dialog is mapped.
    double time(QDialog &dialog)
    {
        window = xcb_window_t(dialog.winId());
        QElapsedTimer clock;
        clock.start();
        dialog.show();
        QTimer::singleShot(2000, &loop, &QEventLoop::quit); // a map that never comes
        loop.exec();
        return double(clock.nsecsElapsed()) / 1e6;
    }

private:
    QEventLoop loop;
    xcb_window_t window = 0;
};

// Shows a new dialog of the kind given above main, times it, and closes it after a moment.
template<typename Dialog>
double timeOne(QWidget &main, MapWatch &watch)
{
    const auto dialog = std::make_unique<Dialog>(&main, platform::titledDialog);
    dialog->setFixedSize(330, 190);
    const double ms = watch.time(*dialog);
    QEventLoop pause;
    QTimer::singleShot(100, &pause, &QEventLoop::quit);
    pause.exec();
    return ms;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    QApplication app(argc, argv);
    QDialog main(nullptr, platform::titledDialog);
    main.setWindowTitle(QStringLiteral("Main"));
    main.setFixedSize(625, 293);
    main.show();
    platform::setMainWindow(&main);
    MapWatch watch;
    app.installNativeEventFilter(&watch);
    // Time for the window manager to frame the program's first dialog, unseen, as at start-up.
    QEventLoop settle;
    QTimer::singleShot(1000, &settle, &QEventLoop::quit);
    settle.exec();

    std::vector<double> placed, plain;
    for (int i = 0; i < rounds; ++i) {
        placed.push_back(timeOne<platform::Placed<QDialog>>(main, watch));
        plain.push_back(timeOne<QDialog>(main, watch));
    }
    std::printf("%.2f %.2f %.2f %.2f\n", median(placed), median(plain),
                *std::max_element(placed.begin(), placed.end()),
                *std::max_element(plain.begin(), plain.end()));
    return 0;
}
