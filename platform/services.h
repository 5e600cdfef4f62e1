// SPDX-License-Identifier: MIT
// services.h: everything the windows ask of the platform besides their controls.
#pragma once

#include "settingsstore.h"
#include "timer.h"
#include "types.h"
#include "window.h"

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class Services
{
public:
    virtual ~Services() = default;

    virtual std::unique_ptr<Window> createWindow(const WindowDesign &design) = 0;
    virtual std::unique_ptr<Timer> createTimer() = 0; // disabled; set an interval before enabling

    virtual void beep() = 0;
    // A beep is near: the first one must not wait for the sound system to start up.
    virtual void prepareBeep() { }
    // Modal, one OK button; lines are separated by CR LF. Returns once dismissed.
    virtual void messageBox(const std::string &text, const std::string &title, BoxIcon icon) = 0;
    // Modal, empty field, OK and Cancel. OK gives the text as typed, Cancel "".
    virtual std::string inputBox(const std::string &prompt, const std::string &title) = 0;

    virtual Date today() = 0;
    virtual int msSinceMidnight() = 0;

    virtual void randomize(std::uint64_t seed) = 0;
    virtual double random() = 0; // uniform in [0, 1)

    virtual SettingsStore &settingsStore() = 0;
};

} // namespace platform
