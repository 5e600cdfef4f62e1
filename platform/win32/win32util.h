// SPDX-License-Identifier: MIT
// win32util.h: the program's units (twips, UTF-8, point fonts) in Win32 terms.
#pragma once

#include "platform/types.h"

#include <windows.h>

#include <string>

namespace platform {

std::wstring wide(const std::string &utf8);
std::string utf8(const std::wstring &text);

// The text of a window or control.
std::string windowText(HWND hwnd);
// Top-left corner of a window of that size in the middle of the screen.
POINT centredOnScreen(int width, int height);

// Pixels per inch of the screen; 96 gives 15 twips a pixel.
int screenDpi();
int pixels(int twips);
RECT toRect(const Rect &r);
POINT toPoint(Point p);

// The designed face at its size, where installed; the platform's default face for an empty
// name. Fonts live as long as the program.
HFONT font(const Font &font);

// Registers a window class with the arrow cursor and the button-face background.
void registerWindowClass(const wchar_t *name, WNDPROC procedure);

// 0x00BBGGRR is a COLORREF already.
inline COLORREF colour(Colour c)
{
    return COLORREF(c);
}

} // namespace platform
