#pragma once

#include "app/ModalView.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace qv {
class CategoryList;
class HyperlinkDialog;
class Language;
}

namespace qv::gui {

class LimitedLineEdit;

// The add-hyperlink dialog: name, scheme and address, password, description
// and category, with OK, Cancel and Help.
class HyperlinkDialogView final : public ModalView {
    Q_OBJECT
public:
    HyperlinkDialogView(HyperlinkDialog& dialog, const Language& language, const CategoryList& categories,
                        QWidget* parent = nullptr);

    void retranslate(const Language& language);
    // Shows the dialog's fields; for a dialog filled before it is shown.
    void refresh() override;

private:
    void closeRequested() override;

    HyperlinkDialog& m_dialog;
    QLabel* m_heading;
    QLabel* m_nameLabel;
    QLabel* m_urlLabel;
    QLabel* m_passwordLabel;
    QLabel* m_descriptionLabel;
    QLabel* m_categoryLabel;
    LimitedLineEdit* m_name;
    QComboBox* m_scheme;
    LimitedLineEdit* m_address;
    LimitedLineEdit* m_password;
    LimitedLineEdit* m_description;
    QComboBox* m_category;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
};

}  // namespace qv::gui
