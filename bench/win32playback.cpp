// SPDX-License-Identifier: MIT
// win32playback.cpp: when each arrow is shown and hidden by the Windows program's own timers
// during a long round, against its nominal moment. Usage: win32playback INTERVAL ARROWS
#include "win32services.h"
#include "win32window.h"

#include "frmmain.h"
#include "playbackerror.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double nowMs()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

} // namespace

int main(int argc, char *argv[])
{
    const int interval = argc > 1 ? std::atoi(argv[1]) : 50;
    const int arrows = argc > 2 ? std::atoi(argv[2]) : 200;
    platform::Win32Services services;
    frmMain form(services);
    form.Slider->setValue(1000 - interval);

    // Each tick of tmrNext shows an arrow and each tick of tmrGap hides it.
    std::vector<double> shown;
    std::vector<double> hidden;
    const auto showNext = form.tmrNext->onTick;
    const auto hideArrow = form.tmrGap->onTick;
    form.tmrNext->onTick = [&] {
        shown.push_back(nowMs());
        showNext();
    };
    form.tmrGap->onTick = [&] {
        hidden.push_back(nowMs());
        hideArrow();
    };

    // A first game sets the timers to the interval; the measured one is a single long round.
    form.cmdStart->onClick();
    MSG message;
    while (!form.AcceptingInput && GetMessageW(&message, nullptr, 0, 0) > 0)
        platform::dispatch(message);
    shown.clear();
    hidden.clear();
    const double start = nowMs();
    form.cmdStart->onClick();
    form.SequenceLength = std::int16_t(arrows);
    while (!form.AcceptingInput && GetMessageW(&message, nullptr, 0, 0) > 0)
        platform::dispatch(message);

    const PlaybackError error = playbackError(start, interval, shown, hidden);
    std::printf(
            "playback at %d ms, %d arrows: error p50 %.2f, p99 %.2f, max %.2f ms; drift %.2f ms\n",
            interval, arrows, error.p50, error.p99, error.max, error.drift);
    return 0;
}
