// SPDX-License-Identifier: MIT
// qtcontrols.h: one Qt widget per control kind.
#pragma once

#include "platform/controls.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QWidget>

namespace platform {

class QtLabel final : public QLabel, public Label
{
public:
    QtLabel(const LabelDesign &design, QWidget *parent);
    void setVisible(bool visible) override { QLabel::setVisible(visible); }
    bool isVisible() const override { return !isHidden(); }
    void setCaption(const std::string &caption) override;
    std::string caption() const override;
    void setTextColour(Colour colour) override;
    Colour textColour() const override { return colour; }
    void setLabelFor(Label &control) override;
    void setLabelFor(Slider &control) override;

private:
    Colour colour = 0;
};

class QtButton final : public QPushButton, public Button
{
public:
    QtButton(const ButtonDesign &design, QWidget *parent);
};

class QtTile final : public QFrame, public Tile
{
public:
    QtTile(const Rect &rect, const std::string &name, ArrowKey key, QWidget *parent);
    void setAppearance(Appearance appearance) override;
    Appearance appearance() const override { return look; }
    // A left click, as a screen reader asks for one.
    void click();
    QString keyName() const; // of the key that presses it

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Appearance look = Appearance::Flat;
    ArrowKey key;
    bool leftPressed = false;
};

// Lines and outlines paint themselves and let the mouse through to what lies beneath.
class QtLine final : public QWidget, public Control
{
public:
    QtLine(const LineDesign &design, QWidget *parent);
    void setVisible(bool visible) override;
    bool isVisible() const override { return !isHidden(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint from;
    QPoint to;
    int width;
};

class QtRectangle final : public QWidget
{
public:
    QtRectangle(const Rect &rect, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

class QtSlider final : public QSlider, public Slider
{
public:
    QtSlider(const SliderDesign &design, QWidget *parent);
    void setValue(int value) override { QSlider::setValue(value); }
    int value() const override { return QSlider::value(); }

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

class QtPicture final : public QLabel
{
public:
    QtPicture(const Rect &rect, Picture picture, QWidget *parent);
};

class QtTextBox final : public QPlainTextEdit, public TextBox
{
public:
    QtTextBox(const Rect &rect, QWidget *parent);
    std::string text() const override;
};

class QtFrame final : public QGroupBox, public Frame
{
public:
    QtFrame(const FrameDesign &design, QWidget *parent);
    TextBox &addTextBox(const Rect &rect) override;
};

} // namespace platform
