// SPDX-License-Identifier: MIT
// qtsettingsstore.h: the settings store on QSettings: an INI file per user on Linux, the registry
// on Windows.
#pragma once

#include "platform/settingsstore.h"

#include <QMap>
#include <QObject>
#include <QString>

#include <map>
#include <memory>

class QSettings;

namespace platform {

class Services;

// Writes reach the disk together once control is back in the event loop, and at flush(). A read
// gives the file as it is now, with this run's unsaved writes over it.
// A store that cannot be read or written is reported once per kind of failure and per
// run; the game goes on. A file that could not be read is never overwritten: before
// the first save it is kept beside the new one.
class QtSettingsStore final : public SettingsStore
{
public:
    explicit QtSettingsStore(Services &services);
    ~QtSettingsStore() override;

    std::string read(const std::string &app, const std::string &section, const std::string &key,
                     const std::string &fallback) override;
    void write(const std::string &app, const std::string &section, const std::string &key,
               const std::string &value) override;
    void flush();

private:
    struct File
    {
        std::unique_ptr<QSettings> settings;
        QString unreadable;             // why the stored file could not be read, empty if it could
        QMap<QString, QString> unsaved; // this run's writes that are not in the file yet
    };

    File &open(const std::string &app);
    void save(const std::string &app, File &file);
    bool keepUnreadable(const std::string &app, File &file);
    void report(const std::string &app, bool &reported, const QString &text);

    Services &services;
    QObject flushContext; // a pending flush dies with the store
    std::map<std::string, File> files;
    bool flushPending = false;
    bool readReported = false;
    bool writeReported = false;
};

} // namespace platform
