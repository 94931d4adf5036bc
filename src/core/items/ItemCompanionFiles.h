#pragma once

#include "project/ItemFields.h"
#include "ui/Ui.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace qv {

class ItemTable;

// The two files the menu shows for an item: its info text (.txt) and its
// screenshot (.jpg).
enum class CompanionKind { InfoText, Screenshot };

// Where an item's info file and screenshot live, and how they are written:
// beside the item's source file for file items, else in kryntdat/ below the
// project folder under the item's name.
class ItemCompanionFiles final {
public:
    static constexpr const char* kDataFolder = "kryntdat";

    static std::string extensionOf(CompanionKind kind) { return kind == CompanionKind::InfoText ? "txt" : "jpg"; }
    // The item's name as a file name: each of " * / : < > ? \ | becomes "_".
    static std::string safeName(std::string_view name);
    static std::filesystem::path dataFolder(const std::string& projectFolder);

    // The file of one kind for an item. A file item (no jump point, a CD
    // Path) has it at its File Source Location with the last three
    // characters replaced by the extension. A file item whose source is no
    // full path (empty, "n/a") would name a file in whatever folder we run
    // in, so it gets the kryntdat place like hyperlinks and jump points.
    static std::filesystem::path target(const ItemFieldTexts& item, bool jumpPoint, const std::string& projectFolder,
                                        CompanionKind kind);
    static std::filesystem::path target(const ItemTable& table, int row, const std::string& projectFolder,
                                        CompanionKind kind);
    static ItemFieldTexts itemOf(const ItemTable& table, int row);

    // Whether the item can have these files: it needs a File Name, and a
    // file item whose source is gone needs the project folder at least.
    static bool canHaveCompanions(const ItemFieldTexts& item, bool jumpPoint, const std::string& projectFolder);

    // kryntdat/ below the project folder, made when missing (the project
    // folder itself is not made). error holds the system's text on failure.
    struct DataFolder {
        bool ok = false;
        bool created = false;
        std::filesystem::path path;
        std::string error;
    };
    static DataFolder ensureDataFolder(const std::string& projectFolder);

    // Replaces the file in one step, a read-only one included; a failed
    // write leaves the old file as it was. Text is written as UTF-8 with CR LF.
    static bool writeText(const std::filesystem::path& file, std::string_view text);
    static bool writeScreenshot(const std::filesystem::path& file, const RgbImage& picture);
    // A text file's contents for the editor: UTF-8 kept, older files decoded
    // from the interface language's code page.
    static std::optional<std::string> readText(const std::filesystem::path& file);
    // Every line end as CR LF.
    static std::string withCrLf(std::string_view text);
    // False when there was nothing to delete or it could not be deleted.
    static bool remove(const std::filesystem::path& file);
};

}  // namespace qv
