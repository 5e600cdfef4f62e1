// SPDX-License-Identifier: MIT
// tst_qtsettingsstore.cpp: values through a real settings file: names as typed, another copy's
// saves, what an unreadable file or an unwritable folder does, and a program killed while it
// saves.
#include "fakeplatform.h"
#include "frmmain.h"
#include "qtsettingsstore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

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
    void namesRoundTrip();
    void anotherCopysSaveIsRead();
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

void tst_QtSettingsStore::anotherCopysSaveIsRead()
{
    FakePlatform boxes;
    QtSettingsStore store(boxes);
    QVERIFY(store.read("Tolvane", "Scores", "name 1", "").empty());
    writeFile(configFile(), "[Scores]\nname%201=Bravo\n");
    QVERIFY(store.read("Tolvane", "Scores", "name 1", "") == "Bravo");
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
