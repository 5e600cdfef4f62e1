// SPDX-License-Identifier: MIT
// savehelper.cpp: a copy of the program on the real settings file, for the test that kills it
// while it saves.
//   savehelper save K   saves table K, K+1, ... (every row's score is the table's number),
//                       printing each number once it is on disk, until killed
//   savehelper check    prints the number of the stored table, "mixed" or "unreadable"
#include "fakeplatform.h"
#include "frmmain.h"
#include "qtsettingsstore.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace {

const std::string app = "Tolvane";

std::string key(const char *word, int row)
{
    return word + rowSuffix(row);
}

class RealStorePlatform : public platform::FakePlatform
{
public:
    platform::SettingsStore &settingsStore() override { return store; }
    platform::QtSettingsStore store{*this};
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const std::string mode = argc > 1 ? argv[1] : "";
    RealStorePlatform services;
    if (mode == "save" && argc > 2) {
        for (long k = std::atol(argv[2]);; ++k) {
            frmMain form(services);
            for (int row = 1; row <= HighScoreRows; ++row) {
                services.store.write(app, "Scores", key("score", row), std::to_string(k));
                services.store.write(app, "Scores", key("name", row),
                                     "Player " + std::to_string(k));
            }
            form.window->close(); // the shutdown saves the speed and the whole table
            services.store.flush();
            std::printf("%ld\n", k);
            std::fflush(stdout);
        }
    }
    if (mode != "check") {
        std::fprintf(stderr, "usage: savehelper save K | savehelper check\n");
        return 2;
    }
    std::set<std::string> tables;
    for (int row = 1; row <= HighScoreRows; ++row) {
        const std::string score = services.store.read(app, "Scores", key("score", row), "");
        const std::string name = services.store.read(app, "Scores", key("name", row), "");
        tables.insert(name == "Player " + score ? score : "mixed");
    }
    std::printf("%s\n", !services.boxes.empty() ? "unreadable"
                        : tables.size() == 1    ? tables.begin()->c_str()
                                                : "mixed");
}
