// SPDX-License-Identifier: MIT
// frmabout.h: the About window: the icon, the title and version, an updates panel, the web address.
#pragma once

#include "platform/services.h"

#include <cstdint>
#include <memory>
#include <string>

// "v" major "." minor "." revision, each in plain digits: v1.0.0, v2.10.3.
std::string versionText(std::int16_t major, std::int16_t minor, std::int16_t revision);

class frmAbout
{
public:
    // Loads the window, hidden, from its design; the load step sets its texts.
    explicit frmAbout(platform::Services &services);

    // Returns once the window is unloaded: by OK, Enter, Escape or its own close box.
    void showModal() { window->showModal(); }

    std::unique_ptr<platform::Window> window;
    platform::Button *cmdOK = nullptr;
    platform::Label *lblVersion = nullptr;
    platform::Frame *fraUpdates = nullptr;
    platform::TextBox *txtUpdates = nullptr;
    platform::Label *lblWebsite = nullptr;

private:
    void Load();
};
