#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qv {

// What the add dialogs need to know of the open project and the program
// around them; the application, the command line and the tests provide it.
class ItemEntryHost {
public:
    virtual ~ItemEntryHost() = default;

    // The add commands are enabled exactly while a project is open.
    virtual bool projectOpen() const = 0;
    // Ends in the native separator.
    virtual std::string projectFolder() const = 0;
    // The captions of the project's category list, in file order.
    virtual std::vector<std::string> categoryCaptions() const = 0;
    // The language's help file; empty when there is none.
    virtual std::filesystem::path helpFile() const = 0;
};

}  // namespace qv
