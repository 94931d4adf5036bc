#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "Desktop.h"
#include "MenuData.h"

namespace rnv {

struct ActionSet {
    bool run = false;
    bool runIsProgram = false;  // "Run" for programs, "Open" for everything else
    bool copy = false;
    bool info = false;
    bool screenshot = false;
    bool homepage = false;
};

// The commands on the chosen item. Every CD path goes through resolveCdPath,
// so nothing outside the CD is ever started, opened or copied.
class ItemActions final {
public:
    // Bytes done, bytes in all; returning false cancels the copy.
    using Progress = std::function<bool(std::uintmax_t, std::uintmax_t)>;

    ItemActions(const MenuData& data, Desktop& desktop);

    ActionSet available(const MenuItem& item) const;
    // The item's info text and screenshot on the CD, or empty when there is none.
    std::filesystem::path infoFile(const MenuItem& item) const;
    std::filesystem::path screenshotFile(const MenuItem& item) const;

    bool run(const MenuItem& item);
    // Asks for a folder and copies the item's file (or folder) into it.
    // Returns true when everything was copied.
    bool copy(const MenuItem& item, const Progress& progress = {});
    // Copies without asking; used by copy() and by tests.
    bool copyTo(const MenuItem& item, const std::filesystem::path& folder, const Progress& progress = {});
    bool openHomepage(const MenuItem& item);

private:
    // The item's host path, or empty after telling the user why not.
    std::filesystem::path resolveOrTell(const std::string& pfad);
    std::filesystem::path companionFile(const MenuItem& item, std::string_view ext) const;
    bool openWeb(const std::string& text);
    bool looksLikeJumpPoint(const MenuItem& item) const;

    const MenuData& m_data;
    Desktop& m_desktop;
};

// The address to open for a homepage or hyperlink: web and mail addresses,
// with "http://" put before a bare host. Nothing for any other scheme
// (file:, javascript:, a drive letter), which would open something that is
// not a web page.
std::optional<std::string> webAddress(std::string_view text);

// "n/a" and blanks mean the field has no value.
bool hasValue(const std::string& field);

}  // namespace rnv
