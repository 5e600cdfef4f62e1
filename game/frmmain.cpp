// SPDX-License-Identifier: MIT
// frmmain.cpp: the main window's life: start-up, shutdown, its menu and the wiring of its events.
#include "frmmain.h"

#include "frmabout.h"
#include "storefailure.h"

#include "appinfo.h"

using namespace platform;

namespace {

const char *const helpText
        = "This is a memory game where the computer will display a sequence of arrows which you "
          "have to memorise and then repeat back to the computer by clicking the left mouse button "
          "on the arrows.\r\n\r\n"
          "Each time you input the correct sequence the computer will increase the length of the "
          "sequence by one.\r\n\r\n"
          "You can also adjust the speed at which the computer displays the sequence at any time."
          "\r\n\r\n"
          "Playing Tip: When entering your sequence make sure that you PRESS & RELEASE the mouse "
          "button in the SAME box before moving to the next box to avoid making a mistake.";

} // namespace

frmMain::frmMain(Services &services) : services(services)
{
    services.settingsStore().onFailure = [this](const StoreFailure &failure) {
        this->services.messageBox(storeFailureText(failure), std::string(app::Title),
                                  BoxIcon::Exclamation);
    };
    createControls();
    connectEvents();
    Load();
}

void frmMain::connectEvents()
{
    window->onUnload = [this] { Unload(); };
    itmHighScores->onClick = [this] { itmHighScoresClick(); };
    itmHelp->onClick = [this] { itmHelpClick(); };
    About->onClick = [this] { AboutClick(); };
    itmExit->onClick = [this] { window->close(); };

    cmdStart->onClick = [this] { cmdStartClick(); };
    tmrNext->onTick = [this] { tmrNextTick(); };
    tmrGap->onTick = [this] { tmrGapTick(); };
    for (ArrowIndex i = 0; i < ArrowCount; ++i) {
        Box[i]->onPress = [this, i](MouseButton button) { BoxPress(i, button); };
        Box[i]->onRelease = [this, i](MouseButton button) { BoxRelease(i, button); };
        Box[i]->onClick = [this, i] { BoxClick(i); };
    }
    window->onArrowKeyDown = [this](ArrowKey key) { arrowKeyDown(arrowOfKey(key)); };
    window->onArrowKeyUp = [this](ArrowKey key) { arrowKeyUp(arrowOfKey(key)); };

    Slider->onChange = [this] { SliderChange(); };
    Slider->onScroll = [this] { SliderChange(); };
    tmrSaveSpeed->onTick = [this] { storeSpeed(); };
}

void frmMain::show()
{
    window->show();
}

void frmMain::Load()
{
    services.randomize(static_cast<std::uint64_t>(services.msSinceMidnight()));
    AcceptingInput = false;
    LoadSpeed();
    // The high-score window is loaded when it is first shown.
    {
        const SettingsStore::Step step(services.settingsStore(), std::string(app::Title));
        LoadHighScores();
    }
    ResetBoard();
}

// Closing is never refused; a game in progress ends without a high-score entry. The program
// may end with a modal window open (at logout, say): the handler that opened it then ends
// with nothing more done.
void frmMain::Unload()
{
    unloaded = true;
    SaveSpeed();
    {
        // Write back the store's own table: this copy's entries are in it since their games
        // ended, and another copy may have added newer ones.
        const SettingsStore::Step step(services.settingsStore(), std::string(app::Title));
        LoadHighScores();
        SaveHighScores();
    }
    // One showing modally is destroyed with the main window, once its showing has ended.
    if (scoresWindow && !scoresWindow->window->isVisible())
        scoresWindow.reset();
}

void frmMain::savePending()
{
    if (tmrSaveSpeed->isEnabled())
        storeSpeed();
}

void frmMain::itmHelpClick()
{
    services.messageBox(helpText, "Playing Instructions", BoxIcon::Information);
}

// A new About window each time, gone once it closes.
void frmMain::AboutClick()
{
    frmAbout about(services);
    about.showModal();
}
