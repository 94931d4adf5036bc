#pragma once

#include "app/ModalView.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qv {
class CategoryList;
class JumpPointDialog;
class Language;
}

namespace qv::gui {

class LimitedLineEdit;

// The add-jump-point dialog: the folder (chosen or typed), name, serial,
// description, category and website, with OK, Cancel and Help.
class JumpPointDialogView final : public ModalView {
    Q_OBJECT
public:
    JumpPointDialogView(JumpPointDialog& dialog, const Language& language, const CategoryList& categories,
                        QWidget* parent = nullptr);

    void retranslate(const Language& language);
    void refresh() override;

private:
    void closeRequested() override;

    JumpPointDialog& m_dialog;
    QLabel* m_heading;
    QPushButton* m_selectFolder;
    QLabel* m_nameLabel;
    QLabel* m_pathLabel;
    QLabel* m_serialLabel;
    QLabel* m_descriptionLabel;
    QLabel* m_categoryLabel;
    QLabel* m_websiteLabel;
    LimitedLineEdit* m_name;
    QLineEdit* m_path;
    LimitedLineEdit* m_serial;
    LimitedLineEdit* m_description;
    QComboBox* m_category;
    QComboBox* m_scheme;
    LimitedLineEdit* m_address;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
};

}  // namespace qv::gui
