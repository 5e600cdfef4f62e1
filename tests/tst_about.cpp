// tst_about.cpp: the About window on the fake platform: its texts, and that every way out unloads it.
#include "testing.h"

#include "frmabout.h"
#include "frmmain.h"
#include "fakeplatform.h"

using namespace platform;

class tst_About : public QObject
{
    Q_OBJECT

private slots:
    void versionText_data();
    void versionText();
    void everyOpeningStartsAfresh_data();
    void everyOpeningStartsAfresh();
};

void tst_About::versionText_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("text");
    QTest::newRow("this release") << 1 << 0 << 0 << "v1.0.0";
    QTest::newRow("two digits are not padded") << 2 << 10 << 3 << "v2.10.3";
    QTest::newRow("one digit is not widened") << 1 << 5 << 0 << "v1.5.0";
}

void tst_About::versionText()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, text);
    QCOMPARE(::versionText(major, minor, revision), text.toStdString());
}

void tst_About::everyOpeningStartsAfresh_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("OK") << "ok";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("its own close box") << "close";
}

void tst_About::everyOpeningStartsAfresh()
{
    QFETCH(QString, way);
    FakePlatform fake;
    frmMain form(fake);
    int openings = 0;
    fake.whileModal = [&](FakeWindow &w) {
        ++openings;
        QCOMPARE(w.caption(), "About Tolvane");
        QVERIFY(w.design.border == BorderStyle::FixedDialog);
        QVERIFY(w.design.icon == Picture::Information);
        QCOMPARE(w.labels[0]->caption(), "v1.0.0");
        QCOMPARE(w.frames[0]->textBoxes[0]->text(), "");
        // Leave a mark that a reused window would still show next time.
        w.labels[0]->setCaption("changed");
        if (way == "ok")
            FakePlatform::click(*w.buttons[0]);
        else if (way == "enter")
            w.pressEnter();
        else if (way == "escape")
            w.pressEscape();
        else
            w.close();
        QVERIFY(w.closed);
    };
    FakePlatform::click(*form.About);
    QVERIFY(!fake.findWindow("About Tolvane"));
    FakePlatform::click(*form.About);
    QCOMPARE(openings, 2);
    QVERIFY(!fake.findWindow("About Tolvane"));
}

QTEST_APPLESS_MAIN(tst_About)
#include "tst_about.moc"
