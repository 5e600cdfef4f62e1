// SPDX-License-Identifier: MIT
// fuzz_texts.cpp: any text read from the store gives a speed in range and a score value as
// specified, checked against a plain reading of the rules.
#include "highscores.h"
#include "speedtext.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Blanks, an optional sign, digits, blanks: a whole number, clamped; else 500.
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
        return 500;
    long long value = 0;
    for (; i < end; ++i) {
        if (!isDigit(text[i]))
            return 500;
        value = value * 10 + (text[i] - '0');
        if (value > 2147483648LL)
            return 500;
    }
    value = negative ? -value : value;
    if (value > 2147483647LL)
        return 500;
    return value < 1 ? 1 : value > 950 ? 950 : int(value);
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
