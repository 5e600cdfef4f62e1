// SPDX-License-Identifier: MIT
// tst_highscores.cpp: the high-score table through whole games: who gets in, where, what is
// stored and shown.
#include "gameplay.h"
#include "unittest.h"

using namespace platform;

namespace {

std::string &stored(FakePlatform &fake, const std::string &key, int row)
{
    return fake.store.values["Tolvane/Scores/" + key + rowSuffix(row)];
}

// Rows 1 to 10, separated by blanks, up to the last that is not empty.
std::string joined(const std::function<std::string(int row)> &text)
{
    std::string all;
    for (int row = 1; row <= HighScoreRows; ++row)
        all += (row > 1 ? " " : "") + text(row);
    return all.substr(0, all.find_last_not_of(' ') + 1);
}

// The scores High Scores shows.
std::string shownScores(const frmMain &form)
{
    return joined([&](int row) { return form.scoresWindow->lblScore[row - 1]->caption(); });
}

} // namespace

// Scores of the stored rows (named N<score>) before and after a game, from the top; the row
// its entry takes, with the name as typed (a cancelled prompt gives an empty one). The row is
// blue while the table shows after the game, and black again after.
TEST_CASE("qualification")
{
    const std::string typed = "  <b>Åsa</b> & Bo =;#[]%\\\"'@Variant(x)\r\n";
    // {tag, scores before, score, scores after, the entry's row (0: none), name}
    const std::tuple<const char *, const char *, int, const char *, int, std::string> rows[] = {
            {"empty table, score 0 gets no place", "", 0, "", 0, typed},
            {"empty table, score 1 goes to the top", "", 1, "1", 1, typed},
            {"equal score ranks below", "5 3", 3, "5 3 3", 3, ""},
            {"full table beaten by none", "100 90 80 70 60 50 40 30 20 10", 10,
             "100 90 80 70 60 50 40 30 20 10", 0, typed},
            {"beating row 1 drops row 10", "100 90 80 70 60 50 40 30 20 10", 101,
             "101 100 90 80 70 60 50 40 30 20", 1, std::string(10000, 'x')},
            {"a text without a number counts as 0", "7 abc 2", 1, "7 1 abc 2", 2, typed},
    };
    for (const auto &[tag, before, score, after, entry, name] : rows) {
        INFO(std::string(tag));
        FakePlatform fake;
        std::istringstream scores(before);
        int row = 0;
        for (std::string text; scores >> text;) {
            stored(fake, "score", ++row) = text;
            stored(fake, "name", row) = "N" + text;
        }
        fake.date = {2026, 12, 5};
        fake.inputAnswers = {name};
        frmMain form(fake);
        long blue = -1;
        Colour nameColour = 1; // of the entry's row
        std::string scoresShown = "<not shown>";
        fake.whileModal = [&](FakeWindow &w) {
            blue = std::ranges::count(w.labels, Colour(0xFF0000), &FakeControl::textColour);
            if (entry)
                nameColour = form.scoresWindow->lblName[entry - 1]->textColour();
            scoresShown = shownScores(form);
        };
        playGameScoring(fake, form, score);
        CHECK_EQ(fake.prompts,
                 std::vector<std::string>(entry ? 1 : 0, "New high score!: Please enter a name"));
        CHECK_EQ(blue, entry ? 3 : -1); // its score, name and date
        CHECK_EQ(nameColour, Colour(entry ? 0xFF0000 : 1));
        CHECK_EQ(scoresShown, entry ? after : "<not shown>");
        CHECK_EQ(joined([&](int row) { return stored(fake, "score", row); }), after);
        if (entry) {
            CHECK_EQ(stored(fake, "name", entry), name);
            CHECK_EQ(form.scoresWindow->lblName[entry - 1]->caption(), name);
            CHECK_EQ(stored(fake, "date", entry), "05-Dec-26");
        }
        FakePlatform::click(*form.itmHighScores);
        CHECK_EQ(blue, 0);
        CHECK_EQ(nameColour, Colour(entry ? 0 : 1)); // black again
        CHECK_EQ(scoresShown, after);
    }
}

// The program may end with a modal window open (at logout, say): closed while the game-over box
// shows, it asks for no name and enters nothing, and has stored the table it read.
TEST_CASE("endedWhileGameOverShows")
{
    FakePlatform fake;
    stored(fake, "score", 1) = "9";
    frmMain form(fake);
    fake.whileBoxShown = [&] { form.window->close(); };
    playGameScoring(fake, form, 10);
    CHECK(fake.prompts.empty());
    CHECK(fake.modalsShown.empty());
    CHECK_EQ(stored(fake, "score", 1), "9");
    CHECK_EQ(fake.store.saves.size(), 2u); // the speed and the table, at exit
}

// Closed while High Scores shows (at logout, say), the program keeps that window until it closes.
TEST_CASE("endedWhileHighScoresShow")
{
    FakePlatform fake;
    frmMain form(fake);
    fake.whileModal = [&](FakeWindow &) { form.window->close(); };
    FakePlatform::click(*form.itmHighScores);
    CHECK(form.scoresWindow);
}
