// Figures for the project check: 10,000 items, 1,000 of whose files were
// moved, in a project folder of 50,000 files (generated in a temporary
// folder). Prints the time of the check and its directory reads, which show
// that the tree is walked once, next to what one search per moved item would
// read. Not a test.
#include "util/FileSearch.h"
#include "check/ProjectCheck.h"
#include "i18n/Language.h"
#include "project/ItemTable.h"
#include "util/Fs.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

using namespace qv;
namespace fs = std::filesystem;

namespace {

constexpr int kTopFolders = 50;
constexpr int kSubFolders = 10;
constexpr int kFilesPerFolder = 100;  // 50 x 10 x 100 = 50,000 files
constexpr int kItems = 10000;
constexpr int kMoved = 1000;
constexpr int kSampledSearches = 10;

struct Timing {
    double wallMs = 0;
    double cpuMs = 0;
};

template <typename Work>
Timing timed(Work&& work)
{
    const auto wall = std::chrono::steady_clock::now();
    const std::clock_t cpu = std::clock();
    work();
    return {std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wall).count(),
            1000.0 * static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC};
}

std::string fileName(int n)
{
    return "file" + std::to_string(n) + ".dat";
}

std::string relativeFolder(int n)
{
    const int folder = n / kFilesPerFolder;
    return "t" + std::to_string(folder / kSubFolders) + "/s" + std::to_string(folder % kSubFolders) + "/";
}

}  // namespace

int main()
{
    std::random_device rd;
    const fs::path base = fs::temp_directory_path() / ("quenvar-bench-check-" + std::to_string(rd()));
    const fs::path rootPath = base / "cd";
    const std::string root = folderText(rootPath);
    constexpr int totalFiles = kTopFolders * kSubFolders * kFilesPerFolder;

    const Timing made = timed([&] {
        for (int n = 0; n < totalFiles; ++n) {
            const fs::path folder = rootPath / relativeFolder(n);
            if (n % kFilesPerFolder == 0)
                fs::create_directories(folder);
            std::ofstream(folder / fileName(n), std::ios::binary);
        }
    });

    // Every fifth file is an item; every tenth item's file has moved away
    // from the folder the item names.
    ItemTable table;
    table.setRowCount(kItems + 1);
    std::mt19937 rng(7);
    std::vector<int> movedFiles;
    for (int i = 0; i < kItems; ++i) {
        const int n = i * (totalFiles / kItems);
        const bool moved = i % (kItems / kMoved) == 0;
        const int row = i + 1;
        const std::string folder = moved ? "old" + std::to_string(rng() % 20) + "/" : relativeFolder(n);
        table.write(FieldName, row, "Item " + std::to_string(i));
        table.write(FieldFileName, row, fileName(n));
        table.write(FieldCdPath, row, ProjectCheck::cdPathOfFolder(root + folder, root));
        table.write(FieldSourceLocation, row, root + folder + fileName(n));
        table.write(FieldCategory, row, "Category " + std::to_string(i / 500));
        if (moved)
            movedFiles.push_back(n);
    }

    Language language;
    ProjectCheck check(table, language);
    CheckResult result;
    const Timing run = timed([&] { result = check.run(root); });

    std::int64_t sampleReads = 0;
    const Timing sample = timed([&] {
        for (int k = 0; k < kSampledSearches; ++k)
            searchFiles(root, fileName(movedFiles[static_cast<std::size_t>(k)]), &sampleReads);
    });
    const double perSearchMs = sample.wallMs / kSampledSearches;

    std::printf("project check: %d items, %d moved, %d files in %lld folders (made in %.0f ms)\n", kItems, kMoved,
                totalFiles, static_cast<long long>(check.stats().directoryReads), made.wallMs);
    std::printf("  check:            %8.1f ms wall, %8.1f ms processor\n", run.wallMs, run.cpuMs);
    std::printf("  re-pointed %zu, removed %zu; missing files looked for: %lld\n", result.repointed.size(),
                result.removed.size(), static_cast<long long>(check.stats().searches));
    std::printf("  tree walks: %lld, directory reads: %lld\n", static_cast<long long>(check.stats().walks),
                static_cast<long long>(check.stats().directoryReads));
    std::printf("  one search per item instead: %lld directory reads, about %.0f ms (%.1f ms per search, %d sampled)\n",
                static_cast<long long>(sampleReads / kSampledSearches * kMoved), perSearchMs * kMoved, perSearchMs,
                kSampledSearches);

    std::error_code ec;
    fs::remove_all(base, ec);
    const bool ok = check.stats().walks == 1 && result.repointed.size() == static_cast<std::size_t>(kMoved) &&
                    result.removed.empty();
    if (!ok)
        std::printf("unexpected result\n");
    return ok ? 0 : 1;
}
