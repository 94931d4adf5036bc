#pragma once

#include "project/FieldCapacity.h"
#include "ui/Ui.h"

#include <string>

namespace qv {

class Language;

// The small naming dialog of the add-folder dialog's "Ask me !": one name
// per file, proposed as the file's bare name. It has no close box; closed
// any other way it keeps the proposal, as Cancel does.
class FolderItemNaming final : public ModalWindow {
public:
    static constexpr WindowKind kKind = WindowKind::FolderItemNaming;
    WindowKind kind() const override { return kKind; }

    // Texts of section AddDir_Ask, in layout order; the title is T3.
    enum Text { NameFor = 1, OkButton, CancelButton };
    static std::string text(const Language& language, Text which);
    static std::string title(const Language& language);

    explicit FolderItemNaming(Ui& ui);

    // Asks for the name of one file; returns the name decided.
    std::string ask(const std::string& fileName, const std::string& bareName);

    // The file-name line and the edit.
    const std::string& fileName() const { return m_fileName; }
    const std::string& name() const { return m_name; }
    // The edit takes any text the Name field holds.
    void setName(std::string_view text);
    static FieldCapacity capacity();

    // OK, and the Enter key released in the edit: the edit's text, even empty.
    void okClick();
    // Cancel: the bare name.
    void cancelClick();

private:
    Ui& m_ui;
    std::string m_fileName;
    std::string m_bareName;
    std::string m_name;
};

}  // namespace qv
