#pragma once

class QTableView;
class QWidget;

namespace qv::gui {

// Puts a cell editor's window just below the table's current cell (above it
// when there is no room below), inside the screen; without a current cell
// the window keeps the place the toolkit gives it.
void placeNearCell(QWidget& window, const QTableView* table);

}  // namespace qv::gui
