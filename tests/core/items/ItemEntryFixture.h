#pragma once

#include "categories/CategoryList.h"
#include "i18n/Language.h"
#include "items/AddItemTip.h"
#include "items/ItemEntryContext.h"
#include "project/ItemTable.h"
#include "util/Fs.h"

#include "FakeUi.h"
#include "TempDir.h"

#include <string>
#include <vector>

namespace qv::test {

// The open project as the add dialogs see it: a project folder in a
// temporary folder, three categories, the tip and a help file.
struct ItemEntryFixture {
    TempDir dir;
    std::filesystem::path project = dir / "cd";
    FakeUi ui;
    Language language;
    ItemTable table;
    CategoryList categories;
    bool projectOpen = true;
    std::string projectFolder;
    bool tipFlag = false;
    AddItemTip tip{ui, language, tipFlag};

    ItemEntryFixture()
    {
        std::filesystem::create_directories(project);
        projectFolder = folderText(project);
        setCategories({"Programs", "Games", "Tools"});
    }

    ItemEntryContext context()
    {
        return ItemEntryContext{table,
                                ui,
                                language,
                                categories,
                                [this] { return projectOpen; },
                                [this] { return projectFolder; },
                                [this] { tip.showIfWanted(); },
                                [this](int topic) { ui.showHelp("/help/VlxHlp1.hlp", topic); }};
    }

    // The category file, outside the project folder so no search meets it.
    void setCategories(const std::vector<std::string>& captions)
    {
        std::string text = "[general]\r\nanz_items=" + std::to_string(captions.size()) + "\r\n";
        for (std::size_t i = 0; i < captions.size(); ++i)
            text += "[" + std::to_string(i) + "]\r\ncaption=" + captions[i] + "\r\n";
        writeFile(dir / "categories.qvc", text);
        categories.read(dir / "categories.qvc");
    }

    // A file of the given size below the project folder (or anywhere, for an absolute path).
    std::filesystem::path file(const std::string& relative, std::uintmax_t size = 10)
    {
        const auto path = project / pathFromText(relative);
        writeFile(path, "");
        std::filesystem::resize_file(path, size);
        return path;
    }

    std::vector<std::string> row(int r) const
    {
        std::vector<std::string> fields;
        for (int f = 1; f <= ItemTable::kFields; ++f)
            fields.push_back(table.read(f, r));
        return fields;
    }
};

}  // namespace qv::test
