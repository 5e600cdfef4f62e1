// SPDX-License-Identifier: MIT
// tst_highscores.cpp: the high-score table through whole games: who gets in, where, what is
// stored and shown, and that no entry is ever lost.
#include "gameplay.h"
#include "hostilenames.h"
#include "unittest.h"

#include <algorithm>
#include <bit>
#include <iterator>
#include <optional>

using namespace platform;

namespace {

using Texts = std::vector<std::string>;

// Stores rows from the top: each score with name N<score>.
void storeScores(FakePlatform &fake, const Texts &scores)
{
    for (int row = 1; row <= int(scores.size()); ++row) {
        fake.store.values["Tolvane/Scores/score" + rowSuffix(row)] = scores[row - 1];
        fake.store.values["Tolvane/Scores/name" + rowSuffix(row)] = "N" + scores[row - 1];
    }
}

Texts stored(FakePlatform &fake, const std::string &key)
{
    Texts texts;
    for (int row = 1; row <= HighScoreRows; ++row)
        texts.push_back(fake.store.values["Tolvane/Scores/" + key + rowSuffix(row)]);
    return texts;
}

// The texts up to the last that is not empty, separated by blanks.
std::string joined(const Texts &texts)
{
    std::string text;
    for (const std::string &t : texts)
        text += " " + t;
    const size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? "" : text.substr(1, end);
}

Texts shown(const std::array<Label *, HighScoreRows> &labels)
{
    Texts texts;
    for (const Label *label : labels)
        texts.push_back(label->caption());
    return texts;
}

} // namespace

// Scores of the stored rows before and after a game, from the top; the row its entry takes.
TEST(qualification)
{
    struct Row
    {
        const char *tag;
        const char *before;
        int score;
        const char *after;
        int row; // 0: no entry
    };
    const Row rows[] = {
            {"empty table, score 0 gets no place", "", 0, "", 0},
            {"empty table, score 1 goes to the top", "", 1, "1", 1},
            {"equal score ranks below", "5 3", 3, "5 3 3", 3},
            {"full table beaten by none", "100 90 80 70 60 50 40 30 20 10", 10,
             "100 90 80 70 60 50 40 30 20 10", 0},
            {"beating row 1 drops row 10", "100 90 80 70 60 50 40 30 20 10", 101,
             "101 100 90 80 70 60 50 40 30 20", 1},
            {"a text without a number counts as 0", "7 abc 2", 1, "7 1 abc 2", 2},
    };
    for (const Row &r : rows)
        unit::row(r.tag, [&] {
            FakePlatform fake;
            std::istringstream before(r.before);
            storeScores(fake, {std::istream_iterator<std::string>(before), {}});
            fake.date = {2026, 12, 5};
            fake.inputAnswers = {"Ann"};
            frmMain form(fake);
            playGameScoring(fake, form, r.score);
            CHECK_EQ(fake.prompts, Texts(r.row ? 1 : 0, "New high score!: Please enter a name"));
            CHECK_EQ(fake.modalsShown, Texts(r.row ? 1 : 0, "High Scores"));
            CHECK_EQ(joined(stored(fake, "score")), r.after);
            CHECK_EQ(joined(shown(form.scoresWindow->lblScore)), r.after);
            if (r.row) {
                CHECK_EQ(stored(fake, "name")[r.row - 1], "Ann");
                CHECK_EQ(stored(fake, "date")[r.row - 1], "05-Dec-26");
            }
        });
}

// A cancelled prompt enters an empty name. The new row is blue while the window shows it after
// the game, and only then.
TEST(newRowBlueWhileShownAfterTheGame)
{
    FakePlatform fake;
    storeScores(fake, {"5"});
    frmMain form(fake);
    std::vector<Colour> colours;
    fake.whileModal = [&](FakeWindow &w) {
        for (const FakeControl &label : w.labels)
            colours.push_back(label.textColour());
        colours.push_back(form.scoresWindow->lblName[1]->textColour());
    };
    playGameScoring(fake, form, 2);
    CHECK_EQ(std::ranges::count(colours, 0xFF0000), 4); // row 2's three labels
    CHECK_EQ(colours.back(), 0xFF0000u);
    CHECK_EQ(shown(form.scoresWindow->lblName)[1], "");
    CHECK_EQ(form.scoresWindow->lblScore[1]->textColour(), 0u);
    colours.clear();
    FakePlatform::click(*form.itmHighScores);
    CHECK_EQ(std::ranges::count(colours, 0xFF0000), 0);
}

TEST(namesTakenAsTyped)
{
    for (const auto &[tag, name] : hostileNames())
        unit::row(tag, [&] {
            FakePlatform fake;
            fake.inputAnswers = {name};
            frmMain form(fake);
            playGameScoring(fake, form, 1);
            CHECK_EQ(shown(form.scoresWindow->lblName)[0], name);
            CHECK_EQ(stored(fake, "name")[0], name);
        });
}

// The menu reads the table afresh and shows a score of 0 blank; a window closed from its
// title bar is loaded again.
TEST(menuShowsTheStoredTable)
{
    FakePlatform fake;
    frmMain form(fake);
    storeScores(fake, {"9", "0", "00"}); // by another copy of the game meanwhile
    Texts scores;
    fake.whileModal = [&](FakeWindow &w) {
        scores = shown(form.scoresWindow->lblScore);
        w.close();
    };
    FakePlatform::click(*form.itmHighScores);
    CHECK_EQ(scores, (Texts{"9", "", "00", "", "", "", "", "", "", ""}));
    scores.clear();
    FakePlatform::click(*form.itmHighScores);
    CHECK_EQ(scores.at(0), "9");
}

TEST(speedSurvivesRestart)
{
    FakePlatform fake;
    fake.store.values["Tolvane/Settings/speed"] = "1"; // the slider's own starting value
    std::optional<frmMain> form(std::in_place, fake);
    CHECK_EQ(form->lblTimerInterval->caption(), "1");
    play(fake, *form, "speed 750");
    FakePlatform::click(*form->itmExit);
    form.emplace(fake);
    CHECK_EQ(form->Slider->value(), 750);
    CHECK_EQ(form->lblTimerInterval->caption(), "750");
}

// Two copies of the game on one store, each opened, played to a high score and closed, in
// every order: each copy's High Scores shows every entry made so far, and the store keeps all.
TEST(twoCopiesKeepEveryEntry)
{
    for (unsigned order = 0; order < 64; ++order) {
        if (std::popcount(order) == 3)
            unit::row(std::to_string(order), [&] {
                FakePlatform fake;
                std::optional<frmMain> copies[2];
                int steps[2] = {0, 0};
                Texts played;
                for (int k = 0; k < 6; ++k) {
                    const int c = (order >> k) & 1;
                    const int step = steps[c]++;
                    if (step == 0)
                        copies[c].emplace(fake);
                    if (step == 1) {
                        played.push_back(c ? "Bravo" : "Alpha");
                        fake.inputAnswers = {played.back()};
                        playGameScoring(fake, *copies[c], 3 - c);
                    }
                    if (step == 2) {
                        FakePlatform::click(*copies[c]->itmExit);
                        copies[c].reset();
                    }
                    for (auto &copy : copies) {
                        Texts names;
                        fake.whileModal
                                = [&](FakeWindow &) { names = shown(copy->scoresWindow->lblName); };
                        if (copy)
                            FakePlatform::click(*copy->itmHighScores);
                        fake.whileModal = nullptr;
                        for (const std::string &name : played)
                            CHECK(!copy || std::ranges::count(names, name) == 1);
                    }
                }
                CHECK_EQ(stored(fake, "name")[0], "Alpha");
                CHECK_EQ(stored(fake, "name")[1], "Bravo");
            });
    }
}
