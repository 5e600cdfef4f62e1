// tst_qtabout.cpp: the About window and the icons as Qt shows them.
#include "testing.h"

#include "frmabout.h"
#include "qtservices.h"
#include "qtwindow.h"

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QtEndian>

using namespace platform;

namespace {

struct IcoImage
{
    int size;
    int bits;
};

// The directory of a Windows .ico file.
QList<IcoImage> icoImages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    const auto word = [&](int at) { return qFromLittleEndian<quint16>(data.constData() + at); };
    QList<IcoImage> images;
    for (int i = 0; i < word(4); ++i) {
        const int entry = 6 + 16 * i;
        const int size = quint8(data[entry]) == 0 ? 256 : quint8(data[entry]);
        images.append({size, word(entry + 6)});
    }
    return images;
}

// Bit depth and colour type from a PNG's header.
QPair<int, int> pngDepthAndType(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {-1, -1};
    const QByteArray head = file.read(26);
    return {quint8(head[24]), quint8(head[25])};
}

} // namespace

class tst_QtAbout : public QObject
{
    Q_OBJECT

private slots:
    void geometry_data();
    void geometry();
    void textBoxRefusesTyping();
    void websiteLabelIsNoLink();
    void focusAndTabOrder();
    void applicationIcon_data();
    void applicationIcon();
    void informationIcon();
    void icoFiles();
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
    }
    else if (control == "version")
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

void tst_QtAbout::applicationIcon_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 64, 128, 256})
        QTest::newRow(qPrintable(QString::number(size))) << size;
}

// Every size in 24-bit colour: 8 bits a channel, RGB without alpha.
void tst_QtAbout::applicationIcon()
{
    QFETCH(int, size);
    const QString path = QStringLiteral(":/icons/tolvane-%1.png").arg(size);
    const QImage image(path);
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(!image.hasAlphaChannel());
    QCOMPARE(pngDepthAndType(path), qMakePair(8, 2));
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
    const QColor middle = image.pixelColor(size / 2, size / 2);
    QVERIFY(middle.blue() > 150 && middle.red() < 100);
}

void tst_QtAbout::informationIcon()
{
    for (int size : {16, 32}) {
        const QImage image(QStringLiteral(":/icons/information-%1.png").arg(size));
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.colorCount() <= 16);
        QCOMPARE(image.pixelColor(size / 2, size * 9 / 16), QColor(Qt::white));   // the stem
        QCOMPARE(image.pixelColor(size / 4, size / 2), QColor(0, 0, 0x80));      // the disc
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
    }
}

void tst_QtAbout::icoFiles()
{
    const QString resources = QStringLiteral(TOLVANE_RESOURCES);
    const QList<IcoImage> application = icoImages(resources + "/tolvane.ico");
    QCOMPARE(application.size(), 4);
    QCOMPARE(application[1].size, 32);
    QCOMPARE(application[1].bits, 24);
    const QList<IcoImage> information = icoImages(resources + "/information.ico");
    QCOMPARE(information.size(), 2);
    QCOMPARE(information[0].size, 32);
    QCOMPARE(information[0].bits, 4);
    QCOMPARE(information[1].size, 16);
    QCOMPARE(information[1].bits, 4);
}

QTEST_MAIN(tst_QtAbout)
#include "tst_qtabout.moc"
