#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The installed TrueType fonts as the Windows installed-fonts list shows
// them: entries named "<face> (TrueType)", "<face> Bold (TrueType)", ...
// whose values are a file name in the fonts folder or a full path.
class FontCatalogue {
public:
    virtual ~FontCatalogue() = default;

    // The value of one entry ("Arial Bold (TrueType)"); empty when missing.
    virtual std::string entry(std::string_view entryName) const = 0;
    // Whether an installed font has exactly this face (letter case included).
    virtual bool hasFace(std::string_view face) const = 0;
    // The installed faces, sorted, for the font choosers.
    virtual std::vector<std::string> faces() const = 0;
    // The fonts folder's file of this name, when it holds one.
    virtual std::optional<std::filesystem::path> installedFile(std::string_view fileName) const = 0;
};

// The system's fonts through fontconfig. Only fonts of the system's own
// configuration are listed, never fonts a design registered for itself,
// just as registering never touched the installed-fonts list.
class FontconfigCatalogue final : public FontCatalogue {
public:
    FontconfigCatalogue();

    std::string entry(std::string_view entryName) const override;
    bool hasFace(std::string_view face) const override;
    std::vector<std::string> faces() const override;
    std::optional<std::filesystem::path> installedFile(std::string_view fileName) const override;

    // "Regular", "Book", ... add nothing to an entry name.
    static bool isPlainStyle(std::string_view style);

private:
    std::map<std::string, std::string, std::less<>> m_entries;
    std::set<std::string, std::less<>> m_faces;
    std::map<std::string, std::filesystem::path, std::less<>> m_files;  // file name -> first installed file
};

// A folder standing in for the fonts folder, with entries given by the caller.
class FolderFontCatalogue final : public FontCatalogue {
public:
    explicit FolderFontCatalogue(std::filesystem::path folder);

    // face defaults to the entry name without " (TrueType)".
    void addEntry(std::string entryName, std::string value, std::string face = {});

    std::string entry(std::string_view entryName) const override;
    bool hasFace(std::string_view face) const override;
    std::vector<std::string> faces() const override;
    std::optional<std::filesystem::path> installedFile(std::string_view fileName) const override;

    const std::filesystem::path& folder() const { return m_folder; }

private:
    std::filesystem::path m_folder;
    std::map<std::string, std::string, std::less<>> m_entries;
    std::set<std::string, std::less<>> m_faces;
};

}  // namespace qv
