#pragma once

#include "items/ItemEntryContext.h"
#include "project/FieldCapacity.h"
#include "ui/Ui.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace qv {

// The add-file dialog: one file on disk becomes one item row. Select File
// proposes the item's fields from the file, the person completes them, OK
// writes the row. Kept between showings: the category choice, "file can be
// executed" and the chooser's start folder.
class AddFileDialog final : public ModalWindow {
public:
    static constexpr WindowKind kKind = WindowKind::AddFile;
    WindowKind kind() const override { return kKind; }
    static constexpr int kHelpTopic = 2100;

    // Texts of section AFile, in layout order; the title is T4.
    enum Text {
        NameLabel = 1, FileNameLabel, FilePathLabel, SerialLabel, CdSizeLabel, SizeFillInButton, HdSizeLabel,
        DescriptionLabel, CategoryLabel, CopyBox, ExecuteBox, WebsiteLabel, SelectFileButton, OkButton,
        CancelButton, HelpButton
    };
    static std::string text(const Language& language, Text which);
    static std::string title(const Language& language);

    // The fields a person types; each stops at what its item field holds.
    enum class Input { Name, Serial, CdSize, HdSize, Description, Address };

    explicit AddFileDialog(ItemEntryContext context);

    // The main window's Add File: M1 without a project, else the dialog is
    // prepared and shown modally.
    void execute();

    // --- Commands -------------------------------------------------------------
    // Select File: the chooser, then the proposals of the file chosen.
    void selectFileClick();
    // The proposals of a chosen file, as Select File takes them.
    void fileChosen(const std::filesystem::path& file);
    // ">": HD-Size := CD-Size.
    void sizeFillInClick();
    // OK: checks the name, shows the tip, writes the row, warns (M3) about a
    // file outside the project folder; stays open on M1 and M4.
    void addClick();
    void cancelClick();
    void helpClick();

    // --- Fields ---------------------------------------------------------------
    const std::string& input(Input which) const;
    // Takes text up to what the field holds (the view stops typing there).
    void setInput(Input which, std::string_view text);
    // What a typed field holds.
    FieldCapacity capacity(Input which) const;
    const std::string& fileName() const { return m_fileName; }
    // Ends in the separator once a file was chosen.
    const std::string& filePath() const { return m_filePath; }
    // The full path of the file chosen in this showing; empty before.
    const std::filesystem::path& chosenFile() const { return m_chosen; }

    const std::vector<std::string>& categories() const { return m_categories; }
    int categoryIndex() const { return m_categoryIndex; }
    void setCategoryIndex(int index);
    bool copy() const { return m_copy; }
    void setCopy(bool on) { m_copy = on; }
    bool executable() const { return m_execute; }
    void setExecutable(bool on) { m_execute = on; }
    // Index into kHomepageSchemes.
    int schemeIndex() const { return m_scheme; }
    void setSchemeIndex(int index);

    // The focus goes to Name after Select File and after M4; the view takes the request.
    bool takeNameFocus() { return std::exchange(m_focusName, false); }

    // --- File chooser ---------------------------------------------------------
    static const std::vector<std::pair<std::string, std::string>>& chooserFilters();
    FileDialogSpec chooserSpec() const;
    const std::filesystem::path& startFolder() const { return m_startFolder; }
    // Opening or creating a project starts the chooser in its folder.
    // A folder given with its final separator is kept without it.
    void setStartFolder(const std::filesystem::path& folder)
    {
        m_startFolder = folder.has_filename() ? folder : folder.parent_path();
    }

    // The rows the last OK wrote: the first and how many (0 before any).
    std::pair<int, int> addedRows() const { return m_added; }

private:
    void onPrepare() override;
    std::string& field(Input which);
    void finish();

    ItemEntryContext m_context;

    std::string m_name;
    std::string m_fileName;
    std::string m_filePath;
    std::string m_serial;
    std::string m_cdSize;
    std::string m_hdSize;
    std::string m_description;
    std::string m_address;
    std::filesystem::path m_chosen;
    std::vector<std::string> m_categories;
    int m_categoryIndex = -1;
    bool m_copy = true;
    bool m_execute = true;
    int m_scheme = 0;
    bool m_focusName = false;
    std::filesystem::path m_startFolder;
    std::pair<int, int> m_added{0, 0};
};

}  // namespace qv
