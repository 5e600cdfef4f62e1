// SPDX-License-Identifier: MIT
// frmmain_scores.cpp: the high-score table of the main window: load, record, save and show.
#include "frmmain.h"

#include "appinfo.h"

using namespace platform;

namespace {

const std::string section = "Scores";
constexpr Colour blue = 0xFF0000;
constexpr Colour black = 0;

} // namespace

// The window is loaded when first shown; closed from its title bar, it is loaded again.
frmScores &frmMain::ScoresWindow()
{
    if (!scoresWindow || scoresWindow->isUnloaded())
        scoresWindow = std::make_unique<frmScores>(services);
    return *scoresWindow;
}

void frmMain::LoadHighScores()
{
    SettingsStore &store = services.settingsStore();
    const std::string title(app::Title);
    for (int row = 1; row <= HighScoreRows; ++row) {
        HighScoreEntry &entry = HighScores[row - 1];
        entry.ScoreText = store.read(title, section, "score" + rowSuffix(row), "");
        entry.PlayerName = store.read(title, section, "name" + rowSuffix(row), "");
        entry.DateText = store.read(title, section, "date" + rowSuffix(row), "");
    }
}

void frmMain::SaveHighScores()
{
    SettingsStore &store = services.settingsStore();
    const std::string title(app::Title);
    for (int row = 1; row <= HighScoreRows; ++row) {
        const HighScoreEntry &entry = HighScores[row - 1];
        store.write(title, section, "score" + rowSuffix(row), entry.ScoreText);
        store.write(title, section, "name" + rowSuffix(row), entry.PlayerName);
        store.write(title, section, "date" + rowSuffix(row), entry.DateText);
    }
}

void frmMain::ShowRow(frmScores &form, int row)
{
    const HighScoreEntry &entry = HighScores[row - 1];
    form.lblScore[row - 1]->setCaption(entry.ScoreText == "0" ? "" : entry.ScoreText);
    form.lblName[row - 1]->setCaption(entry.PlayerName);
    form.lblDate[row - 1]->setCaption(entry.DateText);
}

// Shows the table modally, the row of a new entry (0: none) in blue while it shows.
void frmMain::ShowHighScores(int newRow)
{
    frmScores &form = ScoresWindow();
    for (int row = 1; row <= HighScoreRows; ++row)
        ShowRow(form, row);
    if (newRow != 0)
        form.setRowColour(newRow, blue);
    form.showModal();
    // Closed from its title bar, the window is gone with its colours.
    if (newRow != 0 && !form.isUnloaded())
        form.setRowColour(newRow, black);
}

void frmMain::RecordHighScore()
{
    // Judged against the table as it stands now: another copy of the game may have stored
    // entries since this one last read it, and may store more while the prompt is open.
    LoadHighScores();
    int row = insertionRow(HighScores, Score);
    if (row != 0) {
        const std::string name = services.inputBox("Please enter a name", "New high score!");
        LoadHighScores();
        row = insertionRow(HighScores, Score);
        if (row != 0) {
            const HighScoreTable NewHighScores = withEntry(
                    HighScores, row, {std::to_string(Score), name, mediumDate(services.today())});
            HighScores = NewHighScores;
        }
    }
    SaveHighScores();
    if (row != 0)
        ShowHighScores(row);
}

void frmMain::itmHighScoresClick()
{
    LoadHighScores();
    ShowHighScores(0);
}
