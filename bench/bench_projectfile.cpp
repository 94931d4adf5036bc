// Saves and reads back a project file of 100,000 items and prints the times.
#include "project/ProjectFile.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

double seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

}  // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::stoi(argv[1]) : 100000;
    const auto dir = std::filesystem::temp_directory_path() / "quenvar-bench-projectfile";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);

    std::vector<std::string> categories;
    for (int c = 0; c < 20; ++c)
        categories.push_back("Category " + std::to_string(c));
    std::vector<qv::ItemFieldTexts> items;
    items.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        items.push_back({"Item " + n, "file" + n + ".exe", "\\Folder\\", "SN-" + n, "12", "34",
                         "The description of item " + n, categories[static_cast<std::size_t>(i % 20)], "yes",
                         "/src/file" + n + ".exe", "http://example.org/" + n, "no"});
    }
    qv::ProjectHeader header;
    header.cdName = "Bench CD";
    header.projectFolder = "/tmp/bench/cd/";

    const auto path = dir / "bench.qvp";
    const auto t0 = std::chrono::steady_clock::now();
    qv::writeProjectFile(path, header, items, categories, {});
    const auto t1 = std::chrono::steady_clock::now();
    const auto back = qv::readProjectFile(path, categories);
    const auto t2 = std::chrono::steady_clock::now();

    std::printf("project file: %d items, %ju bytes\n", count, static_cast<std::uintmax_t>(std::filesystem::file_size(path)));
    std::printf("  write: %.3f s\n  read: %.3f s (%zu items)\n", seconds(t1 - t0), seconds(t2 - t1), back.items.size());
    std::filesystem::remove_all(dir);
    return back.items.size() == items.size() ? 0 : 1;
}
