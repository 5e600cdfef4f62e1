// SPDX-License-Identifier: MIT
// settingsstore.h: per-user text values that survive a restart, addressed by application, section
// and key.
#pragma once

#include <string>

namespace platform {

class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // The stored text, or fallback when nothing is stored there. Never fails: a store that
    // cannot be read answers fallback and tells the player itself.
    virtual std::string read(const std::string &app, const std::string &section,
                             const std::string &key, const std::string &fallback)
            = 0;
    // Creates or replaces the value. The writes of one event handler reach the disk
    // together, so a stored table is never half old and half new.
    virtual void write(const std::string &app, const std::string &section, const std::string &key,
                       const std::string &value)
            = 0;
};

} // namespace platform
