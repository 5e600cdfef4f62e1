// SPDX-License-Identifier: MIT
// types.h: the values that cross the platform interface, in the program's own units.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// 24-bit colour as 0x00BBGGRR.
using Colour = std::uint32_t;

// Positions and sizes are in twips, relative to the client area of the owning window.
struct Rect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Point
{
    int x = 0;
    int y = 0;
};

// An empty name stands for the platform's default face and size.
struct Font
{
    std::string name{};
    double points = 0;
    bool bold = false;
    bool underline = false;
};

enum class Align { Left, Centre, Right };

enum class MouseButton { Left, Right, Middle };

// The arrow keys, and the keypad's 8, 6, 2 and 4 with Num Lock on or off.
enum class ArrowKey { Up, Right, Down, Left };

enum class BoxIcon { Information, Exclamation };

enum class Picture { None, Application, Information };

struct Date
{
    int year = 2000;
    int month = 1; // 1 to 12
    int day = 1;   // 1 to 31
};

} // namespace platform
