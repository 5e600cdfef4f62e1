// SPDX-License-Identifier: MIT
// fuzz_texts.cpp: any text read from the store gives the speed and the score value that a
// plain reading of their rules gives.
#include "highscores.h"
#include "speed.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Blanks, an optional sign, digits, blanks: a whole number, clamped; else the default.
int expectedSpeed(const std::string &text)
{
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    size_t end = text.size();
    while (end > i && text[end - 1] == ' ')
        --end;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == end)
        return DefaultSpeed;
    long long value = 0;
    for (; i < end; ++i) {
        if (!isDigit(text[i]))
            return DefaultSpeed;
        value = value * 10 + (text[i] - '0');
        if (value > 2147483648LL)
            return DefaultSpeed;
    }
    value = negative ? -value : value;
    if (value > 2147483647LL)
        return DefaultSpeed;
    return value < SlowestSpeed ? SlowestSpeed : value > FastestSpeed ? FastestSpeed : int(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    if (speedFromText(text) != expectedSpeed(text))
        std::abort();

    const double value = scoreValue(text);
    if (std::isnan(value))
        std::abort();
    // The leading number, if any, as the C library reads the same characters.
    size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos)
        i = text.size();
    size_t end = i;
    if (end < text.size() && (text[end] == '+' || text[end] == '-'))
        ++end;
    size_t digits = 0;
    while (end < text.size() && isDigit(text[end]))
        ++end, ++digits;
    if (end < text.size() && text[end] == '.')
        for (++end; end < text.size() && isDigit(text[end]); ++end)
            ++digits;
    const double expected
            = digits == 0 ? 0.0 : std::strtod(text.substr(i, end - i).c_str(), nullptr);
    if (value != expected)
        std::abort();
    return 0;
}
