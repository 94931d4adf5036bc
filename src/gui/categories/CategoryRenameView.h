#pragma once

#include "app/ModalView.h"

class QLineEdit;
class QPushButton;

namespace qv {
class CategoryRenameWindow;
class Language;
}

namespace qv::gui {

// The free-text editor in its category rename mode: one line, OK and Cancel.
class CategoryRenameView final : public ModalView {
    Q_OBJECT
public:
    CategoryRenameView(CategoryRenameWindow& window, const Language& language, QWidget* parent = nullptr);

    void retranslate(const Language& language);

private:
    void refresh() override;
    void closeRequested() override;

    CategoryRenameWindow& m_window;
    QLineEdit* m_text;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

}  // namespace qv::gui
