#pragma once

#include "ui/Ui.h"
#include "design/DesignFonts.h"
#include "design/DesignSettings.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace qv {

class Language;
class MenuDesign;

// What the design editor needs from the program around it.
class DesignEditorHost {
public:
    virtual ~DesignEditorHost() = default;
    // The editor made another file the current design or stored it: the
    // project must record the design file.
    virtual void setProjectModified() = 0;
    // The picture preview window, at the picture's own size.
    virtual void showPicturePreview(const std::filesystem::path& picture) = 0;
    // The program's about box.
    virtual void showAbout() = 0;
};

// The 24 colour settings, named after their choosers.
enum class ColourSetting {
    bm_sc, bm_ec,                                   // background
    cbi_c, cbf_c, fbi_c, fbf_c, dbi_c,              // boxes
    btn_bm_s, btn_bm_e, btn_fc, btnstyle_lc, btnstyle_sc, btnshadowcolor, btnborderc,  // buttons
    c_fc, f_fc, d_fc, c_flc, c_fsc, f_flc, f_fsc, d_flc, d_fsc,  // texts
    splash_frc,                                     // appearance
};
inline constexpr int kColourSettingCount = 24;

// The editor's pages.
enum class DesignPage { Background, Boxes, Buttons, Fonts, Sound, Appearance, File };

// The words of the small live preview.
struct SampleTexts {
    std::string button;
    std::string category;
    std::string file;
    std::string details;
    bool operator==(const SampleTexts&) const = default;
};

// The menu design editor: every command works on the current design and
// talks to the person through Ui.
class DesignEditor final : public ModalWindow {
public:
    static constexpr int kHelpContext = 3051;
    static constexpr const char* kDesignFilter = "Krynt - Quenvar - Designfile";

    // customColours are the colour dialog's sixteen custom colours; they
    // belong to the settings, so the settings file keeps them between runs.
    DesignEditor(Ui& ui, const Language& language, std::filesystem::path baseDir, MenuDesign& design,
                 DesignEditorHost& host, CustomColours& customColours);

    static constexpr WindowKind kKind = WindowKind::DesignEditor;
    WindowKind kind() const override { return kKind; }

    // Opens the editor and returns when a command closed it.
    void execute();

    // Colours of every page.
    void colourClick(ColourSetting setting);
    ColourValue colour(ColourSetting setting) const;

    // Background page.
    void bgSetBandModeClick();
    void bgLoadBitmapClick();
    void bgSetBitmapModeClick();
    void bgClearBitmapClick();
    void tileModeChange(TileMode mode);

    // Box page: choice is 0 none, 1 background picture, 2 button picture.
    void boxBitmapChange(MenuText box, int choice);

    // Button page.
    void btnSetBandModeClick();
    void btnLoadBitmapClick();
    void btnSetBitmapModeClick();
    void btnClearBitmapClick();
    void btnSetTransparentModeClick();
    void btnStyleChange(ButtonStyle style);
    void btnEffectChange(ButtonEffect effect);
    void btnFontStyleChange(TextEffect effect);
    // index 0..4 of "-3", "-2", "-1", "Default", "+1": 7..11 points.
    void btnFontSizeChange(int index);
    void btnBoldChange(bool bold);
    void btnShadowDepthChange(int depth);
    void btnBorderWidthChange(int width);

    // The six font choosers (box, button and text fonts).
    void fontChange(DesignFont font, const std::string& face);
    // Whether the chooser's face resolves to a font file (the green mark).
    bool fontResolves(DesignFont font) const { return m_fontResolves[static_cast<std::size_t>(font)]; }

    // Font page.
    void textStyleChange(MenuText text, TextEffect effect);
    // index 0..5 of "-3" .. "+2": 7..12 points.
    void textSizeChange(MenuText text, int index);
    void textBoldChange(MenuText text, bool bold);

    // Sound page: slot 0..4 for sounds 1..5.
    void soundSlotChange(int slot);
    void soundOpenClick();
    void soundPlayClick();
    void soundStopClick();
    void soundClearClick();
    int soundSlot() const { return m_soundSlot; }
    bool playAvailable() const;

    // Appearance page.
    void languageChange(int language);
    void letterCaseChange(int letterCase);
    void splashLoadClick();
    void splashClearClick();
    void splashPreviewClick();
    void frameWidthChange(int width);
    void delayChange(int seconds);
    void iconLoadClick();
    void iconClearClick();

    // File page.
    void newClick();
    void loadClick();
    void saveClick();
    void saveAsClick();

    // The sample button: the full preview through the menu runtime.
    void fullPreviewClick();

    void okClick();
    void cancelClick();
    void helpClick();
    void infoClick();

    // State the view shows.
    const std::string& caption() const { return m_caption; }
    bool closedAfterSave() const { return m_closedAfterSave; }
    DesignPage page() const { return m_page; }
    void setPage(DesignPage page) { m_page = page; }
    bool backgroundLoaded() const { return m_backgroundLoaded; }
    bool buttonLoaded() const { return m_buttonLoaded; }
    bool splashSet() const { return m_splashSet; }
    bool iconSet() const { return m_iconSet; }
    // The icon shown: the design's own, or Files/rnv.ico without one.
    std::filesystem::path shownIcon() const;
    SampleTexts samples() const;
    CustomColours& customColours() { return m_customColours; }
    const MenuDesign& design() const { return m_design; }
    const std::filesystem::path& designAtOpening() const { return m_designAtOpening; }
    std::filesystem::path standardDesign() const;

    static SampleTexts samplesFor(int language, int letterCase);
    static bool isBasicColour(ColourValue colour);

private:
    void readDesign(const std::filesystem::path& path);
    bool storeDesign(const std::filesystem::path& path);
    // Returns whether the design was stored.
    bool save();
    bool saveAs();
    void afterRead();
    void refreshSoundPage();
    void setCaption();
    void edited();
    void resetBoxPictures();
    FileDialogSpec pictureDialog() const;
    FileDialogSpec designDialog() const;
    void showMessage(const char* key);
    void showError(const std::exception& e);
    void onPrepare() override;
    // The view drops its pictures and sounds however it was closed.
    void onClosed() override;

    Ui& m_ui;
    const Language& m_language;
    std::filesystem::path m_baseDir;
    MenuDesign& m_design;
    DesignEditorHost& m_host;

    DesignPage m_page = DesignPage::Background;
    std::filesystem::path m_designAtOpening;
    std::string m_caption;
    bool m_closedAfterSave = false;
    bool m_backgroundLoaded = false;
    bool m_buttonLoaded = false;
    bool m_splashSet = false;
    bool m_iconSet = false;
    std::array<bool, kDesignFontCount> m_fontResolves{};
    int m_soundSlot = 0;
    std::array<std::filesystem::path, 5> m_loadedSounds;
    std::filesystem::path m_soundFolder;
    CustomColours& m_customColours;
};

}  // namespace qv
