// SPDX-License-Identifier: MIT
// win32timer.h: a millisecond timer on SetTimer, with the system timer at its finest while
// any playback timer runs.
#pragma once

#include "platform/scheduledtimer.h"

#include <windows.h>

namespace platform {

class Win32Timer final : public ScheduledTimer
{
public:
    Win32Timer();
    ~Win32Timer() override;

protected:
    std::int64_t clock() const override;
    void startNative(int ms) override;
    void stopNative() override;

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM w, LPARAM l);
    UINT_PTR id() const { return reinterpret_cast<UINT_PTR>(this); }
    bool running = false;
};

} // namespace platform
