// SPDX-License-Identifier: MIT
// tst_qtsettingsstore.cpp: values through a real settings file: names as typed, another copy's
// saves, what an unreadable file or an unwritable folder does, and a program killed while it
// saves.
#include "gameplay.h"
#include "qtsettingsstore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <bit>
#include <cstring>
#include <map>
#include <random>
#include <set>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;

namespace {

QString configFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + "/Tolvane/Tolvane.conf";
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    file.setPermissions(QFile::ReadOwner);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
}

// A new store, as at the next start of the program.
QString readBack(const std::string &section, const std::string &key)
{
    FakePlatform boxes;
    return QString::fromStdString(QtSettingsStore(boxes).read("Tolvane", section, key, "<absent>"));
}

// The program's windows on the real settings file.
class RealStorePlatform : public FakePlatform
{
public:
    SettingsStore &settingsStore() override { return store; }
    QtSettingsStore store{*this};
};

// The settings file as it is now, read from a copy: this process's QSettings would answer for
// the file's own path from its cache.
std::unique_ptr<QSettings> snapshot()
{
    static int taken = 0;
    const QString copy = configFile() + QString(".snapshot-%1").arg(++taken);
    QFile::copy(configFile(), copy);
    return std::make_unique<QSettings>(copy, QSettings::IniFormat);
}

// The names of the stored table, row 1 first, up to the last that is not empty.
QString storedNames()
{
    const auto file = snapshot();
    QStringList names;
    for (int row = 1; row <= HighScoreRows; ++row)
        names << file->value(QString("Scores/name %1").arg(row)).toString();
    return names.join(' ').trimmed();
}

// A copy of the program in a process of its own, on the real settings file, doing what the
// test tells it a step at a time, as a player would. It answers each step once the step is
// done and its event loop has had its turn:
//   start          loads the main window               "started"
//   play N         plays a game scoring N and loses    "prompt" when it asks for a name, else
//                                                      as answer does
//   answer NAME    types the name at the prompt        "shown" when High Scores then shows a
//                                                      blue row, else "done"
//   scores         opens High Scores from the menu     the names it shows
//   exit           closes the main window              "exited"
class Copy : public RealStorePlatform
{
public:
    Copy()
    {
        int steps[2], answers[2];
        QVERIFY(pipe(steps) == 0 && pipe(answers) == 0);
        pid = fork();
        if (pid == 0) {
            close(steps[1]);
            close(answers[0]);
            in = fdopen(steps[0], "r");
            out = fdopen(answers[1], "w");
            serve();
        }
        close(steps[0]);
        close(answers[1]);
        in = fdopen(answers[0], "r");
        out = fdopen(steps[1], "w");
    }
    ~Copy() override
    {
        fclose(in);
        fclose(out);
        ::kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    std::string operator()(const std::string &step)
    {
        say(step);
        return next();
    }

private:
    std::string inputBox(const std::string &, const std::string &) override
    {
        say("prompt");
        return next().substr(std::strlen("answer "));
    }
    void say(const std::string &line)
    {
        if (pid == 0) // the copy's event loop has its turn before the player sees anything
            QCoreApplication::sendPostedEvents();
        std::fprintf(out, "%s\n", line.c_str());
        std::fflush(out);
    }
    std::string next()
    {
        char line[256] = "";
        if (!std::fgets(line, sizeof line, in))
            return "<no answer>";
        return std::string(line, std::strcspn(line, "\n"));
    }
    [[noreturn]] void serve()
    {
        std::optional<frmMain> form;
        long blue = 0;
        std::string names;
        whileModal = [&](FakeWindow &w) {
            blue = std::ranges::count(w.labels, Colour(0xFF0000), &FakeControl::textColour);
            names.clear();
            for (Label *name : form->scoresWindow->lblName)
                names += (name->caption().empty() || names.empty() ? "" : " ") + name->caption();
        };
        for (std::string step = next();; step = next()) {
            if (step == "start") {
                form.emplace(*this);
                say("started");
            } else if (step.starts_with("play ")) {
                blue = 0;
                playGameScoring(*this, *form, std::stoi(step.substr(5)));
                say(blue ? "shown" : "done");
            } else if (step == "scores") {
                FakePlatform::click(*form->itmHighScores);
                say(names);
            } else if (step == "exit") {
                form->window->close();
                form.reset();
                store.flush(); // as the program does once its event loop has ended
                say("exited");
                _exit(0);
            } else {
                _exit(1);
            }
        }
    }

    pid_t pid = -1;
    FILE *in = nullptr;
    FILE *out = nullptr;
};

// Plays steps, separated by commas, each "<copy letter> <step>" sent to that copy (see Copy) or
// "file", and checks the answer given after "=", or the names in the file for "file".
void play(const std::string &script)
{
    std::map<char, std::unique_ptr<Copy>> copies;
    std::istringstream steps(script);
    for (std::string step; std::getline(steps, step, ',');) {
        step.erase(0, step.find_first_not_of(' '));
        if (step.empty())
            continue;
        const size_t is = step.find(" = ");
        const std::string action = step.substr(0, is);
        std::string answer;
        if (action == "file") {
            answer = storedNames().toStdString();
        } else {
            std::unique_ptr<Copy> &copy = copies[action[0]];
            if (!copy)
                copy = std::make_unique<Copy>();
            answer = (*copy)(action.substr(2));
        }
        QVERIFY2(is == std::string::npos || answer == step.substr(is + 3),
                 qPrintable(QString::fromStdString(step + ": got " + answer + "; in " + script)));
    }
}

} // namespace

class tst_QtSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    // Before any save that fails: its values stay pending in this process's QSettings, and
    // the copies of the program that this test forks would inherit them.
    void killedWhileSaving();
    void copiesKeepEveryEntry_data();
    void copiesKeepEveryEntry();
    void namesRoundTrip();
    void unreadableFile_data();
    void unreadableFile();

private:
    QTemporaryDir home;
};

void tst_QtSettingsStore::initTestCase()
{
    // Before the first QSettings: it takes the folders once per process.
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QCOMPARE(configFile(), home.path() + "/Tolvane/Tolvane.conf");
}

void tst_QtSettingsStore::cleanup()
{
    QDir dir(home.path() + "/Tolvane");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const QString &name : dir.entryList(QDir::Files))
        QFile::setPermissions(dir.filePath(name), QFile::ReadOwner | QFile::WriteOwner);
    QVERIFY(dir.removeRecursively());
}

void tst_QtSettingsStore::copiesKeepEveryEntry_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("script");
    // Two copies, each started, played to a high score (Alpha 3, Bravo 2), its name typed and
    // closed, in every order of these steps, and none opening High Scores: after each step the
    // file holds every entry typed so far that ranks in the ten. With nine better entries stored
    // only one of the two fits: a copy is asked for no name once the other's entry is stored, and
    // an entry pushed out while its prompt was open is not entered and not shown. A copy that
    // only starts and closes keeps every entry too.
    for (const auto &[room, bravoPlays] : {std::pair(2, true), {1, true}, {2, false}}) {
        QByteArray stored = "[Scores]\n";
        for (int row = 1; room == 1 && row < HighScoreRows; ++row)
            stored += QString("score%20%1=9\nname%20%1=Best\n").arg(row).toUtf8();
        const std::vector<std::string> plays[2] = {
                {"start", "play", "answer", "exit"},
                bravoPlays ? plays[0] : std::vector<std::string>{"start", "exit"}};
        const int count = int(plays[0].size() + plays[1].size());
        for (unsigned order = 0; order < 1u << count; ++order) {
            if (std::popcount(order) != int(plays[1].size()))
                continue;
            std::string script, tag;
            size_t next[2] = {0, 0};
            bool asked[2] = {false, false}, typed[2] = {false, false};
            for (int k = 0; k < count; ++k) {
                const int c = (order >> k) & 1;
                const std::string copy = c ? "B" : "A";
                const std::string &step = plays[c][next[c]++];
                const bool fits = c == 0 || room == 2 || !typed[0];
                tag += copy;
                if (step == "play") {
                    asked[c] = fits;
                    script += copy + (c ? " play 2" : " play 3") + (fits ? " = prompt" : " = done");
                } else if (step == "answer") {
                    if (asked[c])
                        script += copy + (c ? " answer Bravo" : " answer Alpha")
                                  + (fits ? " = shown" : " = done");
                    typed[c] = asked[c] && fits;
                } else {
                    script += copy + " " + step;
                }
                QStringList names(room == 1 ? HighScoreRows - 1 : 0, "Best");
                if (typed[0])
                    names << "Alpha";
                if (typed[1] && (room == 2 || !typed[0]))
                    names << "Bravo";
                script += ", file = " + names.join(' ').toStdString() + ", ";
            }
            QTest::addRow("room for %d: %s", room, tag.c_str())
                    << stored << QString::fromStdString(script);
        }
    }
    // Three copies, prompts open at once, a copy that saves twice, High Scores of a copy that
    // has only played, exits in another order than the starts.
    QTest::newRow("three copies")
            << QByteArray() << "A start, B start, C start, A play 3 = prompt, B play 2 = prompt, "
                               "B answer Bravo = shown, C play 1 = prompt, A answer Alpha = shown, "
                               "C answer Charlie = shown, file = Alpha Bravo Charlie, "
                               "B play 4 = prompt, B answer Bravo = shown, "
                               "file = Bravo Alpha Bravo Charlie, "
                               "C scores = Bravo Alpha Bravo Charlie, B exit, C exit, A exit, "
                               "file = Bravo Alpha Bravo Charlie";
}

void tst_QtSettingsStore::copiesKeepEveryEntry()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, script);
    writeFile(configFile(), stored);
    play(script.toStdString());
}

// Names a player might type that a careless store would mangle: the file's own syntax, blanks,
// a list, a variant, line breaks, non-ASCII, great length.
void tst_QtSettingsStore::namesRoundTrip()
{
    for (const std::string &name :
         std::vector<std::string>{"=;#[]%\\\"'", "  Ann  ", "Ann, Bo", "@Variant(x)", "a\r\nb\n",
                                  "Åsa Ørn 日本 😀", "", std::string(10000, 'x')}) {
        FakePlatform boxes;
        QtSettingsStore store(boxes);
        store.write("Tolvane", "Scores", "name 1", name);
        store.flush();
        QVERIFY2(readBack("Scores", "name 1") == QString::fromStdString(name), name.c_str());
        QVERIFY(boxes.boxes.empty());
    }
}

void tst_QtSettingsStore::unreadableFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("no permission") << "permission";
    QTest::newRow("broken section header") << "broken";
    QTest::newRow("unwritable folder") << "folder";
}

// The player is told once, naming the file. An unreadable file reads as the defaults, and this
// run's values are saved in a new file, with the old one kept whole beside it. A file in a
// folder that cannot be written is read, and stays as it was.
void tst_QtSettingsStore::unreadableFile()
{
    QFETCH(QString, kind);
    QByteArray old = "[Scores]\nscore%201=50\n[Settings]\nspeed=300\n";
    if (kind == "broken")
        old.append("[Settings\n");
    writeFile(configFile(), old);
    if (kind == "permission")
        QFile::setPermissions(configFile(), {});
    if (kind == "folder")
        QFile::setPermissions(home.path() + "/Tolvane", QFile::ReadOwner | QFile::ExeOwner);

    FakePlatform boxes;
    {
        QtSettingsStore store(boxes);
        QCOMPARE(store.read("Tolvane", "Settings", "speed", "500"),
                 kind == "folder" ? "300" : "500");
        store.write("Tolvane", "Scores", "score 1", "7");
        QVERIFY(store.read("Tolvane", "Scores", "score 1", "") == "7"); // this run's own value
        store.flush();
        store.flush();
    }
    QCOMPARE(boxes.boxes.size(), size_t(1));
    QVERIFY(boxes.boxes[0].starts_with("(!) Tolvane: "));
    QVERIFY(boxes.boxes[0].find(configFile().toStdString()) != std::string::npos);
    if (kind == "folder") {
        QCOMPARE(readFile(configFile()), old);
        return;
    }
    const QStringList kept
            = QDir(home.path() + "/Tolvane").entryList({"Tolvane.conf.unreadable-*"});
    QCOMPARE(kept.size(), 1);
    QCOMPARE(readFile(home.path() + "/Tolvane/" + kept[0]), old);
    QCOMPARE(readBack("Scores", "score 1"), "7");
    QCOMPARE(readBack("Settings", "speed"), "<absent>");
}

// A copy of the program saves table after table, every row's score and name the table's number, and
// is killed at a random moment, 200 times: the file always holds one whole table, never an older
// one than before, and never one older than the last save that had finished.
void tst_QtSettingsStore::killedWhileSaving()
{
    std::mt19937 random(1);
    long stored = 0;
    for (long kill = 1; kill <= 200; ++kill) {
        int finished[2];
        QVERIFY(pipe(finished) == 0);
        const pid_t child = fork();
        if (child == 0) {
            RealStorePlatform services;
            for (long k = kill * 1000;; ++k) {
                frmMain form(services);
                for (int row = 1; row <= HighScoreRows; ++row)
                    for (const char *key : {"score", "name"})
                        services.store.write("Tolvane", "Scores", key + rowSuffix(row),
                                             std::to_string(k));
                form.window->close(); // the shutdown saves the speed and the whole table
                services.store.flush();
                if (write(finished[1], &k, sizeof k) != sizeof k)
                    _exit(1);
            }
        }
        close(finished[1]);
        usleep(random() % 50000);
        ::kill(child, SIGKILL);
        QVERIFY(waitpid(child, nullptr, 0) == child);
        long last = 0;
        for (long k; read(finished[0], &k, sizeof k) == sizeof k;)
            last = k;
        close(finished[0]);

        // Read from a copy: this process's QSettings would answer for the path from its cache.
        const QString copy = QString("%1/check-%2.conf").arg(home.path()).arg(kill);
        QFile::copy(configFile(), copy);
        QSettings file(copy, QSettings::IniFormat);
        std::set<QString> tables; // an empty table is table 0
        for (int row = 1; row <= HighScoreRows; ++row) {
            const QString score = file.value(QString("Scores/score %1").arg(row), "0").toString();
            tables.insert(file.value(QString("Scores/name %1").arg(row), "0") == score ? score
                                                                                       : "mixed");
        }
        QVERIFY2(file.status() == QSettings::NoError && tables.size() == 1
                         && *tables.begin() != "mixed",
                 qPrintable(QString("after kill %1").arg(kill)));
        const long now = tables.begin()->toLong();
        QVERIFY2(now >= stored && now >= last,
                 qPrintable(QString("after kill %1: %2").arg(kill).arg(now)));
        stored = now;
    }
}

QTEST_GUILESS_MAIN(tst_QtSettingsStore)
#include "tst_qtsettingsstore.moc"
