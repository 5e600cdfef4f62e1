// SPDX-License-Identifier: MIT
// win32items.cpp: painting the graphical controls.
#include "win32items.h"

#include "win32util.h"
#include "win32window.h"

namespace platform {

namespace {

UINT alignment(Align align)
{
    switch (align) {
    case Align::Left:
        return DT_LEFT;
    case Align::Centre:
        return DT_CENTER;
    case Align::Right:
        return DT_RIGHT;
    }
    return DT_LEFT;
}

int lineHeight(HFONT font)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight + metrics.tmExternalLeading;
}

} // namespace

Win32Label::Win32Label(Win32Window &window, const LabelDesign &design)
    : window(window), rect(toRect(design.rect)), font(platform::font(design.font)),
      background(design.background ? platform::colour(*design.background)
                                   : GetSysColor(COLOR_BTNFACE)),
      text(design.caption), visible(design.visible)
{
    // Text wraps at word boundaries only where the label has room for a second line, so a
    // single-line label never shows half a line; what does not fit is clipped.
    const bool wrap = rect.bottom - rect.top >= 2 * lineHeight(font);
    format = alignment(design.align) | DT_NOPREFIX | DT_TOP | (wrap ? DT_WORDBREAK : DT_SINGLELINE);
}

void Win32Label::setVisible(bool v)
{
    visible = v;
    window.redraw(extent());
}

void Win32Label::setCaption(const std::string &caption)
{
    text = caption;
    window.redraw(extent());
}

void Win32Label::setTextColour(Colour c)
{
    colour = c;
    window.redraw(extent());
}

void Win32Label::paint(HDC dc) const
{
    if (!visible)
        return;
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour == 0 ? GetSysColor(COLOR_WINDOWTEXT) : platform::colour(colour));
    RECT box = rect;
    const std::wstring caption = wide(text);
    DrawTextW(dc, caption.c_str(), int(caption.size()), &box, format);
    SelectObject(dc, old);
}

Win32Tile::Win32Tile(Win32Window &window, const Rect &r) : window(window), rect(toRect(r)) { }

void Win32Tile::setAppearance(Appearance appearance)
{
    look = appearance;
    window.redraw(extent());
}

void Win32Tile::paint(HDC dc) const
{
    RECT box = rect;
    if (look == Appearance::ThreeD) {
        DrawEdge(dc, &box, EDGE_SUNKEN, BF_RECT);
    } else {
        HBRUSH frame = GetSysColorBrush(COLOR_WINDOWFRAME);
        FrameRect(dc, &box, frame);
    }
}

Win32Line::Win32Line(Win32Window &window, const LineDesign &design)
    : window(window), from(toPoint(design.from)), to(toPoint(design.to)),
      width(MulDiv(design.pixels, screenDpi(), 96))
{ }

void Win32Line::setVisible(bool v)
{
    visible = v;
    // On screen before the handler ends, so that the timers count from when it is seen.
    window.redrawNow(extent());
}

RECT Win32Line::extent() const
{
    return {std::min(from.x, to.x) - width, std::min(from.y, to.y) - width,
            std::max(from.x, to.x) + width + 1, std::max(from.y, to.y) + width + 1};
}

void Win32Line::paint(HDC dc) const
{
    if (!visible)
        return;
    HPEN pen = CreatePen(PS_SOLID, width, GetSysColor(COLOR_WINDOWTEXT));
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
    SelectObject(dc, old);
    DeleteObject(pen);
}

Win32Outline::Win32Outline(const Rect &r) : rect(toRect(r)) { }

void Win32Outline::paint(HDC dc) const
{
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWTEXT));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(HOLLOW_BRUSH));
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

Win32Frame::Win32Frame(Win32Window &window, const FrameDesign &design)
    : window(window), origin(design.rect), rect(toRect(design.rect)),
      font(platform::font(design.font)), caption(design.caption)
{ }

TextBox &Win32Frame::addTextBox(const Rect &r)
{
    return window.addTextBox({origin.left + r.left, origin.top + r.top, r.width, r.height});
}

void Win32Frame::paint(HDC dc) const
{
    HGDIOBJ old = SelectObject(dc, font);
    const std::wstring text = wide(caption);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    // The border runs through the middle of the caption's line.
    RECT border = rect;
    border.top += size.cy / 2;
    DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
    RECT label{rect.left + 6, rect.top, rect.left + 10 + size.cx, rect.top + size.cy};
    FillRect(dc, &label, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextW(dc, text.c_str(), int(text.size()), &label, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
}

Win32Picture::Win32Picture(const Rect &r, Picture picture)
    : rect(toRect(r)), icon(Win32Window::icon(picture, 32))
{ }

void Win32Picture::paint(HDC dc) const
{
    RECT box = rect;
    DrawEdge(dc, &box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    if (icon)
        DrawIconEx(dc, box.left, box.top, icon, 32, 32, 0, nullptr, DI_NORMAL);
}

} // namespace platform
