// SPDX-License-Identifier: MIT
// qtwindow.h: a top-level window: an optional menu bar above a client area of fixed size. A
// dialog, so that Qt runs its modal showing and gives Enter to the default or focused button.
#pragma once

#include "qtplacement.h"

#include "platform/window.h"

#include <QDialog>

#include <memory>
#include <vector>

class QMenuBar;

namespace platform {

class QtAnnouncer;
class QtButton;
class QtTable;

class QtWindow final : public Placed<QDialog>, public Window
{
    Q_OBJECT

public:
    explicit QtWindow(const WindowDesign &design);

    Label &addLabel(const LabelDesign &design) override;
    Button &addButton(const ButtonDesign &design) override;
    Tile &addTile(const Rect &rect, const std::string &name, ArrowKey key) override;
    Control &addLine(const LineDesign &design) override;
    void addRectangle(const Rect &rect) override;
    Slider &addSlider(const SliderDesign &design) override;
    void addPicture(const Rect &rect, Picture picture, const std::string &name) override;
    Frame &addFrame(const FrameDesign &design) override;
    MenuItem &addMenuItem(const std::string &caption) override;
    void addTable(const std::vector<std::vector<Label *>> &rows) override;
    void selectTableRow(int row) override;
    void announce(const std::string &text) override;

    void setCaption(const std::string &caption) override;
    std::string caption() const override;
    bool isVisible() const override { return QDialog::isVisible(); }
    void show() override;
    void showModal() override;
    void hide() override { QDialog::hide(); }
    void close() override { QDialog::close(); }

    QWidget *clientArea() const { return client; }

signals:
    void closed(); // after onUnload

protected:
    void closeEvent(QCloseEvent *event) override;
    // Escape: the cancel button, where the window has one.
    void reject() override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *client;
    QMenuBar *menuBar = nullptr;
    std::vector<std::unique_ptr<MenuItem>> menuItems;
    QtButton *cancelButton = nullptr;
    QtTable *table = nullptr;
    QtAnnouncer *announcer = nullptr;
    bool draggable;
};

} // namespace platform
