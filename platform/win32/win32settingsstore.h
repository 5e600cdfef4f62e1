// SPDX-License-Identifier: MIT
// win32settingsstore.h: the settings in the registry, where QSettings keeps them on Windows:
// HKEY_CURRENT_USER\Software\<app>\<app>\<section>, string values named by the keys, in
// QSettings' form; other copies are held off by a named mutex.
#pragma once

#include "platform/settingsstore.h"

#include <windows.h>

#include <map>
#include <set>

namespace platform {

// A value that cannot be read (a number where a text belongs, say) is never written over.
class Win32StoreBackend final : public StoreBackend
{
public:
    ~Win32StoreBackend() override;

    std::optional<std::string> read(const StoreAddress &address) override;
    bool write(const std::string &app, const std::map<StoreAddress, std::string> &values) override;
    bool lock(const std::string &app, int ms) override;
    void unlock(const std::string &app) override;

private:
    std::set<StoreAddress> kept; // values that could not be read
    std::map<std::string, HANDLE> mutexes;
};

} // namespace platform
