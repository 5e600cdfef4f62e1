// SPDX-License-Identifier: MIT
// qtsettingsstore.h: the settings on QSettings: an INI file per user on Linux, the registry on
// Windows; other copies are held off by a lock file beside it.
#pragma once

#include "platform/settingsstore.h"

#include <QString>

#include <map>
#include <memory>

class QLockFile;
class QSettings;

namespace platform {

// A file that cannot be read is never overwritten: before the first save it is kept beside the
// new one.
class QtStoreBackend final : public StoreBackend
{
public:
    QtStoreBackend();
    ~QtStoreBackend() override;

    std::optional<std::string> read(const StoreAddress &address) override;
    bool write(const std::string &app, const std::map<StoreAddress, std::string> &values) override;
    bool lock(const std::string &app, int ms) override;
    void unlock(const std::string &app) override;

private:
    struct File
    {
        std::unique_ptr<QSettings> settings;
        QString unreadable; // why the stored file could not be read, empty if it could
        std::unique_ptr<QLockFile> lock;
    };

    File &open(const std::string &app);
    bool keepUnreadable(const std::string &app, File &file);

    std::map<std::string, File> files;
};

} // namespace platform
