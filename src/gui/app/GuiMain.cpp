#include "app/GuiMain.h"

#include "DemoProject.h"
#include "app/MainWindow.h"
#include "app/ProgramWindow.h"
#include "app/QtUi.h"
#include "application/Application.h"
#include "design/DesignEditorView.h"
#include "project/FindDialogView.h"

#include <QApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <iostream>

namespace qv::gui {

namespace {

// The design editor's pages, each a window of its own for screenshots:
// "design" is the first page.
const std::vector<std::string>& designPages()
{
    static const std::vector<std::string> pages = {"design",       "design-boxes",      "design-buttons", "design-fonts",
                                                   "design-sounds", "design-appearance", "design-file"};
    return pages;
}

bool displayPresent()
{
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
}

int screenshot(const cli::WindowRequest& request, ProgramWindow& program)
{
    Application& app = program.app();
    MainWindow& window = program.window();
    // The demo project, made in a private folder, fills the table.
    QTemporaryDir dir;
    try {
        const cli::DemoProject demo = cli::makeDemoProject(dir.path().toStdString(), app.baseDir(), app.language());
        app.session().loadProject(demo.projectFile, LoadMode::NoQuestions);
    } catch (const std::exception& e) {
        std::cerr << "The demo project could not be made: " << e.what() << "\n";
        return cli::kFailed;
    }
    window.refresh();
    window.resize(900, 560);
    window.show();
    QApplication::processEvents();
    QWidget* target = &window;
    std::unique_ptr<FindDialogView> find;
    std::unique_ptr<DesignEditorView> design;
    const auto& pages = designPages();
    const auto page = std::find(pages.begin(), pages.end(), request.screenshotWindow);
    if (page != pages.end()) {
        // The demo project's design, as the editor opens it.
        DesignEditor& editor = app.designEditor();
        editor.prepare();
        editor.setPage(static_cast<DesignPage>(page - pages.begin()));
        design = std::make_unique<DesignEditorView>(editor, app.language(), app.baseDir(), &window);
        design->resize(design->sizeHint());
        design->show();
        QApplication::processEvents();
        design->refresh();
        target = design.get();
    } else if (request.screenshotWindow == "find") {
        find = std::make_unique<FindDialogView>(app.tableCommands().findDialog(), app.language(), program.ui(),
                                                app.language().helpFileName(), &window);
        find->show();
        find->adjustSize();
        target = find.get();
    } else if (request.screenshotWindow != "main") {
        std::cerr << "Unknown window: " << request.screenshotWindow << "\nTry Tovald --screenshot --list.\n";
        return cli::kUsage;
    }
    QApplication::processEvents();
    if (!target->grab().save(QString::fromStdString(request.screenshotFile.string()), "PNG")) {
        std::cerr << "Can't write " << request.screenshotFile.string() << "\n";
        return cli::kFailed;
    }
    return cli::kOk;
}

}  // namespace

const std::vector<std::string>& screenshotWindows()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> n = {"main", "find"};
        n.insert(n.end(), designPages().begin(), designPages().end());
        return n;
    }();
    return names;
}

int runWindow(const cli::WindowRequest& request)
{
    if (request.listWindows) {
        for (const auto& n : screenshotWindows())
            std::cout << n << "\n";
        return cli::kOk;
    }
    const bool shot = !request.screenshotWindow.empty();
    if (shot && !std::getenv("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!shot && !displayPresent()) {
        std::cerr << "No display: the program window can't open. The commands work without one; see Tovald --help.\n";
        return cli::kFailed;
    }
    int argc = 1;
    char name[] = "Tovald";
    char* argv[] = {name, nullptr};
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quenvar"));

    ProgramWindow program(request.baseDir);
    Application& app = program.app();
    if (shot) {
        // Rendering never writes the person's settings: the frame is not closed.
        program.start(false);
        if (request.language)
            app.frame().welcomeLanguageSelect(*request.language);
        return screenshot(request, program);
    }
    program.start(true);
    if (request.language)
        app.frame().languageClick(*request.language);
    if (!request.project.empty()) {
        app.session().loadProject(request.project);
        program.window().refresh();
    }
    return QApplication::exec();
}

}  // namespace qv::gui
