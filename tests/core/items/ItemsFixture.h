#pragma once

#include "categories/CategoryList.h"
#include "i18n/Language.h"
#include "items/ItemEntryContext.h"
#include "project/ItemTable.h"

#include "FakeUi.h"
#include "TempDir.h"

#include <array>
#include <string>

namespace qv::test {

// A project folder with three categories, an item table in English words,
// and a context for the item dialogs over them.
struct ItemsFixture {
    TempDir dir;
    std::string projectFolder = (dir.path() / "cd").string() + "/";
    Language language;
    ItemTable table;
    CategoryList categories;
    FakeUi ui;
    bool projectOpen = true;
    int tips = 0;
    std::vector<int> helpTopics;

    ItemsFixture()
    {
        std::filesystem::create_directories(dir / "cd");
        for (int f = 1; f <= ItemTable::kFields; ++f)
            language.setFieldTitle(f, std::string(ItemTable::englishName(f)));
        for (const char* key : {"M1", "M5", "M6", "M7", "M8", "M10", "M11", "M12", "M13", "M14", "M15", "M39", "M39_2"})
            language.setMessage(key, std::string(key) + " text");
        for (const char* key : {"T3", "T5", "T8", "T18", "T19", "T20", "T40", "T43"})
            language.setText(key, std::string(key) + "text");
        std::array<std::string, ItemTable::kFields> order;
        for (int f = 1; f <= ItemTable::kFields; ++f)
            order[static_cast<std::size_t>(f - 1)] = std::string(ItemTable::englishName(f));
        table.applyStartHeadings(language, order);
        writeFile(dir / "c.qvc",
                  "[general]\r\nanz_items=3\r\n[0]\r\ncaption=Programs\r\n[1]\r\ncaption=Games\r\n[2]\r\ncaption=Tools\r\n");
        categories.read(dir / "c.qvc");
    }

    ItemEntryContext context()
    {
        return ItemEntryContext{table,
                                ui,
                                language,
                                categories,
                                [this] { return projectOpen; },
                                [this] { return projectFolder; },
                                [this] { ++tips; },
                                [this](int topic) { helpTopics.push_back(topic); }};
    }

    std::string row(int r, int field) const { return table.read(field, r); }
};

}  // namespace qv::test
