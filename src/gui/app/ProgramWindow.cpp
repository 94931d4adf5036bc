#include "app/ProgramWindow.h"

#include "app/MainWindow.h"
#include "app/QtUi.h"
#include "application/Application.h"
#include "design/DesignEditorView.h"
#include "design/QtFontRegistrar.h"
#include "project/FindDialogView.h"
#include "categories/CategoryEditorView.h"
#include "categories/CategoryRenameWindow.h"
#include "categories/CategoryRenameView.h"
#include "categories/IconChooserView.h"
#include "check/CheckLocationView.h"
#include "check/CheckSummaryView.h"
#include "record/RecordingDialogView.h"
#include "items/CategoryChoiceEditorView.h"
#include "items/CellEditorPlacement.h"
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
#include "items/FolderItemNamingView.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>

namespace qv::gui {

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

// A picture at its own size, scrolled when it is larger than the screen.
void showPicture(const std::filesystem::path& picture, QWidget* parent)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("PicturePreview"));
    dialog.setWindowTitle(qstr(picture.filename().string()));
    auto* label = new QLabel;
    label->setPixmap(QPixmap(QString::fromStdString(picture.string())));
    auto* scroll = new QScrollArea;
    scroll->setWidget(label);
    auto* box = new QVBoxLayout(&dialog);
    box->addWidget(scroll);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    box->addWidget(buttons);
    dialog.resize(label->sizeHint().boundedTo(QSize(1000, 700)) + QSize(40, 80));
    dialog.exec();
}

}  // namespace

ProgramWindow::ProgramWindow(const std::filesystem::path& baseDir)
    : m_ui(std::make_unique<QtUi>(baseDir))
    , m_fontRegistrar(std::make_unique<QtFontRegistrar>())
    , m_app(std::make_unique<Application>(baseDir, *m_ui, ApplicationServices{nullptr, m_fontRegistrar.get(), nullptr}))
{
    Application& app = *m_app;
    QtUi& ui = *m_ui;
    ui.setLanguage(&app.frame().language());
    ui.registerView<FindDialog>([&app, &ui](FindDialog& dialog, QWidget* parent) {
        FindDialogView view(dialog, app.language(), ui, app.language().helpFileName(), parent);
        view.exec();
    });
    ui.registerView<AboutBox>([](AboutBox& about, QWidget* parent) { showAbout(about, parent); });
    ui.registerView<CategoryEditor>([&app](CategoryEditor& editor, QWidget* parent) {
        CategoryEditorView(editor, app.language(), parent).exec();
    });
    ui.registerView<CategoryRenameWindow>([&app](CategoryRenameWindow& window, QWidget* parent) {
        CategoryRenameView(window, app.language(), parent).exec();
    });
    ui.registerView<IconChooser>([&app](IconChooser& chooser, QWidget* parent) {
        IconChooserView(chooser, app.language(), parent).exec();
    });
    ui.registerView<CheckLocationDialog>([&app](CheckLocationDialog& dialog, QWidget* parent) {
        CheckLocationView(dialog, app.language(), parent).exec();
    });
    ui.registerView<CheckSummary>([&app](CheckSummary& summary, QWidget* parent) {
        CheckSummaryView(summary, app.language(), parent).exec();
    });
    ui.registerView<RecordingDialog>([&app](RecordingDialog& dialog, QWidget* parent) {
        RecordingDialogView(dialog, app.language(), parent).exec();
    });
    ui.registerView<DesignEditor>([&app, &ui](DesignEditor& editor, QWidget* parent) {
        DesignEditorView view(editor, app.language(), app.baseDir(), parent);
        // The editor's own questions and choosers belong to its window.
        ui.setParentWindow(&view);
        view.exec();
        ui.setParentWindow(parent);
    });
    ui.registerView<HyperlinkDialog>([&app](HyperlinkDialog& dialog, QWidget* parent) {
        HyperlinkDialogView(dialog, app.language(), app.categories(), parent).exec();
    });
    ui.registerView<JumpPointDialog>([&app](JumpPointDialog& dialog, QWidget* parent) {
        JumpPointDialogView(dialog, app.language(), app.categories(), parent).exec();
    });
    ui.registerView<InfoFileDialog>([&app](InfoFileDialog& dialog, QWidget* parent) {
        InfoFileDialogView(dialog, app.language(), parent).exec();
    });
    // The cell editors open at the cell they edit; in their other uses
    // (category rename, folder name) they stay where the toolkit puts them.
    ui.registerView<FreeTextEditor>([this, &app](FreeTextEditor& editor, QWidget* parent) {
        FreeTextEditorView view(editor, app.language(), parent);
        if (editor.mode() == FreeTextEditor::Mode::Cell)
            placeNearCell(view, m_window ? m_window->tableView() : nullptr);
        view.exec();
    });
    ui.registerView<YesNoEditor>([this, &app](YesNoEditor& editor, QWidget* parent) {
        YesNoEditorView view(editor, app.language(), parent);
        placeNearCell(view, m_window ? m_window->tableView() : nullptr);
        view.exec();
    });
    ui.registerView<CategoryChoiceEditor>([this, &app](CategoryChoiceEditor& editor, QWidget* parent) {
        CategoryChoiceEditorView view(editor, app.language(), parent);
        placeNearCell(view, m_window ? m_window->tableView() : nullptr);
        view.exec();
    });
    // The set-up windows open the editors and add dialogs; their questions belong to them.
    ui.registerView<ProjectDialog>([&app, &ui](ProjectDialog& dialog, QWidget* parent) {
        ProjectDialogView view(dialog, app.language(), parent);
        ui.setParentWindow(&view);
        view.exec();
        ui.setParentWindow(parent);
    });
    ui.registerView<ProjectWizard>([&app, &ui](ProjectWizard& wizard, QWidget* parent) {
        ProjectWizardView view(wizard, app.language(), parent);
        ui.setParentWindow(&view);
        view.exec();
        ui.setParentWindow(parent);
    });
    ui.registerView<WelcomeScreen>([&app, &ui](WelcomeScreen& screen, QWidget* parent) {
        const auto pictures = app.frame().startPictures();
        WelcomeScreenView view(screen, app.frame().language(), {pictures[0], pictures[1], pictures[1], wizardPicture(app.baseDir(), pictures[2])}, parent);
        ui.setParentWindow(&view);
        view.exec();
        ui.setParentWindow(parent);
    });
    ui.registerView<AddFileDialog>([&app](AddFileDialog& dialog, QWidget* parent) {
        AddFileView(dialog, app.language(), parent).exec();
    });
    ui.registerView<AddFolderDialog>([&app](AddFolderDialog& dialog, QWidget* parent) {
        AddFolderView(dialog, app.language(), parent).exec();
    });
    ui.registerView<AddItemTip>([&app](AddItemTip& tip, QWidget* parent) {
        AddItemTipView(tip, app.language(), parent).exec();
    });
    ui.registerView<FolderItemNaming>([&app](FolderItemNaming& naming, QWidget* parent) {
        FolderItemNamingView(naming, app.language(), parent).exec();
    });
    app.setPicturePreview([this](const std::filesystem::path& picture) { showPicture(picture, QApplication::activeWindow()); });
    m_window = std::make_unique<MainWindow>(app, ui);
}

ProgramWindow::~ProgramWindow()
{
    // The window goes first: it observes the application's table.
    m_window.reset();
}

void ProgramWindow::start(bool show, bool offerWelcome)
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
    // Off screen (tests, screenshots) nobody is there to be welcomed.
    m_app->firstShow(show && offerWelcome);
    m_window->retranslate();
}

}  // namespace qv::gui
