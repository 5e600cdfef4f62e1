// SPDX-License-Identifier: MIT
// win32services.cpp: message boxes, beep, clock and the message loop.
#include "win32services.h"

#include "win32inputbox.h"
#include "win32timer.h"
#include "win32util.h"
#include "win32window.h"

namespace platform {

std::unique_ptr<Window> Win32Services::createWindow(const WindowDesign &design)
{
    return std::make_unique<Win32Window>(design);
}

std::unique_ptr<Timer> Win32Services::createTimer()
{
    return std::make_unique<Win32Timer>();
}

void Win32Services::beep()
{
    MessageBeep(MB_OK);
}

void Win32Services::messageBox(const std::string &text, const std::string &title, BoxIcon icon)
{
    // Owned by the active window, which gets its focus back afterwards; with none active
    // (at start-up), modal to the whole program.
    HWND owner = GetActiveWindow();
    MessageBoxW(owner, wide(text).c_str(), wide(title).c_str(),
                MB_OK | (owner ? MB_APPLMODAL : MB_TASKMODAL)
                        | (icon == BoxIcon::Information ? MB_ICONINFORMATION : MB_ICONEXCLAMATION));
}

std::string Win32Services::inputBox(const std::string &prompt, const std::string &title)
{
    return runInputBox(prompt, title);
}

Date Win32Services::today()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

int Win32Services::msSinceMidnight()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return ((now.wHour * 60 + now.wMinute) * 60 + now.wSecond) * 1000 + now.wMilliseconds;
}

int Win32Services::run(Window &main)
{
    Win32Window::onEndSession = [&main] { main.close(); };
    MSG message{};
    while (main.isVisible() && GetMessageW(&message, nullptr, 0, 0) > 0)
        dispatch(message);
    return 0;
}

} // namespace platform
