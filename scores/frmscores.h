// SPDX-License-Identifier: MIT
// frmscores.h: the high-score window: ten rows of labels that the table fills, and CLOSE.
#pragma once

#include "highscores.h"

#include "platform/services.h"

#include <array>
#include <memory>

class frmScores
{
public:
    // Loads the window hidden, with empty rows.
    explicit frmScores(platform::Services &services);

    // Returns once the window is hidden by CLOSE or closed from its title bar.
    void showModal() { window->showModal(); }
    // Shows each row of the table; a score of exactly "0" shows blank beside its name and date.
    void showTable(const HighScoreTable &table);
    // The row of a new entry, counted from 1, its score, name and date blue, and selected to a
    // screen reader; 0 for none.
    void markRow(int row);
    // Closed from its title bar: the window is gone, and its owner loads a new one.
    bool isUnloaded() const { return unloaded; }

    std::unique_ptr<platform::Window> window;
    platform::Label *lblTitle1 = nullptr;
    platform::Label *lblTitle2 = nullptr;
    platform::Label *lblTitle3 = nullptr;
    std::array<platform::Label *, HighScoreRows> lblScore{};
    std::array<platform::Label *, HighScoreRows> lblName{};
    std::array<platform::Label *, HighScoreRows> lblDate{};
    platform::Button *cmdClose = nullptr;

private:
    void setRowColour(int row, platform::Colour colour);

    int marked = 0;
    bool unloaded = false;
};
