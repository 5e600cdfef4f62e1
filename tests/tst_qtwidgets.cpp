// SPDX-License-Identifier: MIT
// tst_qtwidgets.cpp: the windows as Qt shows them, to the eye, the mouse and the keys.
#include <QTest>

#include "frmabout.h"
#include "frmmain.h"
#include "qtcontrols.h"
#include "qtservices.h"

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
    void mouseAndKeys_data();
    void mouseAndKeys();

private:
    QTemporaryDir config;
    std::optional<QtServices> services;
    std::optional<frmMain> form;
    QStringList events;
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
    services.emplace();
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
        const QString where
                = QString::asprintf("x %d to %d, y %d to %d", differing.left(), differing.right(),
                                    differing.top(), differing.bottom());
        QFAIL(qPrintable(QString("%1 differs from %2 within %3; it is kept as %4")
                                 .arg(name, reference.isNull() ? file + " (none there)" : file,
                                      where, kept)));
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
    form.scoresWindow->markRow(1);
    check("high-scores", form.scoresWindow->window.get());
    frmAbout about(services);
    check("about", about.window.get());
}

// Rows: a gesture, with the focus on the slider or else on Start Game; what the game heard of it.
// (Dragging the window is the end-to-end tests', under real window managers.) A gesture is one of
//   drag PART X Y X2 Y2   the left button pressed at X, Y of the tile or Start Game, moved and
//                         released at X2, Y2
//   dclick PART, right PART   a left click and a double-click, or a right click, at 9, 9
//   keys NAME..., keypad NAME, hold NAME   keys clicked, one on the keypad, or one held there
//   slide N...            the slider's thumb dragged to each N
void tst_QtWidgets::mouseAndKeys_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<bool>("onSlider");
    QTest::addColumn<QString>("heard");
    const auto row
            = [](const char *tag, const char *gesture, const char *heard, bool onSlider = false) {
                  QTest::newRow(tag) << QString(gesture) << onSlider << QString(heard);
              };
    row("a click moving inside the tile", "drag tile 10 10 14 13", "pL rL c");
    row("a double-click, two clicks", "dclick tile", "pL rL c pL rL c");
    row("the right button, no click", "right tile", "pR rR");
    row("a release outside, no click", "drag tile 10 10 200 10", "pL rL");
    row("a drag on a button clicks it", "drag start 10 10 16 12", "s");
    row("Return clicks the focused button", "keys Return", "s");
    row("so does the keypad's Enter", "keypad Enter", "s");
    row("Escape, with no cancel button", "keys Esc", "");
    row("an arrow key goes to the window", "keys Right", "d1 u1");
    row("the keypad's 2 is Down", "keypad 2", "d2 u2");
    row("a 4 off the keypad is none", "keys 4", "");
    row("a held key: repeats, one release", "hold 8", "d0 d0 u0");
    // Left as Up and Right as Down; Return and Escape do nothing there.
    row("the slider's keys move it as a drag", "keys Down PgUp Left Right Return Esc",
        "v510 v410 v400 v410", true);
    row("a drag reports each step", "slide 300 310", "v300 v310", true);
}

// What the game hears of the mouse and the keys on the main window. The label beside the slider
// shows its value, however it moved.
void tst_QtWidgets::mouseAndKeys()
{
    QFETCH(QString, gesture);
    QFETCH(bool, onSlider);
    QFETCH(QString, heard);
    if (!form) {
        form.emplace(*services);
        const auto hear = [this](const QString &event) { events << event; };
        const auto name = [](MouseButton b) { return b == MouseButton::Left ? "L" : "R"; };
        Tile &tile = *form->Box[0];
        tile.onPress = [=](MouseButton b) { hear(QString("p") + name(b)); };
        tile.onRelease = [=](MouseButton b) { hear(QString("r") + name(b)); };
        tile.onClick = [=] { hear("c"); };
        form->cmdStart->onClick = [=] { hear("s"); };
        form->window->onArrowKeyDown = [=](ArrowKey k) { hear(QString("d%1").arg(int(k))); };
        form->window->onArrowKeyUp = [=](ArrowKey k) { hear(QString("u%1").arg(int(k))); };
        form->Slider->onScroll = [=, this] { hear(QString("v%1").arg(form->Slider->value())); };
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(widget(form->window.get())));
    }
    auto *slider = widget<QSlider>(form->Slider);
    QWidget *focus = onSlider ? slider : widget(form->cmdStart);
    focus->setFocus();
    events.clear();
    const QStringList words = gesture.split(' ');
    const QString &verb = words[0];
    const std::map<QString, QWidget *> parts{{"tile", widget(form->Box[0])},
                                             {"start", widget(form->cmdStart)}};
    QWidget *part = parts.contains(words[1]) ? parts.at(words[1]) : nullptr;
    const auto at = [&](int i) { return QPoint(words[i].toInt(), words[i + 1].toInt()); };
    const auto key = [](const QString &name) { return Qt::Key(QKeySequence(name)[0].key()); };
    if (verb == "drag") {
        QTest::mousePress(part, Qt::LeftButton, {}, at(2));
        QTest::mouseMove(part, at(4));
        QTest::mouseRelease(part, Qt::LeftButton, {}, at(4));
    } else if (verb == "dclick") {
        QTest::mouseClick(part, Qt::LeftButton, {}, {9, 9});
        QTest::mouseDClick(part, Qt::LeftButton, {}, {9, 9});
        QTest::mouseRelease(part, Qt::LeftButton, {}, {9, 9});
    } else if (verb == "right") {
        QTest::mouseClick(part, Qt::RightButton, {}, {9, 9});
    } else if (verb == "keypad") {
        QTest::keyClick(focus, key(words[1]), Qt::KeypadModifier);
    } else if (verb == "hold") {
        // X11 repeats a held key as an up and a down between the first down and the last up.
        for (int event = 0; event < 4; ++event)
            QTest::simulateEvent(focus, event % 2 == 0, key(words[1]), Qt::KeypadModifier, words[1],
                                 event == 1 || event == 2);
    }
    for (const QString &word : words.mid(1)) {
        if (verb == "keys")
            QTest::keyClick(focus, key(word));
        if (verb == "slide")
            slider->setSliderDown(true), slider->setSliderPosition(word.toInt());
    }
    slider->setSliderDown(false);
    QCOMPARE(events.join(' '), heard);
    QCOMPARE(QApplication::focusWidget(), focus);
    QVERIFY(form->window->isVisible());
    QCOMPARE(form->lblTimerInterval->caption(), std::to_string(slider->value()));
}

QTEST_MAIN(tst_QtWidgets)
#include "tst_qtwidgets.moc"
