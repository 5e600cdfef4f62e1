// SPDX-License-Identifier: MIT
// beepdelay: the delay from the program's beep call to the first sample of the sound at the
// sound server's sink, read from the sink's monitor: of the first beep of BEEPS fresh programs'
// bells, each made 500 ms after the bell was prepared as a game's start does (the first of them
// with the sound not yet in the server's cache), then of BEEPS beeps of one bell. Prints
// "first-p50 first-p99 first-max p50 p99 max" in ms.
// Usage: PULSE_SERVER=... beepdelay SOURCE BEEPS   (SOURCE: the sink's monitor source)
#include "qtservices.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <pulse/simple.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int rate = 48000;
constexpr int block = rate / 1000; // 1 ms of samples a read

double ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

void wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: beepdelay SOURCE BEEPS\n");
        return 2;
    }
    const int beeps = std::atoi(argv[2]);
    int one = 1;
    QApplication app(one, argv);

    const pa_sample_spec spec{PA_SAMPLE_S16LE, rate, 1};
    const pa_buffer_attr attr{std::uint32_t(-1), std::uint32_t(-1), std::uint32_t(-1),
                              std::uint32_t(-1), std::uint32_t(block * 2)};
    int error = 0;
    pa_simple *monitor = pa_simple_new(nullptr, "beepdelay", PA_STREAM_RECORD, argv[1], "monitor",
                                       &spec, nullptr, &attr, &error);
    if (!monitor) {
        std::fprintf(stderr, "beepdelay: no monitor %s\n", argv[1]);
        return 1;
    }

    // Onsets: the moment of the first loud sample after at least 100 ms of silence, its time
    // taken as the moment the block arrived less the recording latency.
    std::mutex mutex;
    std::vector<Clock::time_point> onsets;
    std::atomic<bool> stop = false;
    std::thread reader([&] {
        std::int16_t samples[block];
        int quiet = rate;
        while (!stop && pa_simple_read(monitor, samples, sizeof samples, &error) >= 0) {
            const auto arrived
                    = Clock::now()
                      - std::chrono::microseconds(pa_simple_get_latency(monitor, &error));
            for (int i = 0; i < block; ++i) {
                if (std::abs(samples[i]) < 1000) {
                    ++quiet;
                    continue;
                }
                if (quiet >= rate / 10) {
                    std::lock_guard lock(mutex);
                    onsets.push_back(arrived
                                     - std::chrono::microseconds((block - i) * 1000000LL / rate));
                }
                quiet = 0;
            }
        }
    });

    wait(1000); // the recording settles before the program starts
    std::vector<Clock::time_point> calls;
    const auto beep = [&](platform::QtServices &services) {
        calls.push_back(Clock::now());
        services.beep();
        wait(400);
    };
    // Kept until the end: a bell closing as the next opens can cost that one its sound.
    std::vector<std::unique_ptr<platform::QtServices>> fresh;
    for (int k = 0; k < beeps; ++k) {
        fresh.push_back(std::make_unique<platform::QtServices>());
        fresh.back()->prepareBeep();
        wait(500); // the first arrow of a game comes 500 ms after its start
        beep(*fresh.back());
    }
    platform::QtServices services;
    for (int k = 0; k < beeps; ++k)
        beep(services);
    stop = true;
    reader.join();
    pa_simple_free(monitor);

    std::vector<double> delays;
    for (std::size_t k = 0; k < calls.size(); ++k) {
        const auto call = calls[k];
        // A few ms of slack for the error in the recording's latency.
        const auto next = std::lower_bound(onsets.begin(), onsets.end(),
                                           call - std::chrono::milliseconds(5));
        if (next == onsets.end() || ms(*next - call) > 300) {
            std::fprintf(stderr, "beepdelay: beep %zu of %zu was not heard within 300 ms\n",
                         k + 1, calls.size());
            return 1;
        }
        delays.push_back(ms(*next - call));
    }
    const auto summary = [](std::vector<double> d) {
        std::sort(d.begin(), d.end());
        std::printf("%.1f %.1f %.1f ", d[d.size() / 2],
                    d[std::min(d.size() - 1, d.size() * 99 / 100)], d.back());
    };
    summary({delays.begin(), delays.begin() + beeps});
    summary({delays.begin() + beeps, delays.end()});
    std::printf("\n");
    return 0;
}
