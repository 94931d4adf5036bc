#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace qv {

class CategoryList;
class ItemTable;
class Language;
class Ui;

// What the item dialogs work on: the open project's table and categories,
// the person through Ui, the current language, and the few things the
// program around them owns. Each function may be left empty: no project is
// then open, the project folder is empty, no tip and no help are shown.
struct ItemEntryContext {
    ItemTable& table;
    Ui& ui;
    const Language& language;
    const CategoryList& categories;
    std::function<bool()> projectOpen;
    // Ends in the native separator.
    std::function<std::string()> projectFolder;
    // The add-item tip, shown when the tip flag is on; it returns once the tip is closed.
    std::function<void()> showTipIfWanted;
    // Opens a numbered topic of the language's help file.
    std::function<void(int topic)> showHelp;

    bool isProjectOpen() const { return projectOpen && projectOpen(); }
    std::string folder() const { return projectFolder ? projectFolder() : std::string(); }
    void tip() const
    {
        if (showTipIfWanted)
            showTipIfWanted();
    }
    void help(int topic) const
    {
        if (showHelp)
            showHelp(topic);
    }
};

}  // namespace qv
