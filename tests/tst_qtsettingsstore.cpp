// SPDX-License-Identifier: MIT
// tst_qtsettingsstore.cpp: the speed and the table through a real settings file, and what a broken
// one does.
#include "testing.h"

#include "frmmain.h"
#include "gameplay.h"
#include "qtservices.h"
#include "realstore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <bit>
#include <random>

using namespace platform;

namespace {

QString configFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + "/Tolvane/Tolvane.conf";
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A new store, as at the next start of the program.
std::string readBack(const std::string &section, const std::string &key)
{
    FakePlatform boxes;
    QtSettingsStore store(boxes);
    return store.read("Tolvane", section, key, "<absent>");
}

} // namespace

class tst_QtSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void noSystemWideValues();
    void speedAndTableSurviveRestart();
    void namesRoundTrip_data();
    void namesRoundTrip();
    void writesLandTogether();
    void twoCopiesKeepEveryEntry();
    void unreadableFile_data();
    void unreadableFile();
    void unwritableFolder();

private:
    QTemporaryDir home;
    QTemporaryDir systemWide;
};

void tst_QtSettingsStore::initTestCase()
{
    QVERIFY(home.isValid());
    // Before the first QSettings: it takes the folder once per process.
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    // A system-wide file that must never speak for the user.
    qputenv("XDG_CONFIG_DIRS", systemWide.path().toUtf8());
    writeFile(systemWide.path() + "/Tolvane/Tolvane.conf",
              "[Settings]\nspeed=42\n[Scores]\nscore%201=9\n");
    QCOMPARE(configFile(), home.path() + "/Tolvane/Tolvane.conf");
}

void tst_QtSettingsStore::init()
{
    QVERIFY(!QDir(home.path() + "/Tolvane").exists());
}

void tst_QtSettingsStore::cleanup()
{
    QDir dir(home.path() + "/Tolvane");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const QString &name : dir.entryList(QDir::Files))
        QFile::setPermissions(dir.filePath(name), QFile::ReadOwner | QFile::WriteOwner);
    QVERIFY(dir.removeRecursively());
}

void tst_QtSettingsStore::noSystemWideValues()
{
    QCOMPARE(readBack("Settings", "speed"), "<absent>");
    QCOMPARE(readBack("Scores", "score 1"), "<absent>");
}

void tst_QtSettingsStore::speedAndTableSurviveRestart()
{
    {
        RealStorePlatform services;
        frmMain form(services);
        form.Slider->setValue(750);
        services.inputAnswers = {"Ann"};
        playGameScoring(services, form, 2);
        form.window->close();
        services.store.flush();
    }
    QtServices services;
    frmMain form(services);
    QCOMPARE(form.Slider->value(), 750);
    QCOMPARE(form.lblTimerInterval->caption(), "750");
    QCOMPARE(form.scoresWindow->lblScore[0]->caption(), "2");
    QCOMPARE(form.scoresWindow->lblName[0]->caption(), "Ann");
}

void tst_QtSettingsStore::namesRoundTrip_data()
{
    addHostileNameRows();
}

void tst_QtSettingsStore::namesRoundTrip()
{
    QFETCH(QByteArray, name);
    {
        FakePlatform boxes;
        QtSettingsStore store(boxes);
        store.write("Tolvane", "Scores", "name 1", name.toStdString());
        store.flush();
        QVERIFY(boxes.boxes.empty());
    }
    QCOMPARE(readBack("Scores", "name 1"), name.toStdString());
}

void tst_QtSettingsStore::writesLandTogether()
{
    FakePlatform boxes;
    QtSettingsStore store(boxes);
    store.write("Tolvane", "Scores", "score 1", "12");
    store.write("Tolvane", "Scores", "name 1", "Ann");
    QVERIFY(!QFile::exists(configFile())); // not before control is back in the event loop
    QTRY_VERIFY(QFile::exists(configFile()));
    QCOMPARE(readBack("Scores", "name 1"), "Ann");
}

// Two copies of the game on one file, each opened, played to a high score and closed, in
// every order: every entry is kept, and each copy's High Scores shows the other's.
void tst_QtSettingsStore::twoCopiesKeepEveryEntry()
{
    const QString steps[] = {"open", "play", "exit"};
    const QString names[] = {"Alpha", "Bravo"};
    // Each order is a bit mask: bit k set when step k of the six is copy B's.
    for (int order = 0; order < 64; ++order) {
        if (std::popcount(unsigned(order)) != 3)
            continue;
        const QString tag = QString::number(order, 2);
        QProcess copies[2];
        int next[2] = {0, 0};
        QStringList played;
        for (int k = 0; k < 6; ++k) {
            const int c = (order >> k) & 1;
            const QString step = steps[next[c]++];
            if (step == "open") {
                copies[c].start(SAVEHELPER, {"copy"});
                QVERIFY2(copies[c].waitForStarted(), qPrintable(tag));
                continue;
            }
            const QString command
                    = step == "play" ? QString("play %1 %2").arg(3 - c).arg(names[c]) : step;
            copies[c].write(command.toUtf8() + "\n");
            QVERIFY2(copies[c].waitForReadyRead(10000), qPrintable(tag + " " + command));
            copies[c].readLine();
            if (step == "exit") {
                QVERIFY2(copies[c].waitForFinished(10000), qPrintable(tag));
                QCOMPARE(copies[c].exitCode(), 0);
            }
            if (step == "play")
                played << names[c];
            for (QProcess &open : copies) {
                if (open.state() != QProcess::Running)
                    continue;
                open.write("menu\n");
                QVERIFY2(open.waitForReadyRead(10000), qPrintable(tag));
                const QStringList shown = QString::fromUtf8(open.readLine()).split('\t');
                for (const QString &name : played)
                    QVERIFY2(shown.contains(name), qPrintable(tag + ": " + name + " not shown"));
            }
        }
        QCOMPARE(readBack("Scores", "name 1"), "Alpha");
        QCOMPARE(readBack("Scores", "name 2"), "Bravo");
        QVERIFY(QFile::remove(configFile()));
    }
}

void tst_QtSettingsStore::unreadableFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("no permission") << "permission";
    QTest::newRow("random bytes") << "random";
    QTest::newRow("broken section header") << "broken";
}

void tst_QtSettingsStore::unreadableFile()
{
    QFETCH(QString, kind);
    QByteArray old = "[Scores]\nscore%201=50\n[Settings]\nspeed=300\n";
    if (kind == "random") {
        std::mt19937 random(7);
        old.clear();
        for (int i = 0; i < 4096; ++i)
            old.append(char(random()));
    } else if (kind == "broken") {
        old.append("[Settings\n");
    }
    writeFile(configFile(), old);
    if (kind == "permission")
        QFile::setPermissions(configFile(), {});

    FakePlatform boxes;
    {
        QtSettingsStore store(boxes);
        QCOMPARE(store.read("Tolvane", "Settings", "speed", "500"), "500");
        QCOMPARE(store.read("Tolvane", "Scores", "score 1", ""), "");
        QCOMPARE(boxes.boxes.size(), size_t(1));
        QCOMPARE(boxes.boxes[0].title, "Tolvane");
        QVERIFY(boxes.boxes[0].text.find(configFile().toStdString()) != std::string::npos);
        if (kind == "permission")
            QVERIFY(boxes.boxes[0].text.find("Permission denied") != std::string::npos);

        store.write("Tolvane", "Scores", "score 1", "7");
        QCOMPARE(store.read("Tolvane", "Scores", "score 1", ""), "7"); // this run's own value
        store.flush();
        store.flush();
        QCOMPARE(boxes.boxes.size(), size_t(1));
    }
    // The old file is kept whole beside the new one, which holds only this run's values.
    const QStringList kept
            = QDir(home.path() + "/Tolvane").entryList({"Tolvane.conf.unreadable-*"});
    QCOMPARE(kept.size(), 1);
    const QString keptPath = home.path() + "/Tolvane/" + kept[0];
    QFile::setPermissions(keptPath, QFile::ReadOwner);
    QCOMPARE(contents(keptPath), old);
    QCOMPARE(readBack("Scores", "score 1"), "7");
    QCOMPARE(readBack("Settings", "speed"), "<absent>");
}

void tst_QtSettingsStore::unwritableFolder()
{
    const QByteArray old = "[Scores]\nscore%201=50\n";
    writeFile(configFile(), old);
    const QString folder = home.path() + "/Tolvane";
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);

    FakePlatform boxes;
    QtSettingsStore store(boxes);
    QCOMPARE(store.read("Tolvane", "Scores", "score 1", ""), "50");
    QVERIFY(boxes.boxes.empty());
    store.write("Tolvane", "Scores", "score 1", "60");
    store.flush();
    store.write("Tolvane", "Scores", "score 1", "70");
    store.flush();
    QCOMPARE(boxes.boxes.size(), size_t(1));
    QCOMPARE(boxes.boxes[0].title, "Tolvane");
    QVERIFY(boxes.boxes[0].text.find(configFile().toStdString()) != std::string::npos);
    QVERIFY2(boxes.boxes[0].text.find("Permission denied") != std::string::npos,
             boxes.boxes[0].text.c_str());
    QCOMPARE(contents(configFile()), old);
}

QTEST_MAIN(tst_QtSettingsStore)
#include "tst_qtsettingsstore.moc"
