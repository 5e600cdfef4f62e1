// SPDX-License-Identifier: MIT
// qtcontrols.cpp: labels, buttons, tiles, lines, outlines and the slider on Qt widgets.
#include "qtcontrols.h"

#include "qtarrowkeys.h"

#include "qtconvert.h"
#include "qticons.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace platform {

namespace {

Qt::Alignment toQt(Align align)
{
    switch (align) {
    case Align::Left:
        return Qt::AlignLeft;
    case Align::Centre:
        return Qt::AlignHCenter;
    case Align::Right:
        return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

MouseButton fromQt(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    default:
        return MouseButton::Middle;
    }
}

} // namespace

QtLabel::QtLabel(const LabelDesign &design, QWidget *parent) : QLabel(parent)
{
    setGeometry(platform::toQt(design.rect));
    setFont(platform::toQt(design.font, font()));
    setTextFormat(Qt::PlainText);
    setAlignment(toQt(design.align) | Qt::AlignTop);
    // Text wraps at word boundaries only where the label has room for a second line,
    // so a single-line label never shows half a line; what does not fit is clipped.
    setWordWrap(height() >= 2 * fontMetrics().lineSpacing());
    setAutoFillBackground(true);
    if (design.background) {
        QPalette p = palette();
        p.setColor(QPalette::Window, platform::toQt(*design.background));
        setPalette(p);
    }
    setCaption(design.caption);
    QLabel::setVisible(design.visible);
}

void QtLabel::setCaption(const std::string &caption)
{
    setText(platform::toQt(caption));
}

std::string QtLabel::caption() const
{
    return fromQt(text());
}

void QtLabel::setTextColour(Colour c)
{
    colour = c;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, platform::toQt(c));
    setPalette(p);
}

void QtLabel::setLabelFor(Label &control)
{
    setBuddy(dynamic_cast<QWidget *>(&control));
}

void QtLabel::setLabelFor(Slider &control)
{
    setBuddy(dynamic_cast<QWidget *>(&control));
}

QtButton::QtButton(const ButtonDesign &design, QWidget *parent)
    : QPushButton(platform::toQt(design.caption), parent)
{
    setGeometry(platform::toQt(design.rect));
    setFont(platform::toQt(design.font, font()));
    setDefault(design.isDefault);
    connect(this, &QPushButton::clicked, this, [this] {
        if (onClick)
            onClick();
    });
}

QtTile::QtTile(const Rect &rect, const std::string &name, ArrowKey key, QWidget *parent)
    : QFrame(parent), key(key)
{
    setGeometry(platform::toQt(rect));
    setAccessibleName(platform::toQt(name));
    setAppearance(Appearance::Flat);
}

void QtTile::setAppearance(Appearance appearance)
{
    look = appearance;
    if (look == Appearance::Flat) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    } else {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
    }
}

void QtTile::click()
{
    if (onPress)
        onPress(MouseButton::Left);
    if (onRelease)
        onRelease(MouseButton::Left);
    if (onClick)
        onClick();
}

QString QtTile::keyName() const
{
    return QKeySequence(qtKey(key)).toString(QKeySequence::NativeText);
}

void QtTile::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        leftPressed = true;
    if (onPress)
        onPress(fromQt(event->button()));
}

void QtTile::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a quick double press is a press like the first.
    mousePressEvent(event);
}

void QtTile::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = event->button() == Qt::LeftButton && leftPressed
                       && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        leftPressed = false;
    if (onRelease)
        onRelease(fromQt(event->button()));
    if (click && onClick)
        onClick();
}

QtLine::QtLine(const LineDesign &design, QWidget *parent) : QWidget(parent), width(design.pixels)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QPoint a = platform::toQt(design.from);
    const QPoint b = platform::toQt(design.to);
    const QRect box = QRect(a, b).normalized().adjusted(-width, -width, width, width);
    setGeometry(box);
    from = a - box.topLeft();
    to = b - box.topLeft();
}

void QtLine::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    // On screen before the handler that shows or hides a glyph ends, so that the timers
    // count its time from when the player sees it.
    parentWidget()->repaint(geometry());
}

void QtLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Smooth the thick glyph lines; a hairline stays one crisp pixel.
    painter.setRenderHint(QPainter::Antialiasing, width > 1);
    painter.setPen(QPen(palette().color(QPalette::WindowText), width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
}

QtRectangle::QtRectangle(const Rect &rect, QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(platform::toQt(rect));
}

void QtRectangle::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

QtSlider::QtSlider(const SliderDesign &design, QWidget *parent) : QSlider(Qt::Vertical, parent)
{
    setGeometry(platform::toQt(design.rect));
    setRange(design.minimum, design.maximum);
    setSingleStep(design.smallStep);
    setPageStep(design.largeStep);
    setTickInterval(design.tickEvery);
    setTickPosition(QSlider::TicksLeft);
    setAccessibleName(platform::toQt(design.name));
    setAccessibleDescription(platform::toQt(design.description));
    // Minimum at the top, and Up and Page Up move the thumb towards it.
    setInvertedAppearance(true);
    setInvertedControls(true);
    // A drag reports each step once the value holds it.
    connect(this, &QSlider::valueChanged, this, [this] {
        if (onChange)
            onChange();
        if (isSliderDown() && onScroll)
            onScroll();
    });
}

void QtSlider::keyPressEvent(QKeyEvent *event)
{
    // Enter is no command to a slider, nor to a window's button while the slider has focus.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    // Left acts as Up and Right as Down, as on the Windows trackbar.
    const int key = event->key() == Qt::Key_Left    ? Qt::Key_Up
                    : event->key() == Qt::Key_Right ? Qt::Key_Down
                                                    : event->key();
    QKeyEvent mapped(event->type(), key, event->modifiers(), event->text(), event->isAutoRepeat());
    const int before = QSlider::value();
    QSlider::keyPressEvent(&mapped);
    event->setAccepted(mapped.isAccepted());
    if (QSlider::value() != before && onScroll)
        onScroll();
}

QtPicture::QtPicture(const Rect &rect, Picture picture, QWidget *parent) : QLabel(parent)
{
    setGeometry(platform::toQt(rect));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setPixmap(platform::pixmap(picture));
    setFocusPolicy(Qt::TabFocus);
}

QtTextBox::QtTextBox(const Rect &rect, QWidget *parent) : QPlainTextEdit(parent)
{
    setGeometry(platform::toQt(rect));
    setReadOnly(true);
    // Read-only text still takes the focus, so the box stays in the tab order.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

std::string QtTextBox::text() const
{
    return fromQt(toPlainText());
}

QtFrame::QtFrame(const FrameDesign &design, QWidget *parent)
    : QGroupBox(platform::toQt(design.caption), parent)
{
    setGeometry(platform::toQt(design.rect));
    setFont(platform::toQt(design.font, font()));
}

TextBox &QtFrame::addTextBox(const Rect &rect)
{
    auto *box = new QtTextBox(rect, this);
    // The frame's caption font is its own; the box keeps the default.
    box->setFont(QFont());
    return *box;
}

} // namespace platform
