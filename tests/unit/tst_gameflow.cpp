// SPDX-License-Identifier: MIT
// tst_gameflow.cpp: whole games on the fake platform, tick by tick.
#include "gameplay.h"
#include "unittest.h"

using namespace platform;

namespace {

const std::string gameOverText = "Sorry, that is incorrect\r\nGAME OVER";

// Fills the first arrows of the next sequence; the rest are arrow 0.
void script(FakePlatform &fake, const std::vector<int> &arrows)
{
    for (int a : arrows)
        fake.randoms.push_back(a / 4.0);
}

} // namespace

TEST(startsIdle)
{
    FakePlatform fake;
    fake.timeOfDay = 45296789;
    frmMain form(fake);
    CHECK_EQ(fake.seed, 45296789u);
    CHECK_EQ(arrowOnShow(form), -1);
    CHECK_EQ(form.lblScore->caption(), "0");
    CHECK(!form.lblGameOver->isVisible());
    CHECK(!fake.anyTimerEnabled());
    CHECK(!form.AcceptingInput);
    CHECK_EQ(form.Slider->value(), 500);
    CHECK_EQ(form.lblTimerInterval->caption(), "500");
    CHECK_EQ(form.StepInterval, 500);
    CHECK_EQ(form.window->caption(), "Tolvane");
    CHECK_EQ(fake.beeps, 0);
}

TEST(wholeGame)
{
    FakePlatform fake;
    frmMain form(fake);
    script(fake, {0, 2, 3});
    FakePlatform::click(*form.cmdStart);

    fake.advance(499);
    CHECK_EQ(arrowOnShow(form), -1);
    fake.advance(1);
    CHECK_EQ(arrowOnShow(form), 0);
    CHECK_EQ(fake.beeps, 1);
    fake.advance(499);
    CHECK_EQ(arrowOnShow(form), 0);
    CHECK(!form.AcceptingInput);
    fake.advance(1);
    CHECK_EQ(arrowOnShow(form), -1);
    CHECK(form.AcceptingInput);
    CHECK(!fake.anyTimerEnabled());

    FakePlatform::click(*form.Box[0]);
    CHECK_EQ(fake.beeps, 2);
    CHECK_EQ(form.lblScore->caption(), "1");
    CHECK_EQ(watchPlayback(fake, form), (std::vector<int>{0, 2}));
    enter(form, {0, 2});
    CHECK_EQ(form.lblScore->caption(), "2");
    CHECK_EQ(watchPlayback(fake, form), (std::vector<int>{0, 2, 3}));
    enter(form, {0, 2});

    bool overWhileBoxShown = false;
    fake.whileBoxShown
            = [&](const ShownBox &) { overWhileBoxShown = form.lblGameOver->isVisible(); };
    FakePlatform::click(*form.Box[1]);
    CHECK_EQ(fake.boxes.size(), size_t(1));
    CHECK_EQ(fake.boxes[0].text, gameOverText);
    CHECK_EQ(fake.boxes[0].title, "Game Over");
    CHECK(fake.boxes[0].icon == BoxIcon::Exclamation);
    CHECK(overWhileBoxShown);
    CHECK(form.lblGameOver->isVisible());
    CHECK_EQ(form.lblScore->caption(), "2");
    CHECK(!form.AcceptingInput);
    CHECK(!fake.anyTimerEnabled());
    CHECK_EQ(form.Box[1]->appearance(), Appearance::Flat);
}

TEST(roundReplaysTheSequence)
{
    FakePlatform fake;
    frmMain form(fake);
    const std::vector<int> arrows{3, 1, 2, 0, 1, 3, 3, 2};
    script(fake, arrows);
    FakePlatform::click(*form.cmdStart);
    for (size_t n = 1; n <= arrows.size(); ++n) {
        const std::vector<int> round(arrows.begin(), arrows.begin() + n);
        CHECK_EQ(watchPlayback(fake, form), round);
        enter(form, round);
        CHECK_EQ(form.lblScore->caption(), std::to_string(n));
    }
}

TEST(sameArrowRepeated)
{
    FakePlatform fake;
    frmMain form(fake);
    FakePlatform::click(*form.cmdStart);
    for (int round = 1; round <= 2; ++round) {
        watchPlayback(fake, form);
        enter(form, std::vector<int>(round, 0));
    }
    const int beeps = fake.beeps;
    // Round 3 is arrow 0 three times: each shown with a beep, then a blank interval.
    for (int k = 0; k < 3; ++k) {
        fake.advance(500);
        CHECK_EQ(arrowOnShow(form), 0);
        CHECK_EQ(fake.beeps, beeps + k + 1);
        fake.advance(500);
        CHECK_EQ(arrowOnShow(form), -1);
    }
    CHECK(form.AcceptingInput);
    // Quick repeated presses on one tile each count.
    enter(form, {0, 0, 0});
    CHECK_EQ(form.lblScore->caption(), "3");
}

TEST(wrongFirstClickScoresZero)
{
    FakePlatform fake;
    frmMain form(fake);
    script(fake, {2});
    FakePlatform::click(*form.cmdStart);
    watchPlayback(fake, form);
    enter(form, {3});
    CHECK_EQ(fake.boxes.size(), size_t(1));
    CHECK_EQ(form.Score, 0);
    CHECK_EQ(form.lblScore->caption(), "0");
    CHECK(form.lblGameOver->isVisible());
    CHECK(!fake.anyTimerEnabled());
}

TEST(noInputOutsideInput)
{
    const std::vector<std::pair<std::string, int>> rows{
            // ticks; -1: after game over
            {"before the first game", -2},
            {"waiting for the first arrow", 0},
            {"arrow on show", 1},
            {"after game over", -1},
    };
    for (const auto &[tag, ticks] : rows) {
        unit::Row row(tag);
        FakePlatform fake;
        frmMain form(fake);
        if (ticks >= 0) {
            FakePlatform::click(*form.cmdStart);
            for (int i = 0; i < ticks; ++i)
                fake.advanceToNextTick();
        } else if (ticks == -1) {
            FakePlatform::click(*form.cmdStart);
            watchPlayback(fake, form);
            enter(form, {1});
        }
        const int beeps = fake.beeps;
        const size_t boxes = fake.boxes.size();
        FakePlatform::press(*form.Box[0]);
        CHECK_EQ(form.Box[0]->appearance(), Appearance::Flat);
        FakePlatform::click(*form.Box[0]);
        CHECK_EQ(fake.beeps, beeps);
        CHECK_EQ(fake.boxes.size(), boxes);
        CHECK_EQ(form.lblScore->caption(), "0");
    }
}

TEST(pressAndReleaseLook)
{
    FakePlatform fake;
    frmMain form(fake);
    FakePlatform::click(*form.cmdStart);
    watchPlayback(fake, form);
    const int beeps = fake.beeps;

    FakePlatform::press(*form.Box[2], MouseButton::Right);
    CHECK_EQ(fake.beeps, beeps);
    CHECK_EQ(form.Box[2]->appearance(), Appearance::Flat);

    FakePlatform::press(*form.Box[2]);
    CHECK_EQ(fake.beeps, beeps + 1);
    CHECK_EQ(form.Box[2]->appearance(), Appearance::ThreeD);
    FakePlatform::release(*form.Box[2], MouseButton::Right);
    CHECK_EQ(form.Box[2]->appearance(), Appearance::ThreeD);
    FakePlatform::release(*form.Box[2]);
    CHECK_EQ(form.Box[2]->appearance(), Appearance::Flat);
    CHECK_EQ(fake.beeps, beeps + 1);
    CHECK(fake.boxes.empty()); // a press and release without a click is no entry
}

TEST(firstWaitIsTheTimersInterval)
{
    FakePlatform fake;
    frmMain form(fake);
    FakePlatform::drag(*form.Slider, 950);
    FakePlatform::click(*form.cmdStart);
    fake.advance(499);
    CHECK_EQ(arrowOnShow(form), -1);
    fake.advance(1);
    CHECK_EQ(arrowOnShow(form), 0);
    fake.advance(50);
    CHECK_EQ(arrowOnShow(form), -1);
}

TEST(sliderChangeTakesEffectAtNextArrow)
{
    FakePlatform fake;
    frmMain form(fake);
    FakePlatform::click(*form.cmdStart);
    watchPlayback(fake, form);
    enter(form, {0});
    fake.advance(500); // round 2, first arrow on show
    CHECK_EQ(arrowOnShow(form), 0);
    FakePlatform::drag(*form.Slider, 800); // interval 200 from the next arrow on
    fake.advance(500);
    CHECK_EQ(arrowOnShow(form), -1);
    fake.advance(499);
    CHECK_EQ(arrowOnShow(form), -1);
    fake.advance(1);
    CHECK_EQ(arrowOnShow(form), 0); // second arrow after the old pause
    fake.advance(200);
    CHECK_EQ(arrowOnShow(form), -1);
    CHECK(form.AcceptingInput);
}

TEST(roundStartWaitsByPreviousInterval)
{
    FakePlatform fake;
    frmMain form(fake);
    FakePlatform::click(*form.cmdStart);
    watchPlayback(fake, form);
    FakePlatform::drag(*form.Slider, 900); // 100 ms, during input
    enter(form, {0});
    fake.advance(499);
    CHECK_EQ(arrowOnShow(form), -1);
    fake.advance(1);
    CHECK_EQ(arrowOnShow(form), 0);
    fake.advance(100);
    CHECK_EQ(arrowOnShow(form), -1);
    fake.advance(100);
    CHECK_EQ(arrowOnShow(form), 0);
}

// Before Start, the game runs at interval 200 with arrows 1 and 3; the new game's are 2.
TEST(start)
{
    struct StartRow
    {
        const char *tag;
        int ticks; // ticks before Start; -1 Start after game over, -2 before any game
        int wait;  // from Start to the new game's first arrow
    };
    const StartRow rows[] = {
            {"idle", -2, 500},
            {"waiting for an arrow", 2, 100}, // the pending tick shows it
            {"arrow on show", 3, 200},
            {"input", 4, 200},
            {"game over", -1, 200},
    };
    for (const auto &[tag, ticks, wait] : rows) {
        unit::Row row(tag);
        FakePlatform fake;
        frmMain form(fake);
        if (ticks != -2) {
            FakePlatform::drag(*form.Slider, 800);
            script(fake, {1, 3});
            FakePlatform::click(*form.cmdStart);
            watchPlayback(fake, form);
            enter(form, {1}); // round 2 waits for its first arrow, at 200 ms
            for (int i = 0; i < ticks; ++i)
                fake.advanceToNextTick();
            if (ticks == -1) {
                watchPlayback(fake, form);
                enter(form, {2});
            }
        }
        fake.randoms.clear();
        script(fake, {2, 2});
        if (ticks == 2)
            fake.advance(100); // halfway through the pause before arrow 2
        FakePlatform::click(*form.cmdStart);

        CHECK_EQ(form.lblScore->caption(), "0");
        CHECK(!form.lblGameOver->isVisible());
        CHECK(!form.AcceptingInput);
        CHECK_EQ(arrowOnShow(form), -1);
        fake.advance(wait - 1);
        CHECK_EQ(arrowOnShow(form), -1);
        fake.advance(1);
        CHECK_EQ(arrowOnShow(form), 2);
        CHECK_EQ(watchPlayback(fake, form), std::vector<int>{});
        CHECK(form.AcceptingInput);
        enter(form, {2});
        CHECK_EQ(form.lblScore->caption(), "1");
    }
}

TEST(lastRound)
{
    FakePlatform fake;
    frmMain form(fake);
    FakePlatform::click(*form.cmdStart);
    watchPlayback(fake, form);
    // The player is one click from completing the longest round there is.
    form.SequenceLength = frmMain::SequenceCapacity;
    form.Score = frmMain::SequenceCapacity - 1;
    form.EntryIndex = frmMain::SequenceCapacity;
    form.Sequence[frmMain::SequenceCapacity] = 3;
    FakePlatform::click(*form.Box[3]);

    CHECK_EQ(form.lblScore->caption(), "32000");
    CHECK_EQ(fake.boxes.size(), size_t(1));
    CHECK_EQ(fake.boxes[0].text,
             "Congratulations, you have repeated the whole sequence\r\nGAME OVER");
    CHECK_EQ(fake.boxes[0].title, "Game Over");
    CHECK(fake.boxes[0].icon == BoxIcon::Information);
    CHECK(form.lblGameOver->isVisible());
    CHECK(!form.AcceptingInput);
    CHECK(!fake.anyTimerEnabled());
}

// The whole last round, every arrow shown by the timers and clicked: no position beyond the
// sequence is ever read, which the sanitized build would catch.
TEST(longestRoundPlayedInFull)
{
    FakePlatform fake;
    frmMain form(fake);
    for (int i = 0; i < frmMain::SequenceCapacity; ++i)
        fake.randoms.push_back((i % 4) / 4.0);
    FakePlatform::drag(*form.Slider, 950);
    FakePlatform::click(*form.cmdStart);
    form.SequenceLength = frmMain::SequenceCapacity;
    form.Score = frmMain::SequenceCapacity - 1;
    const std::vector<int> shown = watchPlayback(fake, form);
    CHECK_EQ(shown.size(), size_t(frmMain::SequenceCapacity));
    CHECK_EQ(shown[4], 0);
    CHECK_EQ(shown.back(), 3);
    enter(form, shown);
    CHECK_EQ(form.lblScore->caption(), "32000");
    CHECK_EQ(fake.boxes.size(), size_t(1));
    CHECK(fake.boxes[0].text.starts_with("Congratulations"));
    CHECK(!fake.anyTimerEnabled());
}

TEST(sliderSetsInterval)
{
    const std::vector<std::pair<std::string, std::pair<int, int>>> rows{
            // value, interval
            {"top: slowest", {1, 999}},
            {"bottom: fastest", {950, 50}},
            {"beyond the bottom stops there", {2000, 50}},
            {"middle", {750, 250}},
    };
    for (const auto &[tag, setting] : rows) {
        unit::Row row(tag);
        const auto [value, interval] = setting;
        FakePlatform fake;
        frmMain form(fake);
        FakePlatform::drag(*form.Slider, value);
        CHECK_EQ(form.StepInterval, interval);
        CHECK_EQ(form.lblTimerInterval->caption(), std::to_string(1000 - interval));
    }
}

TEST(help)
{
    FakePlatform fake;
    frmMain form(fake);
    FakePlatform::click(*form.itmHelp);
    CHECK_EQ(fake.boxes.size(), size_t(1));
    CHECK_EQ(fake.boxes[0].title, "Playing Instructions");
    CHECK(fake.boxes[0].icon == BoxIcon::Information);
    const std::string &text = fake.boxes[0].text;
    CHECK(text.starts_with("This is a memory game where the computer will display"));
    CHECK(text.ends_with(
            "in the SAME box before moving to the next box to avoid making a mistake."));
    CHECK_EQ(std::count(text.begin(), text.end(), '\n'), 6);
    CHECK(text.find("repeat back to the computer by clicking the left mouse button on the arrows."
                    "\r\n\r\nEach time you input the correct sequence the computer will increase "
                    "the length of the sequence by one.\r\n\r\nYou can also adjust the speed at "
                    "which the computer displays the sequence at any time.\r\n\r\nPlaying Tip: "
                    "When entering your sequence make sure that you PRESS & RELEASE the mouse "
                    "button")
          != std::string::npos);
}
