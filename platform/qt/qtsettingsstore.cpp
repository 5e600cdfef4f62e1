// SPDX-License-Identifier: MIT
// qtsettingsstore.cpp: QSettings, with failures told to the player and nothing stored lost.
#include "qtsettingsstore.h"

#include "qtconvert.h"

#include "platform/services.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStringDecoder>
#include <QTimer>

namespace platform {

namespace {

// Why the file that QSettings will read is unusable, or empty when it is fine or absent
// (or is the Windows registry, which is no file).
QString whyUnreadable(const QSettings &settings, const QString &app)
{
    QFile file(settings.fileName());
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError() || text.contains(QChar(0)) || settings.status() == QSettings::FormatError)
        return QStringLiteral("it is not a settings file that %1 can read").arg(app);
    return {};
}

QString whyUnwritable(const QString &fileName)
{
    // QSettings creates the folder as it saves; a folder still missing could not be made.
    if (!QFileInfo(fileName).dir().exists())
        return QStringLiteral("its folder cannot be created");
    QSaveFile probe(fileName);
    if (!probe.open(QIODevice::WriteOnly))
        return probe.errorString();
    probe.cancelWriting();
    return QStringLiteral("the disk may be full");
}

std::unique_ptr<QSettings> openSettings(const std::string &app)
{
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                toQt(app), toQt(app));
    // Each user's values are that user's alone: nothing from system-wide files or keys.
    settings->setFallbacksEnabled(false);
    return settings;
}

} // namespace

QtSettingsStore::QtSettingsStore(Services &services) : services(services) { }

QtSettingsStore::~QtSettingsStore() = default;

QtSettingsStore::File &QtSettingsStore::open(const std::string &app)
{
    auto [it, added] = files.try_emplace(app);
    File &file = it->second;
    if (added) {
        file.settings = openSettings(app);
        file.unreadable = whyUnreadable(*file.settings, toQt(app));
        if (!file.unreadable.isEmpty())
            report(app, readReported,
                   QStringLiteral("%1 could not read its settings from\n%2\n(%3).\n\n"
                                  "The game goes on with the default speed and an empty "
                                  "high-score table. The file is kept as it is, beside the new "
                                  "one, when the game next saves.")
                           .arg(toQt(app), file.settings->fileName(), file.unreadable));
    }
    return file;
}

std::string QtSettingsStore::read(const std::string &app, const std::string &section,
                                  const std::string &key, const std::string &fallback)
{
    File &file = open(app);
    const QString where = toQt(section + "/" + key);
    // This copy's own writes that are not saved yet are the newest values.
    if (const auto unsaved = file.unsaved.constFind(where); unsaved != file.unsaved.cend())
        return fromQt(*unsaved);
    if (!file.unreadable.isEmpty())
        return fallback;
    // Another copy of the game may have saved since: read the file as it is now.
    file.settings->sync();
    const QVariant value = file.settings->value(where);
    if (!value.isValid())
        return fallback;
    // An unquoted comma in a hand-edited file reads as a list.
    if (value.typeId() == QMetaType::QStringList)
        return fromQt(value.toStringList().join(QStringLiteral(", ")));
    return fromQt(value.toString());
}

void QtSettingsStore::write(const std::string &app, const std::string &section,
                            const std::string &key, const std::string &value)
{
    open(app).unsaved.insert(toQt(section + "/" + key), toQt(value));
    if (!flushPending) {
        flushPending = true;
        QTimer::singleShot(0, &flushContext, [this] { flush(); });
    }
}

void QtSettingsStore::flush()
{
    flushPending = false;
    for (auto &[app, file] : files)
        save(app, file);
}

// The unsaved values go into the file together: QSettings merges them with what other copies
// saved meanwhile and replaces the file whole.
void QtSettingsStore::save(const std::string &app, File &file)
{
    if (file.unsaved.isEmpty() || (!file.unreadable.isEmpty() && !keepUnreadable(app, file)))
        return;
    QSettings &settings = *file.settings;
    for (auto value = file.unsaved.cbegin(); value != file.unsaved.cend(); ++value)
        settings.setValue(value.key(), value.value());
    file.unsaved.clear();
    settings.sync();
    if (settings.status() == QSettings::AccessError)
        report(app, writeReported,
               QStringLiteral("%1 could not save its settings to\n%2\n(%3).\n\n"
                              "The game goes on, but the speed and the high scores of this "
                              "session are not stored.")
                       .arg(toQt(app), settings.fileName(), whyUnwritable(settings.fileName())));
}

// Moves the file that could not be read out of the way, so that saving cannot replace it, and
// starts a clean file, with nothing taken from the old one.
bool QtSettingsStore::keepUnreadable(const std::string &app, File &file)
{
    const QString name = file.settings->fileName();
    const QString kept = name + QStringLiteral(".unreadable-")
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!QFile::exists(name) || QFile::rename(name, kept)) {
        file.settings = openSettings(app);
        file.unreadable.clear();
        return true;
    }
    report(app, writeReported,
           QStringLiteral("%1 could not read its settings from\n%2\nand cannot move that "
                          "file aside, so it does not save over it. The speed and the high "
                          "scores of this session are not stored.")
                   .arg(toQt(app), name));
    return false;
}

void QtSettingsStore::report(const std::string &app, bool &reported, const QString &text)
{
    if (reported)
        return;
    reported = true;
    services.messageBox(fromQt(text), app, BoxIcon::Exclamation);
}

} // namespace platform
