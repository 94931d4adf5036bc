#pragma once

#include "i18n/Settings.h"

namespace qv {

class ItemTable;

// The item table's side of the settings file: after load settings the table
// takes, in this order, its grid mode (so Column Move is accepted before a
// column is hidden), its colours, column visibility by field and the widths
// of the columns not hidden; before save settings it fills its layout in.
void applyGridSettings(ItemTable& table, const GridSettings& grid);
void fillGridSettings(const ItemTable& table, GridSettings& grid);

}  // namespace qv
