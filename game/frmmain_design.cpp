// SPDX-License-Identifier: MIT
// frmmain_design.cpp: the main window's controls, in twips and in tab order.
#include "frmmain.h"
#include "speed.h"

#include "appinfo.h"

#include <algorithm>
#include <string>

using namespace platform;

namespace {

const Font arial{"Arial", 20.25};
const Font sansSmall{"MS Sans Serif", 9.75};

struct ArrowDesign
{
    const char *name; // spoken by screen readers
    ArrowKey key;     // presses the tile
    Rect tile;
    Point tip;
    Point stemEnd;
    Point roofLeftEnd; // the barb on the arrow's own left, looking where it points
    Point roofRightEnd;
};

// Indexed by ArrowIndex: up, right, down, left.
const ArrowDesign arrows[ArrowCount] = {
        {"Up", ArrowKey::Up, {3600, 480, 735, 1095}, {3960, 720}, {3960, 1440}, {3720, 960}, {4200, 960}},
        {"Right", ArrowKey::Right, {4680, 1920, 1095, 735}, {5520, 2280}, {4800, 2280}, {5280, 2040}, {5280, 2520}},
        {"Down", ArrowKey::Down, {3600, 3000, 735, 1095}, {3960, 3840}, {3960, 3120}, {4200, 3600}, {3720, 3600}},
        {"Left", ArrowKey::Left, {2160, 1920, 1095, 735}, {2400, 2280}, {3120, 2280}, {2640, 2520}, {2640, 2040}},
};

constexpr int glyphPixels = 4;
constexpr int firstInterval = 500;
// How long the slider rests before its value is stored: a drag is one change.
constexpr int speedRestMs = 300;
constexpr Colour white = 0xFFFFFF;
constexpr Colour red = 0x0000FF;

} // namespace

const char *frmMain::arrowName(ArrowIndex index)
{
    return arrows[index].name;
}

ArrowIndex frmMain::arrowOfKey(ArrowKey key)
{
    return ArrowIndex(std::ranges::find(arrows, key, &ArrowDesign::key) - arrows);
}

void frmMain::createControls()
{
    window = services.createWindow({.caption = std::string(app::Title),
                                    .width = 9375,
                                    .height = 4395,
                                    .border = BorderStyle::None,
                                    .icon = Picture::Application});

    // Frames the speed panel; drawn beneath everything and transparent to the mouse.
    window->addRectangle({30, 0, 1575, 4335});

    lblScoreLabel = &window->addLabel(
            {.rect = {6600, 600, 1215, 495}, .caption = "Score", .font = arial});
    lblScore = &window->addLabel(
            {.rect = {8040, 600, 1335, 495}, .caption = "Label1", .font = arial});
    cmdStart = &window->addButton(
            {.rect = {6720, 2040, 2415, 615}, .caption = "Start Game", .font = arial});
    Slider = &window->addSlider({.rect = {960, 480, 495, 3135},
                                 .minimum = SlowestSpeed,
                                 .maximum = FastestSpeed,
                                 .smallStep = 10,
                                 .largeStep = 100,
                                 .tickEvery = 50,
                                 .name = "Speed",
                                 .description = "Slow at the top, fast at the bottom"});
    lblSpeed = &window->addLabel({.rect = {240, 120, 1215, 375},
                                  .caption = "SPEED",
                                  .font = {"MS Sans Serif", 12, true, true},
                                  .align = Align::Centre});
    lblFast = &window->addLabel(
            {.rect = {360, 3240, 495, 255}, .caption = "Fast", .font = sansSmall});
    lblSlow = &window->addLabel(
            {.rect = {360, 600, 495, 255}, .caption = "Slow", .font = sansSmall});
    lblTimerInterval = &window->addLabel({.rect = {360, 3840, 855, 255},
                                          .caption = "Label1",
                                          .font = sansSmall,
                                          .align = Align::Centre,
                                          .background = white});
    lblScoreLabel->setLabelFor(*lblScore);
    lblSpeed->setLabelFor(*Slider);
    lblGameOver = &window->addLabel({.rect = {3360, 1800, 1215, 975},
                                     .caption = "Game Over",
                                     .font = {"MS Sans Serif", 18},
                                     .align = Align::Centre,
                                     .background = red,
                                     .visible = false});

    for (int i = 0; i < ArrowCount; ++i)
        Box[i] = &window->addTile(arrows[i].tile, arrows[i].name, arrows[i].key);
    // The glyphs come after the tiles so that they are drawn over them.
    for (int i = 0; i < ArrowCount; ++i) {
        const ArrowDesign &a = arrows[i];
        Stem[i] = &window->addLine({a.stemEnd, a.tip, glyphPixels});
        RoofLeft[i] = &window->addLine({a.roofLeftEnd, a.tip, glyphPixels});
        RoofRight[i] = &window->addLine({a.roofRightEnd, a.tip, glyphPixels});
    }

    itmHighScores = &window->addMenuItem("High &Scores");
    itmHelp = &window->addMenuItem("&Help");
    About = &window->addMenuItem("&About");
    itmExit = &window->addMenuItem("E&xit");

    tmrNext = services.createTimer();
    tmrGap = services.createTimer();
    // Until the first arrow sets the slider's interval.
    tmrNext->setInterval(firstInterval);
    tmrGap->setInterval(firstInterval);
    tmrSaveSpeed = services.createTimer();
    tmrSaveSpeed->setInterval(speedRestMs);
}
