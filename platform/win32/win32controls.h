// SPDX-License-Identifier: MIT
// win32controls.h: the controls that are windows of their own: buttons, the slider and the
// text box.
#pragma once

#include "platform/controls.h"

#include <windows.h>

namespace platform {

class Win32Window;

class Win32Button final : public Button
{
public:
    Win32Button(HWND parent, int id, const ButtonDesign &design);
    const HWND hwnd;
    const bool isDefault;
    const bool isCancel;
};

// The common-controls trackbar. Dragging reports scrolls; every other way of moving the
// thumb reports a change, once per new value.
class Win32Slider final : public Slider
{
public:
    Win32Slider(HWND parent, const SliderDesign &design);
    void setValue(int value) override;
    int value() const override;
    void notify(int code);
    HWND handle() const { return hwnd; }

private:
    HWND hwnd;
    int reported;
};

class Win32TextBox final : public TextBox
{
public:
    Win32TextBox(HWND parent, const RECT &rect);
    std::string text() const override;
    HWND handle() const { return hwnd; }

private:
    HWND hwnd;
};

} // namespace platform
