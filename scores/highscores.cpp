// SPDX-License-Identifier: MIT
// highscores.cpp: qualification, insertion and the texts of the high-score table.
#include "highscores.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string_view>

std::string rowSuffix(int row)
{
    std::string suffix = " ";
    return suffix += std::to_string(row);
}

double scoreValue(const std::string &text)
{
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    const size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const auto digit = [&](size_t k) {
        return k < text.size() && std::isdigit(static_cast<unsigned char>(text[k]));
    };
    size_t digits = 0;
    for (; digit(i); ++i)
        ++digits;
    if (i < text.size() && text[i] == '.') {
        for (++i; digit(i); ++i)
            ++digits;
    }
    if (digits == 0)
        return 0;
    // from_chars takes no '+' and a lone '.' only with digits around it.
    const size_t begin = text[start] == '+' ? start + 1 : start;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data() + begin, text.data() + i, value);
    if (error != std::errc::result_out_of_range)
        return value;
    // Out of range with a non-zero digit before the point: too large; otherwise too small.
    const std::string_view whole(text.data() + begin, i - begin);
    const bool overflow = whole.find_first_of("123456789") < whole.find('.');
    const double magnitude = overflow ? std::numeric_limits<double>::infinity() : 0.0;
    return text[start] == '-' ? -magnitude : magnitude;
}

int insertionRow(const HighScoreTable &table, int score)
{
    for (int row = 1; row <= HighScoreRows; ++row)
        if (score > scoreValue(table[row - 1].ScoreText))
            return row;
    return 0;
}

HighScoreTable withEntry(const HighScoreTable &table, int row, const HighScoreEntry &entry)
{
    HighScoreTable result;
    for (int r = 1; r <= HighScoreRows; ++r) {
        if (r < row)
            result[r - 1] = table[r - 1];
        else if (r == row)
            result[r - 1] = entry;
        else
            result[r - 1] = table[r - 2];
    }
    return result;
}

std::string mediumDate(const platform::Date &date)
{
    static const char *const months[]
            = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%s-%02d", date.day, months[date.month - 1],
                  date.year % 100);
    return text;
}
