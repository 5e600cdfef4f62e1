// SPDX-License-Identifier: MIT
// highscorestore.cpp: the keys of the table's rows, and their reading and writing.
#include "highscorestore.h"

namespace {

const std::string section = "Scores";

} // namespace

HighScoreTable readHighScores(platform::SettingsStore &store, const std::string &app)
{
    HighScoreTable table;
    for (int row = 1; row <= HighScoreRows; ++row) {
        HighScoreEntry &entry = table[row - 1];
        entry.ScoreText = store.read(app, section, "score" + rowSuffix(row), "");
        entry.PlayerName = store.read(app, section, "name" + rowSuffix(row), "");
        entry.DateText = store.read(app, section, "date" + rowSuffix(row), "");
    }
    return table;
}

void writeHighScores(platform::SettingsStore &store, const std::string &app,
                     const HighScoreTable &table)
{
    for (int row = 1; row <= HighScoreRows; ++row) {
        const HighScoreEntry &entry = table[row - 1];
        store.write(app, section, "score" + rowSuffix(row), entry.ScoreText);
        store.write(app, section, "name" + rowSuffix(row), entry.PlayerName);
        store.write(app, section, "date" + rowSuffix(row), entry.DateText);
    }
}
