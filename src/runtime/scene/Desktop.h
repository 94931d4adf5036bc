#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace rnv {

// What the runtime asks of the desktop. The window uses the Qt one; tests
// put in a fake that records the calls.
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual bool startProgram(const std::filesystem::path& program) = 0;
    // Documents through their associated program, folders in the file manager.
    virtual bool openPath(const std::filesystem::path& path) = 0;
    virtual bool openAddress(const std::string& address) = 0;
    virtual std::optional<std::filesystem::path> chooseFolder(const std::string& title) = 0;
    virtual void message(const std::string& text) = 0;
};

}  // namespace rnv
