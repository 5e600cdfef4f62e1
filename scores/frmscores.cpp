// SPDX-License-Identifier: MIT
// frmscores.cpp: the high-score window and its controls, in twips.
#include "frmscores.h"

#include <vector>

using namespace platform;

namespace {

Font sans(double points)
{
    return {"MS Sans Serif", points};
}

constexpr Colour blue = 0xFF0000;
constexpr Colour black = 0;
constexpr int rowTop = 960;
constexpr int rowPitch = 480;
constexpr int rowHeight = 375;

} // namespace

frmScores::frmScores(Services &services)
    : window(services.createWindow({.caption = "High Scores",
                                    .width = 5880,
                                    .height = 6675,
                                    .border = BorderStyle::FixedSingle,
                                    .icon = Picture::Application}))
{
    window->addRectangle({120, 120, 5655, 5655});
    window->addLine({{120, 720}, {5760, 720}, 1});
    lblTitle1 = &window->addLabel({.rect = {360, 240, 855, 375},
                                   .caption = "Score",
                                   .font = sans(13.5),
                                   .align = Align::Centre});
    lblTitle2 = &window->addLabel(
            {.rect = {1800, 240, 855, 375}, .caption = "Name", .font = sans(13.5)});
    lblTitle3 = &window->addLabel({.rect = {4440, 240, 855, 375},
                                   .caption = "Date",
                                   .font = sans(13.5),
                                   .align = Align::Centre});
    for (int k = 0; k < HighScoreRows; ++k) {
        const int top = rowTop + rowPitch * k;
        lblScore[k] = &window->addLabel(
                {.rect = {240, top, 735, rowHeight}, .font = sans(12), .align = Align::Right});
        lblName[k] = &window->addLabel({.rect = {1560, top, 2295, rowHeight}, .font = sans(12)});
        lblDate[k] = &window->addLabel({.rect = {4320, top, 1335, rowHeight}, .font = sans(12)});
    }
    cmdClose = &window->addButton(
            {.rect = {1920, 6000, 1695, 495}, .caption = "CLOSE", .font = sans(12)});
    // After CLOSE, which keeps the focus when no row is selected.
    std::vector<std::vector<Label *>> table{{lblTitle1, lblTitle2, lblTitle3}};
    for (int k = 0; k < HighScoreRows; ++k)
        table.push_back({lblScore[k], lblName[k], lblDate[k]});
    window->addTable(table);

    // CLOSE only hides the window: its rows stay for the next showing.
    cmdClose->onClick = [this] { window->hide(); };
    window->onUnload = [this] { unloaded = true; };
}

void frmScores::showTable(const HighScoreTable &table)
{
    for (int row = 1; row <= HighScoreRows; ++row) {
        const HighScoreEntry &entry = table[row - 1];
        lblScore[row - 1]->setCaption(entry.ScoreText == "0" ? "" : entry.ScoreText);
        lblName[row - 1]->setCaption(entry.PlayerName);
        lblDate[row - 1]->setCaption(entry.DateText);
    }
}

void frmScores::markRow(int row)
{
    if (marked != 0)
        setRowColour(marked, black);
    if (row != 0)
        setRowColour(row, blue);
    window->selectTableRow(row);
    marked = row;
}

void frmScores::setRowColour(int row, Colour colour)
{
    for (Label *label : {lblScore[row - 1], lblName[row - 1], lblDate[row - 1]})
        label->setTextColour(colour);
}
