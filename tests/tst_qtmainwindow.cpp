// SPDX-License-Identifier: MIT
// tst_qtmainwindow.cpp: the main and high-score windows as Qt lays them out: sizes, focus, fonts,
// fit.
#include "testing.h"

#include "frmmain.h"
#include "qtservices.h"
#include "qtwindow.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QLabel>
#include <QMenuBar>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace platform;

namespace {

QLabel *widget(Label *label)
{
    return dynamic_cast<QLabel *>(label);
}

// Each label and button shows its whole caption: one line across, or wrapped lines down.
void checkCaptionsFit(QWidget *client)
{
    for (QLabel *label : client->findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        const QFontMetrics metrics(label->font());
        const QRect needed = metrics.boundingRect(
                label->contentsRect(),
                int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0),
                label->text());
        QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                 qPrintable(label->text() + " needs " + QString::number(needed.width()) + "x"
                            + QString::number(needed.height())));
    }
    for (QAbstractButton *button : client->findChildren<QAbstractButton *>()) {
        const int needed = QFontMetrics(button->font()).horizontalAdvance(button->text());
        QVERIFY2(needed + 8 <= button->width(), qPrintable(button->text()));
    }
}

} // namespace

class tst_QtMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void mainWindow();
    void glyphsLieInsideTheirTiles();
    void scoresWindow();

private:
    QTemporaryDir config;
};

void tst_QtMainWindow::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QVERIFY(QFontDatabase::hasFamily("Liberation Sans"));
}

void tst_QtMainWindow::mainWindow()
{
    QtServices services;
    frmMain form(services);
    auto *window = dynamic_cast<QtWindow *>(form.window.get());
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(window->clientArea()->size(), QSize(625, 293));
    QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!window->windowIcon().isNull());

    auto *start = dynamic_cast<QAbstractButton *>(form.cmdStart);
    QCOMPARE(QApplication::focusWidget(), start);
    QCOMPARE(start->nextInFocusChain(), dynamic_cast<QSlider *>(form.Slider));

    QCOMPARE(QFontInfo(widget(form.lblScore)->font()).family(), "Liberation Sans");
    QCOMPARE(QFontInfo(widget(form.lblScore)->font()).pointSizeF(), 20.25);
    QVERIFY(widget(form.lblSpeed)->font().underline());
    QVERIFY(widget(form.lblSpeed)->font().bold());
    checkCaptionsFit(window->clientArea());
    form.lblScore->setCaption("32000");
    form.lblTimerInterval->setCaption("950");
    form.lblGameOver->setVisible(true);
    checkCaptionsFit(window->clientArea());

    const QRect gameOver = widget(form.lblGameOver)->geometry();
    for (Tile *tile : form.Box)
        QVERIFY(!dynamic_cast<QWidget *>(tile)->geometry().intersects(gameOver));

    // What a screen reader says, and a menu bar that stays in this window without a title bar.
    QStringList names;
    for (Tile *tile : form.Box)
        names << dynamic_cast<QWidget *>(tile)->accessibleName();
    QCOMPARE(names, QStringList({"Up", "Right", "Down", "Left"}));
    QCOMPARE(dynamic_cast<QSlider *>(form.Slider)->accessibleName(), "Speed");
    QVERIFY(!window->findChild<QMenuBar *>()->isNativeMenuBar());
}

// Each stroke, pen width included, stays within its tile.
void tst_QtMainWindow::glyphsLieInsideTheirTiles()
{
    QtServices services;
    frmMain form(services);
    for (int i = 0; i < ArrowCount; ++i) {
        const QRect tile = dynamic_cast<QWidget *>(form.Box[i])->geometry();
        for (Control *line : {form.Stem[i], form.RoofLeft[i], form.RoofRight[i]}) {
            const QRect box = dynamic_cast<QWidget *>(line)->geometry();
            // The widget reaches one pen width beyond the stroke's ends; the stroke half of one.
            const QRect stroke = box.adjusted(2, 2, -2, -2);
            QVERIFY2(tile.contains(stroke), qPrintable(QString("arrow %1").arg(i)));
        }
    }
}

void tst_QtMainWindow::scoresWindow()
{
    QtServices services;
    frmMain form(services);
    frmScores &scores = *form.scoresWindow;
    auto *window = dynamic_cast<QtWindow *>(scores.window.get());
    QCOMPARE(window->clientArea()->size(), QSize(392, 445));
    QVERIFY(!window->isVisible());
    QVERIFY(!(window->windowFlags() & Qt::WindowMinMaxButtonsHint));
    scores.lblScore[9]->setCaption("32000");
    scores.lblDate[9]->setCaption("28-Sep-26");
    scores.lblName[9]->setCaption("Wolfgang");
    checkCaptionsFit(window->clientArea());
    QCOMPARE(widget(scores.lblScore[9])->geometry(), QRect(16, 352, 49, 25));
    QVERIFY(!widget(scores.lblName[0])->wordWrap());
}

QTEST_MAIN(tst_QtMainWindow)
#include "tst_qtmainwindow.moc"
