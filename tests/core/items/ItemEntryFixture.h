#pragma once

#include "i18n/Language.h"
#include "items/AddItemTip.h"
#include "items/ItemEntryHost.h"
#include "project/ItemTable.h"
#include "util/Fs.h"

#include "FakeUi.h"
#include "TempDir.h"

#include <string>
#include <vector>

namespace qv::test {

// The open project as the add dialogs see it: a project folder in a
// temporary folder, three categories and a help file.
class FakeEntryHost final : public ItemEntryHost {
public:
    bool open = true;
    std::string folder;
    std::vector<std::string> captions{"Programs", "Games", "Tools"};

    bool projectOpen() const override { return open; }
    std::string projectFolder() const override { return folder; }
    std::vector<std::string> categoryCaptions() const override { return captions; }
    std::filesystem::path helpFile() const override { return "/help/VlxHlp1.hlp"; }
};

struct ItemEntryFixture {
    TempDir dir;
    std::filesystem::path project = dir / "cd";
    FakeUi ui;
    Language language;
    ItemTable table;
    FakeEntryHost host;
    bool tipFlag = false;
    AddItemTip tip{ui, language, tipFlag};

    ItemEntryFixture()
    {
        std::filesystem::create_directories(project);
        host.folder = folderText(project);
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
