// SPDX-License-Identifier: MIT
// win32inputbox.cpp: the input dialog, built from plain windows.
#include "win32inputbox.h"

#include "win32util.h"
#include "win32window.h"

namespace platform {

namespace {

struct State
{
    HWND edit = nullptr;
    std::string answer;
    bool done = false;
};

LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM w, LPARAM l)
{
    auto *state = reinterpret_cast<State *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (state && message == WM_COMMAND && (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL)) {
        if (LOWORD(w) == IDOK)
            state->answer = windowText(state->edit);
        state->done = true;
        return 0;
    }
    if (state && message == WM_CLOSE) {
        state->done = true;
        return 0;
    }
    return DefWindowProcW(hwnd, message, w, l);
}

HWND control(HWND parent, const wchar_t *cls, const wchar_t *text, DWORD style, int x, int y, int w,
             int h, int id, DWORD exStyle = 0)
{
    HWND hwnd = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, pixels(x),
                                pixels(y), pixels(w), pixels(h), parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleW(nullptr), nullptr);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font({})), TRUE);
    return hwnd;
}

} // namespace

std::string runInputBox(const std::string &prompt, const std::string &title)
{
    static const bool registered = (registerWindowClass(L"TolvaneInputBox", procedure), true);
    (void)registered;

    // Sized in twips like the program's own windows: 6 x 2 inches of client area.
    RECT frame{0, 0, pixels(6240), pixels(2100)};
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const POINT corner = centredOnScreen(width, height);
    // Owned by the active window, as a message box is: above it, with no task-bar button.
    HWND dialog = CreateWindowExW(WS_EX_DLGMODALFRAME, L"TolvaneInputBox", wide(title).c_str(),
                                  style, corner.x, corner.y, width, height, GetActiveWindow(),
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    State state;
    SetWindowLongPtrW(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
    control(dialog, L"STATIC", wide(prompt).c_str(), SS_LEFT | SS_NOPREFIX, 120, 120, 4560, 1200,
            0);
    control(dialog, L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 4920, 120, 1215, 375, IDOK);
    control(dialog, L"BUTTON", L"Cancel", WS_TABSTOP | BS_PUSHBUTTON, 4920, 600, 1215, 375,
            IDCANCEL);
    state.edit = control(dialog, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, 120, 1560, 6000, 330, 0,
                         WS_EX_CLIENTEDGE);

    runModal(dialog, state.edit, [&state] { return state.done; });
    DestroyWindow(dialog);
    return state.answer;
}

} // namespace platform
