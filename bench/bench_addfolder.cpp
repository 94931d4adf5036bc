// Figures for the add-folder dialog: a tree of 100,000 small files (made in
// a temporary folder) searched with subfolders and added as items in one
// OK, next to a plain recursive directory walk that lists every file's name
// and size. The dialog's work should stay within twice the walk. Not a test.
#include "categories/CategoryList.h"
#include "i18n/Language.h"
#include "items/AddFolderDialog.h"
#include "items/FolderItemNaming.h"
#include "items/ItemEntryContext.h"
#include "project/ItemTable.h"
#include "ui/Ui.h"
#include "util/Fs.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

using namespace qv;
namespace fs = std::filesystem;

namespace {

constexpr int kTopFolders = 100;
constexpr int kSubFolders = 10;
constexpr int kFilesPerFolder = 100;  // 100 x 10 x 100 = 100,000 files
constexpr int kRuns = 3;

// A Ui that answers nothing and shows nothing: only the work is timed.
class SilentUi final : public Ui {
public:
    MsgResult messageBox(const Message&, MsgKind, MsgButtons) override { return MsgResult::Ok; }
    void playClick() override {}
    void playSound(const fs::path&) override {}
    void stopSound() override {}
    std::optional<fs::path> openFile(const FileDialogSpec&) override { return std::nullopt; }
    std::optional<fs::path> saveFile(const FileDialogSpec&) override { return std::nullopt; }
    std::optional<fs::path> browseFolder(const std::string&, const fs::path&) override { return std::nullopt; }
    std::optional<ColourValue> chooseColour(ColourValue, CustomColours&) override { return std::nullopt; }
    void showModal(ModalWindow&) override {}
    bool shellOpen(const std::string&) override { return false; }
    bool shellExplore(const fs::path&) override { return false; }
    bool startProgram(const fs::path&) override { return false; }
    std::optional<RgbImage> clipboardBitmap() override { return std::nullopt; }
    void showHelp(const fs::path&, int) override {}

protected:
    void workBegun(std::string_view, std::int64_t, Stopping) override {}
    bool workProgress(std::int64_t, std::int64_t) override { return true; }
    void workEnded() override {}
};

template <typename Work>
double timedMs(Work&& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void makeTree(const fs::path& root)
{
    const std::string content(64, 'x');
    for (int t = 0; t < kTopFolders; ++t) {
        for (int s = 0; s < kSubFolders; ++s) {
            const fs::path folder = root / ("t" + std::to_string(t)) / ("s" + std::to_string(s));
            fs::create_directories(folder);
            for (int f = 0; f < kFilesPerFolder; ++f)
                std::ofstream(folder / ("file" + std::to_string(f) + ".dat"), std::ios::binary) << content;
        }
    }
}

}  // namespace

int main()
{
    std::random_device rd;
    const fs::path root = fs::temp_directory_path() / ("quenvar-bench-addfolder-" + std::to_string(rd()));
    std::printf("making %d files below %s ...\n", kTopFolders * kSubFolders * kFilesPerFolder, root.c_str());
    makeTree(root);

    std::size_t walked = 0;
    std::uintmax_t bytes = 0;
    double walkMs = 1e300;
    double dialogMs = 1e300;
    int rows = 0;
    for (int run = 0; run < kRuns; ++run) {
        walkMs = std::min(walkMs, timedMs([&] {
            walked = 0;
            bytes = 0;
            std::vector<std::pair<std::string, std::uintmax_t>> listed;
            for (const auto& entry : fs::recursive_directory_iterator(root)) {
                if (entry.is_regular_file()) {
                    listed.emplace_back(entry.path().filename().string(), entry.file_size());
                    bytes += listed.back().second;
                }
            }
            walked = listed.size();
        }));

        SilentUi ui;
        Language language;
        ItemTable table;
        CategoryList categories;
        const std::string folder = folderText(root);
        FolderItemNaming naming(ui);
        AddFolderDialog dialog(
            ItemEntryContext{table, ui, language, categories, [] { return true; }, [&] { return folder; }, {}, {}},
            naming);
        dialogMs = std::min(dialogMs, timedMs([&] {
            dialog.prepare();
            dialog.setIncludeSubfolders(true);
            dialog.searchFolder(root);
            dialog.addClick();
        }));
        rows = table.rowCount() - 1;
    }

    std::printf("plain walk (names and sizes): %zu files, %.1f ms\n", walked, walkMs);
    std::printf("add folder (search and OK):   %d rows, %.1f ms\n", rows, dialogMs);
    std::printf("ratio: %.2f (goal: at most 2)\n", dialogMs / walkMs);

    std::error_code ec;
    fs::remove_all(root, ec);
    return rows == static_cast<int>(walked) ? 0 : 1;
}
