// SPDX-License-Identifier: MIT
// win32timer.cpp: ticks as WM_TIMER messages to a message-only window.
#include "win32timer.h"

#include "win32util.h"

#include <mmsystem.h>

namespace platform {

namespace {

int runningTimers = 0;

HWND timerWindow(WNDPROC procedure)
{
    static const HWND window = [procedure] {
        registerWindowClass(L"TolvaneTimers", procedure);
        return CreateWindowExW(0, L"TolvaneTimers", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }();
    return window;
}

} // namespace

Win32Timer::Win32Timer()
{
    timerWindow(&procedure);
}

Win32Timer::~Win32Timer()
{
    stopNative();
}

std::int64_t Win32Timer::clock() const
{
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart * 1000 / frequency;
}

void Win32Timer::startNative(int ms)
{
    if (!running) {
        running = true;
        // Windows ticks every 15.6 ms unless asked for more.
        if (runningTimers++ == 0)
            timeBeginPeriod(1);
    }
    SetTimer(timerWindow(&procedure), id(), UINT(ms > 0 ? ms : 1), nullptr);
}

void Win32Timer::stopNative()
{
    if (!running)
        return;
    running = false;
    KillTimer(timerWindow(&procedure), id());
    if (--runningTimers == 0)
        timeEndPeriod(1);
}

LRESULT CALLBACK Win32Timer::procedure(HWND hwnd, UINT message, WPARAM w, LPARAM l)
{
    if (message != WM_TIMER)
        return DefWindowProcW(hwnd, message, w, l);
    // One shot: the schedule arms the next tick itself.
    KillTimer(hwnd, w);
    auto *timer = reinterpret_cast<Win32Timer *>(w);
    timer->tick();
    return 0;
}

} // namespace platform
