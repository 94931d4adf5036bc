#pragma once

#include "app/ModalView.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace qv {
class AddItemTip;
class Language;
}

namespace qv::gui {

// The add-item tip: a borderless notice with a heading, two lines of advice,
// "Show tip next time" and OK.
class AddItemTipView final : public ModalView {
    Q_OBJECT
public:
    AddItemTipView(AddItemTip& tip, const Language& language, QWidget* parent = nullptr);

    void retranslate(const Language& language);

private:
    void refresh() override;
    void closeRequested() override;

    AddItemTip& m_tip;
    QLabel* m_heading;
    QLabel* m_advice1;
    QLabel* m_advice2;
    QCheckBox* m_showNextTime;
    QPushButton* m_ok;
};

}  // namespace qv::gui
