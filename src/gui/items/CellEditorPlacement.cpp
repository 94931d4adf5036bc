#include "items/CellEditorPlacement.h"

#include <QScreen>
#include <QTableView>
#include <QWidget>

#include <algorithm>

namespace qv::gui {

void placeNearCell(QWidget& window, const QTableView* table)
{
    if (!table || !table->isVisible() || !table->currentIndex().isValid())
        return;
    const QRect cell = table->visualRect(table->currentIndex());
    if (!cell.isValid() || !table->viewport()->rect().intersects(cell))
        return;
    window.adjustSize();
    const QSize size = window.frameGeometry().size().expandedTo(window.sizeHint());
    const QPoint below = table->viewport()->mapToGlobal(cell.bottomLeft() + QPoint(0, 2));
    const QPoint above = table->viewport()->mapToGlobal(cell.topLeft() - QPoint(0, size.height() + 2));
    const QScreen* screen = table->screen();
    if (!screen) {
        window.move(below);
        return;
    }
    const QRect room = screen->availableGeometry();
    QPoint at = below.y() + size.height() <= room.bottom() ? below : above;
    at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - size.width())));
    at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - size.height())));
    window.move(at);
}

}  // namespace qv::gui
