// SPDX-License-Identifier: MIT
// highscorestore.h: the high-score table in the settings store: section "Scores", and for row r
// the keys "score r", "name r" and "date r".
#pragma once

#include "highscores.h"

#include "platform/settingsstore.h"

#include <string>

// The ten rows as stored under app; a value that is absent reads as the empty text.
HighScoreTable readHighScores(platform::SettingsStore &store, const std::string &app);

// All 30 values, changed or not, empty texts included.
void writeHighScores(platform::SettingsStore &store, const std::string &app,
                     const HighScoreTable &table);
