// SPDX-License-Identifier: MIT
// speed.h: the speed slider's range and the playback interval it sets.
#pragma once

#include <cstdint>
#include <string>

constexpr int SlowestSpeed = 1;   // the slider's top
constexpr int FastestSpeed = 950; // its bottom
constexpr int DefaultSpeed = 500; // until a speed is stored

// Milliseconds that each arrow shows, and the pause after it, at a slider value.
constexpr std::int16_t stepInterval(int speed)
{
    return static_cast<std::int16_t>(1000 - speed);
}

// Blanks, an optional sign and decimal digits make a whole number, clamped into the slider's
// range; anything else, a number beyond 32 bits included, gives the default.
int speedFromText(const std::string &text);
