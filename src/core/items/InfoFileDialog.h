#pragma once

#include "items/ItemCompanionFiles.h"
#include "items/ItemEntryContext.h"
#include "ui/Ui.h"

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qv {

// The info file and screenshot dialog: creates, edits, replaces and deletes
// the chosen item's info text or screenshot. Its texts are the language
// section "CreateInfo": E1 and E2 the info explanation, E3 and E4 the
// screenshot explanation, E5 Open Template, E6 Paste from Clipboard, E7
// Create/Save, E8 Delete, E9 Cancel, E10 Help, E11 and E12 the titles of the
// text and picture template choosers, E13 and E14 the labels of the info
// file's and the screenshot's place.
class InfoFileDialog final : public ModalWindow {
public:
    static constexpr WindowKind kKind = WindowKind::InfoFile;
    WindowKind kind() const override { return kKind; }
    static constexpr const char* kSection = "CreateInfo";
    static constexpr int kInfoHelpTopic = 2300;
    static constexpr int kScreenshotHelpTopic = 2350;

    explicit InfoFileDialog(ItemEntryContext context);

    // The command (info file or screenshot) on the table's cursor row:
    // M1 without a project, M39 and M39_2 for an item that can't have the
    // file, else the dialog is shown.
    void infoFileClick(CompanionKind kind);

    CompanionKind mode() const { return m_kind; }
    int row() const { return m_row; }
    // T19 or T20, a blank and the item's name.
    std::string title() const;
    // T40/T43, T42/T45 and T41/T44.
    std::string heading() const;
    std::string frameCaption() const;
    std::string clearCaption() const;
    // The file that Save writes and Delete removes, as found when the dialog opened.
    const std::filesystem::path& target() const { return m_target; }

    // Info mode: the editor's text.
    const std::string& text() const { return m_text; }
    void setText(std::string text) { m_text = std::move(text); }
    // Screenshot mode: the picture, nothing when the box is empty.
    const std::optional<RgbImage>& picture() const { return m_picture; }

    // The template chooser's filters of a mode.
    static std::vector<std::pair<std::string, std::string>> templateFilters(CompanionKind kind);

    void openTemplateClick();
    void clearClick();
    void pasteClick();
    void saveClick();
    void deleteClick();
    void cancelClick();
    void helpClick();

private:
    void onPrepare() override;
    void onClosed() override;
    void show(const char* key, MsgKind kind, std::string suffix = {});

    ItemEntryContext m_context;
    CompanionKind m_kind = CompanionKind::InfoText;
    int m_row = 1;
    std::filesystem::path m_target;
    std::string m_text;
    std::optional<RgbImage> m_picture;
};

}  // namespace qv
