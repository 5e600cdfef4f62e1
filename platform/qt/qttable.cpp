// SPDX-License-Identifier: MIT
// qttable.cpp: the table's labels, its focus and the row it rests on.
#include "qttable.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTimer>

#include <algorithm>

namespace platform {

QtTable::QtTable(const std::vector<std::vector<QLabel *>> &rows, QWidget *parent)
    : QWidget(parent), cells(rows)
{
    QRect area;
    for (const auto &row : cells)
        for (const QLabel *label : row)
            area |= label->geometry();
    // Room for the focus frame around a row.
    setGeometry(area.adjusted(-3, -2, 3, 2));
    for (const auto &row : cells)
        for (QLabel *label : row) {
            const bool shown = !label->isHidden();
            label->setParent(this);
            label->move(label->pos() - pos());
            label->setVisible(shown);
        }
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
}

std::optional<std::pair<int, int>> QtTable::position(const QLabel *label) const
{
    for (int row = 0; row < rowCount(); ++row)
        for (int column = 0; column < columnCount(); ++column)
            if (cell(row, column) == label)
                return std::pair(row, column);
    return std::nullopt;
}

void QtTable::select(int row)
{
    selected = row;
    if (row != 0) {
        setCurrent(row);
        setFocus();
    } else if (hasFocus() || window()->focusWidget() == this) {
        clearFocus();
    }
}

void QtTable::setCurrent(int row)
{
    current = std::clamp(row, 1, rowCount() - 1);
    update();
    if (hasFocus()) {
        QAccessibleEvent event(cell(current, 0), QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void QtTable::paintEvent(QPaintEvent *)
{
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = {};
    for (const QLabel *label : cells[size_t(current)])
        frame.rect |= label->geometry();
    frame.rect.adjust(-3, -2, 3, 2);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}

void QtTable::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        return setCurrent(current - 1);
    case Qt::Key_Down:
        return setCurrent(current + 1);
    case Qt::Key_Home:
        return setCurrent(1);
    case Qt::Key_End:
        return setCurrent(rowCount() - 1);
    default:
        QWidget::keyPressEvent(event);
    }
}

void QtTable::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    // After Qt has told of the table's own focus, so that the screen reader goes on to the row.
    QTimer::singleShot(0, this, [this] { setCurrent(current); });
}

} // namespace platform
