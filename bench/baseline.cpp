// SPDX-License-Identifier: MIT
// baseline.cpp: the toolkit floor: one frameless 625 x 293 window with a three-item menu bar,
// a slider and a few labels, and nothing else.
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QSlider>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Tool | Qt::FramelessWindowHint);
    window.setWindowTitle(QStringLiteral("Baseline"));
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *menu = new QMenuBar(&window);
    for (const char *item : {"&One", "&Two", "&Three"})
        menu->addAction(QString::fromLatin1(item));
    layout->addWidget(menu);
    auto *client = new QWidget(&window);
    client->setFixedSize(625, 293);
    layout->addWidget(client);
    auto *slider = new QSlider(Qt::Vertical, client);
    slider->setGeometry(64, 32, 33, 209);
    for (int i = 0; i < 4; ++i)
        (new QLabel(QStringLiteral("Label %1").arg(i), client))
                ->setGeometry(150, 20 + 40 * i, 100, 30);
    window.show();
    return app.exec();
}
