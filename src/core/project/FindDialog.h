#pragma once

#include "ui/Ui.h"
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

    static constexpr WindowKind kKind = WindowKind::Find;
    WindowKind kind() const override { return kKind; }
    static std::string title(const Language& language);

    FindOptions& options() { return m_options; }
    const FindOptions& options() const { return m_options; }

    // Called before the dialog is shown.
    void OKClick() { close(ModalResult::Ok); }
    void CancelClick() { close(ModalResult::Cancel); }
    void HelpClick(Ui& ui, const std::filesystem::path& helpFile) const { ui.showHelp(helpFile, kHelpTopic); }

private:
    FindOptions m_options;
};

}  // namespace qv
