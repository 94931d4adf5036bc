#pragma once

#include "items/ItemEntryContext.h"
#include "project/FieldCapacity.h"
#include "project/ItemFields.h"
#include "ui/Ui.h"

#include <optional>
#include <string>

namespace qv {

// The add-hyperlink dialog: an item whose target is a web address. Its texts
// are the language section "AURL": E1 heading, E2 "Name:", E3 "URL:", E4
// "Password:", E5 "Description:", E6 "Category:", E7 OK, E8 Cancel, E9 Help;
// the window title is T8.
class HyperlinkDialog final : public ModalWindow {
public:
    static constexpr WindowKind kKind = WindowKind::Hyperlink;
    WindowKind kind() const override { return kKind; }
    static constexpr int kHelpTopic = 2200;
    static constexpr const char* kSection = "AURL";

    struct Fields {
        std::string name;
        int scheme = 0;  // index into kHomepageSchemes
        std::string address;
        std::string password;  // goes into Serial
        std::string description;
        int category = -1;  // index into the category list
    };

    explicit HyperlinkDialog(ItemEntryContext context);

    // Open (addUrlClick): M1 without a project, else prepares and shows the dialog.
    void addUrlClick();
    void okClick();
    void cancelClick();
    void helpClick();

    Fields& fields() { return m_fields; }
    const Fields& fields() const { return m_fields; }
    std::string title() const;
    // How much the edits take, so typing stops where the project file would cut.
    static FieldCapacity capacityOf(int itemField) { return FieldCapacity::ofItem(itemField); }
    // The address shares File Name with the chosen scheme.
    FieldCapacity addressCapacity() const;

    // The message key OK refuses with (M8), nothing when the fields can be written.
    std::optional<std::string> refusal() const;
    // The row OK writes from the fields.
    ItemFieldTexts item() const;
    // Set by OK: the row the item went into.
    int addedRow() const { return m_addedRow; }

private:
    void onPrepare() override;

    ItemEntryContext m_context;
    Fields m_fields;
    int m_addedRow = 0;
};

}  // namespace qv
