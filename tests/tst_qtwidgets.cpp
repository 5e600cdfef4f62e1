// SPDX-License-Identifier: MIT
// tst_qtwidgets.cpp: the program's windows and controls as Qt shows them: mouse and keys,
// plain text, fonts that fit, glyphs on their tiles, and a sharp picture on a scaled screen
// (this test runs at a scale factor of 2).
#include <QTest>

#include "frmabout.h"
#include "frmmain.h"
#include "qtcontrols.h"
#include "qtservices.h"
#include "qtwindow.h"

#include <QFontDatabase>
#include <QMenuBar>
#include <QTemporaryDir>

using namespace platform;

namespace {

template<typename Widget = QWidget, typename Control>
Widget *widget(Control *control)
{
    return dynamic_cast<Widget *>(control);
}

// Each label and button of the window shows its whole caption: one line across, or wrapped
// lines down.
void checkCaptionsFit(const Window &window)
{
    QWidget *client = dynamic_cast<const QtWindow &>(window).clientArea();
    for (QLabel *label : client->findChildren<QLabel *>()) {
        const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
        const QRect needed = label->fontMetrics().boundingRect(
                label->contentsRect(), int(label->alignment()) | wrap, label->text());
        QVERIFY2(label->contentsRect().contains(needed) || label->text().isEmpty(),
                 qPrintable(label->text()));
    }
    for (QPushButton *button : client->findChildren<QPushButton *>())
        QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) + 8 <= button->width(),
                 qPrintable(button->text()));
}

} // namespace

class tst_QtWidgets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void tileMouse();
    void sliderKeysAndDrag();
    void keysInTheMainWindow();
    void labelIsPlainText();
    void mainWindow();
    void aboutWindow();

private:
    QTemporaryDir config;
};

void tst_QtWidgets::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QVERIFY(QFontDatabase::hasFamily("Liberation Sans"));
}

// For one click a tile reports press, release and click; a double-click counts as two clicks;
// the right button, or a release outside, makes no click.
void tst_QtWidgets::tileMouse()
{
    QtWindow window({.caption = "t", .width = 9375, .height = 4395});
    Tile &tile = window.addTile({3600, 480, 735, 1095}, "Up");
    QStringList events;
    auto name = [](MouseButton b) { return b == MouseButton::Left ? "L" : "R"; };
    tile.onPress = [&](MouseButton b) { events << QString("p") + name(b); };
    tile.onRelease = [&](MouseButton b) { events << QString("r") + name(b); };
    tile.onClick = [&] { events << "c"; };
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget *w = widget(&tile);
    const QPoint inside(10, 10);
    QTest::mouseClick(w, Qt::LeftButton, {}, inside);
    QTest::mouseDClick(w, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(w, Qt::LeftButton, {}, inside);
    QTest::mouseClick(w, Qt::RightButton, {}, inside);
    QTest::mousePress(w, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(200, 10));
    QCOMPARE(events.join(' '), "pL rL c pL rL c pR rR pL rL");
}

// A key moves the slider as a drag does: its value changes and a scroll is reported. Left acts
// as Up and Right as Down. A drag reports each step as it happens, not only at the release.
void tst_QtWidgets::sliderKeysAndDrag()
{
    QtServices services;
    frmMain form(services);
    QList<int> scrolls;
    form.Slider->onScroll = [&] { scrolls << form.Slider->value(); };
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_PageUp, Qt::Key_Left, Qt::Key_Right})
        QTest::keyClick(widget(form.Slider), key);
    auto *slider = widget<QSlider>(form.Slider);
    slider->setSliderDown(true);
    slider->setSliderPosition(300);
    slider->setSliderPosition(310);
    QCOMPARE(scrolls, QList<int>({510, 410, 400, 410, 300, 310}));
}

// Enter clicks the focused button and nothing else; Escape does nothing in a window without
// a cancel button.
void tst_QtWidgets::keysInTheMainWindow()
{
    QtServices services;
    frmMain form(services);
    int starts = 0;
    form.cmdStart->onClick = [&] { ++starts; };
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(widget(form.window.get())));
    QCOMPARE(QApplication::focusWidget(), widget(form.cmdStart));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    widget(form.Slider)->setFocus();
    QTest::keyClick(widget(form.Slider), Qt::Key_Return);
    QTest::keyClick(widget(form.Slider), Qt::Key_Escape);
    QCOMPARE(starts, 2);
    QVERIFY(form.window->isVisible());
}

// Names show as typed: never markup, never access keys.
void tst_QtWidgets::labelIsPlainText()
{
    QtWindow window({.caption = "t", .width = 3000, .height = 3000});
    Label &label = window.addLabel({.rect = {0, 0, 2295, 375}});
    label.setCaption("<b>x</b> & y");
    QCOMPARE(widget<QLabel>(&label)->textFormat(), Qt::PlainText);
    QVERIFY(!widget<QLabel>(&label)->wordWrap()); // a long name is clipped, never wrapped
    label.setTextColour(0xFF0000);
    QCOMPARE(widget(&label)->palette().color(QPalette::WindowText), QColor(Qt::blue));
}

void tst_QtWidgets::mainWindow()
{
    QtServices services;
    frmMain form(services);
    QCOMPARE(QFontInfo(widget(form.lblScore)->font()).family(), "Liberation Sans");
    form.lblScore->setCaption("32000");
    form.lblTimerInterval->setCaption("950");
    form.lblGameOver->setVisible(true);
    checkCaptionsFit(*form.window);
    for (int k = 0; k < HighScoreRows; ++k) {
        form.scoresWindow->lblScore[k]->setCaption("32000");
        form.scoresWindow->lblDate[k]->setCaption("28-Sep-26");
    }
    checkCaptionsFit(*form.scoresWindow->window);

    QStringList names;
    for (int i = 0; i < ArrowCount; ++i) {
        const QRect tile = widget(form.Box[i])->geometry();
        QVERIFY(!tile.intersects(widget(form.lblGameOver)->geometry()));
        // A line's widget reaches one pen width beyond the stroke's ends; the stroke half of one.
        for (Control *line : {form.Stem[i], form.RoofLeft[i], form.RoofRight[i]})
            QVERIFY(tile.contains(widget(line)->geometry().adjusted(2, 2, -2, -2)));
        names << widget(form.Box[i])->accessibleName();
    }
    QCOMPARE(names, QStringList({"Up", "Right", "Down", "Left"}));
    // A desktop's global menu would take the menu out of this window without a title bar.
    QVERIFY(!widget(form.window.get())->findChild<QMenuBar *>()->isNativeMenuBar());
}

void tst_QtWidgets::aboutWindow()
{
    QtServices services;
    frmAbout about(services);
    about.window->show();
    auto *text = widget<QPlainTextEdit>(about.txtUpdates);
    text->setFocus();
    QTest::keyClicks(text, "typed");
    QCOMPARE(about.txtUpdates->text(), "");
    auto *website = widget<QLabel>(about.lblWebsite);
    QCOMPARE(website->textFormat(), Qt::PlainText);
    QVERIFY(!website->openExternalLinks());
    // Drawn for the screen's own pixels.
    const auto labels
            = widget<QtWindow>(about.window.get())->clientArea()->findChildren<QLabel *>();
    const auto picture
            = std::ranges::find_if(labels, [](QLabel *l) { return !l->pixmap().isNull(); });
    QVERIFY(picture != labels.end());
    QCOMPARE((*picture)->pixmap().size(), QSize(64, 64));
    QCOMPARE((*picture)->pixmap().deviceIndependentSize(), QSizeF(32, 32));
}

QTEST_MAIN(tst_QtWidgets)
#include "tst_qtwidgets.moc"
