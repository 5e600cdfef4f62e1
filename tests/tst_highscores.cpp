// tst_highscores.cpp: the high-score table through whole games: who gets in, where, what is stored and shown.
#include "testing.h"
#include "gameplay.h"

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

QStringList shownScores(const frmScores &form)
{
    QStringList texts;
    for (const Label *label : form.lblScore)
        texts << QString::fromStdString(label->caption());
    return texts;
}

QStringList storedScores(const FakePlatform &fake)
{
    QStringList texts;
    for (int row = 1; row <= HighScoreRows; ++row)
        texts << QString::fromStdString(fake.store.values.at(scores + "score" + rowSuffix(row)));
    return texts;
}

} // namespace

class tst_HighScores : public QObject
{
    Q_OBJECT

private slots:
    void qualification_data();
    void qualification();
    void highlightOnlyWhileShownAfterInsertion();
    void cancelInsertsEmptyName();
    void namesTakenAsTyped_data();
    void namesTakenAsTyped();
    void thirtyWritesInOrder();
    void zeroShownBlank();
    void menuReloadsAndShows();
    void closedFromTitleBarIsLoadedAgain();
    void startUpAndShutdownOrder();
    void speedSurvivesRestart();
    void storedSpeed_data();
    void storedSpeed();
};

void tst_HighScores::qualification_data()
{
    QTest::addColumn<QStringList>("before");   // ScoreText of the stored rows from the top
    QTest::addColumn<int>("score");
    QTest::addColumn<QStringList>("after");    // ScoreText of rows 1..10 after the game
    const QStringList empty(10, "");
    QStringList full;
    for (int s = 100; s > 0; s -= 10)
        full << QString::number(s);
    QTest::newRow("empty table, score 0 gets no place") << QStringList{} << 0 << empty;
    QTest::newRow("empty table, score 1 goes to the top")
        << QStringList{} << 1 << QStringList{"1", "", "", "", "", "", "", "", "", ""};
    QTest::newRow("equal score ranks below")
        << QStringList{"5", "3"} << 3 << QStringList{"5", "3", "3", "", "", "", "", "", "", ""};
    QTest::newRow("full table beaten by none") << full << 10 << full;
    QTest::newRow("beating row 1 drops row 10")
        << full << 101 << (QStringList{"101"} + full.mid(0, 9));
    QTest::newRow("a text without a number counts as 0")
        << QStringList{"7", "abc", "2"} << 1
        << QStringList{"7", "1", "abc", "2", "", "", "", "", "", ""};
}

void tst_HighScores::qualification()
{
    QFETCH(QStringList, before);
    QFETCH(int, score);
    QFETCH(QStringList, after);
    FakePlatform fake;
    std::vector<HighScoreEntry> rows;
    for (const QString &s : before)
        rows.push_back({s.toStdString(), "N" + s.toStdString(), "02-Feb-26"});
    storeRows(fake, rows);
    fake.date = {2026, 12, 5};
    fake.inputAnswers = {"Ann"};
    frmMain form(fake);
    playGameScoring(fake, form, score);

    const bool inserted = after != (before + QStringList(10 - before.size(), "")).mid(0, 10);
    QCOMPARE(fake.prompts.size(), size_t(inserted ? 1 : 0));
    if (inserted)
        QCOMPARE(fake.prompts[0], "New high score!: Please enter a name");
    QCOMPARE(fake.modalsShown, inserted ? std::vector<std::string>{"High Scores"}
                                        : std::vector<std::string>{});
    QCOMPARE(storedScores(fake), after);
    QCOMPARE(shownScores(*form.scoresWindow), QStringList(after).replaceInStrings(QRegularExpression("^0$"), ""));
    if (inserted) {
        const int row = int(after.lastIndexOf(QString::number(score))) + 1;
        const std::string suffix = rowSuffix(row);
        QCOMPARE(fake.store.values[scores + "name" + suffix], "Ann");
        QCOMPARE(fake.store.values[scores + "date" + suffix], "05-Dec-26");
    }
}

void tst_HighScores::highlightOnlyWhileShownAfterInsertion()
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
    playGameScoring(fake, form, 2);   // row 2, below Bo's 5

    std::vector<Colour> expected(30, 0);
    expected[3] = expected[4] = expected[5] = 0xFF0000;
    QCOMPARE(whileShown, expected);
    for (const Label *label : form.scoresWindow->lblName)
        QCOMPARE(label->textColour(), Colour(0));

    whileShown.clear();
    FakePlatform::click(*form.itmHighScores);
    QCOMPARE(whileShown, std::vector<Colour>(30, 0));
}

void tst_HighScores::cancelInsertsEmptyName()
{
    FakePlatform fake;
    fake.date = {2026, 3, 9};
    frmMain form(fake);   // no answer queued: the prompt is cancelled
    std::string nameWhileShown = "?";
    Colour colourWhileShown = 0;
    fake.whileModal = [&](FakeWindow &) {
        nameWhileShown = form.scoresWindow->lblName[0]->caption();
        colourWhileShown = form.scoresWindow->lblName[0]->textColour();
    };
    playGameScoring(fake, form, 1);
    QCOMPARE(fake.prompts.size(), size_t(1));
    QCOMPARE(nameWhileShown, "");
    QCOMPARE(colourWhileShown, Colour(0xFF0000));
    QCOMPARE(fake.store.values[scores + "score 1"], "1");
    QCOMPARE(fake.store.values[scores + "name 1"], "");
    QCOMPARE(fake.store.values[scores + "date 1"], "09-Mar-26");
}

void tst_HighScores::namesTakenAsTyped_data()
{
    addHostileNameRows();
}

void tst_HighScores::namesTakenAsTyped()
{
    QFETCH(QByteArray, name);
    FakePlatform fake;
    fake.inputAnswers = {name.toStdString()};
    frmMain form(fake);
    playGameScoring(fake, form, 1);
    QCOMPARE(form.scoresWindow->lblName[0]->caption(), name.toStdString());
    QCOMPARE(fake.store.values[scores + "name 1"], name.toStdString());
}

void tst_HighScores::thirtyWritesInOrder()
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
    QCOMPARE(fake.store.writes, expected);
    QVERIFY(fake.prompts.empty());
    QVERIFY(fake.modalsShown.empty());
}

void tst_HighScores::zeroShownBlank()
{
    FakePlatform fake;
    storeRows(fake, {{"0", "Zed", "01-Jan-26"}, {"00", "Two", "01-Jan-26"}});
    frmMain form(fake);
    QCOMPARE(form.scoresWindow->lblScore[0]->caption(), "");
    QCOMPARE(form.scoresWindow->lblName[0]->caption(), "Zed");
    QCOMPARE(form.scoresWindow->lblScore[1]->caption(), "00");
}

void tst_HighScores::menuReloadsAndShows()
{
    FakePlatform fake;
    frmMain form(fake);
    storeRows(fake, {{"9", "Late", "07-Jul-26"}});   // written by another copy meanwhile
    std::string shown;
    fake.whileModal = [&](FakeWindow &w) {
        shown = form.scoresWindow->lblName[0]->caption();
        FakePlatform::click(*form.scoresWindow->cmdClose);
        QVERIFY(!w.isVisible());
    };
    FakePlatform::click(*form.itmHighScores);
    QCOMPARE(shown, "Late");
    QCOMPARE(fake.modalsShown, std::vector<std::string>{"High Scores"});
    // CLOSE hides: the rows stay for the next showing.
    QCOMPARE(form.scoresWindow->lblName[0]->caption(), "Late");
}

void tst_HighScores::closedFromTitleBarIsLoadedAgain()
{
    FakePlatform fake;
    storeRows(fake, {{"9", "Ann", "07-Jul-26"}});
    frmMain form(fake);
    fake.whileModal = [](FakeWindow &w) { w.close(); };
    FakePlatform::click(*form.itmHighScores);
    QVERIFY(form.scoresWindow->isUnloaded());

    std::string shown;
    fake.whileModal = [&](FakeWindow &) { shown = form.scoresWindow->lblName[0]->caption(); };
    FakePlatform::click(*form.itmHighScores);
    QVERIFY(!form.scoresWindow->isUnloaded());
    QCOMPARE(shown, "Ann");
}

void tst_HighScores::startUpAndShutdownOrder()
{
    FakePlatform fake;
    fake.store.values["Tolvane/Settings/speed"] = "600";
    std::optional<frmMain> form(std::in_place, fake);
    QCOMPARE(fake.store.reads.size(), size_t(31));
    QCOMPARE(fake.store.reads.front(), "Tolvane/Settings/speed");
    QCOMPARE(fake.store.reads[1], "Tolvane/Scores/score 1");
    QCOMPARE(fake.store.reads.back(), "Tolvane/Scores/date 10");
    QVERIFY(fake.findWindow("High Scores"));
    QVERIFY(!fake.findWindow("High Scores")->isVisible());
    QVERIFY(fake.store.writes.empty());

    form->window->close();
    QCOMPARE(fake.store.writes.size(), size_t(31));
    QCOMPARE(fake.store.writes.front(), std::make_pair(std::string("Tolvane/Settings/speed"), std::string("600")));
    QCOMPARE(fake.store.writes.back(), std::make_pair(std::string("Tolvane/Scores/date 10"), std::string()));
    QVERIFY(!fake.findWindow("High Scores"));
}

void tst_HighScores::speedSurvivesRestart()
{
    FakePlatform fake;
    {
        frmMain form(fake);
        FakePlatform::drag(*form.Slider, 750);
        FakePlatform::click(*form.itmExit);
    }
    QCOMPARE(fake.store.values["Tolvane/Settings/speed"], "750");
    frmMain form(fake);
    QCOMPARE(form.Slider->value(), 750);
    QCOMPARE(form.lblTimerInterval->caption(), "750");
    QCOMPARE(form.StepInterval, 250);
}

void tst_HighScores::storedSpeed_data()
{
    QTest::addColumn<QString>("stored");   // "-" for nothing stored
    QTest::addColumn<int>("value");
    QTest::newRow("first run") << "-" << 500;
    QTest::newRow("the slider's own starting value") << "1" << 1;
    QTest::newRow("unusable text") << "fast" << 500;
    QTest::newRow("out of range") << "5000" << 950;
}

void tst_HighScores::storedSpeed()
{
    QFETCH(QString, stored);
    QFETCH(int, value);
    FakePlatform fake;
    if (stored != "-")
        fake.store.values["Tolvane/Settings/speed"] = stored.toStdString();
    frmMain form(fake);
    QCOMPARE(form.Slider->value(), value);
    QCOMPARE(form.lblTimerInterval->caption(), std::to_string(value));
    QCOMPARE(int(form.StepInterval), 1000 - value);
}

QTEST_APPLESS_MAIN(tst_HighScores)
#include "tst_highscores.moc"
