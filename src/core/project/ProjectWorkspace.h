#pragma once

#include "util/ProjectFiles.h"
#include "categories/CategoryList.h"
#include "design/DesignFonts.h"
#include "design/MenuDesign.h"
#include "i18n/Language.h"
#include "project/ItemTable.h"
#include "project/ProjectReaders.h"
#include "project/ProjectSession.h"

#include <array>
#include <filesystem>
#include <string>

namespace qv {

class FontCatalogue;
class FontRegistrar;

// Everything one open project needs, for callers without the main window
// (the command line, benchmarks): the shared data module, the item table in
// the language's words with the fields in field order, the category list, the
// design and a session over them. Header-only, like ProjectReaders.h.
class ProjectWorkspace final {
public:
    ProjectWorkspace(const std::filesystem::path& baseDir, Ui& ui, const Language& language,
                     const FontCatalogue& catalogue, FontRegistrar& registrar)
        : fonts(catalogue, registrar)
        , design(data, fonts)
        , session(baseDir, data, table, categories, design, ui, language, standardProjectReaders())
    {
        const auto fieldOrder = englishNames();
        table.applyStartHeadings(usableHeadings(language, fieldOrder), fieldOrder);
    }

    // The twelve English field names in field order.
    static std::array<std::string, ItemTable::kFields> englishNames()
    {
        std::array<std::string, ItemTable::kFields> names;
        for (int f = 1; f <= ItemTable::kFields; ++f)
            names[static_cast<std::size_t>(f - 1)] = std::string(ItemTable::englishName(f));
        return names;
    }

    ProjectWorkspace(const ProjectWorkspace&) = delete;
    ProjectWorkspace& operator=(const ProjectWorkspace&) = delete;

    // A base directory without language files gives one placeholder heading
    // for every field, which would map all twelve fields to one column; the
    // English names stand in for them then.
    static Language usableHeadings(const Language& language, const std::array<std::string, ItemTable::kFields>& english)
    {
        Language words = language;
        for (int f = 1; f <= ItemTable::kFields; ++f)
            for (int g = 1; g < f; ++g)
                if (words.fieldTitle(f) == words.fieldTitle(g)) {
                    for (int n = 1; n <= ItemTable::kFields; ++n)
                        words.setFieldTitle(n, english[static_cast<std::size_t>(n - 1)]);
                    return words;
                }
        return words;
    }

    ProjectFiles data;
    ItemTable table;
    CategoryList categories;
    DesignFonts fonts;
    MenuDesign design;
    ProjectSession session;
};

}  // namespace qv
