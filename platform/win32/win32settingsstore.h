// SPDX-License-Identifier: MIT
// win32settingsstore.h: the settings store in the registry, where QSettings keeps it on
// Windows: HKEY_CURRENT_USER\Software\<app>\<app>\<section>, string values named by the keys.
#pragma once

#include "platform/settingsstore.h"

#include <set>
#include <string>

namespace platform {

class Services;

// A store that cannot be read or written is reported once per kind of failure and per
// run; the game goes on, and a value that could not be read is never written over. Texts
// are kept in QSettings' form. Each value is written as it comes.
class Win32SettingsStore final : public SettingsStore
{
public:
    explicit Win32SettingsStore(Services &services) : services(services) { }
    std::string read(const std::string &app, const std::string &section, const std::string &key,
                     const std::string &fallback) override;
    void write(const std::string &app, const std::string &section, const std::string &key,
               const std::string &value) override;

private:
    void report(const std::string &app, bool &reported, const std::string &what, long error);

    Services &services;
    std::set<std::string> kept; // "app\\section\\key" of values that could not be read
    bool readReported = false;
    bool writeReported = false;
};

} // namespace platform
