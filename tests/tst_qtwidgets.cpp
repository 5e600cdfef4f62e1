// SPDX-License-Identifier: MIT
// tst_qtwidgets.cpp: the windows as Qt shows them, to the eye, the mouse and the keys.
#include <QTest>

#include "frmabout.h"
#include "frmmain.h"
#include "qtcontrols.h"
#include "qtservices.h"
#include "qtwindow.h"

#include <QDir>
#include <QFontInfo>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>

using namespace platform;

namespace {

template<typename Widget = QWidget, typename Control>
Widget *widget(Control *control)
{
    return dynamic_cast<Widget *>(control);
}

} // namespace

class tst_QtWidgets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void looks();
    void mouseAndKeys();

private:
    QTemporaryDir config;
};

void tst_QtWidgets::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    // The menu and the dialogs show in the desktop's own face: a sans-serif one, installed with
    // the program, where Debian 13 would otherwise answer with a monospace one.
    QVERIFY(!QFontInfo(QApplication::font()).fixedPitch());
    // What could differ between machines: the style, and the face of the controls' own text.
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setFont(QFont("Liberation Sans", 9));
}

// Each window as it looks, against the pictures in tests/pictures/ for this Qt. With
// TOLVANE_WRITE_PICTURES set, the pictures are written there instead, to be looked at before they
// are committed. A picture that differs is kept in the build's artifacts/.
void tst_QtWidgets::looks()
{
    const auto check = [](const char *name, Window *window) {
        const QImage shot = widget(window)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString file = QString(PICTURES "/%1.png").arg(name);
        if (qEnvironmentVariableIsSet("TOLVANE_WRITE_PICTURES"))
            QVERIFY(QDir().mkpath(PICTURES) && shot.save(file));
        const QImage reference = QImage(file).convertToFormat(QImage::Format_RGB32);
        QRect differing;
        for (int y = 0; y < std::max(shot.height(), reference.height()); ++y)
            for (int x = 0; x < std::max(shot.width(), reference.width()); ++x)
                if (!reference.valid(x, y) || !shot.valid(x, y)
                    || shot.pixel(x, y) != reference.pixel(x, y))
                    differing |= QRect(x, y, 1, 1);
        if (differing.isNull())
            return;
        const QString kept = QString(ARTIFACTS "/%1.png").arg(name);
        QVERIFY(QDir().mkpath(ARTIFACTS) && shot.save(kept));
        QFAIL(qPrintable(
                QString("%1 differs from %2 within x %3 to %4, y %5 to %6; it is kept as %7")
                        .arg(name, reference.isNull() ? file + " (none there)" : file)
                        .arg(differing.left())
                        .arg(differing.right())
                        .arg(differing.top())
                        .arg(differing.bottom())
                        .arg(kept)));
    };
    QtServices services;
    for (const std::string value : {"score 1=12", "name 1=Ann", "date 1=05-Dec-26", "score 2=0",
                                    "name 2=Bo", "date 2=04-Dec-26"})
        services.settingsStore().write("Tolvane", "Scores", value.substr(0, value.find('=')),
                                       value.substr(value.find('=') + 1));
    frmMain form(services);
    check("main", form.window.get());
    for (const auto &[i, name] :
         {std::pair(0, "main-up"), {1, "main-right"}, {2, "main-down"}, {3, "main-left"}})
        for (const bool shown : {true, false}) {
            for (Control *line : {form.Stem[i], form.RoofLeft[i], form.RoofRight[i]})
                line->setVisible(shown);
            if (shown)
                check(name, form.window.get());
        }
    form.lblGameOver->setVisible(true);
    check("main-game-over", form.window.get());
    // The table as the menu shows it, with the colour a new entry has.
    QTimer::singleShot(0, [&] { form.scoresWindow->cmdClose->onClick(); });
    form.itmHighScores->onClick();
    form.scoresWindow->setRowColour(1, 0xFF0000);
    check("high-scores", form.scoresWindow->window.get());
    frmAbout about(services);
    check("about", about.window.get());
}

// For one click a tile reports press, release and click, however the pointer moved inside it;
// a double-click counts as two clicks; the right button, or a release outside, makes no click.
// The window moves only when its empty area is dragged, never from a press on a control.
// Enter clicks the focused button and nothing else; Escape does nothing in a window without a
// cancel button. The arrow keys and the keypad's 8, 6, 2 and 4 go to the window, never moving
// the focus or the slider, each up and down once for a held key, unless the slider has the focus:
// then a key moves the thumb as a drag does, Left as Up and Right as Down, and a drag reports each
// step as it happens.
void tst_QtWidgets::mouseAndKeys()
{
    QtServices services;
    frmMain form(services);
    QStringList events;
    auto name = [](MouseButton b) { return b == MouseButton::Left ? "L" : "R"; };
    Tile &tile = *form.Box[0];
    tile.onPress = [&](MouseButton b) { events << QString("p") + name(b); };
    tile.onRelease = [&](MouseButton b) { events << QString("r") + name(b); };
    tile.onClick = [&] { events << "c"; };
    form.cmdStart->onClick = [&] { events << "s"; };
    form.window->onArrowKeyDown = [&](ArrowKey k) { events << QString("d%1").arg(int(k)); };
    form.window->onArrowKeyUp = [&](ArrowKey k) { events << QString("u%1").arg(int(k)); };
    QList<int> scrolls;
    form.Slider->onScroll = [&] { scrolls << form.Slider->value(); };
    form.show();
    QWidget *window = widget(form.window.get());
    QVERIFY(QTest::qWaitForWindowActive(window));
    const QPoint origin = window->pos();
    auto drag = [](QWidget *w, QPoint from, QPoint to) {
        QTest::mousePress(w, Qt::LeftButton, {}, from);
        QTest::mouseMove(w, to);
        QTest::mouseRelease(w, Qt::LeftButton, {}, to);
    };
    QWidget *w = widget(&tile);
    drag(w, {10, 10}, {14, 13});
    QTest::mouseDClick(w, Qt::LeftButton, {}, {14, 13});
    QTest::mouseRelease(w, Qt::LeftButton, {}, {14, 13});
    QTest::mouseClick(w, Qt::RightButton, {}, {14, 13});
    drag(w, {10, 10}, {200, 10});
    QCOMPARE(events.join(' '), "pL rL c pL rL c pR rR pL rL");
    drag(widget(form.cmdStart), {10, 10}, {16, 12});
    QCOMPARE(window->pos(), origin);
    drag(widget<QtWindow>(form.window.get())->clientArea(), {400, 260}, {430, 280});
    QTRY_COMPARE(window->pos(), origin + QPoint(30, 20));

    events.clear();
    QWidget *start = QApplication::focusWidget();
    QCOMPARE(start, widget(form.cmdStart));
    QTest::keyClick(start, Qt::Key_Return);
    QTest::keyClick(start, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(start, Qt::Key_Right);
    QTest::keyPress(start, Qt::Key_8, Qt::KeypadModifier);
    for (bool press : {false, true}) // held: X11 repeats it as up and down
        QTest::simulateEvent(start, press, Qt::Key_8, Qt::KeypadModifier, "8", true);
    QTest::keyRelease(start, Qt::Key_8, Qt::KeypadModifier);
    QTest::keyClick(start, Qt::Key_2, Qt::KeypadModifier);
    QTest::keyClick(start, Qt::Key_4);
    QCOMPARE(QApplication::focusWidget(), start);
    auto *slider = widget<QSlider>(form.Slider);
    slider->setFocus();
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_PageUp, Qt::Key_Left, Qt::Key_Right, Qt::Key_Return,
                        Qt::Key_Escape})
        QTest::keyClick(slider, key);
    QCOMPARE(events.join(' '), "s s d1 u1 d0 d0 u0 d2 u2");
    QVERIFY(form.window->isVisible());
    slider->setSliderDown(true);
    slider->setSliderPosition(300);
    slider->setSliderPosition(310);
    QCOMPARE(scrolls, QList<int>({510, 410, 400, 410, 300, 310}));
    // Shown whatever moved it: a click on the track or the wheel reports no scroll.
    QVERIFY(form.lblTimerInterval->caption() == "310");
}

QTEST_MAIN(tst_QtWidgets)
#include "tst_qtwidgets.moc"
