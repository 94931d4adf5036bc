#pragma once

#include "ui/ToolButtons.h"
#include "ui/Ui.h"
#include "i18n/Settings.h"

#include <array>
#include <filesystem>
#include <string>

namespace qv {

class LanguageManager;

// The View Control menu and the three display flags of the Settings menu,
// working on the settings in memory; the file is written at exit.
class SettingsCommands final {
public:
    SettingsCommands(Settings& settings, LanguageManager& language, Ui& ui);

    // After load settings: the captions (read from the language file while
    // they are shown) and the geometry follow the loaded values.
    void applyLoaded();
    // After a language is applied: the captions follow while they are shown.
    void refreshCaptions();

    // The five tool bar entries s1..s5, first to fifth: project, item,
    // chosen-item, environment and program controls.
    void toolbarEntryClick(int entry);
    void buttonTitlesClick();  // button titles
    void buttonSizeSmallClick();        // button size small
    void buttonSizeLargeClick();          // button size large

    void showWelcomeClick();
    void showAddItemTipClick();
    void showBackgroundClick();

    // What the tool buttons show.
    const std::array<std::string, kToolButtons>& captions() const { return m_captions; }
    const ButtonGeometry& geometry() const { return m_geometry; }
    std::filesystem::path picture(const std::filesystem::path& baseDir, ToolButton button) const
    {
        return toolButtonPicture(baseDir, m_settings.toolbars.pictureSize, button);
    }
    // The tool bar that entry 1..5 of the View Control submenu toggles.
    static ToolBar toolbarOfEntry(int entry);

private:
    void setGeometry(int value);
    void setCaptionsShown(bool shown);

    Settings& m_settings;
    LanguageManager& m_language;
    Ui& m_ui;
    std::array<std::string, kToolButtons> m_captions;
    ButtonGeometry m_geometry;
};

}  // namespace qv
