#include "Damage.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "util/Text.h"

namespace rnvtest {

namespace fs = std::filesystem;

std::vector<FixtureCategory> sampleCategories()
{
    return {
        {"Games", {{"Rally", "\\Games\\rally.exe", 0}, {"Read me", "\\Games\\readme.txt", 7}}},
        {"Tools", {{"Disk Tool", "\\Tools\\disk.exe", 0}}},
    };
}

namespace {

std::string garbage(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() & 0xFF);
    return bytes;
}

void forEachCfgFile(CdFixture& cd, const std::function<void(const fs::path&)>& f)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(cd.cfg())) {
        if (entry.is_regular_file())
            files.push_back(entry.path());
    }
    for (const auto& file : files)
        f(file);
}

}  // namespace

const std::vector<Damage>& damages()
{
    static const std::vector<Damage> list{
        {"intact", [](CdFixture&) {}, 2, 2, true},
        {"no CFG at all", [](CdFixture& cd) { fs::remove_all(cd.cfg()); }, 0, 0, false},
        {"every file empty",
         [](CdFixture& cd) { forEachCfgFile(cd, [](const fs::path& f) { fs::resize_file(f, 0); }); }, 0, 0, false},
        {"binary garbage in every file",
         [](CdFixture& cd) {
             unsigned seed = 1;
             forEachCfgFile(cd, [&](const fs::path& f) {
                 std::ofstream(f, std::ios::binary | std::ios::trunc) << garbage(4096, seed++);
             });
             // The fixed-name files the build would write, also as garbage.
             for (const char* name : {"design.cfg", "language.vlx", "splash.bmp", "back.bmp", "button.bmp", "rnv.ico",
                                      "Sound1.wav", "Sound2.wav", "Sound3.wav", "Sound4.wav", "Sound5.wav", "bad.ttf"})
                 cd.writeCfgFile(name, garbage(4096, seed++));
         },
         0, 0, false},
        {"garbage item files only",
         [](CdFixture& cd) {
             unsigned seed = 99;
             for (const auto& entry : fs::directory_iterator(cd.cfg() / "membersd"))
                 std::ofstream(entry.path(), std::ios::binary | std::ios::trunc) << garbage(2048, seed++);
         },
         2, 2, false},
        {"members.cfg names missing item files",
         [](CdFixture& cd) {
             fs::remove_all(cd.cfg() / "membersd");
             fs::create_directories(cd.cfg() / "membersd");
         },
         2, 2, false},
        {"absurd counts",
         [](CdFixture& cd) {
             cd.writeCfgFile("genre.cfg", "[general]\r\nanz_items=2147483647\r\n[0]\r\ncaption=Only\r\n");
             cd.writeCfgFile("members.cfg", "[0]\r\nanz_items=2147483647\r\n[0-0]\r\ncaption=Rally\r\nicon_number=-7\r\n");
         },
         // 2147483647 held in 8 bits is 255 categories, each without items but the first.
         255, 1, true},
        {"names in upper case, as an old CD file system gives them",
         [](CdFixture& cd) {
             std::vector<fs::path> entries;
             for (const auto& entry : fs::recursive_directory_iterator(cd.cfg()))
                 entries.push_back(entry.path());
             // Deepest first, so a folder is renamed after its contents.
             std::sort(entries.begin(), entries.end(), [](const fs::path& a, const fs::path& b) {
                 return a.string().size() > b.string().size();
             });
             for (const auto& path : entries)
                 fs::rename(path, path.parent_path() / qv::asciiUpper(path.filename().string()));
         },
         2, 2, true},
        {"files that are folders",
         [](CdFixture& cd) {
             for (const char* name : {"genre.cfg", "members.cfg", "design.cfg", "language.vlx", "back.bmp"}) {
                 fs::remove(cd.cfg() / name);
                 fs::create_directories(cd.cfg() / name);
             }
         },
         0, 0, false},
    };
    return list;
}

}  // namespace rnvtest
