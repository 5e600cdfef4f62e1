// SPDX-License-Identifier: MIT
// tst_qtbackend.cpp: the Qt widgets keep the promises of the platform interface.
#include "testing.h"

#include "qtcontrols.h"
#include "qtservices.h"
#include "qttimer.h"
#include "qtwindow.h"

#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>

using namespace platform;

class tst_QtBackend : public QObject
{
    Q_OBJECT

private slots:
    void geometry_data();
    void geometry();
    void windowLayout();
    void tileMouse_data();
    void tileMouse();
    void linesLetClicksThrough();
    void labelIsPlainText();
    void slider();
    void sliderKeys_data();
    void sliderKeys();
    void showModalWaitsForHide();
    void messageBoxWaitsForOk();
    void inputBox_data();
    void inputBox();
    void defaultAndCancelButtons();
    void timerTicksAndStops();
    void timerKeepsPendingTickWhenEnabledAgain();
};

void tst_QtBackend::geometry_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("label") << "label" << QRect(536, 40, 89, 33);
    QTest::newRow("button") << "button" << QRect(448, 136, 161, 41);
    QTest::newRow("tile") << "tile" << QRect(240, 32, 49, 73);
    QTest::newRow("slider") << "slider" << QRect(64, 32, 33, 209);
    QTest::newRow("rectangle") << "rectangle" << QRect(2, 0, 105, 289);
    // The line's widget reaches its pen width beyond both ends.
    QTest::newRow("line") << "line" << QRect(260, 44, 9, 57);
}

void tst_QtBackend::geometry()
{
    QFETCH(QString, kind);
    QFETCH(QRect, expected);
    QtWindow window({.caption = "t", .width = 9375, .height = 4395});
    if (kind == "label")
        window.addLabel({.rect = {8040, 600, 1335, 495}, .caption = "0"});
    else if (kind == "button")
        window.addButton({.rect = {6720, 2040, 2415, 615}, .caption = "Start Game"});
    else if (kind == "tile")
        window.addTile({3600, 480, 735, 1095}, "Up");
    else if (kind == "slider")
        window.addSlider({.rect = {960, 480, 495, 3135}, .minimum = 1, .maximum = 950});
    else if (kind == "rectangle")
        window.addRectangle({30, 0, 1575, 4335});
    else
        window.addLine({{3960, 720}, {3960, 1440}, 4});
    const auto children = window.clientArea()->findChildren<QWidget *>();
    QCOMPARE(children.size(), 1);
    QCOMPARE(children[0]->geometry(), expected);
}

void tst_QtBackend::windowLayout()
{
    QtWindow window(
            {.caption = "Tolvane", .width = 9375, .height = 4395, .border = BorderStyle::None});
    window.addMenuItem("&Help");
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.clientArea()->size(), QSize(625, 293));
    auto *menu = window.findChild<QMenuBar *>();
    QVERIFY(menu);
    QCOMPARE(menu->geometry().top(), 0);
    QCOMPARE(window.clientArea()->geometry().top(), menu->geometry().bottom() + 1);
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(window.size(), window.minimumSize()); // not resizable
    QCOMPARE(window.windowTitle(), "Tolvane");
}

void tst_QtBackend::tileMouse_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<QString>("expected"); // p press, r release, c click; L left, R right
    QTest::newRow("click") << "click"
                           << "pL rL c";
    QTest::newRow("double-click counts twice") << "double"
                                               << "pL rL c pL rL c";
    QTest::newRow("right button is no click") << "right"
                                              << "pR rR";
    QTest::newRow("released outside: no click") << "outside"
                                                << "pL rL";
}

void tst_QtBackend::tileMouse()
{
    QFETCH(QString, gesture);
    QFETCH(QString, expected);
    QtWindow window({.caption = "t", .width = 9375, .height = 4395});
    Tile &tile = window.addTile({3600, 480, 735, 1095}, "Up");
    QStringList events;
    auto name = [](MouseButton b) { return b == MouseButton::Left ? "L" : "R"; };
    tile.onPress = [&](MouseButton b) { events << QString("p") + name(b); };
    tile.onRelease = [&](MouseButton b) { events << QString("r") + name(b); };
    tile.onClick = [&] { events << "c"; };
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *widget = dynamic_cast<QtTile *>(&tile);
    const QPoint inside(10, 10);
    if (gesture == "click") {
        QTest::mouseClick(widget, Qt::LeftButton, {}, inside);
    } else if (gesture == "double") {
        QTest::mouseClick(widget, Qt::LeftButton, {}, inside);
        QTest::mouseDClick(widget, Qt::LeftButton, {}, inside);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, inside);
    } else if (gesture == "right") {
        QTest::mouseClick(widget, Qt::RightButton, {}, inside);
    } else {
        QTest::mousePress(widget, Qt::LeftButton, {}, inside);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(200, 10));
    }
    QCOMPARE(events.join(' '), expected);
}

void tst_QtBackend::linesLetClicksThrough()
{
    QtWindow window({.caption = "t", .width = 9375, .height = 4395});
    Tile &tile = window.addTile({3600, 480, 735, 1095}, "Up");
    window.addLine({{3960, 720}, {3960, 1440}, 4});
    int clicks = 0;
    tile.onClick = [&] { ++clicks; };
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint onLine(264, 70); // client coordinates of a point on the line
    QWidget *hit = window.clientArea()->childAt(onLine);
    QCOMPARE(hit, dynamic_cast<QWidget *>(&tile));
    QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(window.clientArea(), onLine));
    QCOMPARE(clicks, 1);
}

void tst_QtBackend::labelIsPlainText()
{
    QtWindow window({.caption = "t", .width = 3000, .height = 3000});
    Label &label = window.addLabel({.rect = {0, 0, 2295, 375}});
    label.setCaption("<b>x</b> & y");
    auto *widget = dynamic_cast<QLabel *>(&label);
    QCOMPARE(widget->textFormat(), Qt::PlainText);
    QCOMPARE(label.caption(), "<b>x</b> & y");
    QVERIFY(!widget->wordWrap()); // one line: a long text is clipped, never half a second line
    label.setTextColour(0xFF0000);
    QCOMPARE(widget->palette().color(QPalette::WindowText), QColor(Qt::blue));
}

void tst_QtBackend::slider()
{
    QtWindow window({.caption = "t", .width = 3000, .height = 4000});
    Slider &slider = window.addSlider({.rect = {960, 480, 495, 3135},
                                       .minimum = 1,
                                       .maximum = 950,
                                       .smallStep = 10,
                                       .largeStep = 100,
                                       .tickEvery = 50});
    auto *widget = dynamic_cast<QSlider *>(&slider);
    QCOMPARE(widget->orientation(), Qt::Vertical);
    QCOMPARE(widget->tickPosition(), QSlider::TicksLeft);
    QCOMPARE(widget->tickInterval(), 50);
    QVERIFY(widget->invertedAppearance()); // minimum at the top
    int changes = 0;
    int scrolls = 0;
    slider.onChange = [&] { ++changes; };
    slider.onScroll = [&] { ++scrolls; };
    slider.setValue(500);
    QCOMPARE(slider.value(), 500);
    QCOMPARE(changes, 1);
    slider.setValue(500);
    QCOMPARE(changes, 1);
    slider.setValue(5000);
    QCOMPARE(slider.value(), 950);
    // Dragging reports each step as it happens, not only at the release.
    widget->setSliderDown(true);
    widget->setSliderPosition(300);
    widget->setSliderPosition(310);
    QCOMPARE(scrolls, 2);
    QCOMPARE(slider.value(), 310);
    widget->setSliderDown(false);
}

void tst_QtBackend::sliderKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("value");
    QTest::newRow("down arrow: 10 faster") << int(Qt::Key_Down) << 510;
    QTest::newRow("up arrow: 10 slower") << int(Qt::Key_Up) << 490;
    QTest::newRow("page down: 100 faster") << int(Qt::Key_PageDown) << 600;
    QTest::newRow("page up: 100 slower") << int(Qt::Key_PageUp) << 400;
    QTest::newRow("left arrow, as up") << int(Qt::Key_Left) << 490;
    QTest::newRow("right arrow, as down") << int(Qt::Key_Right) << 510;
}

void tst_QtBackend::sliderKeys()
{
    QFETCH(int, key);
    QFETCH(int, value);
    QtWindow window({.caption = "t", .width = 3000, .height = 4000});
    Slider &slider = window.addSlider({.rect = {960, 480, 495, 3135},
                                       .minimum = 1,
                                       .maximum = 950,
                                       .smallStep = 10,
                                       .largeStep = 100,
                                       .tickEvery = 50});
    slider.setValue(500);
    int changes = 0;
    int scrolls = 0;
    slider.onChange = [&] { ++changes; };
    slider.onScroll = [&] {
        QCOMPARE(slider.value(), value);
        ++scrolls;
    };
    QTest::keyClick(dynamic_cast<QSlider *>(&slider), Qt::Key(key));
    QCOMPARE(slider.value(), value);
    QCOMPARE(changes, 1);
    QCOMPARE(scrolls, 1);
}

void tst_QtBackend::showModalWaitsForHide()
{
    QtWindow window({.caption = "t", .width = 3000, .height = 3000});
    bool hiddenByTimer = false;
    QTimer::singleShot(50, &window, [&] {
        QVERIFY(window.isVisible());
        hiddenByTimer = true;
        window.hide();
    });
    window.showModal();
    QVERIFY(hiddenByTimer);
    QVERIFY(!window.isVisible());

    int unloads = 0;
    window.onUnload = [&] { ++unloads; };
    QTimer::singleShot(50, &window, [&] { window.close(); });
    window.showModal();
    QCOMPARE(unloads, 1);
}

void tst_QtBackend::messageBoxWaitsForOk()
{
    QtServices services;
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(50, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->buttons().size(), 1);
        box->button(QMessageBox::Ok)->click();
    });
    services.messageBox("Sorry, that is incorrect\r\nGAME OVER & out", "Game Over",
                        BoxIcon::Exclamation);
    QCOMPARE(title, "Game Over");
    QCOMPARE(text, "Sorry, that is incorrect\nGAME OVER & out");
    QCOMPARE(icon, QMessageBox::Warning);
}

void tst_QtBackend::inputBox_data()
{
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("answer");
    QTest::newRow("OK gives the text as typed") << true << "  Ann & <b>Bo</b> "
                                                << "  Ann & <b>Bo</b> ";
    QTest::newRow("Cancel gives nothing") << false << "Ann"
                                          << "";
}

void tst_QtBackend::inputBox()
{
    QFETCH(bool, ok);
    QFETCH(QString, typed);
    QFETCH(QString, answer);
    QtServices services;
    QString prompt;
    QString title;
    QString field = "?";
    QTimer::singleShot(50, [&] {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        prompt = dialog->labelText();
        title = dialog->windowTitle();
        field = dialog->textValue();
        dialog->setTextValue(typed);
        ok ? dialog->accept() : dialog->reject();
    });
    const std::string result = services.inputBox("Please enter a name", "New high score!");
    QCOMPARE(prompt, "Please enter a name");
    QCOMPARE(title, "New high score!");
    QCOMPARE(field, "");
    QCOMPARE(result, answer.toStdString());
}

void tst_QtBackend::defaultAndCancelButtons()
{
    QtWindow window({.caption = "t", .width = 3000, .height = 3000});
    Button &ok = window.addButton(
            {.rect = {0, 0, 1000, 400}, .caption = "OK", .isDefault = true, .isCancel = true});
    int clicks = 0;
    ok.onClick = [&] { ++clicks; };
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_Return);
    QTest::keyClick(&window, Qt::Key_Escape);
    QCOMPARE(clicks, 2);

    QtWindow plain({.caption = "t", .width = 3000, .height = 3000});
    Button &close = plain.addButton({.rect = {0, 0, 1000, 400}, .caption = "CLOSE"});
    close.onClick = [&] { ++clicks; };
    plain.show();
    QTest::keyClick(&plain, Qt::Key_Escape);
    QCOMPARE(clicks, 2);
    QVERIFY(plain.isVisible());
    // The focused button, default or not, takes Enter, keypad Enter and Space.
    auto *focused = dynamic_cast<QWidget *>(&close);
    focused->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
        QTest::keyClick(focused, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(clicks, 5);
}

void tst_QtBackend::timerTicksAndStops()
{
    QtTimer timer;
    int ticks = 0;
    timer.onTick = [&] {
        if (++ticks == 3)
            timer.setEnabled(false);
    };
    timer.setInterval(10);
    timer.setEnabled(true);
    QTRY_COMPARE(ticks, 3);
    QTest::qWait(50);
    QCOMPARE(ticks, 3);
    QVERIFY(!timer.isEnabled());
}

void tst_QtBackend::timerKeepsPendingTickWhenEnabledAgain()
{
    QtTimer timer;
    QElapsedTimer clock;
    qint64 tickedAt = -1;
    timer.onTick = [&] {
        tickedAt = clock.elapsed();
        timer.setEnabled(false);
    };
    timer.setInterval(200);
    clock.start();
    timer.setEnabled(true);
    QTest::qWait(120);
    timer.setEnabled(true);
    QTRY_VERIFY(tickedAt >= 0);
    QVERIFY2(tickedAt < 300, qPrintable(QString::number(tickedAt)));
}

QTEST_MAIN(tst_QtBackend)
#include "tst_qtbackend.moc"
