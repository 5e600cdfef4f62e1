// SPDX-License-Identifier: MIT
// win32services.h: the platform services on the Win32 API.
#pragma once

#include "win32settingsstore.h"

#include "platform/random.h"
#include "platform/services.h"

namespace platform {

class Win32Services final : public Services
{
public:
    std::unique_ptr<Window> createWindow(const WindowDesign &design) override;
    std::unique_ptr<Timer> createTimer() override;
    void beep() override;
    void messageBox(const std::string &text, const std::string &title, BoxIcon icon) override;
    std::string inputBox(const std::string &prompt, const std::string &title) override;
    Date today() override;
    int msSinceMidnight() override;
    void randomize(std::uint64_t seed) override { generator.seed(seed); }
    double random() override { return generator.next(); }
    SettingsStore &settingsStore() override { return store; }

    // Runs the program's messages until the given window is closed, which the end of the
    // session does too.
    int run(Window &main);

private:
    Random generator;
    Win32StoreBackend storage;
    SettingsStore store{storage};
};

} // namespace platform
