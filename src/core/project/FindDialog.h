#pragma once

#include "app/Ui.h"
#include "project/TableFind.h"

#include <filesystem>
#include <string>

namespace qv {

class Language;

// The find dialog (unit asfind). Its entries stay between uses; the caller
// shows it modally and searches when it was closed with OK.
class FindDialog final : public ModalWindow {
public:
    static constexpr int kHelpTopic = 2500;

    std::string_view windowName() const override { return "FindDialog"; }
    static std::string title(const Language& language);

    FindOptions& options() { return m_options; }
    const FindOptions& options() const { return m_options; }

    // Called before the dialog is shown.
    void prepare() { m_accepted = false; }
    void OKClick() { m_accepted = true; }
    void CancelClick() { m_accepted = false; }
    void HelpClick(Ui& ui, const std::filesystem::path& helpFile) const { ui.showHelp(helpFile, kHelpTopic); }
    bool accepted() const { return m_accepted; }

private:
    FindOptions m_options;
    bool m_accepted = false;
};

}  // namespace qv
