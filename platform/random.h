// SPDX-License-Identifier: MIT
// random.h: the portable generator behind every real backend, so a seed replays alike everywhere.
#pragma once

#include <cstdint>
#include <random>

namespace platform {

class Random
{
public:
    void seed(std::uint64_t seed) { engine.seed(seed); }
    // The top 53 bits of a 64-bit draw, scaled: uniform in [0, 1), never 1.
    double next() { return static_cast<double>(engine() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 engine;
};

} // namespace platform
