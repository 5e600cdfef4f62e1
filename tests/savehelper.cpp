// SPDX-License-Identifier: MIT
// savehelper.cpp: a copy of the program on the real settings file, driven from outside.
//   savehelper save K   saves table K, K+1, ... (every row's score is the table's number),
//                       printing each number once it is on disk, until killed
//   savehelper check    prints the number of the stored table, "mixed" or "unreadable"
//   savehelper copy     a copy of the game taking commands, one a line, each answered by a
//                       line: "play SCORE NAME" (a game to that score, the name if asked),
//                       "menu" (the names that High Scores shows, tab-separated), "exit"
#include "frmmain.h"
#include "gameplay.h"
#include "realstore.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <set>
#include <string>

namespace {

const std::string app = "Tolvane";

void writeTable(platform::SettingsStore &store, long k)
{
    for (int row = 1; row <= HighScoreRows; ++row) {
        store.write(app, "Scores", "score" + rowSuffix(row), std::to_string(k));
        store.write(app, "Scores", "name" + rowSuffix(row), "Player " + std::to_string(k));
        store.write(app, "Scores", "date" + rowSuffix(row), "06-Dec-26");
    }
}

int copy()
{
    RealStorePlatform services;
    frmMain form(services);
    std::string command;
    while (std::cin >> command) {
        if (command == "play") {
            int score = 0;
            std::string name;
            std::cin >> score >> name;
            services.inputAnswers.push_back(name);
            playGameScoring(services, form, score);
        } else if (command == "menu") {
            services.whileModal = [&](platform::FakeWindow &) {
                for (const platform::Label *label : form.scoresWindow->lblName)
                    std::cout << label->caption() << '\t';
            };
            platform::FakePlatform::click(*form.itmHighScores);
            services.whileModal = nullptr;
        } else if (command == "exit") {
            form.window->close();
        }
        services.store.flush();
        std::cout << std::endl;
        if (command == "exit") // failing: the store told the player of a failure
            return std::ranges::any_of(services.boxes,
                                       [](const auto &box) { return box.title == app; });
    }
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "save" && argc > 2) {
        RealStorePlatform services;
        for (long k = std::atol(argv[2]);; ++k) {
            frmMain form(services);
            writeTable(services.store, k);
            form.window->close(); // the shutdown saves the speed and the whole table
            services.store.flush();
            std::printf("%ld\n", k);
            std::fflush(stdout);
        }
    }
    if (mode == "copy")
        return copy();
    if (mode == "check") {
        platform::FakePlatform boxes;
        platform::QtSettingsStore store(boxes);
        std::set<std::string> tables;
        for (int row = 1; row <= HighScoreRows; ++row) {
            const std::string score = store.read(app, "Scores", "score" + rowSuffix(row), "");
            const std::string name = store.read(app, "Scores", "name" + rowSuffix(row), "");
            tables.insert(name == "Player " + score ? score : "mixed");
        }
        std::printf("%s\n", !boxes.boxes.empty() ? "unreadable"
                            : tables.size() == 1 ? tables.begin()->c_str()
                                                 : "mixed");
        return 0;
    }
    std::fprintf(stderr, "usage: savehelper save K | savehelper check | savehelper copy\n");
    return 2;
}
