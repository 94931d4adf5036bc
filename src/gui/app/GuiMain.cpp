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
#include "items/CategoryChoiceEditorView.h"
#include "items/FreeTextEditorView.h"
#include "items/HyperlinkDialogView.h"
#include "items/InfoFileDialogView.h"
#include "items/JumpPointDialogView.h"
#include "items/YesNoEditorView.h"
#include "setup/ProjectDialogView.h"
#include "setup/ProjectWizardView.h"
#include "setup/WelcomeScreenView.h"
#include "items/AddFileView.h"
#include "items/AddFolderView.h"
#include "items/AddItemTipView.h"
#include "util/Fs.h"

#include <QApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <optional>

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

// The demo row of an item by its name; the first row when it is missing.
int demoRow(const ItemTable& table, const std::string& name)
{
    for (int row = 1; row < table.rowCount(); ++row)
        if (table.read(FieldName, row) == name)
            return row;
    return 1;
}

// Windows the core opens itself (the info file dialog, the cell editors):
// the command runs as the person starts it, and its view is drawn into the
// file instead of being shown modally. Unknown names are no such window.
std::optional<int> commandWindowShot(const std::string& name, const std::filesystem::path& file, ProgramWindow& program)
{
    Application& app = program.app();
    QtUi& ui = program.ui();
    MainWindow& window = program.window();
    int result = cli::kFailed;
    auto grab = [&result, &file](QDialog& view) {
        view.adjustSize();
        view.show();
        QApplication::processEvents();
        result = view.grab().save(QString::fromStdString(file.string()), "PNG") ? cli::kOk : cli::kFailed;
        if (result != cli::kOk)
            std::cerr << "Can't write " << file.string() << "\n";
    };
    ItemTable& table = app.table();
    if (name == "info" || name == "screenshot") {
        ui.registerView<InfoFileDialog>([&](InfoFileDialog& dialog, QWidget* parent) {
            InfoFileDialogView view(dialog, app.language(), parent);
            grab(view);
        });
        // The demo's setup program has an info text, its sunset picture a screenshot.
        const bool info = name == "info";
        table.setCurrentRow(demoRow(table, info ? "Demo Setup" : "Sunset"));
        app.infoFileDialog().infoFileClick(info ? CompanionKind::InfoText : CompanionKind::Screenshot);
        return result;
    }
    if (name == "cell-text" || name == "cell-yesno" || name == "cell-category") {
        ui.registerView<FreeTextEditor>([&](FreeTextEditor& editor, QWidget* parent) {
            FreeTextEditorView view(editor, app.language(), parent);
            grab(view);
        });
        ui.registerView<YesNoEditor>([&](YesNoEditor& editor, QWidget* parent) {
            YesNoEditorView view(editor, app.language(), parent);
            grab(view);
        });
        ui.registerView<CategoryChoiceEditor>([&](CategoryChoiceEditor& editor, QWidget* parent) {
            CategoryChoiceEditorView view(editor, app.language(), parent);
            grab(view);
        });
        table.setCurrentRow(demoRow(table, "Demo Setup"));
        window.refresh();
        const int field = name == "cell-text" ? FieldDescription : name == "cell-yesno" ? FieldExecute : FieldCategory;
        if (!app.editEntryClick(field)) {
            std::cerr << "The demo cell can't be edited.\n";
            return cli::kFailed;
        }
        return result;
    }
    return std::nullopt;
}

// The wizard's six steps, each a window of its own for screenshots.
const std::vector<std::string>& wizardPages()
{
    static const std::vector<std::string> pages = {"wizard-1", "wizard-2", "wizard-3", "wizard-4", "wizard-5", "wizard-6"};
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
    if (const auto shot = commandWindowShot(name, request.screenshotFile, program))
        return *shot;
    if (name == "add-url") {
        HyperlinkDialog& hyperlink = app.hyperlinkDialog();
        hyperlink.prepare();
        HyperlinkDialog::Fields& f = hyperlink.fields();
        f.name = "Quenvar Forum";
        f.scheme = 1;
        f.address = "forum.example.org/menus";
        f.description = "Questions and answers about the menu.";
        f.category = std::max(0, app.categories().size() - 1);
        dialog = std::make_unique<HyperlinkDialogView>(hyperlink, app.language(), app.categories(), &window);
        dialog->adjustSize();
    } else if (name == "add-jump") {
        JumpPointDialog& jump = app.jumpPointDialog();
        jump.prepare();
        const std::string sep(1, static_cast<char>(std::filesystem::path::preferred_separator));
        jump.folderChosen(app.session().projectFolder() + "Docs" + sep);
        JumpPointDialog::Fields& f = jump.fields();
        f.name = "Browse the Docs";
        f.description = "Opens the Docs folder of the CD.";
        f.category = std::min(3, app.categories().size() - 1);
        dialog = std::make_unique<JumpPointDialogView>(jump, app.language(), app.categories(), &window);
        dialog->adjustSize();
    } else if (name == "find") {
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
    } else if (name == "project") {
        // A new project as it looks once its folder is chosen.
        ProjectDialog& project = app.projectDialog();
        const std::string folder = app.session().projectFolder();
        project.prepareFor(ProjectDialogMode::New);
        project.setProjectFolder(pathFromText(folder));
        dialog = std::make_unique<ProjectDialogView>(project, app.language(), &window);
    } else if (name == "welcome") {
        WelcomeScreen& welcome = app.welcomeScreen();
        welcome.prepare();
        const auto pictures = app.frame().startPictures();
        dialog = std::make_unique<WelcomeScreenView>(welcome, app.frame().language(),
                                                     std::vector<std::filesystem::path>{pictures[0], pictures[1],
                                                                                        pictures[1], wizardPicture(app.baseDir(), pictures[2])},
                                                     &window);
    } else if (const auto step = std::find(wizardPages().begin(), wizardPages().end(), name);
               step != wizardPages().end()) {
        // The demo project's folder, the shipped categories and design, as a person walks there.
        ProjectWizard& wizard = app.wizard();
        const std::string folder = app.session().projectFolder();
        wizard.prepare();
        wizard.setCdName(app.session().cdName());
        // As the Wizard command opens it: no category or design file chosen yet.
        app.files().genre_file.clear();
        app.files().menudesign_file.clear();
        const int wanted = static_cast<int>(step - wizardPages().begin()) + 1;
        while (static_cast<int>(wizard.page()) < wanted) {
            switch (wizard.page()) {
            case ProjectWizard::Page::Folder: wizard.chooseFolder(pathFromText(folder)); break;
            case ProjectWizard::Page::Categories: wizard.defaultCategoriesClick(); break;
            case ProjectWizard::Page::Design: wizard.defaultDesignClick(); break;
            default: break;
            }
            wizard.nextClick();
        }
        auto view = std::make_unique<ProjectWizardView>(wizard, app.language(), &window);
        view->refresh();
        dialog = std::move(view);
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
    } else if (request.screenshotWindow != "main" && !dialog) {
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
        n.insert(n.end(), {"add-url", "add-jump", "info", "screenshot", "cell-text", "cell-yesno", "cell-category"});
        n.insert(n.end(), {"add-file", "add-folder", "add-tip"});
        n.insert(n.end(), designPages().begin(), designPages().end());
        n.push_back("project");
        n.insert(n.end(), wizardPages().begin(), wizardPages().end());
        n.push_back("welcome");
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
    program.start(true, request.project.empty());
    if (request.language)
        app.frame().languageClick(*request.language);
    if (!request.project.empty()) {
        app.session().loadProject(request.project);
        program.window().refresh();
    }
    return QApplication::exec();
}

}  // namespace qv::gui
