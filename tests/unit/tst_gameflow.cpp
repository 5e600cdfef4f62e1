// SPDX-License-Identifier: MIT
// tst_gameflow.cpp: whole games on the fake platform, tick by tick.
#include "gameplay.h"
#include "unittest.h"

using namespace platform;
using Texts = std::vector<std::string>;

TEST_CASE("wholeGame")
{
    FakePlatform fake;
    fake.inputAnswers = {"Ann"}; // the name for a high score
    frmMain form(fake);
    play(fake, form, "arrows 0 2 3, start, wait 999");
    CHECK(!form.AcceptingInput); // until the arrow has gone
    fake.advance(1);
    CHECK(form.AcceptingInput);
    CHECK(!fake.anyTimerEnabled());
    // A tile sinks while the left button holds it; a press and release is no entry.
    Tile &tile = *form.Box[2];
    FakePlatform::press(tile, MouseButton::Right);
    CHECK_EQ(tile.appearance(), Appearance::Flat);
    FakePlatform::press(tile);
    FakePlatform::release(tile, MouseButton::Right);
    CHECK_EQ(tile.appearance(), Appearance::ThreeD);
    FakePlatform::release(tile);
    CHECK_EQ(tile.appearance(), Appearance::Flat);
    play(fake, form, "enter 0");
    CHECK_EQ(fake.beeps, 3); // the arrow shown, the two left presses
    CHECK_EQ(form.lblScore->caption(), "1");
    CHECK_EQ(watchPlayback(fake, form), (std::vector<int>{0, 2}));
    play(fake, form, "enter 0 2");
    CHECK_EQ(watchPlayback(fake, form), (std::vector<int>{0, 2, 3}));

    bool overWhileBoxShown = false;
    fake.whileBoxShown = [&] { overWhileBoxShown = form.lblGameOver->isVisible(); };
    play(fake, form, "enter 0 2 1");
    CHECK_EQ(fake.boxes, (Texts{"(!) Game Over: Sorry, that is incorrect\r\nGAME OVER"}));
    CHECK(overWhileBoxShown);
    CHECK_EQ(fake.announced, (Texts{"Score 0", "Score 0", "Up", "Score 1", "Up", "Down", "Score 2",
                                    "Up", "Down", "Left", "Game Over"}));
    CHECK_EQ(form.lblScore->caption(), "2");
    CHECK(!fake.anyTimerEnabled());
    bool closed = false; // by its OK
    fake.whileModal
            = [&](FakeWindow &w) { closed = (FakePlatform::click(w.buttons[0]), !w.isVisible()); };
    FakePlatform::click(*form.About);
    CHECK(closed);
    CHECK_EQ(fake.modalsShown, (Texts{"High Scores", "About Tolvane"}));
    play(fake, form, "start");
    CHECK_EQ(form.lblScore->caption(), "0");
}

// While the player enters, an arrow key presses its tile as the left button does: down sinks
// it and beeps, up raises it and enters it, one tile at a time. Outside the entry neither a
// press, a click nor a key does anything. The steps from a fresh start, the beeps they make,
// the tile down after them (-1: none) and the score.
TEST_CASE("entries")
{
    const std::string arrow = "arrows 2, start, watch, ";
    const std::string nothing = "press 0, enter 0, down 0, up 0";
    const std::tuple<std::string, std::string, int, int, const char *> rows[] = {
            {"down sinks the tile and beeps", arrow + "down 2", 2, 2, "0"},
            {"up raises it and enters it", arrow + "down 2, up 2", 2, -1, "1"},
            {"auto-repeat does nothing more", arrow + "down 2, down 2, down 2, up 2", 2, -1, "1"},
            {"a second key does nothing", arrow + "down 2, down 0, up 0", 2, 2, "0"},
            {"the first key enters after it", arrow + "down 2, down 0, up 0, up 2", 2, -1, "1"},
            {"an up without its down", arrow + "up 2", 1, -1, "0"},
            {"held as the mouse ends the round", arrow + "down 0, enter 2", 3, -1, "1"},
            {"held as the mouse ends the game", arrow + "down 0, enter 1", 3, -1, "0"},
            {"nothing before the first game", nothing, 0, -1, "0"},
            {"nothing waiting for the first arrow", "start, " + nothing, 0, -1, "0"},
            {"nothing while an arrow shows", "start, tick, " + nothing, 1, -1, "0"},
            {"nothing after game over", "start, lose, " + nothing, 2, -1, "0"},
    };
    for (const auto &[tag, steps, beeps, down, score] : rows) {
        INFO(tag);
        FakePlatform fake;
        frmMain form(fake);
        play(fake, form, steps);
        CHECK_EQ(fake.beeps, beeps);
        for (int i = 0; i < ArrowCount; ++i)
            CHECK_EQ(form.Box[i]->appearance(), i == down ? Appearance::ThreeD : Appearance::Flat);
        CHECK_EQ(form.lblScore->caption(), score);
    }
}

// When the arrows show and hide after the steps, as "ms:arrow" from their end (-1: none), each
// with its own beep; the round shown is then entered. The restarts begin a new game, with arrow
// 2 first, from a game at 200 ms an arrow in round 2, whose arrows are 1 and 3. The program held
// up (a paused machine, a slow paint) in round 3 at 100 ms an arrow: a tick late by less than a
// tenth of its interval keeps the round's schedule; later than that the rest of the round moves,
// never catching up, so that no arrow and no gap is ever cut short by more than that tenth.
TEST_CASE("playbackTimes")
{
    const std::string roundTwo = "speed 800, arrows 1 3, start, watch, enter 1, ";
    const std::string roundThree
            = "speed 900, arrows 0 1 2, start, watch, enter 0, watch, enter 0 1, ";
    const std::tuple<std::string, std::string, std::string, std::string> rows[] = {
            {"the first wait is the timers' own", "speed 950, start", "500:0 550:-1", "1"},
            {"a new speed takes effect at the next arrow; a repeated arrow shows twice",
             "start, watch, enter 0, wait 500, speed 800", "500:-1 1000:0 1200:-1", "2"},
            {"a round starts after the interval it ended with", "start, watch, speed 900, enter 0",
             "500:0 600:-1 700:0 800:-1", "2"},
            {"restart before any game", "arrows 2, start", "500:2 1000:-1", "1"},
            {"restart waiting for an arrow: its pending tick shows it",
             roundTwo + "tick, tick, wait 100, arrows 2, start", "100:2 300:-1", "1"},
            {"restart while an arrow shows", roundTwo + "tick, tick, tick, arrows 2, start",
             "200:2 400:-1", "1"},
            {"restart after game over", roundTwo + "lose, arrows 2, start", "200:2 400:-1", "1"},
            {"a tick late by under a tenth", roundThree + "wait 150, stall 59",
             "1:-1 91:1 191:-1 291:2 391:-1", "3"},
            {"a tick late by a tenth", roundThree + "wait 150, stall 60",
             "1:-1 100:1 200:-1 300:2 400:-1", "3"},
            {"a tick late by more than an interval", roundThree + "wait 150, stall 300",
             "1:-1 100:1 200:-1 300:2 400:-1", "3"},
            {"an arrow held up by under a tenth", roundThree + "slow 9",
             "109:0 200:-1 300:1 400:-1 500:2 600:-1", "3"},
            {"an arrow held up by a tenth or more", roundThree + "slow 30",
             "130:0 230:-1 330:1 430:-1 530:2 630:-1", "3"},
    };
    for (const auto &[tag, steps, changes, score] : rows) {
        INFO(tag);
        FakePlatform fake;
        fake.inputAnswers = {"Ann"}; // the name for a high score
        frmMain form(fake);
        play(fake, form, steps);
        std::string seen;
        int was = arrowOnShow(form);
        std::vector<int> shown(was == -1 ? 0 : 1, was);
        const int beeps = fake.beeps;
        for (const long long start = fake.now; fake.now - start < 1500;) {
            fake.advance(1);
            if (const int arrow = arrowOnShow(form); arrow != was) {
                seen += seen.empty() ? "" : " ";
                seen += std::to_string(fake.now - start) + ":" + std::to_string(arrow);
                if (arrow != -1)
                    shown.push_back(arrow);
                was = arrow;
            }
        }
        CHECK_EQ(seen, changes);
        CHECK_EQ(fake.beeps - beeps, int(std::ranges::count(changes, ':') / 2));
        CHECK(form.AcceptingInput);
        CHECK(!form.lblGameOver->isVisible());
        enter(form, shown);
        CHECK_EQ(form.lblScore->caption(), score);
    }
}

// The last two rounds, every arrow shown by the timers and clicked: the game goes on after the
// one before the longest, and no position beyond the sequence is ever read, which the sanitized
// build would catch.
TEST_CASE("longestRoundPlayedInFull")
{
    FakePlatform fake;
    fake.inputAnswers = {"Ann"}; // the name for a high score
    frmMain form(fake);
    for (int i = 0; i < frmMain::SequenceCapacity; ++i)
        fake.randoms.push_back((i % 4) / 4.0);
    play(fake, form, "speed 950, start");
    form.SequenceLength = frmMain::SequenceCapacity - 1;
    form.Score = frmMain::SequenceCapacity - 2;
    enter(form, watchPlayback(fake, form));
    CHECK(fake.boxes.empty());
    enter(form, watchPlayback(fake, form));
    CHECK_EQ(form.Sequence[frmMain::SequenceCapacity], 3); // the last arrow drawn too
    CHECK_EQ(form.lblScore->caption(), "32000");
    CHECK_EQ(fake.boxes, (Texts{"(i) Game Over: Congratulations, you have repeated the whole "
                                "sequence\r\nGAME OVER"}));
    CHECK(!fake.anyTimerEnabled());
}

// Each start of the program draws other sequences: the generator is seeded from the clock.
TEST_CASE("seededFromTheClock")
{
    const auto firstArrows = [](int time) {
        FakePlatform fake;
        fake.time = time;
        frmMain form(fake);
        play(fake, form, "start");
        return std::vector<int>(form.Sequence.begin() + 1, form.Sequence.begin() + 33);
    };
    CHECK(firstArrows(36000000) != firstArrows(36000001));
    CHECK_EQ(firstArrows(36000000), firstArrows(36000000));
}
