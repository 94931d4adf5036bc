#include "app/GuiMain.h"

#include "DemoProject.h"
#include "app/MainWindow.h"
#include "app/ProgramWindow.h"
#include "app/QtUi.h"
#include "application/Application.h"
#include "design/DesignEditorView.h"
#include "project/FindDialogView.h"
#include "categories/CategoryEditorView.h"
#include "categories/IconChooserView.h"
#include "check/CheckLocationView.h"
#include "check/CheckSummaryView.h"
#include "record/RecordingDialogView.h"
#include "items/AddFileView.h"
#include "items/AddFolderView.h"
#include "items/AddItemTipView.h"
#include "util/Fs.h"

#include <QApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <iostream>

namespace qv::gui {

namespace {

// A check run as it might have gone on the demo project: its first file
// items, one gone for good and the others found in another folder.
CheckResult sampleCheckResult(const ItemTable& table, const std::string& projectFolder)
{
    CheckResult result;
    const std::string sep(1, static_cast<char>(std::filesystem::path::preferred_separator));
    for (int row = 1; row < table.rowCount() && result.repointed.size() < 3; ++row) {
        const std::string& cdPath = table.read(FieldCdPath, row);
        const std::string& fileName = table.read(FieldFileName, row);
        if (cdPath.empty() || cdPath == "n/a" || fileName.empty())
            continue;
        const std::string& name = table.read(FieldName, row);
        const std::string& source = table.read(FieldSourceLocation, row);
        if (result.removed.empty()) {
            result.removed.push_back({name, fileName, cdPath, source});
            continue;
        }
        const std::string newCdPath = "\\Archive" + cdPath;
        std::string folder = projectFolder + "Archive" + cdPath;
        for (char& c : folder)
            if (c == '\\')
                c = sep[0];
        result.repointed.push_back({name, fileName, newCdPath, cdPath, folder + fileName, source});
    }
    return result;
}

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
    std::unique_ptr<QDialog> dialog;
    const std::string& name = request.screenshotWindow;
    if (name == "find") {
        dialog = std::make_unique<FindDialogView>(app.tableCommands().findDialog(), app.language(), program.ui(),
                                                  app.language().helpFileName(), &window);
        dialog->adjustSize();
    } else if (name == "categories") {
        CategoryEditor& editor = app.categoryEditor();
        editor.prepare();
        editor.select(1);
        editor.nameField() = "Utilities";
        dialog = std::make_unique<CategoryEditorView>(editor, app.language(), &window);
    } else if (name == "icons") {
        IconChooser& chooser = app.iconChooser();
        chooser.prepare();
        chooser.selectIcon(4);
        dialog = std::make_unique<IconChooserView>(chooser, app.language(), &window);
    } else if (name == "check-location") {
        const std::string root = app.session().projectFolder();
        const CheckResult sample = sampleCheckResult(app.table(), root);
        CheckLocationDialog& location = app.check().locationDialog();
        const std::string sep(1, static_cast<char>(std::filesystem::path::preferred_separator));
        const RepointedItem item = sample.repointed.empty() ? RepointedItem{"Setup", "setup.exe"} : sample.repointed.front();
        location.setChoice(item.name, item.fileName,
                           {root + "Archive" + sep, root + "Tools" + sep, root + "Tools" + sep + "Old" + sep});
        location.prepare();
        dialog = std::make_unique<CheckLocationView>(location, app.language(), &window);
        dialog->adjustSize();
    } else if (name == "check-summary") {
        CheckSummary& summary = app.check().summary();
        summary.setResult(sampleCheckResult(app.table(), app.session().projectFolder()));
        summary.prepare();
        dialog = std::make_unique<CheckSummaryView>(summary, app.language(), &window);
    } else if (name == "recording") {
        RecordingDialog& recording = app.recordingDialog();
        recording.setProject(app.session().projectFolder(), app.session().cdName());
        recording.prepare();
        dialog = std::make_unique<RecordingDialogView>(recording, app.language(), &window);
    } else if (name == "add-file") {
        // The setup program of the demo, chosen and described.
        AddFileDialog& add = app.addFileDialog();
        add.prepare();
        add.fileChosen(pathFromText(app.session().projectFolder()) / "Tools" / "setup.exe");
        using In = AddFileDialog::Input;
        add.setInput(In::Name, "Demo Setup");
        add.setInput(In::Serial, "DEMO-2024-0001");
        add.setInput(In::Description, "Installs the demo tools on the hard disk");
        add.setInput(In::Address, "www.example.com/setup");
        add.sizeFillInClick();
        add.setCategoryIndex(1);
        dialog = std::make_unique<AddFileView>(add, app.language(), &window);
    } else if (name == "add-folder") {
        // The whole demo CD searched, one file left out, the items named in common.
        AddFolderDialog& add = app.addFolderDialog();
        add.prepare();
        add.setIncludeSubfolders(true);
        add.searchFolder(pathFromText(app.session().projectFolder()));
        add.setSelected(1, false);
        add.setNaming(AddFolderDialog::Naming::Common);
        using In = AddFolderDialog::Input;
        add.setInput(In::CommonName, "Demo");
        add.setInput(In::Description, "Sample files of the demo CD");
        dialog = std::make_unique<AddFolderView>(add, app.language(), &window);
    } else if (name == "add-tip") {
        AddItemTip& tip = app.addItemTip();
        tip.prepare();
        dialog = std::make_unique<AddItemTipView>(tip, app.language(), &window);
    }

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
    } else if (!dialog && request.screenshotWindow != "main") {
        std::cerr << "Unknown window: " << request.screenshotWindow << "\nTry Tovald --screenshot --list.\n";
        return cli::kUsage;
    }
    if (dialog) {
        dialog->show();
        target = dialog.get();
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
        std::vector<std::string> n = {"main", "find", "categories", "icons", "check-location", "check-summary", "recording"};
        n.insert(n.end(), {"add-file", "add-folder", "add-tip"});
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
