// SPDX-License-Identifier: MIT
// highscores.h: the ten-place high-score table: its rows and its rules.
#pragma once

#include "platform/types.h"

#include <array>
#include <string>

struct HighScoreEntry
{
    std::string ScoreText;  // decimal digits; empty for a row never filled
    std::string PlayerName; // exactly as typed, possibly empty
    std::string DateText;   // dd-MMM-yy
};

inline constexpr int HighScoreRows = 10;

// Rows 1 to 10, row 1 the best; row r is held at index r - 1.
using HighScoreTable = std::array<HighScoreEntry, HighScoreRows>;

// The row number as a key suffix, with the sign place reserved: " 1", " 10".
std::string rowSuffix(int row);

// The leading decimal number of a score text, blanks skipped; 0 when there is none.
double scoreValue(const std::string &text);

// The row a score earns: the first it strictly beats, so that a tie ranks below; 0 for none.
int insertionRow(const HighScoreTable &table, int score);

// The table with entry placed at row; the rows below move down and the last drops out.
HighScoreTable withEntry(const HighScoreTable &table, int row, const HighScoreEntry &entry);

// "05-Dec-26": two-digit day, English month abbreviation, two-digit year.
std::string mediumDate(const platform::Date &date);
