// SPDX-License-Identifier: MIT
// arrow.h: the four arrows, as tiles, glyphs and sequence entries.
#pragma once

#include <cmath>
#include <cstdint>

// 0 up, 1 right, 2 down, 3 left.
using ArrowIndex = std::int16_t;

inline constexpr int ArrowCount = 4;

// r is uniform in [0, 1), so 4 r stays below 4 and each arrow is equally likely.
inline ArrowIndex arrowFromRandom(double r)
{
    return static_cast<ArrowIndex>(std::floor(ArrowCount * r));
}
