// SPDX-License-Identifier: MIT
// frmmain.h: the main window: the arrow tiles, the score, the speed panel and the game played on
// them.
#pragma once

#include "arrow.h"
#include "frmscores.h"
#include "highscores.h"

#include "platform/services.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class frmMain
{
public:
    // Loads the window: creates its controls and runs the start-up steps. It stays hidden
    // until show().
    explicit frmMain(platform::Services &services);
    frmMain(const frmMain &) = delete;
    frmMain &operator=(const frmMain &) = delete;

    void show();
    // Saves what an end of the program without its shutdown would lose: a speed set a moment ago.
    void savePending();

    static constexpr std::int16_t SequenceCapacity = 32000;

    // Controls; the window owns them.
    std::unique_ptr<platform::Window> window;
    platform::Label *lblScoreLabel = nullptr;
    platform::Label *lblScore = nullptr;
    platform::Button *cmdStart = nullptr;
    platform::Slider *Slider = nullptr;
    platform::Label *lblSpeed = nullptr;
    platform::Label *lblFast = nullptr;
    platform::Label *lblSlow = nullptr;
    platform::Label *lblTimerInterval = nullptr;
    platform::Label *lblGameOver = nullptr;
    std::array<platform::Tile *, ArrowCount> Box{};
    std::array<platform::Control *, ArrowCount> Stem{};
    std::array<platform::Control *, ArrowCount> RoofLeft{};
    std::array<platform::Control *, ArrowCount> RoofRight{};
    platform::MenuItem *itmHighScores = nullptr;
    platform::MenuItem *itmHelp = nullptr;
    platform::MenuItem *About = nullptr;
    platform::MenuItem *itmExit = nullptr;
    std::unique_ptr<platform::Timer> tmrNext;
    std::unique_ptr<platform::Timer> tmrGap;
    std::unique_ptr<platform::Timer> tmrSaveSpeed; // runs while the slider rests after a change

    // Game state. Positions in Sequence count from 1; position 0 is never written.
    std::int16_t Score = 0;
    std::array<ArrowIndex, SequenceCapacity + 1> Sequence{};
    std::int16_t PlayIndex = 0;
    std::int16_t SequenceLength = 0;
    bool AcceptingInput = false;
    std::int16_t EntryIndex = 0;
    std::int16_t StepInterval = 0;
    std::optional<ArrowIndex> keyHeld; // the tile an arrow key holds down
    std::string storedSpeed;           // the speed's text as this copy last read or stored it
    bool unloaded = false;             // the program has shut down, a modal window still showing

    HighScoreTable HighScores;
    // Loaded when first shown, and again after it is closed from its title bar.
    std::unique_ptr<frmScores> scoresWindow;

private:
    static const char *arrowName(ArrowIndex index);
    static ArrowIndex arrowOfKey(platform::ArrowKey key); // the tile the key presses
    void createControls();
    void connectEvents();

    // Window events.
    void Load();
    void Unload();
    void itmHelpClick();
    void itmHighScoresClick();
    void AboutClick();

    // Game flow.
    void cmdStartClick();
    void tmrNextTick();
    void tmrGapTick();
    void BoxPress(ArrowIndex index, platform::MouseButton button);
    void BoxRelease(ArrowIndex index, platform::MouseButton button);
    void BoxClick(ArrowIndex index);
    void arrowKeyDown(ArrowIndex index);
    void arrowKeyUp(ArrowIndex index);
    void dropKey();
    void ResetBoard();
    void GenerateSequence();
    void StartPlayback();
    void ShowArrow(ArrowIndex index);
    void HideArrow(ArrowIndex index);
    void hideAllArrows();
    void CheckEntry(ArrowIndex index);
    void EndGame(const std::string &message, platform::BoxIcon icon);
    void showScore();

    // Speed control.
    void SliderChange();
    void LoadSpeed();
    void SaveSpeed();
    void storeSpeed();

    // High scores.
    frmScores &loadedScoresWindow();
    void LoadHighScores();
    void RecordHighScore();
    void SaveHighScores();
    void ShowHighScores(int newRow);

    platform::Services &services;
};
