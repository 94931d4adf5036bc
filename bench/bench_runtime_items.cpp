// Writes the runtime item files of 10,000 items in 20 categories and, as the
// floor, the same bytes into the same files with plain stream writes, and
// prints both times and their ratio.
#include "build/RuntimeItemFiles.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

double seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

qv::RuntimeItemSource makeSource(int items, int categories)
{
    qv::RuntimeItemSource s;
    s.cdName = "Bench CD";
    s.rootName = "/tmp/bench/cd/";
    s.yesWord = "yes";
    for (int c = 0; c < categories; ++c)
        s.categories.push_back("Category " + std::to_string(c));
    for (int i = 0; i < items; ++i) {
        const std::string n = std::to_string(i);
        s.items.push_back({"Item " + n, "file" + n + (i % 3 ? ".exe" : ".txt"), "\\Folder" + std::to_string(i % 50) + "\\",
                           "SN-" + n, "12", "34", "The description of item " + n, s.categories[static_cast<std::size_t>(i % categories)],
                           i % 2 ? "yes" : "no", "/src/file" + n, "http://example.org/" + n, "yes"});
    }
    return s;
}

std::vector<std::pair<fs::path, std::string>> snapshot(const fs::path& cfg)
{
    std::vector<std::pair<fs::path, std::string>> files;
    for (const auto& e : fs::recursive_directory_iterator(cfg)) {
        if (!e.is_regular_file())
            continue;
        std::ifstream in(e.path(), std::ios::binary);
        files.emplace_back(e.path(), std::string(std::istreambuf_iterator<char>(in), {}));
    }
    return files;
}

}  // namespace

int main(int argc, char** argv)
{
    const int items = argc > 1 ? std::stoi(argv[1]) : 10000;
    const int categories = argc > 2 ? std::stoi(argv[2]) : 20;
    const fs::path cfg = fs::temp_directory_path() / "quenvar-bench-runtime-items" / "CFG";
    fs::remove_all(cfg.parent_path());
    fs::create_directories(cfg);
    const qv::RuntimeItemSource source = makeSource(items, categories);

    // A first run so both measured runs find the same folder state.
    qv::writeRuntimeItemFiles(cfg, source);
    const auto files = snapshot(cfg);

    // Best of five: the machine is shared, and the best run shows the cost.
    double writer = 1e9;
    double floor = 1e9;
    qv::RuntimeItemSummary summary;
    for (int run = 0; run < 5; ++run) {
        const auto t0 = std::chrono::steady_clock::now();
        summary = qv::writeRuntimeItemFiles(cfg, source);
        const auto t1 = std::chrono::steady_clock::now();
        for (const auto& [path, bytes] : files) {
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
        const auto t2 = std::chrono::steady_clock::now();
        writer = std::min(writer, seconds(t1 - t0));
        floor = std::min(floor, seconds(t2 - t1));
    }

    std::printf("runtime item files: %d items in %d categories, %zu item files\n", items, categories,
                summary.itemFiles);
    std::printf("  writer: %.3f s\n  floor (same bytes, plain writes): %.3f s\n  ratio: %.2f\n", writer, floor,
                floor > 0 ? writer / floor : 0.0);
    fs::remove_all(cfg.parent_path());
    return 0;
}
