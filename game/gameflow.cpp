// SPDX-License-Identifier: MIT
// gameflow.cpp: one game: the sequence, its playback by the two timers, and the player's entry.
#include "frmmain.h"
#include "speed.h"

#include <string>
#include <utility>

using namespace platform;

void frmMain::cmdStartClick()
{
    // The first arrow, with its beep, comes one timer interval from now.
    services.prepareBeep();
    PlayIndex = 1;
    SequenceLength = 1;
    Score = 0;
    showScore();
    AcceptingInput = false;
    lblGameOver->setVisible(false);
    StepInterval = stepInterval(Slider->value());
    // A restart can interrupt an arrow on show: stop its pending hide and clear the board,
    // or the old glyph would linger into the new game.
    tmrGap->setEnabled(false);
    hideAllArrows();
    GenerateSequence();
    StartPlayback();
}

void frmMain::GenerateSequence()
{
    for (int position = 1; position <= SequenceCapacity; ++position)
        Sequence[position] = arrowFromRandom(services.random());
}

void frmMain::StartPlayback()
{
    AcceptingInput = false;
    dropKey();
    // Already running after a restart during the wait: the pending tick shows the first arrow.
    tmrNext->setEnabled(true);
}

void frmMain::tmrNextTick()
{
    // A slider change takes effect here, for this arrow's time on show and the pause after it.
    tmrNext->setInterval(StepInterval);
    tmrGap->setInterval(StepInterval);
    services.beep();
    ShowArrow(Sequence[PlayIndex]);
    window->announce(arrowName(Sequence[PlayIndex]));
    ++PlayIndex;
    tmrNext->setEnabled(false);
    tmrGap->setEnabled(true);
}

void frmMain::tmrGapTick()
{
    HideArrow(Sequence[PlayIndex - 1]);
    tmrGap->setEnabled(false);
    if (PlayIndex == SequenceLength + 1) {
        AcceptingInput = true;
        EntryIndex = 1;
    } else {
        tmrNext->setEnabled(true);
    }
}

void frmMain::BoxPress(ArrowIndex index, MouseButton button)
{
    if (button != MouseButton::Left || !AcceptingInput)
        return;
    services.beep();
    Box[index]->setAppearance(Appearance::ThreeD);
}

void frmMain::BoxRelease(ArrowIndex index, MouseButton button)
{
    if (button != MouseButton::Left || !AcceptingInput)
        return;
    Box[index]->setAppearance(Appearance::Flat);
}

void frmMain::BoxClick(ArrowIndex index)
{
    if (AcceptingInput)
        CheckEntry(index);
}

// An arrow key presses its tile as the left button does: down sinks it and beeps, up raises it
// and enters it. One tile at a time: a second key, or the auto-repeat of the held one, does
// nothing.
void frmMain::arrowKeyDown(ArrowIndex index)
{
    if (keyHeld || !AcceptingInput)
        return;
    keyHeld = index;
    BoxPress(index, MouseButton::Left);
}

void frmMain::arrowKeyUp(ArrowIndex index)
{
    if (keyHeld != index)
        return;
    keyHeld.reset();
    Box[index]->setAppearance(Appearance::Flat);
    BoxClick(index);
}

// The entry has ended (by the mouse): a tile a key still holds comes up and enters nothing.
void frmMain::dropKey()
{
    if (keyHeld)
        Box[*std::exchange(keyHeld, std::nullopt)]->setAppearance(Appearance::Flat);
}

void frmMain::CheckEntry(ArrowIndex index)
{
    if (Sequence[EntryIndex] == index)
        ++EntryIndex;
    else
        EndGame("Sorry, that is incorrect\r\nGAME OVER", BoxIcon::Exclamation);

    if (EntryIndex > SequenceLength) {
        ++SequenceLength;
        ++Score;
        showScore();
        // The sequence holds no arrow for the round after the longest one.
        if (SequenceLength > SequenceCapacity) {
            EndGame("Congratulations, you have repeated the whole sequence\r\nGAME OVER",
                    BoxIcon::Information);
            return;
        }
        PlayIndex = 1;
        StartPlayback();
    }
}

void frmMain::EndGame(const std::string &message, BoxIcon icon)
{
    dropKey();
    lblGameOver->setVisible(true);
    window->announce("Game Over");
    services.messageBox(message, "Game Over", icon);
    if (unloaded)
        return;
    AcceptingInput = false;
    RecordHighScore();
}

void frmMain::ResetBoard()
{
    hideAllArrows();
    Score = 0;
    showScore();
}

void frmMain::ShowArrow(ArrowIndex index)
{
    Stem[index]->setVisible(true);
    RoofLeft[index]->setVisible(true);
    RoofRight[index]->setVisible(true);
}

void frmMain::HideArrow(ArrowIndex index)
{
    Stem[index]->setVisible(false);
    RoofLeft[index]->setVisible(false);
    RoofRight[index]->setVisible(false);
}

void frmMain::hideAllArrows()
{
    for (ArrowIndex i = 0; i < ArrowCount; ++i)
        HideArrow(i);
}

void frmMain::showScore()
{
    lblScore->setCaption(std::to_string(Score));
    window->announce("Score " + std::to_string(Score));
}
