#include "project/ItemTableModel.h"

#include "util/Colour.h"

#include <QBrush>
#include <QColor>

namespace qv::gui {

namespace {

QColor qColour(ColourValue v)
{
    const auto rgb = resolveSystemColour(v);
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>((rgb >> 16) & 0xFF));
}

// Qt's destination of a one-row move is the row before which it goes, counted
// before the move.
int moveDestination(int from, int to)
{
    return to > from ? to + 1 : to;
}

}  // namespace

ItemTableModel::ItemTableModel(ItemTable& table, QObject* parent)
    : QAbstractTableModel(parent)
    , m_table(table)
{
    m_table.addObserver(this);
}

ItemTableModel::~ItemTableModel()
{
    m_table.removeObserver(this);
}

int ItemTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_table.rowCount() - 1;
}

int ItemTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ItemTable::kColumns;
}

QVariant ItemTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = tableRow(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return QString::fromStdString(m_table.cell(row, index.column()));
    case Qt::BackgroundRole:
        return QBrush(qColour(m_table.rowColour(row)));
    case Qt::ForegroundRole: {
        // Dark category colours keep their text readable.
        const QColor back = qColour(m_table.rowColour(row));
        return QBrush(back.lightness() < 110 ? Qt::white : Qt::black);
    }
    default:
        return {};
    }
}

QVariant ItemTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < ItemTable::kColumns ? QString::fromStdString(m_table.heading(section)) : QVariant();
    return section + 1;
}

void ItemTableModel::rowsAboutToBeInserted(int first, int last) { beginInsertRows({}, modelRow(first), modelRow(last)); }
void ItemTableModel::rowsInserted(int, int) { endInsertRows(); }
void ItemTableModel::rowsAboutToBeRemoved(int first, int last) { beginRemoveRows({}, modelRow(first), modelRow(last)); }
void ItemTableModel::rowsRemoved(int, int) { endRemoveRows(); }

void ItemTableModel::rowAboutToBeMoved(int from, int to)
{
    beginMoveRows({}, modelRow(from), modelRow(from), {}, moveDestination(modelRow(from), modelRow(to)));
}

void ItemTableModel::rowMoved(int, int) { endMoveRows(); }

void ItemTableModel::columnAboutToBeMoved(int from, int to)
{
    beginMoveColumns({}, from, from, {}, moveDestination(from, to));
}

void ItemTableModel::columnMoved(int, int)
{
    endMoveColumns();
    emit columnsRearranged();
}

void ItemTableModel::tableAboutToBeReset() { beginResetModel(); }

void ItemTableModel::tableReset()
{
    endResetModel();
    emit columnsRearranged();
    emit rowsReplaced();
}

void ItemTableModel::cellsChanged(int firstRow, int lastRow, int firstColumn, int lastColumn)
{
    emit dataChanged(index(modelRow(firstRow), firstColumn), index(modelRow(lastRow), lastColumn));
}

void ItemTableModel::headingsChanged()
{
    emit headerDataChanged(Qt::Horizontal, 0, ItemTable::kColumns - 1);
}

void ItemTableModel::columnLayoutChanged()
{
    emit columnsRearranged();
}

void ItemTableModel::coloursChanged()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ItemTable::kColumns - 1),
                         {Qt::BackgroundRole, Qt::ForegroundRole});
}

void ItemTableModel::cursorChanged(int row, int column)
{
    emit cursorMoved(row, column);
}

void ItemTableModel::modifiedChanged(bool modified)
{
    emit modifiedFlagChanged(modified);
}

}  // namespace qv::gui
