#include "app/ModalView.h"

#include "ui/Ui.h"

namespace qv::gui {

ModalView::ModalView(ModalWindow& window, QWidget* parent)
    : QDialog(parent)
    , m_window(window)
{
}

void ModalView::afterCommand()
{
    if (m_window.isOpen()) {
        refresh();
        return;
    }
    QDialog::done(m_window.result() == ModalResult::Ok ? QDialog::Accepted : QDialog::Rejected);
}

void ModalView::reject()
{
    // A view that is no longer shown (screenshots, tests) has nothing to end.
    if (!m_window.isOpen()) {
        QDialog::reject();
        return;
    }
    closeRequested();
    afterCommand();
}

void ModalView::accept()
{
    // Only the core window's commands end a showing.
    afterCommand();
}

}  // namespace qv::gui
