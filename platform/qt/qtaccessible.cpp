// SPDX-License-Identifier: MIT
// qtaccessible.cpp: tiles as buttons with a Press action, tables of labels as tables, and the
// announcer.
#include "qtaccessible.h"

#include "qtcontrols.h"
#include "qttable.h"

#include <QAccessible>
#include <QAccessibleWidget>
#if __has_include(<QAccessibleAnnouncementEvent>)
#include <QAccessibleAnnouncementEvent>
#endif

namespace platform {

namespace {

class TileAccessible final : public QAccessibleWidget
{
public:
    explicit TileAccessible(QtTile *tile) : QAccessibleWidget(tile, QAccessible::Button) { }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        // After the screen reader has its answer: a press can open a modal window, whose loop
        // would hold the answer back.
        if (action == pressAction())
            QMetaObject::invokeMethod(
                    widget(), [tile = static_cast<QtTile *>(widget())] { tile->click(); },
                    Qt::QueuedConnection);
    }
    QStringList keyBindingsForAction(const QString &action) const override
    {
        return action == pressAction() ? QStringList{static_cast<QtTile *>(widget())->keyName()}
                                       : QStringList{};
    }
};

class TableAccessible final : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit TableAccessible(QtTable *table)
        : QAccessibleWidget(table, QAccessible::Table), table(*table)
    { }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface *>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    QAccessibleInterface *focusChild() const override
    {
        return table.hasFocus() ? cellAt(table.currentRow() - 1, 0) : nullptr;
    }

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        return row >= 0 && row < rowCount() && column >= 0 && column < columnCount()
                       ? QAccessible::queryAccessibleInterface(table.cell(row + 1, column))
                       : nullptr;
    }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        QList<QAccessibleInterface *> cells;
        for (int column = 0; table.selectedRow() && column < columnCount(); ++column)
            cells << cellAt(table.selectedRow() - 1, column);
        return cells;
    }
    QString columnDescription(int column) const override { return table.cell(0, column)->text(); }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return table.selectedRow() ? 1 : 0; }
    int columnCount() const override { return table.columnCount(); }
    int rowCount() const override { return table.rowCount() - 1; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override
    {
        return table.selectedRow() ? QList{table.selectedRow() - 1} : QList<int>{};
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override { return row == table.selectedRow() - 1; }
    // The player's own table is read, never changed, by a screen reader.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override { }

private:
    QtTable &table;
};

// A label of a table: a column header in its first row, else a cell.
class CellAccessible final : public QAccessibleWidget, public QAccessibleTableCellInterface
{
public:
    CellAccessible(QLabel *label, QtTable *table, int row, int column)
        : QAccessibleWidget(label, row == 0 ? QAccessible::ColumnHeader : QAccessible::Cell),
          owner(*table), row(row), column(column)
    { }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface && row > 0
                       ? static_cast<QAccessibleTableCellInterface *>(this)
                       : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? static_cast<QLabel *>(widget())->text()
                                         : QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = row > 0;
        s.selected = isSelected();
        s.focusable = row > 0 && column == 0;
        s.focused = s.focusable && owner.hasFocus() && row == owner.currentRow();
        return s;
    }

    bool isSelected() const override { return row > 0 && row == owner.selectedRow(); }
    QList<QAccessibleInterface *> columnHeaderCells() const override
    {
        return {QAccessible::queryAccessibleInterface(owner.cell(0, column))};
    }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column; }
    int rowIndex() const override { return row - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override
    {
        return QAccessible::queryAccessibleInterface(&owner);
    }

private:
    QtTable &owner;
    const int row;
    const int column;
};

QAccessibleInterface *describe(const QString &, QObject *object)
{
    if (auto *announcer = dynamic_cast<QtAnnouncer *>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    if (auto *tile = dynamic_cast<QtTile *>(object))
        return new TileAccessible(tile);
    if (auto *table = dynamic_cast<QtTable *>(object))
        return new TableAccessible(table);
    auto *label = qobject_cast<QLabel *>(object);
    auto *table = label ? dynamic_cast<QtTable *>(label->parentWidget()) : nullptr;
    if (const auto at = table ? table->position(label) : std::nullopt)
        return new CellAccessible(label, table, at->first, at->second);
    return nullptr;
}

} // namespace

void installAccessibleFactory()
{
    static const bool installed = (QAccessible::installFactory(describe), true);
    (void)installed;
}

QtAnnouncer::QtAnnouncer(QWidget *parent) : QWidget(parent)
{
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    show();
}

void QtAnnouncer::announce(const QString &text)
{
    // With no screen reader listening, the game is not held up by it.
    if (!QAccessible::isActive() || !isVisible())
        return;
    setAccessibleName(text);
#if __has_include(<QAccessibleAnnouncementEvent>)
    // Where Qt can ask for an announcement as such: Orca 48 speaks a notification shown again
    // without its new text, and an announcement with it.
    QAccessibleAnnouncementEvent announcement(this, text);
    QAccessible::updateAccessibility(&announcement);
#else
    // Told as shown again, without the widget's own hiding and showing.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

} // namespace platform
