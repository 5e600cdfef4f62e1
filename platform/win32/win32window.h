// SPDX-License-Identifier: MIT
// win32window.h: a top-level window: a menu bar, painted graphical controls and child controls.
#pragma once

#include "platform/window.h"
#include "win32controls.h"
#include "win32items.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

namespace platform {

class Win32Window final : public Window
{
public:
    explicit Win32Window(const WindowDesign &design);
    ~Win32Window() override;

    Label &addLabel(const LabelDesign &design) override;
    Button &addButton(const ButtonDesign &design) override;
    Tile &addTile(const Rect &rect, const std::string &name, ArrowKey key) override;
    Control &addLine(const LineDesign &design) override;
    void addRectangle(const Rect &rect) override;
    Slider &addSlider(const SliderDesign &design) override;
    void addPicture(const Rect &rect, Picture picture, const std::string &name) override;
    Frame &addFrame(const FrameDesign &design) override;
    MenuItem &addMenuItem(const std::string &caption) override;
    TextBox &addTextBox(const Rect &rect);

    void setCaption(const std::string &caption) override;
    std::string caption() const override;
    bool isVisible() const override { return IsWindowVisible(hwnd) != FALSE; }
    void show() override;
    void showModal() override;
    void hide() override { ShowWindow(hwnd, SW_HIDE); }
    void close() override { SendMessageW(hwnd, WM_CLOSE, 0, 0); }

    void redraw(const RECT &area) { InvalidateRect(hwnd, &area, FALSE); }
    void redrawNow(const RECT &area)
    {
        RedrawWindow(hwnd, &area, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    HWND handle() const { return hwnd; }
    static HICON icon(Picture picture, int size);
    // The program's window with that handle, if it is one.
    static Win32Window *of(HWND window);
    // Run, once, when the session ends (logout, shutdown) and the system is about to end the
    // program.
    inline static std::function<void()> onEndSession;
    // Gives an arrow key's WM_KEYDOWN or WM_KEYUP to a window's handlers; false where none takes
    // it.
    static bool takeArrowKey(const MSG &message);

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM w, LPARAM l);
    LRESULT handle(UINT message, WPARAM w, LPARAM l);
    void paint();
    void mouseDown(POINT p, MouseButton button);
    void mouseUp(POINT p, MouseButton button);
    void command(int id);
    void placeOnFirstShow();
    void activate(bool active);
    HWND focusTarget();

    HWND hwnd;
    BorderStyle border;
    int clientWidth;
    int clientHeight;
    HMENU menu = nullptr;
    std::vector<std::unique_ptr<Item>> items; // painted in this order
    std::vector<Win32Tile *> tiles;
    std::vector<std::unique_ptr<Win32Button>> buttons;
    std::vector<std::unique_ptr<Win32Slider>> sliders;
    std::vector<std::unique_ptr<Win32TextBox>> textBoxes;
    std::vector<std::unique_ptr<MenuItem>> menuItems;
    HWND focus = nullptr;         // the control that had the focus when the window was left
    Win32Tile *pressed = nullptr; // gets the releases until the buttons are up
    bool leftPressed = false;
    inline static Win32Window *heldBy[4] = {}; // by ArrowKey: the window a held key's press went to
    bool placed = false;
};

// Routes a message as the windows expect: Tab, Enter and Escape within its window.
void dispatch(MSG &message);

// Shows window with the focus on its control focus and runs the program's messages until
// finished() holds, with every other window of the program disabled meanwhile.
void runModal(HWND window, HWND focus, const std::function<bool()> &finished);

} // namespace platform
