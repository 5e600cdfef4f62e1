// SPDX-License-Identifier: MIT
// fuzz_store.cpp: any bytes as the settings file, and any values in the store, load without a
// crash; what cannot be read is reported once and read as the defaults; the slider shows a
// speed in its range; the table is saved back unchanged. Any text gives the speed and the
// score value that the C library's reading of its number gives.
#include "fakeplatform.h"
#include "frmmain.h"
#include "highscores.h"
#include "qtsettingsstore.h"
#include "speed.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <regex>
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

void checkTexts(const std::string &text)
{
    // The speed: a whole number between blanks that fits an int, clamped; else the default.
    static const std::regex speed(" *([+-]?[0-9]+) *");
    std::smatch match;
    int expected = DefaultSpeed;
    errno = 0;
    if (std::regex_match(text, match, speed)) {
        const long long value = std::strtoll(match.str(1).c_str(), nullptr, 10);
        if (errno == 0 && value >= INT32_MIN && value <= INT32_MAX)
            expected = int(std::clamp<long long>(value, SlowestSpeed, FastestSpeed));
    }
    check(speedFromText(text) == expected);
    // The score: the leading number after blanks, digits with at most one point; else 0.
    static const std::regex score(" *([+-]?([0-9]+[.]?[0-9]*|[.][0-9]+))");
    check(scoreValue(text)
          == (std::regex_search(text, match, score, std::regex_constants::match_continuous)
                      ? std::strtod(match.str(1).c_str(), nullptr)
                      : 0.0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    static const std::vector<std::string> keys = programKeys();
    static QTemporaryDir home;
    static const QString path = [] {
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        QDir().mkpath(home.path() + "/Tolvane");
        return home.path() + "/Tolvane/Tolvane.conf";
    }();
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    checkTexts(bytes);

    // The bytes as the settings file, read through the real store.
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate)
          && file.write(bytes.data(), qint64(size)) == qint64(size));
    file.close();
    platform::FakePlatform boxes;
    platform::QtSettingsStore store(boxes);
    for (const std::string &key : keys) {
        const size_t slash = key.find('/');
        const std::string value
                = store.read("Tolvane", key.substr(0, slash), key.substr(slash + 1), "\x01");
        check(boxes.boxes.empty() || value == "\x01");
    }
    check(boxes.boxes.size() <= 1);

    // The bytes' lines as the values of the program's keys, in turn.
    platform::FakePlatform fake;
    std::istringstream lines(bytes);
    for (const std::string &key : keys)
        if (std::string line; std::getline(lines, line))
            fake.store.values["Tolvane/" + key] = line;
    const auto loaded = fake.store.values;
    frmMain form(fake);
    const int speed = form.Slider->value();
    check(speed >= SlowestSpeed && speed <= FastestSpeed);
    check(form.lblTimerInterval->caption() == std::to_string(speed));
    form.window->close();
    for (const std::string &key : std::vector(keys.begin() + 1, keys.end())) {
        const auto found = loaded.find("Tolvane/" + key);
        check(fake.store.values["Tolvane/" + key] == (found == loaded.end() ? "" : found->second));
    }
    return 0;
}
