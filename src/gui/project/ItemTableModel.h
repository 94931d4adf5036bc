#pragma once

#include "project/ItemTable.h"
#include "project/ItemTableObserver.h"

#include <QAbstractTableModel>

namespace qv::gui {

// The item table as Qt sees it: model row r is table row r + 1 (the heading
// row is the header), model column c is real column c. The rows stay in the
// core table; the model only translates what the table announces.
class ItemTableModel final : public QAbstractTableModel, private ItemTableObserver {
    Q_OBJECT
public:
    explicit ItemTableModel(ItemTable& table, QObject* parent = nullptr);
    ~ItemTableModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    ItemTable& table() { return m_table; }
    static int tableRow(int modelRow) { return modelRow + 1; }
    static int modelRow(int tableRow) { return tableRow - 1; }

signals:
    // Hidden columns, widths or order changed: the view lays its header out again.
    void columnsRearranged();
    void cursorMoved(int tableRow, int column);
    void modifiedFlagChanged(bool modified);
    // Every row may be new (a load, a sort).
    void rowsReplaced();

private:
    void rowsAboutToBeInserted(int first, int last) override;
    void rowsInserted(int first, int last) override;
    void rowsAboutToBeRemoved(int first, int last) override;
    void rowsRemoved(int first, int last) override;
    void rowAboutToBeMoved(int from, int to) override;
    void rowMoved(int from, int to) override;
    void columnAboutToBeMoved(int from, int to) override;
    void columnMoved(int from, int to) override;
    void tableAboutToBeReset() override;
    void tableReset() override;
    void cellsChanged(int firstRow, int lastRow, int firstColumn, int lastColumn) override;
    void headingsChanged() override;
    void columnLayoutChanged() override;
    void coloursChanged() override;
    void cursorChanged(int row, int column) override;
    void modifiedChanged(bool modified) override;

    ItemTable& m_table;
};

}  // namespace qv::gui
