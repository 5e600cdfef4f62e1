// SPDX-License-Identifier: MIT
// tst_qtabout.cpp: the About window and the icons as Qt shows them.
#include "testing.h"

#include "frmabout.h"
#include "qtservices.h"
#include "qtwindow.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>

using namespace platform;

class tst_QtAbout : public QObject
{
    Q_OBJECT

private slots:
    void geometry_data();
    void geometry();
    void textBoxRefusesTyping();
    void websiteLabelIsNoLink();
    void focusAndTabOrder();
    void pictureIsSharp();
};

void tst_QtAbout::geometry_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("client area") << "client" << QRect(0, 0, 500, 363);
    QTest::newRow("picIcon") << "picture" << QRect(16, 16, 36, 36);
    QTest::newRow("lblVersion") << "version" << QRect(72, 40, 259, 23);
    QTest::newRow("fraUpdates") << "frame" << QRect(8, 152, 489, 177);
    QTest::newRow("txtUpdates, inside its frame") << "text" << QRect(8, 24, 473, 145);
    QTest::newRow("lblWebsite") << "website" << QRect(70, 336, 315, 24);
    QTest::newRow("cmdOK") << "ok" << QRect(408, 336, 84, 23);
}

void tst_QtAbout::geometry()
{
    QFETCH(QString, control);
    QFETCH(QRect, expected);
    QtServices services;
    frmAbout about(services);
    auto *window = dynamic_cast<QtWindow *>(about.window.get());
    QWidget *widget = window->clientArea();
    if (control == "picture") {
        for (QLabel *label : window->clientArea()->findChildren<QLabel *>())
            if (!label->pixmap().isNull())
                widget = label;
    } else if (control == "version")
        widget = dynamic_cast<QLabel *>(about.lblVersion);
    else if (control == "frame")
        widget = dynamic_cast<QGroupBox *>(about.fraUpdates);
    else if (control == "text")
        widget = dynamic_cast<QPlainTextEdit *>(about.txtUpdates);
    else if (control == "website")
        widget = dynamic_cast<QLabel *>(about.lblWebsite);
    else if (control == "ok")
        widget = dynamic_cast<QAbstractButton *>(about.cmdOK);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), expected);
}

void tst_QtAbout::textBoxRefusesTyping()
{
    QtServices services;
    frmAbout about(services);
    about.window->show();
    auto *text = dynamic_cast<QPlainTextEdit *>(about.txtUpdates);
    text->setFocus();
    QTest::keyClicks(text, "typed");
    QTest::keyClick(text, Qt::Key_Return);
    QCOMPARE(about.txtUpdates->text(), "");
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

void tst_QtAbout::websiteLabelIsNoLink()
{
    QtServices services;
    frmAbout about(services);
    about.window->show();
    auto *label = dynamic_cast<QLabel *>(about.lblWebsite);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QVERIFY(!label->openExternalLinks());
    QCOMPARE(label->palette().color(QPalette::Window), QColor(0, 0, 255));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    const std::string before = about.lblWebsite->caption();
    QTest::mouseClick(label, Qt::LeftButton);
    QVERIFY(about.window->isVisible());
    QCOMPARE(about.lblWebsite->caption(), before);
}

void tst_QtAbout::focusAndTabOrder()
{
    QtServices services;
    frmAbout about(services);
    auto *window = dynamic_cast<QtWindow *>(about.window.get());
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto *ok = dynamic_cast<QAbstractButton *>(about.cmdOK);
    QCOMPARE(QApplication::focusWidget(), ok);
    QWidget *picture = ok->nextInFocusChain();
    QVERIFY(qobject_cast<QLabel *>(picture));
    QCOMPARE(picture->focusPolicy(), Qt::TabFocus);
    QWidget *next = picture->nextInFocusChain();
    while (next->focusPolicy() == Qt::NoFocus)
        next = next->nextInFocusChain();
    QCOMPARE(next, dynamic_cast<QPlainTextEdit *>(about.txtUpdates));
}

// Drawn for the screen's own pixels, at any scale factor (this test runs at 2).
void tst_QtAbout::pictureIsSharp()
{
    QtServices services;
    frmAbout about(services);
    auto *window = dynamic_cast<QtWindow *>(about.window.get());
    QPixmap picture;
    for (const QLabel *label : window->clientArea()->findChildren<QLabel *>())
        if (!label->pixmap().isNull())
            picture = label->pixmap();
    QCOMPARE(picture.deviceIndependentSize(), QSizeF(32, 32));
    QCOMPARE(picture.size(), QSize(32, 32) * qApp->devicePixelRatio());
}

QTEST_MAIN(tst_QtAbout)
#include "tst_qtabout.moc"
