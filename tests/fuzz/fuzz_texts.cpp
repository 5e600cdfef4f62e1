// SPDX-License-Identifier: MIT
// fuzz_texts.cpp: any text read from the store gives the speed and the score value that the C
// library's reading of the text's number gives.
#include "highscores.h"
#include "speed.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    // The speed: a whole number between blanks that fits an int, clamped; else the default.
    static const std::regex speed(" *([+-]?[0-9]+) *");
    std::smatch match;
    int expected = DefaultSpeed;
    errno = 0;
    if (std::regex_match(text, match, speed)) {
        const long long value = std::strtoll(match.str(1).c_str(), nullptr, 10);
        if (errno == 0 && value >= INT32_MIN && value <= INT32_MAX)
            expected = int(std::clamp<long long>(value, SlowestSpeed, FastestSpeed));
    }
    if (speedFromText(text) != expected)
        std::abort();

    // The score: the leading number after blanks, digits with at most one point; else 0.
    static const std::regex score(" *([+-]?([0-9]+[.]?[0-9]*|[.][0-9]+))");
    const double value
            = std::regex_search(text, match, score, std::regex_constants::match_continuous)
                      ? std::strtod(match.str(1).c_str(), nullptr)
                      : 0.0;
    if (scoreValue(text) != value)
        std::abort();
    return 0;
}
