// SPDX-License-Identifier: MIT
// qtwindow.h: a top-level window: an optional menu bar above a client area of fixed size.
#pragma once

#include "platform/window.h"

#include <QWidget>

#include <memory>
#include <vector>

class QEventLoop;
class QMenuBar;

namespace platform {

class QtButton;

class QtWindow final : public QWidget, public Window
{
    Q_OBJECT

public:
    explicit QtWindow(const WindowDesign &design);
    ~QtWindow() override;

    Label &addLabel(const LabelDesign &design) override;
    Button &addButton(const ButtonDesign &design) override;
    Tile &addTile(const Rect &rect, const std::string &name) override;
    Control &addLine(const LineDesign &design) override;
    void addRectangle(const Rect &rect) override;
    Slider &addSlider(const SliderDesign &design) override;
    void addPicture(const Rect &rect, Picture picture) override;
    Frame &addFrame(const FrameDesign &design) override;
    MenuItem &addMenuItem(const std::string &caption) override;

    void setCaption(const std::string &caption) override;
    std::string caption() const override;
    bool isVisible() const override { return QWidget::isVisible(); }
    void show() override;
    void showModal() override;
    void hide() override { QWidget::hide(); }
    void close() override { QWidget::close(); }

    QWidget *clientArea() const { return client; }

signals:
    void closed(); // after onUnload

protected:
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeOnFirstShow();

    QWidget *client;
    QMenuBar *menuBar = nullptr;
    std::vector<std::unique_ptr<MenuItem>> menuItems;
    QtButton *defaultButton = nullptr;
    QtButton *cancelButton = nullptr;
    QEventLoop *modalLoop = nullptr;
    bool draggable;
    bool dragging = false; // moved by hand, where the window system has no move of its own
    bool placed = false;
    QPoint dragOffset;
};

} // namespace platform
