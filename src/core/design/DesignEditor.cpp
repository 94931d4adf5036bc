#include "design/DesignEditor.h"

#include "util/ProjectFiles.h"
#include "design/DesignPreview.h"
#include "design/MenuDesign.h"
#include "i18n/Language.h"
#include "profile/ProfileFile.h"
#include "util/Colour.h"
#include "util/Fs.h"
#include "util/Text.h"

#include <algorithm>
#include <cstdio>

namespace qv {

namespace {

// The 48 fields of the colour dialog, as 0xBBGGRR.
constexpr std::array<ColourValue, 48> kBasicColours{
    0x000000, 0x000040, 0x000080, 0x0000FF, 0x004000, 0x004080, 0x008000, 0x008080, 0x0080FF, 0x00FF00,
    0x00FF80, 0x00FFFF, 0x400000, 0x400040, 0x400040, 0x400080, 0x404000, 0x404080, 0x408000, 0x408080,
    0x4080FF, 0x40FF00, 0x800000, 0x800040, 0x800080, 0x8000FF, 0x804000, 0x808000, 0x808040, 0x808080,
    0x8080FF, 0x80FF00, 0x80FF80, 0x80FFFF, 0xA00000, 0xC08000, 0xC08080, 0xC080FF, 0xC0C0C0, 0xFF0000,
    0xFF0080, 0xFF00FF, 0xFF8000, 0xFF8080, 0xFF80FF, 0xFFFF00, 0xFFFF80, 0xFFFFFF};

constexpr std::array<int, 5> kButtonSizes{7, 8, 9, 10, 11};
constexpr std::array<int, 6> kTextSizes{7, 8, 9, 10, 11, 12};

}  // namespace

DesignEditor::DesignEditor(Ui& ui, const Language& language, std::filesystem::path baseDir, MenuDesign& design,
                           DesignEditorHost& host, CustomColours& customColours)
    : m_ui(ui)
    , m_language(language)
    , m_baseDir(std::move(baseDir))
    , m_design(design)
    , m_host(host)
    , m_soundFolder(m_baseDir / "Sounds")
    , m_customColours(customColours)
{
}

std::filesystem::path DesignEditor::standardDesign() const
{
    return (m_baseDir / "Files" / "Standard.qvd").lexically_normal();
}

void DesignEditor::execute()
{
    exec(m_ui);
}

void DesignEditor::onPrepare()
{
    m_closedAfterSave = false;
    m_soundSlot = 0;
    ProjectFiles& data = m_design.data();
    if (!data.menudesign_file.empty()) {
        readDesign(data.menudesign_file.fullPath());
    } else {
        data.menudesign_file.assign(standardDesign());
        readDesign(standardDesign());
    }
    m_designAtOpening = data.menudesign_file.fullPath();
    m_design.setModified(false);
    m_page = DesignPage::Background;
}

void DesignEditor::onClosed()
{
    // The view drops its splash and icon pictures; the design's own fonts go.
    m_design.fonts().unregisterDesignFonts();
    m_ui.stopSound();
}

void DesignEditor::showMessage(const char* key)
{
    m_ui.messageBox(Message{key, m_language.message(key)}, MsgKind::Information, MsgButtons::Ok);
}

void DesignEditor::showError(const std::exception& e)
{
    m_ui.messageBox(Message{"", e.what()}, MsgKind::Error, MsgButtons::Ok);
}

void DesignEditor::setCaption()
{
    m_caption = m_language.text("T47") + " - " + pathText(m_design.data().menudesign_file.fullPath());
}

void DesignEditor::edited()
{
    m_design.setModified(true);
}

void DesignEditor::readDesign(const std::filesystem::path& path)
{
    try {
        m_design.read(path);
    } catch (const ColourConversionError& e) {
        showError(e);
    }
    afterRead();
}

void DesignEditor::afterRead()
{
    const ProjectFiles& data = m_design.data();
    m_backgroundLoaded = !data.BMP_File.empty();
    m_buttonLoaded = !data.Button_file.empty();
    m_splashSet = !data.Splash_File.empty();
    m_iconSet = !data.Icon_File.empty();
    for (int i = 0; i < kDesignFontCount; ++i) {
        const std::string& face = m_design.settings().fontFaces[static_cast<std::size_t>(i)];
        m_fontResolves[static_cast<std::size_t>(i)] = !face.empty() && m_design.fonts().resolveFontFile(face).has_value();
    }
    refreshSoundPage();
    setCaption();
}

void DesignEditor::refreshSoundPage()
{
    for (int n = 1; n <= MenuDesign::kSoundCount; ++n) {
        const FileReference& ref = m_design.data().sound(n);
        m_loadedSounds[static_cast<std::size_t>(n - 1)] = ref.empty() ? std::filesystem::path() : ref.fullPath();
    }
}

// ---- colours ----

bool DesignEditor::isBasicColour(ColourValue colour)
{
    return std::find(kBasicColours.begin(), kBasicColours.end(), colour) != kBasicColours.end();
}

namespace {

// One place maps a chooser to its setting, for reading and for changing it.
template <typename Settings>
auto& colourOf(Settings& s, ColourSetting setting)
{
    switch (setting) {
    case ColourSetting::bm_sc: return s.backStart;
    case ColourSetting::bm_ec: return s.backEnd;
    case ColourSetting::cbi_c: return s.categoryBox;
    case ColourSetting::cbf_c: return s.categoryBoxText;
    case ColourSetting::fbi_c: return s.fileBox;
    case ColourSetting::fbf_c: return s.fileBoxText;
    case ColourSetting::dbi_c: return s.detailsBox;
    case ColourSetting::btn_bm_s: return s.buttonStart;
    case ColourSetting::btn_bm_e: return s.buttonEnd;
    case ColourSetting::btn_fc: return s.buttonText;
    case ColourSetting::btnstyle_lc: return s.buttonTextLight;
    case ColourSetting::btnstyle_sc: return s.buttonTextShadow;
    case ColourSetting::btnshadowcolor: return s.buttonShadow;
    case ColourSetting::btnborderc: return s.buttonBorder;
    case ColourSetting::c_fc: return s.text(MenuText::Category).colour;
    case ColourSetting::f_fc: return s.text(MenuText::File).colour;
    case ColourSetting::d_fc: return s.text(MenuText::Details).colour;
    case ColourSetting::c_flc: return s.text(MenuText::Category).light;
    case ColourSetting::c_fsc: return s.text(MenuText::Category).shadow;
    case ColourSetting::f_flc: return s.text(MenuText::File).light;
    case ColourSetting::f_fsc: return s.text(MenuText::File).shadow;
    case ColourSetting::d_flc: return s.text(MenuText::Details).light;
    case ColourSetting::d_fsc: return s.text(MenuText::Details).shadow;
    case ColourSetting::splash_frc: return s.splashFrameColour;
    }
    return s.backStart;
}

}  // namespace

ColourValue DesignEditor::colour(ColourSetting setting) const
{
    return colourOf(m_design.settings(), setting);
}

void DesignEditor::colourClick(ColourSetting setting)
{
    m_ui.playClick();
    ColourValue& target = colourOf(m_design.settings(), setting);
    const ColourValue current = target;
    // The current colour is offered among the custom colours unless the
    // dialog shows it already.
    const bool known = isBasicColour(current)
                       || std::find(m_customColours.begin(), m_customColours.end(), current) != m_customColours.end();
    if (!known) {
        // The first white place is free; with none free the first place is reused.
        const auto free = std::find_if(m_customColours.begin(), m_customColours.end(),
                                       [](ColourValue c) { return c == kColourWhite || c == 0xFFFFFFFFu; });
        *(free != m_customColours.end() ? free : m_customColours.begin()) = current;
    }
    const auto chosen = m_ui.chooseColour(current, m_customColours);
    if (!chosen)
        return;
    target = *chosen;
    edited();
}

// ---- background page ----

void DesignEditor::resetBoxPictures()
{
    DesignSettings& s = m_design.settings();
    for (int* choice : {&s.categoryBoxPicture, &s.fileBoxPicture, &s.detailsBoxPicture}) {
        if (*choice != kBoxPictureNone)
            *choice = kBoxPictureNone;
    }
}

FileDialogSpec DesignEditor::pictureDialog() const
{
    FileDialogSpec spec;
    spec.filters = {{"Bitmaps (*.bmp)", "*.bmp"}};
    spec.initialDir = m_baseDir / "back";
    spec.defaultExt = "BMP";
    spec.mustExist = true;
    return spec;
}

void DesignEditor::bgSetBandModeClick()
{
    m_ui.playClick();
    resetBoxPictures();
    m_design.settings().designMode = std::string(kFillBand);
    edited();
}

void DesignEditor::bgLoadBitmapClick()
{
    m_ui.playClick();
    const auto chosen = m_ui.openFile(pictureDialog());
    if (!chosen)
        return;
    m_design.data().BMP_File.assign(*chosen);
    // A file that vanished under the dialog loads nothing.
    m_backgroundLoaded = !m_design.data().BMP_File.empty();
    edited();
    bgSetBitmapModeClick();
}

void DesignEditor::bgSetBitmapModeClick()
{
    if (!m_backgroundLoaded) {
        showMessage("M42");
        return;
    }
    m_design.settings().designMode = std::string(kFillBitmap);
    edited();
}

void DesignEditor::bgClearBitmapClick()
{
    if (!m_backgroundLoaded) {
        showMessage("M42");
        return;
    }
    m_design.data().BMP_File.clear();
    m_backgroundLoaded = false;
    bgSetBandModeClick();
}

void DesignEditor::tileModeChange(TileMode mode)
{
    m_design.settings().tileMode = mode;
    edited();
}

// ---- box page ----

void DesignEditor::boxBitmapChange(MenuText box, int choice)
{
    DesignSettings& s = m_design.settings();
    int& target = box == MenuText::Category ? s.categoryBoxPicture
                : box == MenuText::File     ? s.fileBoxPicture
                                            : s.detailsBoxPicture;
    target = choice;
    if (choice == kBoxPictureBackground && s.designMode != kFillBitmap) {
        showMessage("M45");
        target = kBoxPictureNone;
    } else if (choice == kBoxPictureButton && s.buttonMode != kFillBitmap) {
        showMessage("M46");
        target = kBoxPictureNone;
    }
    edited();
}

// ---- button page ----

void DesignEditor::btnSetBandModeClick()
{
    m_ui.playClick();
    resetBoxPictures();
    m_design.settings().buttonMode = std::string(kFillBand);
    edited();
}

void DesignEditor::btnLoadBitmapClick()
{
    m_ui.playClick();
    const auto chosen = m_ui.openFile(pictureDialog());
    if (!chosen)
        return;
    m_design.data().Button_file.assign(*chosen);
    m_buttonLoaded = !m_design.data().Button_file.empty();
    edited();
    btnSetBitmapModeClick();
}

void DesignEditor::btnSetBitmapModeClick()
{
    if (!m_buttonLoaded) {
        showMessage("M42");
        return;
    }
    m_design.settings().buttonMode = std::string(kFillBitmap);
    edited();
}

void DesignEditor::btnClearBitmapClick()
{
    if (!m_buttonLoaded) {
        showMessage("M42");
        return;
    }
    m_design.data().Button_file.clear();
    m_buttonLoaded = false;
    btnSetBandModeClick();
}

void DesignEditor::btnSetTransparentModeClick()
{
    m_ui.playClick();
    resetBoxPictures();
    m_design.settings().buttonMode = std::string(kFillTransparent);
    edited();
}

void DesignEditor::btnStyleChange(ButtonStyle style)
{
    m_design.settings().buttonStyle = style;
    edited();
}

void DesignEditor::btnEffectChange(ButtonEffect effect)
{
    m_design.settings().buttonEffect = effect;
    edited();
}

void DesignEditor::btnFontStyleChange(TextEffect effect)
{
    m_design.settings().buttonTextEffect = effect;
    edited();
}

void DesignEditor::btnFontSizeChange(int index)
{
    if (index < 0 || index >= static_cast<int>(kButtonSizes.size()))
        return;
    m_design.settings().buttonSize = kButtonSizes[static_cast<std::size_t>(index)];
    edited();
}

void DesignEditor::btnBoldChange(bool bold)
{
    m_design.settings().buttonBold = bold;
    edited();
}

void DesignEditor::btnShadowDepthChange(int depth)
{
    m_design.settings().buttonShadowDepth = std::clamp(depth, 0, DesignSettings::kMaxShadowDepth);
    edited();
}

void DesignEditor::btnBorderWidthChange(int width)
{
    m_design.settings().buttonBorderWidth = std::clamp(width, 0, DesignSettings::kMaxBorderWidth);
    edited();
}

// ---- fonts ----

void DesignEditor::fontChange(DesignFont font, const std::string& face)
{
    const auto i = static_cast<std::size_t>(font);
    const bool resolves = m_design.fonts().resolveFontFile(face).has_value();
    m_fontResolves[i] = resolves;
    const bool boxFont = font == DesignFont::CategoryBox || font == DesignFont::FileBox;
    // A box font keeps the chosen face and is written only while it
    // resolves; the button and text fonts take only a face that resolves.
    if (boxFont)
        m_design.settings().fontFaces[i] = face;
    if (!resolves)
        return;
    m_design.settings().fontFaces[i] = face;
    edited();
}

void DesignEditor::textStyleChange(MenuText text, TextEffect effect)
{
    m_design.settings().text(text).effect = effect;
    edited();
}

void DesignEditor::textSizeChange(MenuText text, int index)
{
    if (index < 0 || index >= static_cast<int>(kTextSizes.size()))
        return;
    m_design.settings().text(text).size = kTextSizes[static_cast<std::size_t>(index)];
    edited();
}

void DesignEditor::textBoldChange(MenuText text, bool bold)
{
    m_design.settings().text(text).bold = bold;
    edited();
}

// ---- sound page ----

void DesignEditor::soundSlotChange(int slot)
{
    if (slot >= 0 && slot < MenuDesign::kSoundCount)
        m_soundSlot = slot;
}

bool DesignEditor::playAvailable() const
{
    return !m_loadedSounds[static_cast<std::size_t>(m_soundSlot)].empty();
}

void DesignEditor::soundOpenClick()
{
    m_ui.playClick();
    FileDialogSpec spec;
    spec.filters = {{"Wavefile", "*.wav"}};
    spec.initialDir = m_soundFolder;
    spec.defaultExt = "wav";
    spec.mustExist = true;
    const auto chosen = m_ui.openFile(spec);
    if (chosen) {
        FileReference& ref = m_design.data().sound(m_soundSlot + 1);
        ref.assign(*chosen);
        m_loadedSounds[static_cast<std::size_t>(m_soundSlot)] = ref.empty() ? std::filesystem::path() : ref.fullPath();
        m_soundFolder = chosen->parent_path();
    }
    edited();
}

void DesignEditor::soundPlayClick()
{
    if (playAvailable())
        m_ui.playSound(m_loadedSounds[static_cast<std::size_t>(m_soundSlot)]);
}

void DesignEditor::soundStopClick()
{
    if (playAvailable())
        m_ui.stopSound();
}

void DesignEditor::soundClearClick()
{
    m_ui.playClick();
    if (playAvailable()) {
        m_ui.stopSound();
        m_design.data().sound(m_soundSlot + 1).clear();
        m_loadedSounds[static_cast<std::size_t>(m_soundSlot)].clear();
    }
    edited();
}

// ---- appearance page ----

SampleTexts DesignEditor::samplesFor(int language, int letterCase)
{
    SampleTexts t;
    switch (language) {
    case 1:
        t = {"Vorschau", "Kategorie", "Datei", "c:\\test.exe"};
        break;
    case 3:
        t = {"Vista Previa", "Categor\xC3\xAD" "a", "Archivo", "c:\\test.exe"};
        break;
    default:  // English; Russian shows the English words
        t = {"Full Preview", "Category", "File", "c:\\test.exe"};
        break;
    }
    // Only A-Z and a-z change case; accented letters stay as they are.
    for (std::string* s : {&t.button, &t.category, &t.file, &t.details}) {
        if (letterCase == kLetterCaseLower)
            *s = asciiLower(*s);
        else if (letterCase == kLetterCaseUpper)
            *s = asciiUpper(*s);
    }
    return t;
}

SampleTexts DesignEditor::samples() const
{
    return samplesFor(m_design.settings().language, m_design.settings().letterCase);
}

void DesignEditor::languageChange(int language)
{
    m_design.settings().language = language;
    edited();
}

void DesignEditor::letterCaseChange(int letterCase)
{
    m_design.settings().letterCase = letterCase;
    edited();
}

void DesignEditor::splashLoadClick()
{
    m_ui.playClick();
    const auto chosen = m_ui.openFile(pictureDialog());
    if (!chosen)
        return;
    m_design.data().Splash_File.assign(*chosen);
    m_splashSet = !m_design.data().Splash_File.empty();
    edited();
}

void DesignEditor::splashClearClick()
{
    m_ui.playClick();
    m_design.data().Splash_File.clear();
    m_splashSet = false;
}

void DesignEditor::splashPreviewClick()
{
    m_ui.playClick();
    if (m_splashSet)
        m_host.showPicturePreview(m_design.data().Splash_File.fullPath());
}

void DesignEditor::frameWidthChange(int width)
{
    m_design.settings().splashFrameWidth = std::clamp(width, 0, DesignSettings::kMaxFrameWidth);
    edited();
}

void DesignEditor::delayChange(int seconds)
{
    m_design.settings().splashDelaySeconds = std::clamp(seconds, 0, DesignSettings::kMaxDelaySeconds);
    edited();
}

void DesignEditor::iconLoadClick()
{
    m_ui.playClick();
    FileDialogSpec spec;
    spec.filters = {{"Icons (*.ico)", "*.ico"}};
    spec.initialDir = m_baseDir;
    spec.defaultExt = "ICO";
    spec.mustExist = true;
    const auto chosen = m_ui.openFile(spec);
    if (!chosen)
        return;
    m_design.data().Icon_File.assign(*chosen);
    m_iconSet = !m_design.data().Icon_File.empty();
    edited();
}

void DesignEditor::iconClearClick()
{
    m_ui.playClick();
    m_design.data().Icon_File.clear();
    m_iconSet = false;
}

std::filesystem::path DesignEditor::shownIcon() const
{
    if (m_iconSet)
        return m_design.data().Icon_File.fullPath();
    return m_baseDir / "Files" / "rnv.ico";
}

// ---- file page ----

FileDialogSpec DesignEditor::designDialog() const
{
    FileDialogSpec spec;
    spec.filters = {{kDesignFilter, "*.qvd"}};
    spec.initialDir = m_baseDir / "menudesign";
    spec.defaultExt = "qvd";
    return spec;
}

void DesignEditor::newClick()
{
    m_ui.playClick();
    m_design.data().menudesign_file.assign(standardDesign());
    readDesign(standardDesign());
    m_host.setProjectModified();
}

void DesignEditor::loadClick()
{
    m_ui.playClick();
    FileDialogSpec spec = designDialog();
    spec.mustExist = true;
    const auto chosen = m_ui.openFile(spec);
    if (!chosen)
        return;
    readDesign(*chosen);
    m_host.setProjectModified();
    m_design.data().menudesign_file.assign(*chosen);
    setCaption();
}

bool DesignEditor::storeDesign(const std::filesystem::path& path)
{
    try {
        m_design.store(path);
    } catch (const ProfileWriteError& e) {
        showError(e);
        return false;
    }
    setCaption();
    showMessage("M43");
    m_host.setProjectModified();
    return true;
}

bool DesignEditor::save()
{
    const FileReference& file = m_design.data().menudesign_file;
    // The standard design is never overwritten by Save, and a design without
    // a file has nowhere to go but a new name.
    const bool stored = file.empty() || file.fullPath().lexically_normal() == standardDesign()
                            ? saveAs()
                            : storeDesign(file.fullPath());
    m_host.setProjectModified();
    return stored;
}

bool DesignEditor::saveAs()
{
    FileDialogSpec spec = designDialog();
    spec.mustExist = false;
    const auto chosen = m_ui.saveFile(spec);
    if (!chosen)
        return false;
    return storeDesign(*chosen);
}

void DesignEditor::saveClick()
{
    m_ui.playClick();
    save();
}

void DesignEditor::saveAsClick()
{
    m_ui.playClick();
    saveAs();
}

// ---- full preview ----

void DesignEditor::fullPreviewClick()
{
    m_ui.playClick();
    try {
        DesignPreview::writePreviewFolder(m_baseDir, m_design, m_design.settings().language);
    } catch (const ProfileWriteError& e) {
        showError(e);
        return;
    }
    setCaption();
    showMessage("M44");
    m_ui.startProgram(DesignPreview::runtimeProgram(m_baseDir));
}

// ---- closing ----

void DesignEditor::okClick()
{
    m_ui.playClick();
    if (!m_design.modified()) {
        close(ModalResult::Ok);
        return;
    }
    const MsgResult answer =
        m_ui.messageBox(Message{"M40", m_language.message("M40")}, MsgKind::Information, MsgButtons::OkCancel);
    bool stored = false;
    if (answer == MsgResult::Ok)
        stored = save();
    if (m_design.data().menudesign_file.empty()) {
        showMessage("M41");
        return;
    }
    // A save that did not happen (its dialog cancelled, its write failed)
    // keeps the editor open, so the edits are not lost behind the person's back.
    if (answer == MsgResult::Ok && stored) {
        m_closedAfterSave = true;
        close(ModalResult::Ok);
    }
}

void DesignEditor::cancelClick()
{
    m_ui.playClick();
    m_design.data().menudesign_file.assign(m_designAtOpening);
    close(ModalResult::Cancel);
}

void DesignEditor::helpClick()
{
    m_ui.showHelp(m_baseDir / "Help" / pathFromText(m_language.helpFileName()), kHelpContext);
}

void DesignEditor::infoClick()
{
    m_ui.playClick();
    m_host.showAbout();
}

}  // namespace qv
