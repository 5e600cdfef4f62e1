// SPDX-License-Identifier: MIT
// win32controls.cpp: buttons, trackbar and edit control.
#include "win32controls.h"

#include "win32util.h"

#include <commctrl.h>

namespace platform {

namespace {

HWND child(HWND parent, const wchar_t *cls, const std::wstring &text, DWORD style, const RECT &r,
           int id = 0, DWORD exStyle = 0)
{
    return CreateWindowExW(exStyle, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

void setFont(HWND hwnd, const Font &f)
{
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font(f)), TRUE);
}

} // namespace

Win32Button::Win32Button(HWND parent, int id, const ButtonDesign &design)
    : hwnd(child(parent, L"BUTTON", wide(design.caption),
                 WS_TABSTOP | (design.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                 toRect(design.rect), id)),
      isDefault(design.isDefault), isCancel(design.isCancel)
{
    setFont(hwnd, design.font);
}

Win32Slider::Win32Slider(HWND parent, const SliderDesign &design)
    : hwnd(child(parent, TRACKBAR_CLASSW, L"", WS_TABSTOP | TBS_VERT | TBS_LEFT | TBS_AUTOTICKS,
                 toRect(design.rect))),
      reported(design.minimum)
{
    SendMessageW(hwnd, TBM_SETRANGEMIN, FALSE, design.minimum);
    SendMessageW(hwnd, TBM_SETRANGEMAX, FALSE, design.maximum);
    SendMessageW(hwnd, TBM_SETLINESIZE, 0, design.smallStep);
    SendMessageW(hwnd, TBM_SETPAGESIZE, 0, design.largeStep);
    SendMessageW(hwnd, TBM_SETTICFREQ, design.tickEvery, 0);
    SendMessageW(hwnd, TBM_SETPOS, TRUE, design.minimum);
}

void Win32Slider::setValue(int v)
{
    SendMessageW(hwnd, TBM_SETPOS, TRUE, v);
    // The trackbar itself says nothing when the program moves it.
    if (value() != reported) {
        reported = value();
        if (onChange)
            onChange();
    }
}

int Win32Slider::value() const
{
    return int(SendMessageW(hwnd, TBM_GETPOS, 0, 0));
}

void Win32Slider::notify(int code)
{
    const bool changed = value() != reported;
    reported = value();
    // A step by a key (or a click beside the thumb) is reported as a scroll and a change.
    if (code == TB_THUMBTRACK || (changed && code != TB_THUMBPOSITION && code != TB_ENDTRACK))
        if (onScroll)
            onScroll();
    if (changed && code != TB_THUMBTRACK && onChange)
        onChange();
}

Win32TextBox::Win32TextBox(HWND parent, const RECT &rect)
    : hwnd(child(parent, L"EDIT", L"",
                 WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, rect, 0,
                 WS_EX_CLIENTEDGE))
{
    setFont(hwnd, {});
}

std::string Win32TextBox::text() const
{
    return windowText(hwnd);
}

} // namespace platform
