// Opens a project of 100,000 items in the program window (off-screen) and
// prints the time to the first painted screen, then the time of Full Sort
// and of scrolling through the table.
#include "app/MainWindow.h"
#include "app/ProgramWindow.h"
#include "application/Application.h"
#include "project/ProjectFile.h"
#include "util/FileReference.h"

#include <QApplication>
#include <QScrollBar>
#include <QTableView>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace qv;

namespace {

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

fs::path makeProject(const fs::path& dir, const fs::path& base, int count)
{
    ProjectHeader header;
    header.cdName = "Bench CD";
    header.projectFolder = dir.string() + "/";
    FileReference cat;
    cat.assign(base / "Files" / "Standard.qvc");
    FileReference design;
    design.assign(base / "Files" / "Standard.qvd");
    header.setCategoryFile(cat);
    header.setDesignFile(design);
    const std::vector<std::string> categories = {"Programs", "Games", "Tools", "Documents", "Multimedia", "Internet"};
    std::mt19937 rng(7);
    std::vector<ItemFieldTexts> items(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(rng() % 1000000);
        items[static_cast<std::size_t>(i)] = {"Item " + n, "file" + n + ".exe", "\\Tools\\", "n/a", "1", "1",
                                              "Description of item " + n, categories[rng() % categories.size()],
                                              "yes", dir.string() + "/Tools/", "n/a", "no"};
    }
    const fs::path file = dir / "bench.qvp";
    writeProjectFile(file, header, items, categories, YesNoWords{});
    return file;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    const fs::path dir = fs::temp_directory_path() / "quenvar-bench-window";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path base = dir / "base";
    fs::copy(QUENVAR_SOURCE_ASSETS, base, fs::copy_options::recursive);
    const int count = 100000;
    const fs::path project = makeProject(dir, base, count);
    // A settings file of its own: the columns keep their stored widths.
    if (argc > 1 && std::string(argv[1]) == "--stored-widths") {
        FILE* f = std::fopen((base / "quenvar.dat").c_str(), "wb");
        std::fputs("[settings]\r\nlanguage=1\r\nshow_welcome=false\r\n", f);
        std::fclose(f);
    }

    gui::ProgramWindow program(base);
    program.start(false);
    gui::MainWindow& window = program.window();
    window.resize(1000, 700);
    window.show();
    QApplication::processEvents();

    const auto t0 = Clock::now();
    program.app().session().loadProject(project, LoadMode::NoQuestions);
    window.refresh();
    (void)window.grab();  // the first screen, painted
    const auto t1 = Clock::now();
    window.runCommand(CommandId::Sort);
    (void)window.grab();
    const auto t2 = Clock::now();
    QScrollBar* bar = window.tableView()->verticalScrollBar();
    const int pages = 200;
    for (int i = 1; i <= pages; ++i) {
        bar->setValue(bar->maximum() * i / pages);
        (void)window.grab();
    }
    const auto t3 = Clock::now();

    std::printf("items: %d\n", count);
    std::printf("open and first screen: %.3f s\n", seconds(t1 - t0));
    std::printf("full sort and repaint: %.3f s\n", seconds(t2 - t1));
    std::printf("scroll, per screen:    %.2f ms\n", 1000 * seconds(t3 - t2) / pages);
    program.app().files().Project_Temp.remove();
    fs::remove_all(dir);
    return 0;
}
