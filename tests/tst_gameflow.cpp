// tst_gameflow.cpp: whole games on the fake platform, tick by tick.
#include "testing.h"
#include "gameplay.h"

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

class tst_GameFlow : public QObject
{
    Q_OBJECT

private slots:
    void startsIdle();
    void wholeGame();
    void roundReplaysTheSequence();
    void sameArrowRepeated();
    void wrongFirstClickScoresZero();
    void noInputOutsideInput_data();
    void noInputOutsideInput();
    void pressAndReleaseLook();
    void firstWaitIsTheTimersInterval();
    void sliderChangeTakesEffectAtNextArrow();
    void roundStartWaitsByPreviousInterval();
    void start_data();
    void start();
    void lastRound();
    void longestRoundPlayedInFull();
    void sliderSetsInterval_data();
    void sliderSetsInterval();
    void help();
};

void tst_GameFlow::startsIdle()
{
    FakePlatform fake;
    fake.timeOfDay = 45296789;
    frmMain form(fake);
    QCOMPARE(fake.seed, 45296789u);
    QCOMPARE(arrowOnShow(form), -1);
    QCOMPARE(form.lblScore->caption(), "0");
    QVERIFY(!form.lblGameOver->isVisible());
    QVERIFY(!fake.anyTimerEnabled());
    QVERIFY(!form.AcceptingInput);
    QCOMPARE(form.Slider->value(), 500);
    QCOMPARE(form.lblTimerInterval->caption(), "500");
    QCOMPARE(form.StepInterval, 500);
    QCOMPARE(form.window->caption(), "Tolvane");
    QCOMPARE(fake.beeps, 0);
}

void tst_GameFlow::wholeGame()
{
    FakePlatform fake;
    frmMain form(fake);
    script(fake, {0, 2, 3});
    FakePlatform::click(*form.cmdStart);

    fake.advance(499);
    QCOMPARE(arrowOnShow(form), -1);
    fake.advance(1);
    QCOMPARE(arrowOnShow(form), 0);
    QCOMPARE(fake.beeps, 1);
    fake.advance(499);
    QCOMPARE(arrowOnShow(form), 0);
    QVERIFY(!form.AcceptingInput);
    fake.advance(1);
    QCOMPARE(arrowOnShow(form), -1);
    QVERIFY(form.AcceptingInput);
    QVERIFY(!fake.anyTimerEnabled());

    FakePlatform::click(*form.Box[0]);
    QCOMPARE(fake.beeps, 2);
    QCOMPARE(form.lblScore->caption(), "1");
    QCOMPARE(watchPlayback(fake, form), (std::vector<int>{0, 2}));
    enter(form, {0, 2});
    QCOMPARE(form.lblScore->caption(), "2");
    QCOMPARE(watchPlayback(fake, form), (std::vector<int>{0, 2, 3}));
    enter(form, {0, 2});

    bool overWhileBoxShown = false;
    fake.whileBoxShown = [&](const ShownBox &) { overWhileBoxShown = form.lblGameOver->isVisible(); };
    FakePlatform::click(*form.Box[1]);
    QCOMPARE(fake.boxes.size(), size_t(1));
    QCOMPARE(fake.boxes[0].text, gameOverText);
    QCOMPARE(fake.boxes[0].title, "Game Over");
    QVERIFY(fake.boxes[0].icon == BoxIcon::Exclamation);
    QVERIFY(overWhileBoxShown);
    QVERIFY(form.lblGameOver->isVisible());
    QCOMPARE(form.lblScore->caption(), "2");
    QVERIFY(!form.AcceptingInput);
    QVERIFY(!fake.anyTimerEnabled());
    QCOMPARE(form.Box[1]->appearance(), Appearance::Flat);
}

void tst_GameFlow::roundReplaysTheSequence()
{
    FakePlatform fake;
    frmMain form(fake);
    const std::vector<int> arrows{3, 1, 2, 0, 1, 3, 3, 2};
    script(fake, arrows);
    FakePlatform::click(*form.cmdStart);
    for (size_t n = 1; n <= arrows.size(); ++n) {
        const std::vector<int> round(arrows.begin(), arrows.begin() + n);
        QCOMPARE(watchPlayback(fake, form), round);
        enter(form, round);
        QCOMPARE(form.lblScore->caption(), std::to_string(n));
    }
}

void tst_GameFlow::sameArrowRepeated()
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
        QCOMPARE(arrowOnShow(form), 0);
        QCOMPARE(fake.beeps, beeps + k + 1);
        fake.advance(500);
        QCOMPARE(arrowOnShow(form), -1);
    }
    QVERIFY(form.AcceptingInput);
    // Quick repeated presses on one tile each count.
    enter(form, {0, 0, 0});
    QCOMPARE(form.lblScore->caption(), "3");
}

void tst_GameFlow::wrongFirstClickScoresZero()
{
    FakePlatform fake;
    frmMain form(fake);
    script(fake, {2});
    FakePlatform::click(*form.cmdStart);
    watchPlayback(fake, form);
    enter(form, {3});
    QCOMPARE(fake.boxes.size(), size_t(1));
    QCOMPARE(form.Score, 0);
    QCOMPARE(form.lblScore->caption(), "0");
    QVERIFY(form.lblGameOver->isVisible());
    QVERIFY(!fake.anyTimerEnabled());
}

void tst_GameFlow::noInputOutsideInput_data()
{
    QTest::addColumn<int>("ticks");   // -1: leave the game over
    QTest::newRow("before the first game") << -2;
    QTest::newRow("waiting for the first arrow") << 0;
    QTest::newRow("arrow on show") << 1;
    QTest::newRow("after game over") << -1;
}

void tst_GameFlow::noInputOutsideInput()
{
    QFETCH(int, ticks);
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
    QCOMPARE(form.Box[0]->appearance(), Appearance::Flat);
    FakePlatform::click(*form.Box[0]);
    QCOMPARE(fake.beeps, beeps);
    QCOMPARE(fake.boxes.size(), boxes);
    QCOMPARE(form.lblScore->caption(), "0");
}

void tst_GameFlow::pressAndReleaseLook()
{
    FakePlatform fake;
    frmMain form(fake);
    FakePlatform::click(*form.cmdStart);
    watchPlayback(fake, form);
    const int beeps = fake.beeps;

    FakePlatform::press(*form.Box[2], MouseButton::Right);
    QCOMPARE(fake.beeps, beeps);
    QCOMPARE(form.Box[2]->appearance(), Appearance::Flat);

    FakePlatform::press(*form.Box[2]);
    QCOMPARE(fake.beeps, beeps + 1);
    QCOMPARE(form.Box[2]->appearance(), Appearance::ThreeD);
    FakePlatform::release(*form.Box[2], MouseButton::Right);
    QCOMPARE(form.Box[2]->appearance(), Appearance::ThreeD);
    FakePlatform::release(*form.Box[2]);
    QCOMPARE(form.Box[2]->appearance(), Appearance::Flat);
    QCOMPARE(fake.beeps, beeps + 1);
    QVERIFY(fake.boxes.empty());   // a press and release without a click is no entry
}

void tst_GameFlow::firstWaitIsTheTimersInterval()
{
    FakePlatform fake;
    frmMain form(fake);
    FakePlatform::drag(*form.Slider, 950);
    FakePlatform::click(*form.cmdStart);
    fake.advance(499);
    QCOMPARE(arrowOnShow(form), -1);
    fake.advance(1);
    QCOMPARE(arrowOnShow(form), 0);
    fake.advance(50);
    QCOMPARE(arrowOnShow(form), -1);
}

void tst_GameFlow::sliderChangeTakesEffectAtNextArrow()
{
    FakePlatform fake;
    frmMain form(fake);
    FakePlatform::click(*form.cmdStart);
    watchPlayback(fake, form);
    enter(form, {0});
    fake.advance(500);                      // round 2, first arrow on show
    QCOMPARE(arrowOnShow(form), 0);
    FakePlatform::drag(*form.Slider, 800);  // interval 200 from the next arrow on
    fake.advance(500);
    QCOMPARE(arrowOnShow(form), -1);
    fake.advance(499);
    QCOMPARE(arrowOnShow(form), -1);
    fake.advance(1);
    QCOMPARE(arrowOnShow(form), 0);          // second arrow after the old pause
    fake.advance(200);
    QCOMPARE(arrowOnShow(form), -1);
    QVERIFY(form.AcceptingInput);
}

void tst_GameFlow::roundStartWaitsByPreviousInterval()
{
    FakePlatform fake;
    frmMain form(fake);
    FakePlatform::click(*form.cmdStart);
    watchPlayback(fake, form);
    FakePlatform::drag(*form.Slider, 900);  // 100 ms, during input
    enter(form, {0});
    fake.advance(499);
    QCOMPARE(arrowOnShow(form), -1);
    fake.advance(1);
    QCOMPARE(arrowOnShow(form), 0);
    fake.advance(100);
    QCOMPARE(arrowOnShow(form), -1);
    fake.advance(100);
    QCOMPARE(arrowOnShow(form), 0);
}

void tst_GameFlow::start_data()
{
    QTest::addColumn<int>("ticks");    // ticks before Start; -1 Start after game over
    QTest::addColumn<int>("wait");     // from Start to the new game's first arrow
    QTest::newRow("idle") << -2 << 500;
    QTest::newRow("waiting for an arrow") << 2 << 100;   // the pending tick shows it
    QTest::newRow("arrow on show") << 3 << 200;
    QTest::newRow("input") << 4 << 200;
    QTest::newRow("game over") << -1 << 200;
}

// Before Start, the game runs at interval 200 with arrows 1 and 3; the new game's are 2.
void tst_GameFlow::start()
{
    QFETCH(int, ticks);
    QFETCH(int, wait);
    FakePlatform fake;
    frmMain form(fake);
    if (ticks != -2) {
        FakePlatform::drag(*form.Slider, 800);
        script(fake, {1, 3});
        FakePlatform::click(*form.cmdStart);
        watchPlayback(fake, form);
        enter(form, {1});                    // round 2 waits for its first arrow, at 200 ms
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
        fake.advance(100);                   // halfway through the pause before arrow 2
    FakePlatform::click(*form.cmdStart);

    QCOMPARE(form.lblScore->caption(), "0");
    QVERIFY(!form.lblGameOver->isVisible());
    QVERIFY(!form.AcceptingInput);
    QCOMPARE(arrowOnShow(form), -1);
    fake.advance(wait - 1);
    QCOMPARE(arrowOnShow(form), -1);
    fake.advance(1);
    QCOMPARE(arrowOnShow(form), 2);
    QCOMPARE(watchPlayback(fake, form), std::vector<int>{});
    QVERIFY(form.AcceptingInput);
    enter(form, {2});
    QCOMPARE(form.lblScore->caption(), "1");
}

void tst_GameFlow::lastRound()
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

    QCOMPARE(form.lblScore->caption(), "32000");
    QCOMPARE(fake.boxes.size(), size_t(1));
    QCOMPARE(fake.boxes[0].text, "Congratulations, you have repeated the whole sequence\r\nGAME OVER");
    QCOMPARE(fake.boxes[0].title, "Game Over");
    QVERIFY(fake.boxes[0].icon == BoxIcon::Information);
    QVERIFY(form.lblGameOver->isVisible());
    QVERIFY(!form.AcceptingInput);
    QVERIFY(!fake.anyTimerEnabled());
}

// The whole last round, every arrow shown by the timers and clicked: no position beyond the
// sequence is ever read, which the sanitized build would catch.
void tst_GameFlow::longestRoundPlayedInFull()
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
    QCOMPARE(shown.size(), size_t(frmMain::SequenceCapacity));
    QCOMPARE(shown[4], 0);
    QCOMPARE(shown.back(), 3);
    enter(form, shown);
    QCOMPARE(form.lblScore->caption(), "32000");
    QCOMPARE(fake.boxes.size(), size_t(1));
    QVERIFY(fake.boxes[0].text.starts_with("Congratulations"));
    QVERIFY(!fake.anyTimerEnabled());
}

void tst_GameFlow::sliderSetsInterval_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("interval");
    QTest::newRow("top: slowest") << 1 << 999;
    QTest::newRow("bottom: fastest") << 950 << 50;
    QTest::newRow("beyond the bottom stops there") << 2000 << 50;
    QTest::newRow("middle") << 750 << 250;
}

void tst_GameFlow::sliderSetsInterval()
{
    QFETCH(int, value);
    QFETCH(int, interval);
    FakePlatform fake;
    frmMain form(fake);
    FakePlatform::drag(*form.Slider, value);
    QCOMPARE(form.StepInterval, interval);
    QCOMPARE(form.lblTimerInterval->caption(), std::to_string(1000 - interval));
}

void tst_GameFlow::help()
{
    FakePlatform fake;
    frmMain form(fake);
    FakePlatform::click(*form.itmHelp);
    QCOMPARE(fake.boxes.size(), size_t(1));
    QCOMPARE(fake.boxes[0].title, "Playing Instructions");
    QVERIFY(fake.boxes[0].icon == BoxIcon::Information);
    const std::string &text = fake.boxes[0].text;
    QVERIFY(text.starts_with("This is a memory game where the computer will display"));
    QVERIFY(text.ends_with("in the SAME box before moving to the next box to avoid making a mistake."));
    QCOMPARE(std::count(text.begin(), text.end(), '\n'), 6);
    QVERIFY(text.find("repeat back to the computer by clicking the left mouse button on the arrows."
                      "\r\n\r\nEach time you input the correct sequence the computer will increase "
                      "the length of the sequence by one.\r\n\r\nYou can also adjust the speed at "
                      "which the computer displays the sequence at any time.\r\n\r\nPlaying Tip: "
                      "When entering your sequence make sure that you PRESS & RELEASE the mouse "
                      "button") != std::string::npos);
}

QTEST_APPLESS_MAIN(tst_GameFlow)
#include "tst_gameflow.moc"
