// SPDX-License-Identifier: MIT
// qtsettingsstore.cpp: QSettings, a lock file beside it, and what goes wrong with them.
#include "qtsettingsstore.h"

#include "qtconvert.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QStringDecoder>
#include <QThread>

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

QString where(const StoreAddress &address)
{
    return toQt(std::get<1>(address) + "/" + std::get<2>(address));
}

} // namespace

QtStoreBackend::QtStoreBackend() = default;

QtStoreBackend::~QtStoreBackend() = default;

QtStoreBackend::File &QtStoreBackend::open(const std::string &app)
{
    auto [it, added] = files.try_emplace(app);
    File &file = it->second;
    if (added) {
        file.settings = openSettings(app);
        file.unreadable = whyUnreadable(*file.settings, toQt(app));
        if (!file.unreadable.isEmpty())
            report({StoreFailure::Unreadable, fromQt(file.settings->fileName()),
                    fromQt(file.unreadable)});
    }
    return file;
}

std::optional<std::string> QtStoreBackend::read(const StoreAddress &address)
{
    File &file = open(std::get<0>(address));
    if (!file.unreadable.isEmpty())
        return std::nullopt;
    // Another copy of the game may have saved since: read the file as it is now.
    file.settings->sync();
    const QVariant value = file.settings->value(where(address));
    if (!value.isValid())
        return std::nullopt;
    // An unquoted comma in a hand-edited file reads as a list.
    if (value.typeId() == QMetaType::QStringList)
        return fromQt(value.toStringList().join(QStringLiteral(", ")));
    return fromQt(value.toString());
}

// QSettings merges the values with what other copies saved and replaces the file whole.
bool QtStoreBackend::write(const std::string &app,
                           const std::map<StoreAddress, std::string> &values)
{
    File &file = open(app);
    if (!file.unreadable.isEmpty() && !keepUnreadable(app, file))
        return false;
    QSettings &settings = *file.settings;
    for (const auto &[address, value] : values)
        settings.setValue(where(address), toQt(value));
    settings.sync();
    if (settings.status() == QSettings::AccessError) {
        report({StoreFailure::Unwritable, fromQt(settings.fileName()),
                fromQt(whyUnwritable(settings.fileName()))});
        return false;
    }
    // Another copy tells a changed file by its size and its time, which counts milliseconds:
    // the next save, by any copy, comes in a later one.
    const qint64 saved = QFileInfo(settings.fileName()).lastModified().toMSecsSinceEpoch();
    while (QDateTime::currentMSecsSinceEpoch() <= saved)
        QThread::usleep(100);
    return true;
}

// Moves the file that could not be read out of the way, so that saving cannot replace it, and
// starts a clean file, with nothing taken from the old one.
bool QtStoreBackend::keepUnreadable(const std::string &app, File &file)
{
    const QString name = file.settings->fileName();
    const QString kept = name + QStringLiteral(".unreadable-")
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!QFile::exists(name) || QFile::rename(name, kept)) {
        file.settings = openSettings(app);
        file.unreadable.clear();
        return true;
    }
    report({StoreFailure::Unwritable, fromQt(name),
            "it could not be read, and cannot be moved aside to save a new one"});
    return false;
}

bool QtStoreBackend::lock(const std::string &app, int ms)
{
    File &file = open(app);
    const QString name = file.settings->fileName();
    QDir().mkpath(QFileInfo(name).path());
    // QSettings holds "<file>.lock" while it saves.
    file.lock = std::make_unique<QLockFile>(name + QStringLiteral(".step-lock"));
    // A lock that cannot even be made (the folder is not writable) holds no other copy off
    // either; the save that follows tells what is wrong.
    return file.lock->tryLock(ms) || file.lock->error() != QLockFile::LockFailedError;
}

void QtStoreBackend::unlock(const std::string &app)
{
    files.at(app).lock.reset();
}

} // namespace platform
