// SPDX-License-Identifier: MIT
// tst_qtsettingsstore.cpp: values through a real settings file: names as typed, another copy's
// saves, nothing system-wide, and what an unreadable file does.
#include "hostilenames.h"

#include "fakeplatform.h"
#include "qtsettingsstore.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <random>

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

// A new store, as at the next start of the program.
QString readBack(const std::string &section, const std::string &key)
{
    FakePlatform boxes;
    return QString::fromStdString(QtSettingsStore(boxes).read("Tolvane", section, key, "<absent>"));
}

} // namespace

class tst_QtSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void namesRoundTrip();
    void anotherCopysSaveIsRead();
    void unreadableFile_data();
    void unreadableFile();

private:
    QTemporaryDir home;
    QTemporaryDir systemWide;
};

void tst_QtSettingsStore::initTestCase()
{
    // Before the first QSettings: it takes the folders once per process.
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_DIRS", systemWide.path().toUtf8());
    // A system-wide file never speaks for the user.
    writeFile(systemWide.path() + "/Tolvane/Tolvane.conf", "[Settings]\nspeed=42\n");
    QCOMPARE(configFile(), home.path() + "/Tolvane/Tolvane.conf");
    QCOMPARE(readBack("Settings", "speed"), "<absent>");
}

void tst_QtSettingsStore::cleanup()
{
    QDir dir(home.path() + "/Tolvane");
    for (const QString &name : dir.entryList(QDir::Files))
        QFile::setPermissions(dir.filePath(name), QFile::ReadOwner | QFile::WriteOwner);
    QVERIFY(dir.removeRecursively());
}

void tst_QtSettingsStore::namesRoundTrip()
{
    for (const auto &[tag, name] : hostileNames()) {
        FakePlatform boxes;
        QtSettingsStore store(boxes);
        store.write("Tolvane", "Scores", "name 1", name);
        store.flush();
        QVERIFY2(readBack("Scores", "name 1") == QString::fromStdString(name), tag.c_str());
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
    QTest::newRow("random bytes") << "random";
    QTest::newRow("broken section header") << "broken";
}

// The player is told once; the game reads the defaults and saves this run's values in a new
// file, with the old one kept whole beside it.
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
        QVERIFY(store.read("Tolvane", "Settings", "speed", "500") == "500");
        store.write("Tolvane", "Scores", "score 1", "7");
        QVERIFY(store.read("Tolvane", "Scores", "score 1", "") == "7"); // this run's own value
        store.flush();
        store.flush();
    }
    QCOMPARE(boxes.boxes.size(), size_t(1));
    QVERIFY(boxes.boxes[0].title == "Tolvane");
    QVERIFY(boxes.boxes[0].text.find(configFile().toStdString()) != std::string::npos);
    const QStringList kept
            = QDir(home.path() + "/Tolvane").entryList({"Tolvane.conf.unreadable-*"});
    QCOMPARE(kept.size(), 1);
    QFile keptFile(home.path() + "/Tolvane/" + kept[0]);
    keptFile.setPermissions(QFile::ReadOwner);
    QVERIFY(keptFile.open(QIODevice::ReadOnly));
    QCOMPARE(keptFile.readAll(), old);
    QCOMPARE(readBack("Scores", "score 1"), "7");
    QCOMPARE(readBack("Settings", "speed"), "<absent>");
}

QTEST_MAIN(tst_QtSettingsStore)
#include "tst_qtsettingsstore.moc"
