// tst_qtsettingsstore.cpp: the speed and the table through a real settings file, and what a broken one does.
#include "testing.h"

#include "fakeplatform.h"
#include "frmmain.h"
#include "qtservices.h"
#include "qtsettingsstore.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

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
    void speedAndTableSurviveRestart();
    void namesRoundTrip_data();
    void namesRoundTrip();
    void writesLandTogether();
    void twoCopiesLastWriterWins();
    void unreadableFile_data();
    void unreadableFile();
    void unwritableFolder();

private:
    QTemporaryDir home;
};

void tst_QtSettingsStore::initTestCase()
{
    QVERIFY(home.isValid());
    // Before the first QSettings: it takes the folder once per process.
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
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

void tst_QtSettingsStore::speedAndTableSurviveRestart()
{
    {
        QtServices services;
        frmMain form(services);
        form.Slider->setValue(750);
        for (int row = 1; row <= HighScoreRows; ++row)
            form.HighScores[row - 1] = {std::to_string(100 - row), "Name " + std::to_string(row), "05-Dec-26"};
        form.window->close();
        services.settingsStore().flush();
    }
    QtServices services;
    frmMain form(services);
    QCOMPARE(form.Slider->value(), 750);
    QCOMPARE(form.lblTimerInterval->caption(), "750");
    QCOMPARE(form.scoresWindow->lblScore[0]->caption(), "99");
    QCOMPARE(form.scoresWindow->lblName[9]->caption(), "Name 10");
    QCOMPARE(form.scoresWindow->lblDate[4]->caption(), "05-Dec-26");
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
    QVERIFY(!QFile::exists(configFile()));   // not before control is back in the event loop
    QTRY_VERIFY(QFile::exists(configFile()));
    QCOMPARE(readBack("Scores", "name 1"), "Ann");
}

void tst_QtSettingsStore::twoCopiesLastWriterWins()
{
    FakePlatform boxes;
    QtSettingsStore first(boxes);
    QtSettingsStore second(boxes);
    QCOMPARE(first.read("Tolvane", "Settings", "speed", "500"), "500");
    QCOMPARE(second.read("Tolvane", "Settings", "speed", "500"), "500");
    for (int row = 1; row <= HighScoreRows; ++row)
        first.write("Tolvane", "Scores", "name" + rowSuffix(row), "first");
    first.flush();
    for (int row = 1; row <= HighScoreRows; ++row)
        second.write("Tolvane", "Scores", "name" + rowSuffix(row), "second");
    second.flush();
    first.write("Tolvane", "Settings", "speed", "900");
    first.flush();
    QCOMPARE(readBack("Scores", "name 1"), "second");
    QCOMPARE(readBack("Scores", "name 10"), "second");
    QCOMPARE(readBack("Settings", "speed"), "900");
    QVERIFY(boxes.boxes.empty());
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
        QCOMPARE(store.read("Tolvane", "Scores", "score 1", ""), "7");   // this run's own value
        store.flush();
        store.flush();
        QCOMPARE(boxes.boxes.size(), size_t(1));
    }
    // The old file is kept whole beside the new one, which holds only this run's values.
    const QStringList kept = QDir(home.path() + "/Tolvane").entryList({"Tolvane.conf.unreadable-*"});
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
    QVERIFY2(boxes.boxes[0].text.find("Permission denied") != std::string::npos, boxes.boxes[0].text.c_str());
    QCOMPARE(contents(configFile()), old);
}

QTEST_MAIN(tst_QtSettingsStore)
#include "tst_qtsettingsstore.moc"
