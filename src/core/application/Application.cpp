#include "application/Application.h"

#include "design/FontCatalogue.h"
#include "design/FontRegistrar.h"
#include "project/ProjectReaders.h"
#include "project/TableSettings.h"
#include "util/Fs.h"

namespace qv {

namespace {

template <class T, class Base>
std::unique_ptr<Base> ownUnless(Base* given)
{
    return given ? nullptr : std::make_unique<T>();
}

}  // namespace

Application::Application(std::filesystem::path baseDir, Ui& ui, ApplicationServices services)
    : m_baseDir(std::move(baseDir))
    , m_ui(ui)
    , m_ownFonts(services.fonts ? nullptr : std::make_unique<FontconfigCatalogue>())
    , m_ownRegistrar(ownUnless<FontconfigRegistrar>(services.fontRegistrar))
    , m_ownOffice(ownUnless<NoOfficeAdapter>(services.office))
    , m_frame(m_baseDir, m_files, ui)
    , m_fonts(services.fonts ? *services.fonts : *m_ownFonts,
              services.fontRegistrar ? *services.fontRegistrar : *m_ownRegistrar)
    , m_design(m_files, m_fonts)
    , m_session(m_baseDir, m_files, m_table, m_categories, m_design, ui, m_frame.language().current(),
                standardProjectReaders())
    , m_tableCommands(m_table, ui, m_frame.language().current())
    , m_iconChooser(ui, m_frame.language().current(), m_baseDir)
    , m_categoryEditor(ui, m_frame.language().current(), m_baseDir, m_files, m_iconChooser, &m_session)
    , m_designEditor(ui, m_frame.language().current(), m_baseDir, m_design, *this, m_frame.settings().customColours)
    , m_check(m_table, ui, m_frame.language().current(), m_baseDir)
    , m_recording(ui, m_frame.language().current(), m_baseDir)
    , m_export(m_table, ui, services.office ? *services.office : *m_ownOffice)
    , m_build(ui, m_frame.language().current())
    , m_addItemTip(ui, m_frame.language().current(), m_frame.settings().showTip)
    , m_folderItemNaming(ui)
    , m_addFile(itemEntryContext())
    , m_addFolder(itemEntryContext(), m_folderItemNaming)
    , m_hyperlink(itemEntryContext())
    , m_jumpPoint(itemEntryContext())
    , m_infoFile(itemEntryContext())
    , m_freeText(m_table, ui, m_frame.language().current())
    , m_yesNo(m_table, ui)
    , m_categoryChoice(m_table, ui, m_categories)
    , m_projectDialog(ui, m_frame.language().current(), m_session, m_frame, m_categoryEditor, m_designEditor, m_addFile)
    , m_wizard(ui, m_frame.language().current(), m_baseDir, m_session, m_frame, m_projectDialog, m_categoryEditor,
               m_freeText,
               WizardCommands{[this] { m_addFile.execute(); }, [this] { m_addFolder.execute(); },
                              [this] { m_hyperlink.addUrlClick(); }, [this] { m_jumpPoint.addJumpClick(); },
                              [this] { buildClick(); }})
    , m_welcome(ui, m_frame.language().current(), m_frame, m_session)
{
    m_wizard.setListStart(m_baseDir / "projects");
    wireFrame();
    wireCommands();
}

Application::~Application() = default;

void Application::start(bool offerWelcome)
{
    create();
    firstShow(offerWelcome);
}

void Application::firstShow(bool offerWelcome)
{
    m_offerWelcome = offerWelcome;
    m_frame.firstShow();
}

void Application::create()
{
    m_sizeColumnsOnFirstLoad = true;
    m_frame.create();
}

bool Application::columnsNeverSized() const
{
    // A settings file written by a run that never showed a project keeps the
    // default width for every column; such a table is sized like a fresh one.
    constexpr int kDefaultWidth = GridLayout{}.widths[1];
    for (int column = 1; column < ItemTable::kColumns; ++column)
        if (!m_table.isHidden(column) && m_table.width(column) != kDefaultWidth)
            return false;
    return true;
}

void Application::wireFrame()
{
    // The table follows the language and the settings file through the
    // frame: headings at start, translations from the menu, the grid layout
    // both ways.
    auto& h = m_frame.hooks();
    h.headingsFromSettings = [this](const Language&, const std::array<std::string, kGridFields>& names) {
        m_tableCommands.languageAppliedAtStart(names);
    };
    h.translateHeadings = [this](const Language&, const Language&) {
        m_tableCommands.languageChosenFromMenu(false);
    };
    h.normaliseYesNo = [this] { m_table.normaliseYesNo(); };
    h.prepareTable = [this] {
        m_table.setRowCount(2);
        m_table.clearRow1();
    };
    h.applyGrid = [this](const GridSettings& g) { applyGridSettings(m_table, g); };
    h.fillGrid = [this](GridSettings& g) { fillGridSettings(m_table, g); };
    m_session.attachFrame(m_frame);
    m_session.hooks().categoryEditor = [this] { m_categoryEditor.execute(); };
    m_session.hooks().designEditor = [this] { m_designEditor.execute(); };
    m_session.hooks().projectDialog = [this](ProjectDialogMode mode) { return m_projectDialog.execute(mode); };
    h.showWelcome = [this] {
        if (m_offerWelcome)
            m_welcome.execute();
    };
    m_session.hooks().rowsChanged = [this] {
        // A project opened or set up anew starts the add-file chooser in its folder.
        if (m_frame.projectOpen())
            m_addFile.setStartFolder(pathFromText(m_session.projectFolder()));
        if (m_sizeColumnsOnFirstLoad && m_measure && m_frame.projectOpen()) {
            m_sizeColumnsOnFirstLoad = false;
            if (!columnsNeverSized())
                return;
            // The first screens decide the look; measuring every row of a
            // large project would hold up its opening for seconds.
            m_table.autoGridSize(m_measure, kRowsSizedOnFirstLoad);
        }
    };
}

bool Application::commandAvailable(CommandId)
{
    // Every command of the table has its window or behaviour now.
    return true;
}

void Application::wireCommands()
{
    using C = CommandId;
    m_frame.setHandler(C::Check, [this] { m_check.checkClick(m_session.projectFolder()); });
    m_frame.setHandler(C::Build, [this] { buildClick(); });
    m_frame.setHandler(C::Record, [this] { recordClick(); });
    m_frame.setHandler(C::ExportAscii, [this] { m_export.exportAsciiClick(); });
    m_frame.setHandler(C::ExportCsv, [this] { m_export.exportCsvClick(); });
    m_frame.setHandler(C::ExportWord, [this] { m_export.exportWordClick(); });
    m_frame.setHandler(C::ExportExcel, [this] { m_export.exportExcelClick(); });
    m_frame.setHandler(C::ExportHtml, [this] { m_export.exportHtmlClick(); });
    m_frame.setHandler(C::Remove, [this] { m_tableCommands.removeClick(); });
    m_frame.setHandler(C::Sort, [this] { m_tableCommands.sortClick(); });
    m_frame.setHandler(C::Find, [this] { m_tableCommands.findClick(); });
    m_frame.setHandler(C::FindNext, [this] { m_tableCommands.findNextClick(); });
    m_frame.setHandler(C::AddFile, [this] { m_addFile.execute(); });
    m_frame.setHandler(C::AddFolder, [this] { m_addFolder.execute(); });
    m_frame.setHandler(C::AddUrl, [this] { m_hyperlink.addUrlClick(); });
    m_frame.setHandler(C::AddJump, [this] { m_jumpPoint.addJumpClick(); });
    m_frame.setHandler(C::InfoFile, [this] { m_infoFile.infoFileClick(CompanionKind::InfoText); });
    m_frame.setHandler(C::Screenshot, [this] { m_infoFile.infoFileClick(CompanionKind::Screenshot); });
    m_frame.setHandler(C::Wizard, [this] { m_wizard.wizardClick(); });
    for (int i = 0; i < kCommandCount; ++i) {
        const auto id = static_cast<CommandId>(i);
        if (!commandAvailable(id))
            m_frame.setHandler(id, [this] { notAvailable(); });
    }
}

void Application::notAvailable()
{
    m_ui.playClick();
    m_ui.messageBox({std::string(), "This command is not available in this version yet."}, MsgKind::Information,
                    MsgButtons::Ok);
}

void Application::buildClick()
{
    m_build.buildClick(BuildInput::fromSession(m_session));
}

void Application::recordClick()
{
    m_ui.playClick();
    m_recording.setProject(m_session.projectFolder(), m_session.cdName());
    m_recording.setBuildCommand([this] { buildClick(); });
    m_recording.exec(m_ui);
}

ItemEntryContext Application::itemEntryContext()
{
    // Members named here are only reached when a dialog runs, long after construction.
    return ItemEntryContext{m_table,
                            m_ui,
                            m_frame.language().current(),
                            m_categories,
                            [this] { return m_frame.projectOpen(); },
                            [this] { return m_session.projectFolder(); },
                            [this] { m_addItemTip.showIfWanted(); },
                            [this](int topic) { m_frame.helpContext(topic); }};
}

bool Application::activateCell()
{
    if (!m_frame.projectOpen())
        return false;
    const auto request = m_tableCommands.cellActivated();
    if (!request)
        return false;
    editCell(*request);
    return true;
}

bool Application::editEntryClick(int field)
{
    const auto request = m_tableCommands.editEntryClick(field);
    if (!request)
        return false;
    editCell(*request);
    return true;
}

void Application::editCell(const CellEditRequest& request)
{
    switch (request.editor) {
    case CellEditor::FreeText:
        m_freeText.editCell(request);
        break;
    case CellEditor::YesNoChoice:
        m_yesNo.editCell(request);
        break;
    case CellEditor::CategoryChoice:
        m_categoryChoice.editCell(request);
        break;
    }
}

ChosenItemPanel Application::chosenItemPanel() const
{
    return m_tableCommands.chosenItemPanel(m_frame.projectOpen() ? std::filesystem::path(m_session.projectFolder())
                                                                  : std::filesystem::path());
}

void Application::showPicturePreview(const std::filesystem::path& picture)
{
    if (m_picturePreview)
        m_picturePreview(picture);
    else
        m_ui.shellOpen(picture.string());
}

}  // namespace qv
