// SPDX-License-Identifier: MIT
// win32window.cpp: top-level windows with the designed borders, painting, mouse and modal showing.
#include "win32window.h"

#include "win32util.h"

#include <windowsx.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <string_view>
#include <utility>

namespace platform {

namespace {

constexpr wchar_t windowClass[] = L"TolvaneWindow";
constexpr int firstButtonId = 100;
constexpr int firstMenuId = 1000;

// Windows without a task-bar button are owned by this hidden window.
HWND hiddenOwner()
{
    static const HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                              nullptr, GetModuleHandleW(nullptr), nullptr);
    return owner;
}

DWORD styleFor(BorderStyle border)
{
    switch (border) {
    case BorderStyle::None:
        return WS_POPUP | WS_CLIPCHILDREN;
    // A popup with a title bar, as a dialog box is; the two differ by the dialog frame.
    case BorderStyle::FixedSingle:
    case BorderStyle::FixedDialog:
        return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    }
    return WS_OVERLAPPED;
}

std::optional<ArrowKey> arrowKey(WPARAM key)
{
    switch (key) {
    case VK_UP:
    case VK_NUMPAD8: // VK_UP with Num Lock off
        return ArrowKey::Up;
    case VK_RIGHT:
    case VK_NUMPAD6:
        return ArrowKey::Right;
    case VK_DOWN:
    case VK_NUMPAD2:
        return ArrowKey::Down;
    case VK_LEFT:
    case VK_NUMPAD4:
        return ArrowKey::Left;
    }
    return std::nullopt;
}

void registerClass()
{
    static const bool registered = (registerWindowClass(windowClass, DefWindowProcW), true);
    (void)registered;
}

} // namespace

Win32Window::Win32Window(const WindowDesign &design)
    : border(design.border), clientWidth(pixels(design.width)), clientHeight(pixels(design.height))
{
    registerClass();
    const bool owned = design.border != BorderStyle::FixedSingle;
    hwnd = CreateWindowExW(design.border == BorderStyle::FixedDialog ? WS_EX_DLGMODALFRAME : 0,
                           windowClass, wide(design.caption).c_str(), styleFor(design.border),
                           CW_USEDEFAULT, CW_USEDEFAULT, clientWidth, clientHeight,
                           owned ? hiddenOwner() : nullptr, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&procedure));
    if (design.icon != Picture::None) {
        SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon(design.icon, 32)));
        SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon(design.icon, 16)));
    }
}

Win32Window::~Win32Window()
{
    std::ranges::replace(heldBy, this, nullptr);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
}

HICON Win32Window::icon(Picture picture, int size)
{
    if (picture == Picture::None)
        return nullptr;
    const int id = picture == Picture::Application ? 1 : 2;
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                         IMAGE_ICON, size, size, LR_SHARED));
}

Label &Win32Window::addLabel(const LabelDesign &design)
{
    auto *label = new Win32Label(*this, design);
    items.emplace_back(label);
    return *label;
}

Button &Win32Window::addButton(const ButtonDesign &design)
{
    const int id = firstButtonId + int(buttons.size());
    return *buttons.emplace_back(std::make_unique<Win32Button>(hwnd, id, design));
}

Tile &Win32Window::addTile(const Rect &rect, const std::string &, ArrowKey)
{
    auto *tile = new Win32Tile(*this, rect);
    items.emplace_back(tile);
    tiles.push_back(tile);
    return *tile;
}

Control &Win32Window::addLine(const LineDesign &design)
{
    auto *line = new Win32Line(*this, design);
    items.emplace_back(line);
    return *line;
}

void Win32Window::addRectangle(const Rect &rect)
{
    items.push_back(std::make_unique<Win32Outline>(rect));
}

Slider &Win32Window::addSlider(const SliderDesign &design)
{
    return *sliders.emplace_back(std::make_unique<Win32Slider>(hwnd, design));
}

void Win32Window::addPicture(const Rect &rect, Picture picture, const std::string &)
{
    items.push_back(std::make_unique<Win32Picture>(rect, picture));
}

Frame &Win32Window::addFrame(const FrameDesign &design)
{
    auto *frame = new Win32Frame(*this, design);
    items.emplace_back(frame);
    return *frame;
}

TextBox &Win32Window::addTextBox(const Rect &rect)
{
    return *textBoxes.emplace_back(std::make_unique<Win32TextBox>(hwnd, toRect(rect)));
}

MenuItem &Win32Window::addMenuItem(const std::string &caption)
{
    if (!menu) {
        menu = CreateMenu();
        SetMenu(hwnd, menu);
    }
    const int id = firstMenuId + int(menuItems.size());
    AppendMenuW(menu, MF_STRING, UINT_PTR(id), wide(caption).c_str());
    DrawMenuBar(hwnd);
    return *menuItems.emplace_back(std::make_unique<MenuItem>());
}

void Win32Window::setCaption(const std::string &caption)
{
    SetWindowTextW(hwnd, wide(caption).c_str());
}

std::string Win32Window::caption() const
{
    return windowText(hwnd);
}

// The client area keeps its designed size below the menu bar; the window is centred.
void Win32Window::placeOnFirstShow()
{
    if (placed)
        return;
    placed = true;
    RECT frame{0, 0, clientWidth, clientHeight};
    const DWORD style = DWORD(GetWindowLongPtrW(hwnd, GWL_STYLE));
    const DWORD exStyle = DWORD(GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
    AdjustWindowRectEx(&frame, style, menu != nullptr, exStyle);
    const int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    SetWindowPos(hwnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps takes more room than the estimate: grow by what is missing.
    RECT client{};
    GetClientRect(hwnd, &client);
    height += clientHeight - (client.bottom - client.top);
    const POINT corner = centredOnScreen(width, height);
    SetWindowPos(hwnd, nullptr, corner.x, corner.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::show()
{
    placeOnFirstShow();
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    UpdateWindow(hwnd);
}

void Win32Window::showModal()
{
    // Owned by the window the player was using, as a message box is: kept above it, and no
    // button of its own on the task bar.
    if (HWND owner = GetActiveWindow(); owner && owner != hwnd)
        SetWindowLongPtrW(hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    placeOnFirstShow();
    runModal(hwnd, focusTarget(), [this] { return !IsWindowVisible(hwnd); });
}

LRESULT CALLBACK Win32Window::procedure(HWND hwnd, UINT message, WPARAM w, LPARAM l)
{
    auto *window = reinterpret_cast<Win32Window *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return window ? window->handle(message, w, l) : DefWindowProcW(hwnd, message, w, l);
}

LRESULT Win32Window::handle(UINT message, WPARAM w, LPARAM l)
{
    const POINT at{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
        mouseDown(at, MouseButton::Left);
        return 0;
    case WM_RBUTTONDOWN:
        mouseDown(at, MouseButton::Right);
        return 0;
    case WM_MBUTTONDOWN:
        mouseDown(at, MouseButton::Middle);
        return 0;
    case WM_LBUTTONUP:
        mouseUp(at, MouseButton::Left);
        return 0;
    case WM_RBUTTONUP:
        mouseUp(at, MouseButton::Right);
        return 0;
    case WM_MBUTTONUP:
        mouseUp(at, MouseButton::Middle);
        return 0;
    case WM_COMMAND:
        command(LOWORD(w));
        return 0;
    case WM_VSCROLL:
        for (auto &slider : sliders)
            if (slider->handle() == reinterpret_cast<HWND>(l))
                slider->notify(LOWORD(w));
        return 0;
    case WM_CTLCOLORSTATIC:
        // The read-only text box stays white; the frame's caption sits on the window colour.
        for (auto &box : textBoxes)
            if (box->handle() == reinterpret_cast<HWND>(l))
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        SetBkColor(reinterpret_cast<HDC>(w), GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_ACTIVATE:
        activate(LOWORD(w) != WA_INACTIVE);
        return 0;
    case WM_CLOSE:
        if (onUnload)
            onUnload();
        ShowWindow(hwnd, SW_HIDE);
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        // The system ends the program once this returns, with a modal window open or not.
        if (w && onEndSession)
            std::exchange(onEndSession, nullptr)();
        return 0;
    default:
        return DefWindowProcW(hwnd, message, w, l);
    }
}

void Win32Window::activate(bool active)
{
    if (!active) {
        HWND current = GetFocus();
        focus = current && IsChild(hwnd, current) ? current : nullptr;
    } else if (HWND target = focusTarget()) {
        SetFocus(target);
    }
}

// The control that had the focus when the window was left, or the first in the tab order.
HWND Win32Window::focusTarget()
{
    if (!focus || !IsWindow(focus))
        focus = GetNextDlgTabItem(hwnd, nullptr, FALSE);
    return focus;
}

Win32Window *Win32Window::of(HWND window)
{
    wchar_t name[std::size(windowClass) + 1] = L"";
    GetClassNameW(window, name, int(std::size(name)));
    return std::wstring_view(name) == windowClass
                   ? reinterpret_cast<Win32Window *>(GetWindowLongPtrW(window, GWLP_USERDATA))
                   : nullptr;
}

// Arrow keys go to the window's handlers before the focused control, which would move the
// focus, unless the focused control is the slider; the release of a key whose press went to a
// window goes to that window, wherever the focus is by then. A held key repeats its WM_KEYDOWN.
bool Win32Window::takeArrowKey(const MSG &message)
{
    const std::optional<ArrowKey> arrow = arrowKey(message.wParam);
    if (!arrow)
        return false;
    Win32Window *&holder = heldBy[size_t(*arrow)];
    if (message.message == WM_KEYUP) {
        if (!holder)
            return false;
        std::exchange(holder, nullptr)->onArrowKeyUp(*arrow);
        return true;
    }
    if (!holder) {
        HWND root = GetAncestor(message.hwnd, GA_ROOT);
        Win32Window *window = root ? of(root) : nullptr;
        if (!window || !window->onArrowKeyDown
            || std::ranges::any_of(window->sliders,
                                   [](const auto &s) { return s->handle() == GetFocus(); }))
            return false;
        holder = window;
    }
    holder->onArrowKeyDown(*arrow);
    return true;
}

void Win32Window::paint()
{
    PAINTSTRUCT ps;
    HDC screen = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    // Drawn off screen first, so that a glyph shown or hidden never flickers.
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = SelectObject(dc, bitmap);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    for (const auto &item : items)
        item->paint(dc);
    BitBlt(screen, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
           ps.rcPaint.bottom - ps.rcPaint.top, dc, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    EndPaint(hwnd, &ps);
}

// Presses go to the topmost tile under the pointer; glyph lines let them through.
void Win32Window::mouseDown(POINT p, MouseButton button)
{
    Win32Tile *hit = nullptr;
    for (auto it = tiles.rbegin(); it != tiles.rend() && !hit; ++it)
        if ((*it)->contains(p))
            hit = *it;
    if (!hit && !pressed) {
        // A window without a title bar is moved by dragging its client area.
        if (button == MouseButton::Left && border == BorderStyle::None) {
            ReleaseCapture();
            SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
        }
        return;
    }
    if (!pressed) {
        pressed = hit;
        SetCapture(hwnd);
    }
    if (button == MouseButton::Left)
        leftPressed = true;
    if (pressed->onPress)
        pressed->onPress(button);
}

void Win32Window::mouseUp(POINT p, MouseButton button)
{
    if (!pressed)
        return;
    Win32Tile *tile = pressed;
    const bool click = button == MouseButton::Left && leftPressed && tile->contains(p);
    if (button == MouseButton::Left)
        leftPressed = false;
    if (!(GetKeyState(VK_LBUTTON) & 0x8000) && !(GetKeyState(VK_RBUTTON) & 0x8000)
        && !(GetKeyState(VK_MBUTTON) & 0x8000)) {
        pressed = nullptr;
        ReleaseCapture();
    }
    if (tile->onRelease)
        tile->onRelease(button);
    if (click && tile->onClick)
        tile->onClick();
}

void Win32Window::command(int id)
{
    if (id >= firstMenuId && id < firstMenuId + int(menuItems.size())) {
        if (auto &item = *menuItems[size_t(id - firstMenuId)]; item.onClick)
            item.onClick();
        return;
    }
    const bool focusedButton
            = std::ranges::any_of(buttons, [](const auto &b) { return b->hwnd == GetFocus(); });
    for (size_t i = 0; i < buttons.size(); ++i) {
        Win32Button &b = *buttons[i];
        // Enter presses the focused button, or the default one when no button has the focus.
        const bool enter = id == IDOK && (b.hwnd == GetFocus() || (b.isDefault && !focusedButton));
        const bool chosen = id == firstButtonId + int(i) || enter || (id == IDCANCEL && b.isCancel);
        if (chosen && b.onClick) {
            b.onClick();
            return;
        }
    }
}

namespace {

struct Others
{
    HWND modal;
    std::vector<HWND> disabled;
};

BOOL CALLBACK disableOther(HWND other, LPARAM context)
{
    auto *others = reinterpret_cast<Others *>(context);
    if (other != others->modal && IsWindowVisible(other) && IsWindowEnabled(other)) {
        others->disabled.push_back(other);
        EnableWindow(other, FALSE);
    }
    return TRUE;
}

} // namespace

void dispatch(MSG &message)
{
    if ((message.message == WM_KEYDOWN || message.message == WM_KEYUP)
        && Win32Window::takeArrowKey(message))
        return;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (root && IsDialogMessageW(root, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

} // namespace platform

namespace platform {

void runModal(HWND window, HWND focus, const std::function<bool()> &finished)
{
    Others others{window, {}};
    EnumThreadWindows(GetCurrentThreadId(), disableOther, reinterpret_cast<LPARAM>(&others));
    const std::vector<HWND> &disabled = others.disabled;
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    // As a dialog box has it, whether or not the window manager activates the window.
    SetFocus(focus);
    MSG message;
    while (!finished()) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            PostQuitMessage(int(message.wParam));
            break;
        }
        dispatch(message);
    }
    // Enabled again before the modal window goes, so that the focus returns to them.
    for (HWND other : disabled)
        EnableWindow(other, TRUE);
    if (!disabled.empty())
        SetActiveWindow(disabled.front());
}

} // namespace platform
