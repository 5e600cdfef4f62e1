// SPDX-License-Identifier: MIT
// qtservices.h: the platform services on Qt Widgets.
#pragma once

#include "qtbell.h"
#include "qtsettingsstore.h"

#include "platform/random.h"
#include "platform/services.h"

namespace platform {

class QtServices final : public Services
{
public:
    std::unique_ptr<Window> createWindow(const WindowDesign &design) override;
    std::unique_ptr<Timer> createTimer() override;
    void beep() override;
    void prepareBeep() override;
    void messageBox(const std::string &text, const std::string &title, BoxIcon icon) override;
    std::string inputBox(const std::string &prompt, const std::string &title) override;
    Date today() override;
    int msSinceMidnight() override;
    void randomize(std::uint64_t seed) override { generator.seed(seed); }
    double random() override { return generator.next(); }
    SettingsStore &settingsStore() override { return store; }

private:
    QtBell bell;
    Random generator;
    QtStoreBackend storage;
    SettingsStore store{storage};
};

} // namespace platform
