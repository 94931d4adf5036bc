#pragma once

#include "app/ModalView.h"

class QLabel;
class QPushButton;

namespace qv {
class FolderItemNaming;
class Language;
}

namespace qv::gui {

class LimitedLineEdit;

// "Ask me !" of the add-folder dialog: the name of one file, OK and Cancel,
// no close box.
class FolderItemNamingView final : public ModalView {
    Q_OBJECT
public:
    FolderItemNamingView(FolderItemNaming& naming, const Language& language, QWidget* parent = nullptr);

    void retranslate(const Language& language);

private:
    void refresh() override;
    void closeRequested() override;

    FolderItemNaming& m_naming;
    QLabel* m_nameFor;
    QLabel* m_fileName;
    LimitedLineEdit* m_name;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

}  // namespace qv::gui
