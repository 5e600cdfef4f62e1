// SPDX-License-Identifier: MIT
// hostilenames.h: names a player might type that a careless program would mangle: markup,
// access keys, the settings file's own syntax, blanks, line breaks, non-ASCII, great length.
#pragma once

#include <string>
#include <utility>
#include <vector>

// {what the name tries, the name}
inline const std::vector<std::pair<std::string, std::string>> &hostileNames()
{
    static const std::vector<std::pair<std::string, std::string>> names{
            {"markup", "<b>x</b>"},
            {"access key", "a & b"},
            {"ini syntax", "=;#[]%\\\"'"},
            {"leading and trailing blanks", "  Ann  "},
            {"comma as a list would", "Ann, Bo"},
            {"at sign as a variant would", "@Variant(x)"},
            {"line breaks", "a\r\nb\n"},
            {"non-ASCII", "Åsa Ørn Ñandú 日本 😀"},
            {"10,000 characters", std::string(10000, 'x')},
            {"empty", ""},
    };
    return names;
}
