// SPDX-License-Identifier: MIT
// qtwindow.cpp: top-level windows: borders, menu bar, controls, showing and the cancel button.
#include "qtwindow.h"

#include "qtaccessible.h"
#include "qtarrowkeys.h"
#include "qtcontrols.h"
#include "qtconvert.h"
#include "qtdrag.h"
#include "qticons.h"
#include "qtplacement.h"
#include "qttable.h"
#include "qtx11.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QWindow>

namespace platform {

QtWindow::QtWindow(const WindowDesign &design)
    : Placed(nullptr, design.border == BorderStyle::None ? Qt::Dialog | Qt::FramelessWindowHint
                                                         : titledDialog),
      client(new QWidget(this)), draggable(design.border == BorderStyle::None)
{
    installAccessibleFactory();
    setWindowTitle(toQt(design.caption));
    if (design.icon != Picture::None)
        setWindowIcon(platform::windowIcon(design.icon));
    client->setFixedSize(pixels(design.width), pixels(design.height));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(client);
    if (draggable)
        new QtDrag(*this, *client);
    new QtArrowKeys(*this, *this);
}

Label &QtWindow::addLabel(const LabelDesign &design)
{
    return *new QtLabel(design, client);
}

Button &QtWindow::addButton(const ButtonDesign &design)
{
    auto *button = new QtButton(design, client);
    if (design.isCancel)
        cancelButton = button;
    return *button;
}

Tile &QtWindow::addTile(const Rect &rect, const std::string &name, ArrowKey key)
{
    return *new QtTile(rect, name, key, client);
}

Control &QtWindow::addLine(const LineDesign &design)
{
    return *new QtLine(design, client);
}

void QtWindow::addRectangle(const Rect &rect)
{
    new QtRectangle(rect, client);
}

Slider &QtWindow::addSlider(const SliderDesign &design)
{
    return *new QtSlider(design, client);
}

void QtWindow::addPicture(const Rect &rect, Picture picture, const std::string &name)
{
    (new QtPicture(rect, picture, client))->setAccessibleName(toQt(name));
}

Frame &QtWindow::addFrame(const FrameDesign &design)
{
    return *new QtFrame(design, client);
}

MenuItem &QtWindow::addMenuItem(const std::string &caption)
{
    if (!menuBar) {
        menuBar = new QMenuBar(this);
        // A desktop's global menu would take it out of this window, which has no title bar.
        menuBar->setNativeMenuBar(false);
        static_cast<QVBoxLayout *>(layout())->insertWidget(0, menuBar);
    }
    auto &item = *menuItems.emplace_back(std::make_unique<MenuItem>());
    QAction *action = menuBar->addAction(toQt(caption));
    connect(action, &QAction::triggered, this, [&item] {
        if (item.onClick)
            item.onClick();
    });
    return item;
}

void QtWindow::addTable(const std::vector<std::vector<Label *>> &rows)
{
    std::vector<std::vector<QLabel *>> labels;
    for (const auto &row : rows) {
        labels.emplace_back();
        for (Label *label : row)
            labels.back().push_back(dynamic_cast<QLabel *>(label));
    }
    table = new QtTable(labels, client);
}

void QtWindow::selectTableRow(int row)
{
    table->select(row);
}

void QtWindow::announce(const std::string &text)
{
    if (!announcer)
        announcer = new QtAnnouncer(client);
    announcer->announce(toQt(text));
}

void QtWindow::setCaption(const std::string &caption)
{
    setWindowTitle(toQt(caption));
}

std::string QtWindow::caption() const
{
    return fromQt(windowTitle());
}

void QtWindow::show()
{
    setMainWindow(this);
    QDialog::show();
    activateWindow();
}

void QtWindow::showModal()
{
    execAbove(*this);
}

void QtWindow::showEvent(QShowEvent *event)
{
    if (draggable)
        x11::skipTaskbar(*this);
    Placed::showEvent(event);
}

void QtWindow::closeEvent(QCloseEvent *event)
{
    if (onUnload)
        onUnload();
    event->accept();
    emit closed();
}

void QtWindow::reject()
{
    if (cancelButton)
        cancelButton->click();
}

} // namespace platform
