// Opens and saves a project of 100,000 items through the project session
// (loader, table, working copy, atomic replace) and prints the times next to
// the bare file codec's read and write of the same file.
#include "design/FontCatalogue.h"
#include "design/FontRegistrar.h"
#include "i18n/Language.h"
#include "project/ProjectFile.h"
#include "project/ProjectWorkspace.h"
#include "util/Fs.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// Answers every question with its first button and counts nothing.
class QuietUi final : public qv::Ui {
public:
    qv::MsgResult messageBox(const qv::Message& m, qv::MsgKind, qv::MsgButtons) override
    {
        std::fprintf(stderr, "message: %s\n", m.text.c_str());
        return qv::MsgResult::Ok;
    }
    void playClick() override {}
    void playSound(const fs::path&) override {}
    void stopSound() override {}
    std::optional<fs::path> openFile(const qv::FileDialogSpec&) override { return std::nullopt; }
    std::optional<fs::path> saveFile(const qv::FileDialogSpec&) override { return saveAnswer; }
    std::optional<fs::path> browseFolder(const std::string&, const fs::path&) override { return std::nullopt; }
    std::optional<qv::ColourValue> chooseColour(qv::ColourValue, qv::CustomColours&) override { return std::nullopt; }
    void showModal(qv::ModalWindow&) override {}
    bool shellOpen(const std::string&) override { return false; }
    bool shellExplore(const fs::path&) override { return false; }
    bool startProgram(const fs::path&) override { return false; }
    std::optional<qv::RgbImage> clipboardBitmap() override { return std::nullopt; }
    void showHelp(const fs::path&, int) override {}

    std::optional<fs::path> saveAnswer;

protected:
    void workBegun(std::string_view, std::int64_t, qv::Stopping) override {}
    bool workProgress(std::int64_t, std::int64_t) override { return true; }
    void workEnded() override {}
};

class NoFonts final : public qv::FontRegistrar {
public:
    bool addFont(const fs::path&) override { return false; }
    void removeFont(const fs::path&) override {}
};

void writeText(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::stoi(argv[1]) : 100000;
    const fs::path dir = fs::temp_directory_path() / "quenvar-bench-project";
    fs::remove_all(dir);
    const fs::path base = dir / "base";
    fs::create_directories(base / "projects");

    std::vector<std::string> categories;
    std::string categoryText = "[general]\r\nanz_items=20\r\n";
    for (int c = 0; c < 20; ++c) {
        categories.push_back("Category " + std::to_string(c));
        categoryText += "[" + std::to_string(c) + "]\r\ncaption=" + categories.back() + "\r\nicon_number=" +
                        std::to_string(c) + "\r\n";
    }
    const fs::path categoryFile = dir / "cats" / "bench.qvc";
    const fs::path designFile = dir / "design" / "bench.qvd";
    writeText(categoryFile, categoryText);
    writeText(designFile, "[general]\r\ndesign_mode=band\r\nbutton_mode=band\r\n");

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
    header.categoryPath = qv::pathText(categoryFile);
    header.categoryBareName = "bench";
    header.categoryExtension = ".qvc";
    header.designPath = qv::pathText(designFile);
    header.designBareName = "bench";
    header.designExtension = ".qvd";
    const fs::path project = base / "projects" / "bench.qvp";
    qv::writeProjectFile(project, header, items, categories, qv::YesNoWords{});
    const auto size = fs::file_size(project);

    auto t0 = Clock::now();
    const auto contents = qv::readProjectFile(project, categories);
    const double codecRead = seconds(Clock::now() - t0);
    t0 = Clock::now();
    qv::writeProjectFile(dir / "codec.qvp", header, contents.items, categories, qv::YesNoWords{});
    const double codecWrite = seconds(Clock::now() - t0);

    QuietUi ui;
    const qv::Language language = qv::Language::load(base, 1);
    qv::FolderFontCatalogue catalogue(dir / "fonts");
    NoFonts registrar;
    qv::ProjectWorkspace ws(base, ui, language, catalogue, registrar);

    t0 = Clock::now();
    const auto loaded = ws.session.loadProject(project, qv::LoadMode::NoQuestions);
    const double open = seconds(Clock::now() - t0);
    if (!loaded) {
        std::fprintf(stderr, "open failed: %s\n", loaded.error.c_str());
        return 1;
    }

    ws.session.setModified(true);
    t0 = Clock::now();
    const bool saved = ws.session.save();
    const double save = seconds(Clock::now() - t0);

    ui.saveAnswer = base / "projects" / "bench-copy.qvp";
    t0 = Clock::now();
    const bool savedAs = ws.session.saveAs();
    const double saveAs = seconds(Clock::now() - t0);

    t0 = Clock::now();
    ws.session.reReadThroughWorkingCopy();
    const double reRead = seconds(Clock::now() - t0);

    std::printf("project of %d items, %ju bytes\n", count, static_cast<std::uintmax_t>(size));
    std::printf("  codec read             %8.3f s\n", codecRead);
    std::printf("  codec write            %8.3f s\n", codecWrite);
    std::printf("  open (loader)          %8.3f s  (%d rows)\n", open, ws.table.rowCount() - 1);
    std::printf("  save (working copy and project file) %8.3f s  %s\n", save, saved ? "ok" : "FAILED");
    std::printf("  save as (file and working copy)      %8.3f s  %s\n", saveAs, savedAs ? "ok" : "FAILED");
    std::printf("  category editor read-back            %8.3f s\n", reRead);
    fs::remove_all(dir);
    return saved && savedAs ? 0 : 1;
}
