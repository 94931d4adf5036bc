#pragma once

#include "project/FieldCapacity.h"
#include "project/ItemFields.h"

namespace qv {

class ItemTable;

// Where new items go. A project without items keeps one blank row 1; the
// first item fills it, every later one is appended at the end. Row 1 is
// reused only while it is the only row and wholly blank, so an item whose
// Name or File Name was emptied by editing is never written over.
// Makes room for count items and returns the row of the first; the others
// follow it directly. The rows are added in one step, so adding many items
// costs no more than writing them.
int rowsForNewItems(ItemTable& table, int count);

// Writes the twelve fields of an item into a row through the column map.
void writeItemRow(ItemTable& table, int row, const ItemFieldTexts& item);

// Adds one item as an add dialog finishes: into the row the placement gives,
// the project marked modified, that row current with the cursor in the first
// field column on screen, the category colouring refreshed. Returns the row.
int addItemRow(ItemTable& table, const ItemFieldTexts& item);

// The room of a website address typed beside its scheme choice: the
// homepage's, less the longest scheme, so that choosing another scheme after
// typing never pushes the address over.
FieldCapacity addressCapacity();

}  // namespace qv
