// SPDX-License-Identifier: MIT
// win32util.cpp: conversions and the font cache.
#include "win32util.h"

#include <map>
#include <tuple>

namespace platform {

std::wstring wide(const std::string &text)
{
    if (text.empty())
        return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring result(size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), result.data(), n);
    return result;
}

std::string utf8(const std::wstring &text)
{
    if (text.empty())
        return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string result(size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), result.data(), n, nullptr,
                        nullptr);
    return result;
}

std::string windowText(HWND hwnd)
{
    std::wstring buffer(size_t(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    buffer.resize(size_t(GetWindowTextW(hwnd, buffer.data(), int(buffer.size()))));
    return utf8(buffer);
}

POINT centredOnScreen(int width, int height)
{
    return {(GetSystemMetrics(SM_CXSCREEN) - width) / 2,
            (GetSystemMetrics(SM_CYSCREEN) - height) / 2};
}

int screenDpi()
{
    static const int dpi = [] {
        HDC screen = GetDC(nullptr);
        const int value = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return value > 0 ? value : 96;
    }();
    return dpi;
}

int pixels(int twips)
{
    return MulDiv(twips, screenDpi(), 1440);
}

RECT toRect(const Rect &r)
{
    return {pixels(r.left), pixels(r.top), pixels(r.left + r.width), pixels(r.top + r.height)};
}

POINT toPoint(Point p)
{
    return {pixels(p.x), pixels(p.y)};
}

void registerWindowClass(const wchar_t *name, WNDPROC procedure)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

HFONT font(const Font &f)
{
    // The dialog font of the era, for controls that keep the default.
    const Font wanted = f.name.empty() ? Font{"MS Sans Serif", 8.25} : f;
    using Key = std::tuple<std::string, double, bool, bool>;
    static std::map<Key, HFONT> fonts;
    const Key key{wanted.name, wanted.points, wanted.bold, wanted.underline};
    if (const auto it = fonts.find(key); it != fonts.end())
        return it->second;
    const int height = -MulDiv(int(wanted.points * 100 + 0.5), screenDpi(), 7200);
    HFONT handle = CreateFontW(height, 0, 0, 0, wanted.bold ? FW_BOLD : FW_NORMAL, FALSE,
                               wanted.underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                               wide(wanted.name).c_str());
    fonts.emplace(key, handle);
    return handle;
}

} // namespace platform
