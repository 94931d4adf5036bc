#include "i18n/SettingsCommands.h"

#include "i18n/LanguageManager.h"

#include <cassert>

namespace qv {

SettingsCommands::SettingsCommands(Settings& settings, LanguageManager& language, Ui& ui)
    : m_settings(settings)
    , m_language(language)
    , m_ui(ui)
    , m_geometry(*buttonGeometry(settings.toolbars.geometry))
{
}

void SettingsCommands::applyLoaded()
{
    setCaptionsShown(m_settings.toolbars.captionsShown);
    setGeometry(m_settings.toolbars.geometry);
}

void SettingsCommands::refreshCaptions()
{
    setCaptionsShown(m_settings.toolbars.captionsShown);
}

void SettingsCommands::setCaptionsShown(bool shown)
{
    m_settings.toolbars.captionsShown = shown;
    if (shown)
        m_captions = m_language.readButtonCaptions();
    else
        m_captions.fill({});
}

void SettingsCommands::setGeometry(int value)
{
    if (const auto g = buttonGeometry(value)) {
        m_geometry = *g;
        m_settings.toolbars.geometry = value;
    }
}

ToolBar SettingsCommands::toolbarOfEntry(int entry)
{
    static constexpr ToolBar kOrder[] = {ToolBar::ProjectControls, ToolBar::ItemControls, ToolBar::ChosenItemControls,
                                         ToolBar::EnvironmentControls, ToolBar::VlxControls};
    assert(entry >= 1 && entry <= 5);
    return kOrder[entry - 1];
}

void SettingsCommands::toolbarEntryClick(int entry)
{
    m_ui.playClick();
    const auto i = static_cast<std::size_t>(static_cast<int>(toolbarOfEntry(entry)) - 1);
    m_settings.toolbars.visible[i] = !m_settings.toolbars.visible[i];
}

void SettingsCommands::buttonTitlesClick()
{
    m_ui.playClick();
    ToolbarLayout& t = m_settings.toolbars;
    t.titlesChecked = !t.titlesChecked;
    t.arrowRightOfCaption = t.titlesChecked;
    t.sizeMenuEnabled = !t.titlesChecked;
    setCaptionsShown(t.titlesChecked);
    t.pictureSize = 1;
    setGeometry(t.titlesChecked ? 0 : 1);
    t.smallChecked = false;
    t.largeChecked = true;
    t.smallArrow = false;
}

void SettingsCommands::buttonSizeSmallClick()
{
    m_ui.playClick();
    ToolbarLayout& t = m_settings.toolbars;
    if (t.smallChecked)
        return;
    t.smallChecked = true;
    t.largeChecked = false;
    t.smallArrow = true;
    t.pictureSize = 0;
    setGeometry(2);
}

void SettingsCommands::buttonSizeLargeClick()
{
    m_ui.playClick();
    ToolbarLayout& t = m_settings.toolbars;
    if (t.largeChecked)
        return;
    t.largeChecked = true;
    t.smallChecked = false;
    t.smallArrow = false;
    t.pictureSize = 1;
    setGeometry(1);
}

void SettingsCommands::showWelcomeClick()
{
    m_ui.playClick();
    m_settings.showWelcome = !m_settings.showWelcome;
}

void SettingsCommands::showAddItemTipClick()
{
    m_ui.playClick();
    m_settings.showTip = !m_settings.showTip;
}

void SettingsCommands::showBackgroundClick()
{
    m_ui.playClick();
    m_settings.showBack = !m_settings.showBack;
    // The pictures change at the next start; the message says so.
    m_ui.messageBox(m_language.message("M35"), MsgKind::Information, MsgButtons::Ok);
}

}  // namespace qv
