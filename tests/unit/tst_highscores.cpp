// SPDX-License-Identifier: MIT
// tst_highscores.cpp: the high-score table through whole games: who gets in, where, what is stored
// and shown.
#include "gameplay.h"
#include "hostilenames.h"
#include "unittest.h"

#include <optional>

using namespace platform;

namespace {

const std::string scores = "Tolvane/Scores/";

// Stores rows from the top: {score, name, date} each.
void storeRows(FakePlatform &fake, const std::vector<HighScoreEntry> &rows)
{
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string suffix = rowSuffix(int(i) + 1);
        fake.store.values[scores + "score" + suffix] = rows[i].ScoreText;
        fake.store.values[scores + "name" + suffix] = rows[i].PlayerName;
        fake.store.values[scores + "date" + suffix] = rows[i].DateText;
    }
}

std::vector<HighScoreEntry> fullTable()
{
    std::vector<HighScoreEntry> rows;
    for (int score = 100; score > 0; score -= 10)
        rows.push_back({std::to_string(score), "P" + std::to_string(score), "01-Jan-26"});
    return rows;
}

using Texts = std::vector<std::string>;

Texts shownScores(const frmScores &form)
{
    Texts texts;
    for (const Label *label : form.lblScore)
        texts.push_back(label->caption());
    return texts;
}

Texts storedScores(const FakePlatform &fake)
{
    Texts texts;
    for (int row = 1; row <= HighScoreRows; ++row)
        texts.push_back(fake.store.values.at(scores + "score" + rowSuffix(row)));
    return texts;
}

} // namespace

TEST(qualification)
{
    const Texts full{"100", "90", "80", "70", "60", "50", "40", "30", "20", "10"};
    struct Case
    {
        const char *tag;
        Texts before; // ScoreText of the stored rows from the top
        int score;
        Texts after; // ScoreText of rows 1 to 10 after the game
        int row;     // where the new entry goes, 0 for nowhere
    };
    const Case cases[] = {
            {"empty table, score 0 gets no place", {}, 0, Texts(10), 0},
            {"empty table, score 1 goes to the top",
             {},
             1,
             {"1", "", "", "", "", "", "", "", "", ""},
             1},
            {"equal score ranks below",
             {"5", "3"},
             3,
             {"5", "3", "3", "", "", "", "", "", "", ""},
             3},
            {"full table beaten by none", full, 10, full, 0},
            {"beating row 1 drops row 10",
             full,
             101,
             {"101", "100", "90", "80", "70", "60", "50", "40", "30", "20"},
             1},
            {"a text without a number counts as 0",
             {"7", "abc", "2"},
             1,
             {"7", "1", "abc", "2", "", "", "", "", "", ""},
             2},
    };
    for (const Case &c : cases) {
        unit::Row row(c.tag);
        FakePlatform fake;
        std::vector<HighScoreEntry> rows;
        for (const std::string &score : c.before)
            rows.push_back({score, "N" + score, "02-Feb-26"});
        storeRows(fake, rows);
        fake.date = {2026, 12, 5};
        fake.inputAnswers = {"Ann"};
        frmMain form(fake);
        playGameScoring(fake, form, c.score);

        CHECK_EQ(fake.prompts, c.row ? Texts{"New high score!: Please enter a name"} : Texts{});
        CHECK_EQ(fake.modalsShown, c.row ? Texts{"High Scores"} : Texts{});
        CHECK_EQ(storedScores(fake), c.after);
        CHECK_EQ(shownScores(*form.scoresWindow), c.after);
        if (c.row) {
            const std::string suffix = rowSuffix(c.row);
            CHECK_EQ(fake.store.values[scores + "name" + suffix], "Ann");
            CHECK_EQ(fake.store.values[scores + "date" + suffix], "05-Dec-26");
        }
    }
}

TEST(highlightOnlyWhileShownAfterInsertion)
{
    FakePlatform fake;
    storeRows(fake, {{"5", "Bo", "01-Jan-26"}});
    fake.inputAnswers = {"Ann"};
    frmMain form(fake);
    std::vector<Colour> whileShown;
    fake.whileModal = [&](FakeWindow &) {
        for (int k = 0; k < HighScoreRows; ++k)
            for (const auto *labels : {&form.scoresWindow->lblScore, &form.scoresWindow->lblName,
                                       &form.scoresWindow->lblDate})
                whileShown.push_back((*labels)[k]->textColour());
    };
    playGameScoring(fake, form, 2); // row 2, below Bo's 5

    std::vector<Colour> expected(30, 0);
    expected[3] = expected[4] = expected[5] = 0xFF0000;
    CHECK_EQ(whileShown, expected);
    for (const Label *label : form.scoresWindow->lblName)
        CHECK_EQ(label->textColour(), Colour(0));

    whileShown.clear();
    FakePlatform::click(*form.itmHighScores);
    CHECK_EQ(whileShown, std::vector<Colour>(30, 0));
}

TEST(cancelInsertsEmptyName)
{
    FakePlatform fake;
    fake.date = {2026, 3, 9};
    frmMain form(fake); // no answer queued: the prompt is cancelled
    std::string nameWhileShown = "?";
    Colour colourWhileShown = 0;
    fake.whileModal = [&](FakeWindow &) {
        nameWhileShown = form.scoresWindow->lblName[0]->caption();
        colourWhileShown = form.scoresWindow->lblName[0]->textColour();
    };
    playGameScoring(fake, form, 1);
    CHECK_EQ(fake.prompts.size(), size_t(1));
    CHECK_EQ(nameWhileShown, "");
    CHECK_EQ(colourWhileShown, Colour(0xFF0000));
    CHECK_EQ(fake.store.values[scores + "score 1"], "1");
    CHECK_EQ(fake.store.values[scores + "name 1"], "");
    CHECK_EQ(fake.store.values[scores + "date 1"], "09-Mar-26");
}

TEST(namesTakenAsTyped)
{
    for (const auto &[tag, name] : hostileNames()) {
        unit::Row row(tag);
        FakePlatform fake;
        fake.inputAnswers = {name};
        frmMain form(fake);
        playGameScoring(fake, form, 1);
        CHECK_EQ(form.scoresWindow->lblName[0]->caption(), name);
        CHECK_EQ(fake.store.values[scores + "name 1"], name);
    }
}

TEST(thirtyWritesInOrder)
{
    FakePlatform fake;
    storeRows(fake, fullTable());
    frmMain form(fake);
    playGameScoring(fake, form, 0);
    std::vector<std::pair<std::string, std::string>> expected;
    const auto rows = fullTable();
    for (int row = 1; row <= HighScoreRows; ++row) {
        const std::string suffix = rowSuffix(row);
        expected.emplace_back(scores + "score" + suffix, rows[row - 1].ScoreText);
        expected.emplace_back(scores + "name" + suffix, rows[row - 1].PlayerName);
        expected.emplace_back(scores + "date" + suffix, rows[row - 1].DateText);
    }
    CHECK_EQ(fake.store.writes, expected);
    CHECK(fake.prompts.empty());
    CHECK(fake.modalsShown.empty());
}

TEST(zeroShownBlank)
{
    FakePlatform fake;
    storeRows(fake, {{"0", "Zed", "01-Jan-26"}, {"00", "Two", "01-Jan-26"}});
    frmMain form(fake);
    CHECK_EQ(form.scoresWindow->lblScore[0]->caption(), "");
    CHECK_EQ(form.scoresWindow->lblName[0]->caption(), "Zed");
    CHECK_EQ(form.scoresWindow->lblScore[1]->caption(), "00");
}

TEST(menuReloadsAndShows)
{
    FakePlatform fake;
    frmMain form(fake);
    storeRows(fake, {{"9", "Late", "07-Jul-26"}}); // written by another copy meanwhile
    std::string shown;
    fake.whileModal = [&](FakeWindow &w) {
        shown = form.scoresWindow->lblName[0]->caption();
        FakePlatform::click(*form.scoresWindow->cmdClose);
        CHECK(!w.isVisible());
    };
    FakePlatform::click(*form.itmHighScores);
    CHECK_EQ(shown, "Late");
    CHECK_EQ(fake.modalsShown, std::vector<std::string>{"High Scores"});
    // CLOSE hides: the rows stay for the next showing.
    CHECK_EQ(form.scoresWindow->lblName[0]->caption(), "Late");
}

TEST(closedFromTitleBarIsLoadedAgain)
{
    FakePlatform fake;
    storeRows(fake, {{"9", "Ann", "07-Jul-26"}});
    frmMain form(fake);
    fake.whileModal = [](FakeWindow &w) { w.close(); };
    FakePlatform::click(*form.itmHighScores);
    CHECK(form.scoresWindow->isUnloaded());

    std::string shown;
    fake.whileModal = [&](FakeWindow &) { shown = form.scoresWindow->lblName[0]->caption(); };
    FakePlatform::click(*form.itmHighScores);
    CHECK(!form.scoresWindow->isUnloaded());
    CHECK_EQ(shown, "Ann");
}

TEST(startUpAndShutdownOrder)
{
    FakePlatform fake;
    fake.store.values["Tolvane/Settings/speed"] = "600";
    std::optional<frmMain> form(std::in_place, fake);
    CHECK_EQ(fake.store.reads.size(), size_t(31));
    CHECK_EQ(fake.store.reads.front(), "Tolvane/Settings/speed");
    CHECK_EQ(fake.store.reads[1], "Tolvane/Scores/score 1");
    CHECK_EQ(fake.store.reads.back(), "Tolvane/Scores/date 10");
    CHECK(fake.findWindow("High Scores"));
    CHECK(!fake.findWindow("High Scores")->isVisible());
    CHECK(fake.store.writes.empty());

    form->window->close();
    CHECK_EQ(fake.store.writes.size(), size_t(31));
    CHECK_EQ(fake.store.writes.front(),
             std::make_pair(std::string("Tolvane/Settings/speed"), std::string("600")));
    CHECK_EQ(fake.store.writes.back(),
             std::make_pair(std::string("Tolvane/Scores/date 10"), std::string()));
    CHECK(!fake.findWindow("High Scores"));
}

TEST(speedSurvivesRestart)
{
    FakePlatform fake;
    {
        frmMain form(fake);
        FakePlatform::drag(*form.Slider, 750);
        FakePlatform::click(*form.itmExit);
    }
    CHECK_EQ(fake.store.values["Tolvane/Settings/speed"], "750");
    frmMain form(fake);
    CHECK_EQ(form.Slider->value(), 750);
    CHECK_EQ(form.lblTimerInterval->caption(), "750");
    CHECK_EQ(form.StepInterval, 250);
}

TEST(storedSpeed)
{
    const std::vector<std::pair<std::string, int>> rows{
            // "-" for nothing stored
            {"-", 500},    // first run
            {"1", 1},      // the slider's own starting value
            {"fast", 500}, // unusable text
            {"5000", 950}, // out of range
    };
    for (const auto &[stored, value] : rows) {
        unit::Row row(stored);
        FakePlatform fake;
        if (stored != "-")
            fake.store.values["Tolvane/Settings/speed"] = stored;
        frmMain form(fake);
        CHECK_EQ(form.Slider->value(), value);
        CHECK_EQ(form.lblTimerInterval->caption(), std::to_string(value));
        CHECK_EQ(int(form.StepInterval), 1000 - value);
    }
}
