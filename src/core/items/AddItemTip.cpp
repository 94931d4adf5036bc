#include "items/AddItemTip.h"

#include "i18n/Language.h"

#include <array>

namespace qv {

namespace {

constexpr std::string_view kSection = "AddFileInfo";

constexpr std::array<std::string_view, 5> kEnglish{
    "Important Information",
    "You may edit entries afterwards in the overview. Just double click or press 'space' on the entry you want "
    "to change.",
    "By pressing the right mouse button in the selection box you can access the edit item entry menu, where you "
    "have the full access to all edit functions.",
    "Show tip next time",
    "OK",
};

}  // namespace

AddItemTip::AddItemTip(Ui& ui, const Language& language, bool& flag)
    : m_ui(ui)
    , m_language(language)
    , m_flag(flag)
{
}

std::string_view AddItemTip::englishText(Text which)
{
    return kEnglish.at(static_cast<std::size_t>(which - 1));
}

std::string AddItemTip::text(Text which) const
{
    std::string t = m_language.windowText(kSection, "E" + std::to_string(static_cast<int>(which)));
    return t.empty() ? std::string(englishText(which)) : t;
}

std::string AddItemTip::title() const
{
    return m_language.text("T1");
}

void AddItemTip::showIfWanted()
{
    if (m_flag)
        exec(m_ui);
}

void AddItemTip::onPrepare()
{
    // The tip is only shown while the flag is on, so its box starts ticked:
    // a box left cleared from an earlier showing would turn the tip off again
    // on a plain OK, right after the person turned it on in the menu.
    m_showNextTime = true;
}

void AddItemTip::okClick()
{
    m_ui.playClick();
    m_flag = m_showNextTime;
    close(ModalResult::Ok);
}

}  // namespace qv
