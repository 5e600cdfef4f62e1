// SPDX-License-Identifier: MIT
// tst_qtsettingsstore.cpp: values through a real settings file: copies of the program in
// processes of their own keeping every entry, names as typed, what an unreadable file or an
// unwritable folder does, and a program killed while it saves.
#include "gameplay.h"
#include "qtsettingsstore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

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
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
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
    QtStoreBackend backend;
    return QString::fromStdString(SettingsStore(backend).read("Tolvane", section, key, "<absent>"));
}

// The settings file as it is now, read from a copy: this process's QSettings would answer for
// the file's own path from its cache.
std::unique_ptr<QSettings> snapshot()
{
    static int taken = 0;
    const QString copy = configFile() + QString(".snapshot-%1").arg(++taken);
    QFile::copy(configFile(), copy);
    return std::make_unique<QSettings>(copy, QSettings::IniFormat);
}

// A copy of the program, its windows on the real settings file, in a process of its own. It
// does what the test tells it a step at a time, as a player would, and answers once the step is
// done and its event loop has had its turn:
//   start          loads the main window
//   play N         plays a game scoring N and loses    "prompt" when it asks for a name, else
//                                                      as answer does
//   answer NAME    types the name at the prompt        "shown" when High Scores then shows a
//                                                      blue row, else "done"
//   answer NAME &  the same, the answer read by a later "wait"; a copy held by "hold" before
//                  then holds this one off the store until "go"
//   hold           holds its next save, between the read that judged it and the write, until
//                  "go": the step answers "held" once it is there, and "go" as the step would
//   scores         opens High Scores from the menu     the names it shows
//   exit           closes the main window
//   save N         answers "saving", then saves tables N, N + 1, ... until it is killed: each
//                  from a start that writes every row's score and name as the table's number
//                  and closes, answering N...
class GameProcess final : public FakePlatform, private StoreBackend
{
public:
    GameProcess()
    {
        file.report = [this](const StoreFailure &failure) { report(failure); };
        int steps[2], answers[2];
        QVERIFY(pipe(steps) == 0 && pipe(answers) == 0);
        pid = fork();
        in = fdopen(pid ? answers[0] : steps[0], "r");
        out = fdopen(pid ? steps[1] : answers[1], "w");
        close(pid ? answers[1] : steps[1]);
        close(pid ? steps[0] : answers[0]);
        if (pid == 0)
            serve();
    }
    ~GameProcess() override { kill(); }
    std::string operator()(const std::string &step)
    {
        if (step == "wait")
            return next();
        say(step.substr(0, step.find(" &")));
        return step.ends_with(" &") ? "" : next();
    }
    // Ends the copy at once, as a crash would; returns its last answer.
    std::string kill()
    {
        std::string last;
        if (pid > 0 && ::kill(pid, SIGKILL) == 0 && waitpid(pid, nullptr, 0) == pid)
            for (std::string line = next(); line != "<none>"; line = next())
                last = line;
        if (std::exchange(pid, -1) > 0) {
            std::fclose(in);
            std::fclose(out);
        }
        return last;
    }

private:
    SettingsStore &settingsStore() override { return store; }
    // The real store, its writes held on "hold".
    std::optional<std::string> read(const StoreAddress &address) override
    {
        return file.read(address);
    }
    bool write(const std::string &app, const std::map<StoreAddress, std::string> &values) override
    {
        if (std::exchange(holding, false)) {
            say("held");
            next();
        }
        return file.write(app, values);
    }
    bool lock(const std::string &app, int ms) override { return file.lock(app, ms); }
    void unlock(const std::string &app) override { file.unlock(app); }
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
        char line[256];
        return std::fgets(line, sizeof line, in) ? std::string(line, std::strcspn(line, "\n"))
                                                 : "<none>";
    }
    [[noreturn]] void serve()
    {
        std::optional<frmMain> form;
        std::string shown;
        whileModal = [&](FakeWindow &w) {
            shown = std::ranges::count(w.labels, Colour(0xFF0000), &FakeControl::textColour)
                            ? "shown"
                            : "";
            for (Label *name : form->scoresWindow->lblName)
                shown += name->caption().empty() ? "" : " " + name->caption();
        };
        for (std::string step = next();; step = next()) {
            const std::string verb = step.substr(0, step.find(' '));
            const std::string word = step.substr(step.find(' ') + 1);
            if (verb == "start") {
                form.emplace(*this);
            } else if (verb == "play") {
                shown = "done";
                playGameScoring(*this, *form, std::stoi(word));
                step = shown.substr(0, shown.find(' '));
            } else if (verb == "scores") {
                FakePlatform::click(*form->itmHighScores);
                step = shown.substr(1);
            } else if (verb == "hold") {
                holding = true;
            } else if (verb == "exit") {
                form->window->close();
                _exit(0);
            }
            if (verb == "save")
                say("saving");
            for (long table = verb == "save" ? std::stol(word) : 0; table; ++table) {
                frmMain saving(*this);
                {
                    const SettingsStore::Step step(store, "Tolvane");
                    for (int row = 1; row <= HighScoreRows; ++row)
                        for (const char *key : {"score", "name"})
                            store.write("Tolvane", "Scores", key + rowSuffix(row),
                                        std::to_string(table));
                }
                saving.window->close(); // the shutdown saves the speed and the whole table
                say(std::to_string(table));
            }
            say(step);
        }
    }

    QtStoreBackend file;
    SettingsStore store{*this};
    bool holding = false;
    pid_t pid = -1;
    FILE *in = nullptr;
    FILE *out = nullptr;
};

// Plays steps, separated by commas, each "<copy letter> <step>" sent to that copy (see GameProcess)
// or "file", and checks the answer given after " = ", or for "file" the names in the file.
void play(const std::string &script)
{
    std::map<char, GameProcess> copies;
    std::istringstream steps(script);
    for (std::string step; std::getline(steps >> std::ws, step, ',');) {
        const size_t is = step.find(" = ");
        std::string answer;
        for (int row = 1; step.starts_with("file") && row <= HighScoreRows; ++row)
            answer += " " + snapshot()->value(QString("Scores/name %1").arg(row)).toByteArray();
        if (!step.starts_with("file"))
            answer = copies[step[0]](step.substr(2, is - 2));
        answer.erase(answer.find_last_not_of(' ') + 1).erase(0, answer.find_first_not_of(' '));
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
    writeFile(home.path() + "/Tolvane.conf", "[Settings]\nspeed=700\n"); // not ours: never read
}

void tst_QtSettingsStore::cleanup()
{
    QDir dir(home.path() + "/Tolvane");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const QString &name : dir.entryList(QDir::Files))
        QFile::setPermissions(dir.filePath(name), QFile::ReadOwner | QFile::WriteOwner);
    QVERIFY(dir.removeRecursively());
}

// A copy of the program saves table after table and is killed at a random moment within its
// first few saves, 200 times: the file always holds one whole table, never an older one than
// before, and never one older than the last save that had finished.
void tst_QtSettingsStore::killedWhileSaving()
{
    std::mt19937 random(1);
    long stored = 0;
    for (long kill = 1; kill <= 200; ++kill) {
        GameProcess copy;
        copy("save " + std::to_string(kill * 1000));
        usleep(random() % 30000);
        const long last = std::atol(copy.kill().c_str());
        const auto file = snapshot();
        std::set<QString> tables; // the numbers in the table, an empty one 0
        for (int row = 1; row <= HighScoreRows; ++row)
            for (const char *key : {"score", "name"})
                tables.insert(
                        file->value(QString("Scores/%1 %2").arg(key).arg(row), "0").toString());
        const long now = tables.begin()->toLong();
        QVERIFY2(file->status() == QSettings::NoError && tables.size() == 1 && now >= stored
                         && now >= last,
                 qPrintable(QString("after kill %1: %2").arg(kill).arg(*tables.begin())));
        stored = now;
    }
}

void tst_QtSettingsStore::copiesKeepEveryEntry_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("script");
    // With nine better entries stored, only one fits: once one copy's entry is stored the other
    // is asked for no name, and an entry pushed out while its prompt was open is not entered.
    QByteArray nine = "[Scores]\n";
    for (int row = 1; row < HighScoreRows; ++row)
        nine += QString("score%20%1=9\nname%20%1=Best\n").arg(row).toUtf8();
    const QString best = "file = " + QString("Best ").repeated(HighScoreRows - 1) + "Alpha";
    const QString start = "A start, B start, ";
    QTest::newRow("room for one, asked no more")
            << nine
            << start + "A play 3 = prompt, A answer Alpha = shown, B play 2 = done, " + best;
    QTest::newRow("room for one, pushed out")
            << nine
            << start + "B play 2 = prompt, A play 3 = prompt, A answer Alpha = shown, "
                       + "B answer Bravo = done, A exit, B exit, " + best;
    // A copy held between the read that judged its entry and its save holds the other off the
    // store until it has saved.
    QTest::newRow("held between the read and the save")
            << QByteArray()
            << "A start, B start, A hold, A play 3 = prompt, B play 2 = prompt, "
               "A answer Alpha = held, B answer Bravo &, A go = shown, B wait = shown, "
               "file = Alpha Bravo";
    // Three copies, prompts open at once, a copy that saves twice, High Scores of a copy that
    // has only played, exits in another order than the starts.
    const QString all = "Bravo Alpha Bravo Charlie";
    QTest::newRow("three copies")
            << QByteArray()
            << "A start, B start, C start, A play 3 = prompt, B play 2 = prompt, "
               "B answer Bravo = shown, C play 1 = prompt, A answer Alpha = shown, "
               "C answer Charlie = shown, B play 4 = prompt, B answer Bravo = shown, file = "
                       + all + ", C scores = " + all + ", B exit, C exit, A exit, file = " + all;
}

void tst_QtSettingsStore::copiesKeepEveryEntry()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, script);
    writeFile(configFile(), stored);
    play(script.toStdString());
}

// Names a player might type that a careless store would mangle: the file's own syntax, blanks,
// a list, a variant, line breaks, non-ASCII, great length; and a list written by hand.
void tst_QtSettingsStore::namesRoundTrip()
{
    for (const std::string &name :
         std::vector<std::string>{"=;#[]%\\\"'", "  Ann  ", "Ann, Bo", "@Variant(x)", "a\r\nb\n",
                                  "Åsa Ørn 日本 😀", "", std::string(10000, 'x')}) {
        QtStoreBackend backend;
        SettingsStore store(backend);
        store.write("Tolvane", "Scores", "name 1", name);
        QCOMPARE(readBack("Scores", "name 1"), QString::fromStdString(name));
    }
    writeFile(configFile(), "[Scores]\nname%201=Ann, Bo\n"); // a list to QSettings
    QCOMPARE(readBack("Scores", "name 1"), "Ann, Bo");
}

void tst_QtSettingsStore::unreadableFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason"); // the first failure's
    const QString denied = "Permission denied", foreign = "not a settings file that Tolvane";
    QTest::newRow("no permission") << "permission" << denied;
    QTest::newRow("broken section header") << "broken" << foreign;
    QTest::newRow("bytes that are no text") << "bytes" << foreign;
    QTest::newRow("unwritable folder") << "folder" << denied;
    QTest::newRow("no permission in an unwritable folder") << "permission folder" << denied;
}

// Each kind of failure is told, naming the file. An unreadable file reads as the defaults,
// and this run's values are saved in a new file, with the old one kept whole beside it. A file
// that cannot be replaced stays as it was, and this run's values are read as written.
void tst_QtSettingsStore::unreadableFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QByteArray old = "[Scores]\nscore%201=50\n[Settings]\nspeed=300\n";
    old += kind == "broken" ? QByteArray("[Settings\n")
                            : QByteArray("a=\xff\0\n", kind == "bytes" ? 6 : 0);
    writeFile(configFile(), old);
    if (kind.contains("permission"))
        QFile::setPermissions(configFile(), {});
    if (kind.contains("folder"))
        QFile::setPermissions(home.path() + "/Tolvane", QFile::ReadOwner | QFile::ExeOwner);

    std::vector<StoreFailure> failures;
    {
        QtStoreBackend backend;
        SettingsStore store(backend);
        store.onFailure = [&](const StoreFailure &failure) { failures.push_back(failure); };
        QCOMPARE(store.read("Tolvane", "Settings", "speed", "500"),
                 kind == "folder" ? "300" : "500");
        store.write("Tolvane", "Scores", "score 1", "8");
        QCOMPARE(store.read("Tolvane", "Scores", "score 1", ""), "8");
    }
    const std::vector kinds
            = kind == "permission folder"
                      ? std::vector{StoreFailure::Unreadable, StoreFailure::Unwritable}
                      : std::vector{kind == "folder" ? StoreFailure::Unwritable
                                                     : StoreFailure::Unreadable};
    QCOMPARE(failures.size(), kinds.size());
    for (size_t i = 0; i < kinds.size(); ++i) {
        QCOMPARE(failures[i].kind, kinds[i]);
        QCOMPARE(QString::fromStdString(failures[i].where), configFile());
    }
    QVERIFY2(QString::fromStdString(failures[0].why).contains(reason), failures[0].why.c_str());
    if (kind.contains("folder")) {
        QCOMPARE(readFile(configFile()), old);
        return;
    }
    const QStringList kept
            = QDir(home.path() + "/Tolvane").entryList({"Tolvane.conf.unreadable-*"});
    QCOMPARE(kept.size(), 1);
    QCOMPARE(readFile(home.path() + "/Tolvane/" + kept[0]), old);
    QCOMPARE(readBack("Scores", "score 1"), "8");
    QCOMPARE(readBack("Settings", "speed"), "<absent>");
}

QTEST_GUILESS_MAIN(tst_QtSettingsStore)
#include "tst_qtsettingsstore.moc"
