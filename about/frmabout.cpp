// SPDX-License-Identifier: MIT
// frmabout.cpp: the About window: its controls in twips and in tab order, and its events.
#include "frmabout.h"

#include "appinfo.h"

using namespace platform;

namespace {

constexpr Colour white = 0xFFFFFF;
constexpr Colour blue = 0xFF0000;

} // namespace

std::string versionText(std::int16_t major, std::int16_t minor, std::int16_t revision)
{
    std::string text = "v";
    text += std::to_string(major);
    text += '.';
    text += std::to_string(minor);
    text += '.';
    return text += std::to_string(revision);
}

frmAbout::frmAbout(Services &services)
    : window(services.createWindow({.width = 7500,
                                    .height = 5445,
                                    .border = BorderStyle::FixedDialog,
                                    .icon = Picture::Information}))
{
    cmdOK = &window->addButton({.rect = {6120, 5040, 1260, 345},
                                .caption = "OK",
                                .isDefault = true,
                                .isCancel = true});
    window->addPicture({240, 240, 540, 540}, Picture::Application, std::string(app::Title));
    fraUpdates = &window->addFrame({.rect = {120, 2280, 7335, 2655},
                                    .caption = "Updates",
                                    .font = {"MS Sans Serif", 9.75, true}});
    txtUpdates = &fraUpdates->addTextBox({120, 360, 7095, 2175});
    lblVersion = &window->addLabel(
            {.rect = {1080, 600, 3885, 345}, .font = {"MS Sans Serif", 12, true}});
    lblWebsite = &window->addLabel({.rect = {1050, 5040, 4725, 360},
                                    .caption = std::string(app::HomePage),
                                    .font = {"MS Sans Serif", 12, true},
                                    .align = Align::Centre,
                                    .background = blue});
    lblWebsite->setTextColour(white);

    cmdOK->onClick = [this] { window->close(); };
    Load();
}

void frmAbout::Load()
{
    window->setCaption("About " + std::string(app::Title));
    lblVersion->setCaption(versionText(app::Major, app::Minor, app::Revision));
}
