// SPDX-License-Identifier: MIT
// fuzz_store.cpp: any bytes as the settings file, and any keys and values in the store, load
// without a crash; what cannot be read is reported once and read as the defaults; what loads
// is saved back unchanged.
#include "fakeplatform.h"
#include "frmmain.h"
#include "qtsettingsstore.h"
#include "speed.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <sstream>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// "Settings/speed", then "Scores/score 1" to "Scores/date 10".
std::vector<std::string> programKeys()
{
    std::vector<std::string> keys{"Settings/speed"};
    for (int row = 1; row <= HighScoreRows; ++row)
        for (const char *word : {"score", "name", "date"})
            keys.push_back(std::string("Scores/") + word + rowSuffix(row));
    return keys;
}

// The bytes as the settings file, read through the real store.
void loadFile(const QByteArray &bytes)
{
    static QTemporaryDir home;
    static const QString path = [] {
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        QDir().mkpath(home.path() + "/Tolvane");
        return home.path() + "/Tolvane/Tolvane.conf";
    }();
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate)
          && file.write(bytes) == bytes.size());
    file.close();
    platform::FakePlatform boxes;
    platform::QtSettingsStore store(boxes);
    for (const std::string &key : programKeys()) {
        const size_t slash = key.find('/');
        const std::string value
                = store.read("Tolvane", key.substr(0, slash), key.substr(slash + 1), "\x01");
        check(boxes.boxes.empty() || value == "\x01");
    }
    check(boxes.boxes.size() <= 1);
}

// Lines "key=value" as the store's contents; a key of one byte n names the program's key n.
void loadStore(const std::string &text)
{
    const std::vector<std::string> keys = programKeys();
    platform::FakePlatform fake;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        std::string key = line.substr(0, equals);
        if (key.size() == 1)
            key = keys[static_cast<unsigned char>(key[0]) % keys.size()];
        fake.store.values["Tolvane/" + key] = line.substr(equals + 1);
    }
    const auto loaded = fake.store.values;
    frmMain form(fake);
    const int speed = form.Slider->value();
    check(speed >= SlowestSpeed && speed <= FastestSpeed);
    check(form.lblTimerInterval->caption() == std::to_string(speed));
    form.window->close();
    for (size_t i = 1; i < keys.size(); ++i) {
        const auto found = loaded.find("Tolvane/" + keys[i]);
        check(fake.store.values.at("Tolvane/" + keys[i])
              == (found == loaded.end() ? "" : found->second));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    loadFile(bytes);
    loadStore(bytes.toStdString());
    return 0;
}
