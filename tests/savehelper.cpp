// savehelper.cpp: game-over saves through the program's own code, for the kill test.
//   savehelper save K   saves table K, K+1, ... (every row's score is the table's number),
//                       printing each number once it is on disk, until killed
//   savehelper check    prints the number of the stored table, "mixed" or "unreadable"
#include "fakeplatform.h"
#include "frmmain.h"
#include "qtservices.h"
#include "qtsettingsstore.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "save" && argc > 2) {
        platform::QtServices services;
        for (long k = std::atol(argv[2]);; ++k) {
            frmMain form(services);
            for (HighScoreEntry &entry : form.HighScores)
                entry = {std::to_string(k), "Player " + std::to_string(k), "06-Dec-26"};
            form.window->close();   // the shutdown saves the speed and the whole table
            services.settingsStore().flush();
            std::printf("%ld\n", k);
            std::fflush(stdout);
        }
    }
    if (mode == "check") {
        platform::FakePlatform boxes;
        platform::QtSettingsStore store(boxes);
        std::set<std::string> tables;
        for (int row = 1; row <= HighScoreRows; ++row) {
            const std::string score = store.read("Tolvane", "Scores", "score" + rowSuffix(row), "");
            const std::string name = store.read("Tolvane", "Scores", "name" + rowSuffix(row), "");
            tables.insert(name == "Player " + score ? score : "mixed");
        }
        std::printf("%s\n", !boxes.boxes.empty() ? "unreadable"
                            : tables.size() == 1 ? tables.begin()->c_str() : "mixed");
        return 0;
    }
    std::fprintf(stderr, "usage: savehelper save K | savehelper check\n");
    return 2;
}
