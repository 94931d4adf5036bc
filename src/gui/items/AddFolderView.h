#pragma once

#include "app/ModalView.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QItemSelection;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTreeView;

namespace qv {
class AddFolderDialog;
class Language;
}

namespace qv::gui {

class LimitedLineEdit;
class FoundFilesModel;

// The add-folder dialog: Select Folder with "Include Subfolders", the files
// found with their selection, the naming options, the settings every item
// shares, OK, Cancel and Help.
class AddFolderView final : public ModalView {
    Q_OBJECT
public:
    AddFolderView(AddFolderDialog& dialog, const Language& language, QWidget* parent = nullptr);
    ~AddFolderView() override;

    void retranslate(const Language& language);

private:
    void refresh() override;
    void closeRequested() override;
    // The list shows the core's entries and selection anew.
    void showEntries();
    void showSelection();
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected);

    AddFolderDialog& m_dialog;
    FoundFilesModel* m_model;
    bool m_showingSelection = false;
    QPushButton* m_selectFile;
    QCheckBox* m_subfolders;
    QStackedWidget* m_listPlace;
    QLabel* m_note;
    QTreeView* m_list;
    QLabel* m_listHint;
    QPushButton* m_selectAll;
    QLabel* m_nameLabel;
    QButtonGroup* m_naming;
    QRadioButton* m_original;
    QRadioButton* m_common;
    QRadioButton* m_ask;
    LimitedLineEdit* m_commonName;
    QLabel* m_filePathLabel;
    QLabel* m_filePath;
    QLabel* m_serialLabel;
    LimitedLineEdit* m_serial;
    QLabel* m_descriptionLabel;
    LimitedLineEdit* m_description;
    QLabel* m_categoryLabel;
    QComboBox* m_category;
    QCheckBox* m_copy;
    QCheckBox* m_execute;
    QLabel* m_websiteLabel;
    QComboBox* m_scheme;
    LimitedLineEdit* m_address;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
};

}  // namespace qv::gui
