// SPDX-License-Identifier: MIT
// win32items.h: the controls a window paints itself instead of making child windows of them:
// labels, tiles, lines, outlines and the picture. They take no focus; tiles take the mouse.
#pragma once

#include "platform/controls.h"

#include <windows.h>

#include <string>

namespace platform {

class Win32Window;

class Item
{
public:
    virtual ~Item() = default;
    virtual void paint(HDC dc) const = 0;
    // The pixels painting may touch, to be redrawn when the item changes.
    virtual RECT extent() const = 0;
};

class Win32Label final : public Item, public Label
{
public:
    Win32Label(Win32Window &window, const LabelDesign &design);
    void setVisible(bool visible) override;
    bool isVisible() const override { return visible; }
    void setCaption(const std::string &caption) override;
    std::string caption() const override { return text; }
    void setTextColour(Colour colour) override;
    Colour textColour() const override { return colour; }
    void paint(HDC dc) const override;
    RECT extent() const override { return rect; }

private:
    Win32Window &window;
    RECT rect;
    HFONT font;
    UINT format;
    COLORREF background;
    std::string text;
    Colour colour = 0;
    bool visible;
};

class Win32Tile final : public Item, public Tile
{
public:
    Win32Tile(Win32Window &window, const Rect &rect);
    void setAppearance(Appearance appearance) override;
    Appearance appearance() const override { return look; }
    void paint(HDC dc) const override;
    RECT extent() const override { return rect; }
    bool contains(POINT p) const { return PtInRect(&rect, p); }

private:
    Win32Window &window;
    RECT rect;
    Appearance look = Appearance::Flat;
};

class Win32Line final : public Item, public Control
{
public:
    Win32Line(Win32Window &window, const LineDesign &design);
    void setVisible(bool visible) override;
    bool isVisible() const override { return visible; }
    void paint(HDC dc) const override;
    RECT extent() const override;

private:
    Win32Window &window;
    POINT from;
    POINT to;
    int width;
    bool visible = true;
};

class Win32Outline final : public Item
{
public:
    explicit Win32Outline(const Rect &rect);
    void paint(HDC dc) const override;
    RECT extent() const override { return rect; }

private:
    RECT rect;
};

// A frame around other controls, with its caption in the top border.
class Win32Frame final : public Item, public Frame
{
public:
    Win32Frame(Win32Window &window, const FrameDesign &design);
    TextBox &addTextBox(const Rect &rect) override;
    void paint(HDC dc) const override;
    RECT extent() const override { return rect; }

private:
    Win32Window &window;
    Rect origin;
    RECT rect;
    HFONT font;
    std::string caption;
};

class Win32Picture final : public Item
{
public:
    Win32Picture(const Rect &rect, Picture picture);
    void paint(HDC dc) const override;
    RECT extent() const override { return rect; }

private:
    RECT rect;
    HICON icon;
};

} // namespace platform
