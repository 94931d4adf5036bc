#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "i18n/JumpWords.h"
#include "project/ItemFields.h"

namespace qv {

// What the menu runtime learns about the project's items.
struct RuntimeItemSource {
    std::string cdName;
    std::string rootName;  // the project folder with its final separator
    std::vector<std::string> categories;  // captions in list order
    std::vector<ItemFieldTexts> items;    // the table's item rows in order
    std::string yesWord;                  // the current language's yes word
    JumpWords jumpWords;                  // a File Name that is one of these is a jump point
};

struct RuntimeItemSummary {
    std::size_t categoriesWithItems = 0;
    std::size_t itemFiles = 0;
};

// Writes CFG/members.cfg and one CFG/membersd/m<n>-<i>.dat per item into
// cfgFolder, after removing the old members.cfg and every file directly in
// membersd/ (its sub-folders are left alone). Categories are numbered n in
// list order, the items of each in table order i; an item belongs to every
// category whose caption equals its Category exactly. Raises
// ProfileWriteError when a file can't be written.
RuntimeItemSummary writeRuntimeItemFiles(const std::filesystem::path& cfgFolder, const RuntimeItemSource& source);

}  // namespace qv
