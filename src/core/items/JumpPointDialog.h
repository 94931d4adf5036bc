#pragma once

#include "items/ItemEntryContext.h"
#include "project/FieldCapacity.h"
#include "project/ItemFields.h"
#include "ui/Ui.h"

#include <optional>
#include <string>

namespace qv {

// The add-jump-point dialog: an item whose target is a folder of the CD. Its
// texts are the language section "AJump": E1 heading, E2 the folder button,
// E3 "Name:", E4 "Path", E5 "Serial:", E6 "Description:", E7 "Category:",
// E8 "Website:", E9 OK, E10 Cancel, E11 Help; the window title is T5.
class JumpPointDialog final : public ModalWindow {
public:
    static constexpr WindowKind kKind = WindowKind::JumpPoint;
    WindowKind kind() const override { return kKind; }
    static constexpr int kHelpTopic = 2250;
    static constexpr const char* kSection = "AJump";
    static constexpr const char* kBrowsePrompt = "Please browse for Jump Point";

    struct Fields {
        std::string name;
        std::string path;  // the folder, as chosen or typed
        std::string serial;
        std::string description;
        int category = -1;  // index into the category list
        int scheme = 0;     // index into kHomepageSchemes
        std::string address;
    };

    explicit JumpPointDialog(ItemEntryContext context);

    // Open (addJumpClick): M1 without a project, else prepares and shows the dialog.
    void addJumpClick();
    // Select File: the folder browser, started in the project folder.
    void selectFolderClick();
    bool selectFolderEnabled() const { return m_selectEnabled; }
    void okClick();
    void cancelClick();
    void helpClick();

    Fields& fields() { return m_fields; }
    const Fields& fields() const { return m_fields; }
    std::string title() const;
    static FieldCapacity capacityOf(int itemField) { return FieldCapacity::ofItem(itemField); }
    // The address shares Homepage with the chosen scheme.
    FieldCapacity addressCapacity() const;

    // Where the folder browser starts: the project folder without its
    // trailing separator, unless it is a drive's root of three characters.
    std::string browseStart() const;
    // Fills the proposals for a folder as Select File does.
    void folderChosen(const std::string& folder);

    // The message key OK refuses with (M5), nothing when the fields can be written.
    std::optional<std::string> refusal() const;
    ItemFieldTexts item() const;
    int addedRow() const { return m_addedRow; }

private:
    void onPrepare() override;

    ItemEntryContext m_context;
    Fields m_fields;
    bool m_selectEnabled = true;
    int m_addedRow = 0;
};

}  // namespace qv
