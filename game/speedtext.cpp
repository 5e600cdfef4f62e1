// SPDX-License-Identifier: MIT
// speedtext.cpp: reading the stored speed, whatever the file holds.
#include "speed.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

int speedFromText(const std::string &text)
{
    const size_t first = text.find_first_not_of(' ');
    const size_t last = text.find_last_not_of(' ');
    if (first == std::string::npos)
        return DefaultSpeed;
    const char *begin = text.data() + first;
    const char *end = text.data() + last + 1;
    // from_chars takes '-' but not '+', and would read a second sign after a first.
    if (*begin == '+') {
        ++begin;
        if (begin == end || *begin == '-')
            return DefaultSpeed;
    }
    std::int32_t value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end)
        return DefaultSpeed;
    return std::clamp(value, SlowestSpeed, FastestSpeed);
}
