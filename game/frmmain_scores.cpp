// SPDX-License-Identifier: MIT
// frmmain_scores.cpp: the high-score table of the main window: load, record, save and show.
#include "frmmain.h"
#include "highscorestore.h"

#include "appinfo.h"

using namespace platform;

// The window is loaded when first shown; closed from its title bar, it is loaded again.
frmScores &frmMain::loadedScoresWindow()
{
    if (!scoresWindow || scoresWindow->isUnloaded())
        scoresWindow = std::make_unique<frmScores>(services);
    return *scoresWindow;
}

void frmMain::LoadHighScores()
{
    HighScores = readHighScores(services.settingsStore(), std::string(app::Title));
}

void frmMain::SaveHighScores()
{
    writeHighScores(services.settingsStore(), std::string(app::Title), HighScores);
}

// Shows the table modally, the row of a new entry (0: none) marked while it shows.
void frmMain::ShowHighScores(int newRow)
{
    frmScores &form = loadedScoresWindow();
    form.showTable(HighScores);
    form.markRow(newRow);
    form.showModal();
}

// A finished game is judged against the table as the store holds it, which other copies of the
// game may have added to, with every other copy held off from the read to the save; the name
// is asked for in between, with the store free, and the table judged again once it is typed.
void frmMain::RecordHighScore()
{
    const std::string title(app::Title);
    int row = 0;
    {
        const SettingsStore::Step step(services.settingsStore(), title);
        LoadHighScores();
        row = insertionRow(HighScores, Score);
        if (row == 0)
            SaveHighScores();
    }
    if (row != 0) {
        const std::string name = services.inputBox("Please enter a name", "New high score!");
        // The program ended while the prompt was open: nothing is entered.
        if (unloaded)
            return;
        const SettingsStore::Step step(services.settingsStore(), title);
        LoadHighScores();
        row = insertionRow(HighScores, Score);
        if (row != 0) {
            const HighScoreTable NewHighScores = withEntry(
                    HighScores, row, {std::to_string(Score), name, mediumDate(services.today())});
            HighScores = NewHighScores;
        }
        SaveHighScores();
    }
    if (row != 0)
        ShowHighScores(row);
}

void frmMain::itmHighScoresClick()
{
    {
        const SettingsStore::Step step(services.settingsStore(), std::string(app::Title));
        LoadHighScores();
    }
    ShowHighScores(0);
}
