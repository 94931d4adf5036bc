#pragma once

#include "ui/Ui.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

class Language;

// The location dialog: shown when a missing file lies in several folders
// below the project folder. It shows the item's Name and File Name and the
// folders, the first selected; OK ends it with the selected folder. There is
// no Cancel, so however the window closes, the selected folder is taken.
class CheckLocationDialog final : public ModalWindow {
public:
    static constexpr int kHelpTopic = 2400;
    static constexpr std::string_view kSection = "Check";

    CheckLocationDialog(Ui& ui, const Language& language, std::filesystem::path baseDir);

    static constexpr WindowKind kKind = WindowKind::CheckLocation;
    WindowKind kind() const override { return kKind; }

    // Before each showing.
    void setChoice(std::string name, std::string fileName, std::vector<std::string> folders);

    // Texts: window title (T10), explanation line (E1), OK (E2), Help (E3).
    std::string title() const;
    std::string explanation() const;
    std::string okCaption() const;
    std::string helpCaption() const;

    const std::string& itemName() const { return m_name; }
    const std::string& itemFileName() const { return m_fileName; }
    const std::vector<std::string>& folders() const { return m_folders; }

    // The list's selection; an index outside the list leaves it as it was.
    int itemIndex() const { return m_itemIndex; }
    void setItemIndex(int index);

    // Commands
    void OKClick() { close(ModalResult::Ok); }
    void HelpClick();

    // The folder taken: the selected one.
    std::size_t chosenIndex() const { return static_cast<std::size_t>(m_itemIndex); }

private:
    Ui& m_ui;
    const Language& m_language;
    std::filesystem::path m_baseDir;
    std::string m_name;
    std::string m_fileName;
    std::vector<std::string> m_folders;
    int m_itemIndex = 0;
};

}  // namespace qv
