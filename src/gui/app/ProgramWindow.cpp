#include "app/ProgramWindow.h"

#include "app/MainWindow.h"
#include "app/QtUi.h"
#include "application/Application.h"
#include "project/FindDialogView.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace qv::gui {

// The application needs its Ui before the Qt side exists, and the Qt side
// needs the application's language: the application gets this forwarder.
class ProgramWindow::ForwardUi final : public Ui {
public:
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
};

namespace {

QString qstr(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

void showAbout(AboutBox& about, QWidget* parent)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("AboutBox"));
    dialog.setWindowTitle(qstr(about.title()));
    auto* box = new QVBoxLayout(&dialog);
    auto* name = new QLabel(qstr(about.programName()));
    QFont f = name->font();
    f.setPointSizeF(f.pointSizeF() * 1.6);
    f.setBold(true);
    name->setFont(f);
    box->addWidget(name);
    box->addWidget(new QLabel(qstr(about.version())));
    box->addWidget(new QLabel(QStringLiteral("Autostart menus for data CDs.")));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Help);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::helpRequested, &dialog, [&about] { about.helpClick(); });
    box->addWidget(buttons);
    dialog.exec();
}

}  // namespace

ProgramWindow::ProgramWindow(const std::filesystem::path& baseDir)
    : m_forward(std::make_unique<ForwardUi>())
    , m_app(std::make_unique<Application>(baseDir, *m_forward))
    , m_ui(std::make_unique<QtUi>(baseDir, m_app->frame().language()))
{
    m_forward->to = m_ui.get();
    Application& app = *m_app;
    QtUi& ui = *m_ui;
    ui.registerView("FindDialog", [&app, &ui](ModalWindow& w, QWidget* parent) {
        FindDialogView view(static_cast<FindDialog&>(w), app.language(), ui, app.language().helpFileName(), parent);
        view.exec();
    });
    ui.registerView("infodlg", [](ModalWindow& w, QWidget* parent) { showAbout(static_cast<AboutBox&>(w), parent); });
    m_window = std::make_unique<MainWindow>(app, ui);
}

ProgramWindow::~ProgramWindow()
{
    // The window goes first: it observes the application's table.
    m_window.reset();
}

void ProgramWindow::start(bool show)
{
    MainWindowModel& frame = m_app->frame();
    m_app->create();
    const WindowPlacement& placement = frame.settings().window;
    m_window->resize(std::max(placement.width, 400), std::max(placement.height, 300));
    if (show) {
        if (placement.state == WindowState::Maximized)
            m_window->showMaximized();
        else
            m_window->show();
    }
    m_app->firstShow();
    m_window->retranslate();
}

}  // namespace qv::gui
