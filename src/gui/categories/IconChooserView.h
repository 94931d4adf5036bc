#pragma once

#include "app/ModalView.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace qv {
class IconChooser;
class Language;
}

namespace qv::gui {

// The icon chooser's view: the pack choice and the chosen pack's icons as a
// grid of pictures with their numbers.
class IconChooserView final : public ModalView {
    Q_OBJECT
public:
    IconChooserView(IconChooser& chooser, const Language& language, QWidget* parent = nullptr);

    void retranslate(const Language& language);

private:
    void refresh() override;
    void closeRequested() override;

    IconChooser& m_chooser;
    bool m_filling = false;
    QLabel* m_heading;
    QComboBox* m_packs;
    QListWidget* m_icons;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

}  // namespace qv::gui
