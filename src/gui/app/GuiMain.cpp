#include "app/GuiMain.h"

#include "DemoProject.h"
#include "app/MainWindow.h"
#include "app/QtUi.h"
#include "application/Application.h"
#include "project/FindDialogView.h"
#include "project/ItemTableModel.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <cstdlib>
#include <iostream>

namespace qv::gui {

namespace {

bool displayPresent()
{
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
}

void showAbout(AboutBox& about, QWidget* parent)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("AboutBox"));
    dialog.setWindowTitle(QString::fromUtf8(about.title().data(), static_cast<int>(about.title().size())));
    auto* box = new QVBoxLayout(&dialog);
    auto* name = new QLabel(QString::fromUtf8(about.programName().data(), static_cast<int>(about.programName().size())));
    QFont f = name->font();
    f.setPointSizeF(f.pointSizeF() * 1.6);
    f.setBold(true);
    name->setFont(f);
    box->addWidget(name);
    box->addWidget(new QLabel(QString::fromUtf8(about.version().data(), static_cast<int>(about.version().size()))));
    box->addWidget(new QLabel(QStringLiteral("Autostart menus for data CDs.")));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Help);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::helpRequested, &dialog, [&about] { about.helpClick(); });
    box->addWidget(buttons);
    dialog.exec();
}

// The views of the core's modal windows that this build has.
void registerViews(QtUi& ui, Application& app)
{
    ui.registerView("FindDialog", [&app, &ui](ModalWindow& w, QWidget* parent) {
        auto& dialog = static_cast<FindDialog&>(w);
        FindDialogView view(dialog, app.language(), ui, app.language().helpFileName(), parent);
        view.exec();
    });
    ui.registerView("infodlg", [](ModalWindow& w, QWidget* parent) { showAbout(static_cast<AboutBox&>(w), parent); });
}

int screenshot(const cli::WindowRequest& request, Application& app, MainWindow& window, QtUi& ui)
{
    // The demo project, made in a private folder, fills the table.
    QTemporaryDir dir;
    const std::filesystem::path demoDir = dir.path().toStdString();
    try {
        const cli::DemoProject demo = cli::makeDemoProject(demoDir, app.baseDir(), app.language());
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
    if (request.screenshotWindow == "find") {
        find = std::make_unique<FindDialogView>(app.tableCommands().findDialog(), app.language(), ui,
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
    static const std::vector<std::string> names = {"main", "find"};
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

    const std::filesystem::path base = request.baseDir;
    // QtUi needs the application's language manager, which the application
    // owns; a forwarding Ui breaks the cycle.
    struct Forward final : Ui {
        Ui* to = nullptr;
        MsgResult messageBox(const Message& m, MsgKind k, MsgButtons b) override { return to->messageBox(m, k, b); }
        void showWait() override { to->showWait(); }
        void closeWait() override { to->closeWait(); }
        void progress(std::string_view w, std::int64_t d, std::int64_t t) override { to->progress(w, d, t); }
        void playClick() override { to->playClick(); }
        void playSound(const std::filesystem::path& p) override { to->playSound(p); }
        void stopSound() override { to->stopSound(); }
        std::optional<std::filesystem::path> openFile(const FileDialogSpec& s) override { return to->openFile(s); }
        std::optional<std::filesystem::path> saveFile(const FileDialogSpec& s) override { return to->saveFile(s); }
        std::optional<std::filesystem::path> browseFolder(const std::string& t, const std::filesystem::path& s) override
        {
            return to->browseFolder(t, s);
        }
        std::optional<Colour> chooseColour(Colour c, std::array<std::string, 16>& cc) override { return to->chooseColour(c, cc); }
        void showModal(ModalWindow& w) override { to->showModal(w); }
        bool shellOpen(const std::string& t) override { return to->shellOpen(t); }
        bool shellExplore(const std::filesystem::path& f) override { return to->shellExplore(f); }
        bool startProgram(const std::filesystem::path& p) override { return to->startProgram(p); }
        std::optional<RgbImage> clipboardBitmap() override { return to->clipboardBitmap(); }
        void showHelp(const std::filesystem::path& f, int t) override { to->showHelp(f, t); }
    } forward;
    Application app(base, forward);
    QtUi ui(base, app.frame().language());
    forward.to = &ui;
    registerViews(ui, app);

    MainWindow window(app, ui);
    app.frame().create();
    const WindowPlacement& placement = app.frame().settings().window;
    window.resize(std::max(placement.width, 400), std::max(placement.height, 300));
    if (shot) {
        app.start();
        if (request.language)
            app.frame().welcomeLanguageSelect(*request.language);
        window.retranslate();
        // Rendering never writes the person's settings: the frame is not closed.
        return screenshot(request, app, window, ui);
    }
    if (placement.state == WindowState::Maximized)
        window.showMaximized();
    else
        window.show();
    app.frame().firstShow();
    if (request.language)
        app.frame().languageClick(*request.language);
    window.retranslate();
    if (!request.project.empty()) {
        app.session().loadProject(request.project);
        window.refresh();
    }
    return QApplication::exec();
}

}  // namespace qv::gui
