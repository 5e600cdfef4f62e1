// SPDX-License-Identifier: MIT
// qttable.h: labels that a screen reader reads as a table, looking as they did.
#pragma once

#include <QLabel>
#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

namespace platform {

// Takes the labels in, where they were; the first row holds the column headers. It is a tab
// stop: the focus rests on a row, drawn around it, and Up, Down, Home and End move it.
class QtTable final : public QWidget
{
public:
    QtTable(const std::vector<std::vector<QLabel *>> &rows, QWidget *parent);

    // Counted from 1 below the headers; 0 for none. A selected row takes the focus.
    void select(int row);
    int selectedRow() const { return selected; }
    int currentRow() const { return current; }
    int rowCount() const { return int(cells.size()); } // the headers' row included
    int columnCount() const { return int(cells[0].size()); }
    QLabel *cell(int row, int column) const { return cells[size_t(row)][size_t(column)]; }
    // The label's row and column.
    std::optional<std::pair<int, int>> position(const QLabel *label) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void setCurrent(int row);

    std::vector<std::vector<QLabel *>> cells;
    int selected = 0;
    int current = 1;
};

} // namespace platform
