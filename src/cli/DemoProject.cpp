#include "DemoProject.h"

#include "util/FileReference.h"
#include "categories/CategoryFile.h"
#include "i18n/Language.h"
#include "items/ItemCompanionFiles.h"
#include "items/ItemRules.h"
#include "items/PictureCodecs.h"
#include "project/ProjectFile.h"
#include "util/Fs.h"

#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace qv::cli {

namespace {

void put16(std::string& s, std::uint32_t v)
{
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}

void put32(std::string& s, std::uint32_t v)
{
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}

// A small 24-bit picture: an evening sky over a dark hill.
std::string sunsetBitmap(int w, int h)
{
    const int rowBytes = (w * 3 + 3) & ~3;
    std::string s = "BM";
    put32(s, static_cast<std::uint32_t>(54 + rowBytes * h));
    put32(s, 0);
    put32(s, 54);
    put32(s, 40);
    put32(s, static_cast<std::uint32_t>(w));
    put32(s, static_cast<std::uint32_t>(h));
    put16(s, 1);
    put16(s, 24);
    put32(s, 0);
    put32(s, static_cast<std::uint32_t>(rowBytes * h));
    put32(s, 2835);
    put32(s, 2835);
    put32(s, 0);
    put32(s, 0);
    for (int y = 0; y < h; ++y) {  // bottom row first
        std::string row;
        for (int x = 0; x < w; ++x) {
            const double t = static_cast<double>(y) / (h - 1);
            const double hill = 0.25 + 0.12 * std::sin(x * 6.28 / w);
            int r = static_cast<int>(250 - 120 * t), g = static_cast<int>(150 - 90 * t + 40 * (1 - t)),
                b = static_cast<int>(80 + 120 * t);
            const double dx = x - w * 0.65, dy = y - h * 0.42;
            if (dx * dx + dy * dy < (h * 0.12) * (h * 0.12)) {
                r = 255;
                g = 220;
                b = 120;
            }
            if (t < hill) {
                r = 40;
                g = 50;
                b = 70;
            }
            row += static_cast<char>(b);
            row += static_cast<char>(g);
            row += static_cast<char>(r);
        }
        row.resize(static_cast<std::size_t>(rowBytes), '\0');
        s += row;
    }
    return s;
}

// A short PCM tune: three rising tones.
std::string tuneWave()
{
    const std::uint32_t rate = 22050;
    std::string pcm;
    for (double freq : {523.25, 659.25, 783.99}) {
        const int n = static_cast<int>(rate * 0.18);
        for (int i = 0; i < n; ++i) {
            const double env = std::min(1.0, std::min(i, n - i) / 400.0);
            const auto v = static_cast<std::int16_t>(9000 * env * std::sin(2 * 3.14159265 * freq * i / rate));
            put16(pcm, static_cast<std::uint16_t>(v));
        }
    }
    std::string s = "RIFF";
    put32(s, static_cast<std::uint32_t>(36 + pcm.size()));
    s += "WAVEfmt ";
    put32(s, 16);
    put16(s, 1);
    put16(s, 1);
    put32(s, rate);
    put32(s, rate * 2);
    put16(s, 2);
    put16(s, 16);
    s += "data";
    put32(s, static_cast<std::uint32_t>(pcm.size()));
    return s + pcm;
}

const char* kReadme =
    "Quenvar demo CD\r\n"
    "===============\r\n\r\n"
    "This CD was made with Quenvar. Its menu starts by itself when the CD is put in;\r\n"
    "otherwise start rnv.exe in the CD's top folder.\r\n\r\n"
    "Docs      - this text and a short guide\r\n"
    "Pictures  - a picture\r\n"
    "Music     - a short tune\r\n"
    "Tools     - a setup program\r\n";

const char* kGuide =
    "<!DOCTYPE html>\r\n<html><head><meta charset=\"utf-8\"><title>Quenvar demo guide</title></head>\r\n"
    "<body><h1>Quenvar demo guide</h1>\r\n"
    "<p>Pick a category on the left, then an item; its description, sizes and homepage are shown "
    "beside it. Run opens or starts the item, Copy puts it into a folder of your choice.</p>\r\n"
    "</body></html>\r\n";

const char* kSetupInfo =
    "Demo Setup\r\n"
    "----------\r\n"
    "A setup program that shows what an installer on a menu CD looks like.\r\n"
    "It installs nothing and changes nothing on your computer.\r\n\r\n"
    "Serial number: DEMO-1234-5678\r\n";

const char* kSetup = "#!/bin/sh\necho \"Quenvar demo setup: nothing to install.\"\n";

}  // namespace

DemoProject makeDemoProject(const std::filesystem::path& dir, const std::filesystem::path& baseDir,
                            const Language& language)
{
    namespace fs = std::filesystem;
    DemoProject demo;
    std::error_code ec;
    fs::create_directories(dir, ec);
    const fs::path root = fs::absolute(dir, ec).lexically_normal();
    demo.projectFolder = root / "cd" / "";
    demo.projectFile = root / "demo.qvp";
    const std::string projectFolderText = folderText(root / "cd");

    struct Sample {
        const char* folder;
        const char* name;
        std::string bytes;
    };
    const std::vector<Sample> samples{
        {"Docs", "readme.txt", kReadme},
        {"Docs", "guide.html", kGuide},
        {"Pictures", "sunset.bmp", sunsetBitmap(160, 100)},
        {"Music", "welcome.wav", tuneWave()},
        {"Tools", "setup.exe", kSetup},
    };
    for (const auto& s : samples) {
        const fs::path folder = root / "cd" / s.folder;
        fs::create_directories(folder, ec);
        const fs::path file = folder / s.name;
        if (!writeFileAtomic(file, s.bytes))
            throw std::runtime_error("The demo file " + pathText(file) + " can't be written.");
        demo.samples.push_back(file);
    }
    fs::permissions(root / "cd" / "Tools" / "setup.exe", fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                    fs::perm_options::add, ec);

    const fs::path categoryFile = CategoryFile::defaultFile(baseDir);
    const fs::path designFile = baseDir / "Files" / "Standard.qvd";
    const auto captions = CategoryFile::readCaptions(categoryFile);
    auto category = [&](std::size_t index) { return index < captions.size() ? captions[index] : std::string(); };

    const std::string yes = language.yesWord();
    const std::string no = language.noWord();
    auto fileItem = [&](const char* name, std::size_t sample, const char* serial, const char* desc, std::size_t cat,
                        bool execute, const char* homepage) {
        const fs::path& file = demo.samples[sample];
        ItemFieldTexts item;
        item[0] = name;
        item[1] = pathText(file.filename());
        item[2] = cdPathOf(folderText(file.parent_path()), projectFolderText);
        item[3] = serial;
        item[4] = sizeText(static_cast<std::int64_t>(fs::file_size(file, ec)));
        item[5] = "n/a";
        item[6] = desc;
        item[7] = category(cat);
        item[8] = yes;
        item[9] = pathText(file);
        item[10] = homepage;
        item[11] = execute ? yes : no;
        return item;
    };
    // Standard.qvc: Programs, Games, Tools, Documents, Multimedia, Internet.
    std::vector<ItemFieldTexts> items{
        fileItem("Read Me", 0, "n/a", "What is on this CD, in a few lines.", 3, true, "n/a"),
        fileItem("Demo Guide", 1, "n/a", "A short guide to the menu, as a web page.", 3, true, "n/a"),
        fileItem("Sunset", 2, "n/a", "A picture of an evening sky.", 4, true, "n/a"),
        fileItem("Welcome Tune", 3, "n/a", "Three rising tones.", 4, true, "n/a"),
        fileItem("Demo Setup", 4, "DEMO-1234-5678", "A setup program that installs nothing.", 0, true,
                 "https://example.org/quenvar"),
    };
    ItemFieldTexts link{"Quenvar Home Page", "https://example.org/quenvar", "", "n/a", "n/a", "n/a",
                        "The project's web site.", category(5), no, "n/a", "n/a", yes};
    ItemFieldTexts jump{"Browse the Tools", language.jumpWord(), "\\Tools\\", "n/a", "n/a", "n/a",
                        "Opens the Tools folder of the CD.", category(2), no, "n/a", "n/a", yes};
    items.push_back(link);
    items.push_back(jump);
    demo.itemCount = items.size();

    ProjectHeader header;
    header.cdName = "Quenvar Demo";
    header.projectFolder = projectFolderText;
    FileReference categories;
    categories.assign(categoryFile);
    FileReference design;
    design.assign(designFile);
    header.setCategoryFile(categories);
    header.setDesignFile(design);
    const YesNoWords words{yes, no};
    writeProjectFile(demo.projectFile, header, items, captions, words);
    demo.cuts = FieldCapacity::cutsOf(header, items, words);

    // An info text for the setup program and a screenshot of the picture,
    // written where and as the info file dialog writes them.
    const fs::path info = ItemCompanionFiles::target(items[4], false, projectFolderText, CompanionKind::InfoText);
    if (!ItemCompanionFiles::writeText(info, kSetupInfo))
        throw std::runtime_error("The demo info file " + pathText(info) + " can't be written.");
    const fs::path shot = ItemCompanionFiles::target(items[2], false, projectFolderText, CompanionKind::Screenshot);
    const auto picture = PictureCodecs::readPictureFile(demo.samples[2]);
    if (!picture || !ItemCompanionFiles::writeScreenshot(shot, *picture))
        throw std::runtime_error("The demo screenshot " + pathText(shot) + " can't be written.");
    demo.companions = {info, shot};
    return demo;
}

}  // namespace qv::cli
