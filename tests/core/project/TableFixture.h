#pragma once

#include "i18n/Language.h"
#include "project/ItemTable.h"

#include <array>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace qv::test {

inline Language englishLanguage()
{
    Language lang;
    for (int f = 1; f <= ItemTable::kFields; ++f)
        lang.setFieldTitle(f, std::string(ItemTable::englishName(f)));
    for (int i = 27; i <= 30; ++i)
        lang.setText("T" + std::to_string(i), "T" + std::to_string(i) + "text");
    for (const char* key : {"M31", "M32", "M33", "M34", "M36", "M37"})
        lang.setMessage(key, std::string(key) + " text");
    lang.setText("SYES", "yes");
    lang.setText("SNO", "no");
    lang.setWindowText("Main", "E41", "Chosen Item: ");
    return lang;
}

inline Language germanLanguage()
{
    Language lang(englishLanguage());
    const std::array<const char*, 12> titles = {"Name", "Dateiname", "CD-Pfad", "Seriennummer", "CD-Größe", "HD-Größe",
                                                "Beschreibung", "Kategorie", "Kopieren", "Quellort", "Homepage",
                                                "Ausführen"};
    for (int f = 1; f <= ItemTable::kFields; ++f)
        lang.setFieldTitle(f, titles[static_cast<std::size_t>(f - 1)]);
    lang.setText("TYES", "Ja");
    lang.setText("TNO", "Nein");
    lang.setText("TJP", "Sprungpunkt");
    return lang;
}

inline std::array<std::string, 12> fieldOrderCelld()
{
    std::array<std::string, 12> celld;
    for (int f = 1; f <= ItemTable::kFields; ++f)
        celld[static_cast<std::size_t>(f - 1)] = std::string(ItemTable::englishName(f));
    return celld;
}

// Item rows given as (field, text) pairs; rows are appended after row 1, which is reused.
using ItemCells = std::vector<std::pair<int, std::string>>;

inline void fillTable(ItemTable& table, const std::vector<ItemCells>& items)
{
    table.setRowCount(static_cast<int>(items.size()) + 1);
    for (std::size_t i = 0; i < items.size(); ++i) {
        for (const auto& [field, text] : items[i])
            table.write(field, static_cast<int>(i) + 1, text);
    }
    table.refreshCategoryColouring();
}

inline std::vector<std::string> columnTexts(const ItemTable& table, int field)
{
    std::vector<std::string> out;
    for (int r = 1; r < table.rowCount(); ++r)
        out.push_back(table.read(field, r));
    return out;
}

}  // namespace qv::test
