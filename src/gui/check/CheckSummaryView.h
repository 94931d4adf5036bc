#pragma once

#include "app/ModalView.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace qv {
class CheckSummary;
class Language;
}

namespace qv::gui {

// The check summary: the removed and the re-pointed items of the run.
class CheckSummaryView final : public ModalView {
    Q_OBJECT
public:
    CheckSummaryView(CheckSummary& summary, const Language& language, QWidget* parent = nullptr);

    void retranslate(const Language& language);

private:
    void refresh() override;
    void closeRequested() override;

    CheckSummary& m_summary;
    QLabel* m_titleLine;
    QLabel* m_removedLine;
    QTableWidget* m_removed;
    QLabel* m_repointedLine;
    QTableWidget* m_repointed;
    QPushButton* m_close;
    QPushButton* m_help;
};

}  // namespace qv::gui
