#pragma once

#include "ui/Ui.h"

#include <string>
#include <string_view>

namespace qv {

class Language;

// The add-item tip: a notice that every add dialog shows while the tip flag
// is on (the settings file's show_ft, which the main menu's "Show Add Item
// Tip" check mark shows), with a box to stop it coming back.
class AddItemTip final : public ModalWindow {
public:
    static constexpr WindowKind kKind = WindowKind::AddItemTip;
    WindowKind kind() const override { return kKind; }

    // Texts of section AddFileInfo, in layout order.
    enum Text { Heading = 1, Advice1, Advice2, ShowNextTime, Ok };

    // flag: the one tip flag of the program, which OK changes.
    AddItemTip(Ui& ui, const Language& language, bool& flag);

    // The language's text, or the English one when the language has none.
    std::string text(Text which) const;
    static std::string_view englishText(Text which);
    std::string title() const;

    // Shows the tip modally when the flag is on; returns once it is closed.
    void showIfWanted();

    bool showNextTime() const { return m_showNextTime; }
    void setShowNextTime(bool on) { m_showNextTime = on; }

    // OK: the flag (and the menu's check mark) follow the box.
    void okClick();

private:
    void onPrepare() override;

    Ui& m_ui;
    const Language& m_language;
    bool& m_flag;
    bool m_showNextTime = true;
};

}  // namespace qv
