#pragma once

#include "project/ItemFields.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace qv {

class ItemTable;

// The rules every add dialog shares when it fills an item's fields.

// "5 MB" for whole megabytes (truncated), "< 1 MB" below one megabyte or for
// an unreadable size (negative).
std::string sizeText(std::int64_t bytes);

// The CD Path of a folder: the folder text without the project folder in
// front (compared with case), with a leading backslash; an empty folder gives
// a single backslash. Host separators become backslashes, so a folder below
// the project folder reads as on the CD ("/cd/Tools/" under "/cd/" -> "\Tools\").
std::string cdPathOf(std::string_view folderText, std::string_view projectFolderText);

// The Homepage field: the address alone when it is empty or "n/a", otherwise
// the scheme ("http://") directly followed by the address.
std::string homepageOf(std::string_view scheme, std::string_view address);

// The schemes of the dialogs' scheme choices, in their order.
inline constexpr std::string_view kSchemes[] = {"http://", "https://", "ftp://"};

// A typed web address split into the scheme choice and the address: a text
// that begins with one of the schemes gets that choice and the rest; any
// other text gets the first choice, as the dialogs propose it, and stays whole.
struct SchemeAndAddress {
    int scheme = 0;  // index into kSchemes
    std::string address;
};
SchemeAndAddress splitWebAddress(std::string_view text);

// The category choice of an add dialog refilled from the category list:
// the index of the last showing when the list still has it, else the first
// caption; -1 for an empty list.
int categoryIndexKept(int lastIndex, int captionCount);

// The row a new item goes into: row 1 while it is the only row and holds
// nothing at all (the blank row of a project without items), otherwise a
// row appended at the end. An existing item is never written over, even one
// whose Name or File Name was emptied by editing.
int rowForNewItem(ItemTable& table);

// Writes a new item as every add dialog finishes: into the row the placement
// rule gives, the project marked modified, that row current with the cursor
// in the first field column on screen, the category colouring refreshed.
// Returns the row.
int addItemRow(ItemTable& table, const ItemFieldTexts& item);

}  // namespace qv
