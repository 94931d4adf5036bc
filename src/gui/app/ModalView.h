#pragma once

#include <QDialog>

namespace qv {
class ModalWindow;
}

namespace qv::gui {

// The Qt side of a core window shown modally: after every forwarded command
// the view either shows the window's new state or, when the command closed
// the window, goes down with it. Closing the view itself (Escape, the title
// bar) runs closeRequested(), which forwards the window's own way out.
class ModalView : public QDialog {
    Q_OBJECT
public:
    ModalView(ModalWindow& window, QWidget* parent);

protected:
    // Shows the core window's state.
    virtual void refresh() = 0;
    // The window's way out that Escape and the close box take.
    virtual void closeRequested() = 0;
    // Call after forwarding a command.
    void afterCommand();

private:
    void reject() override;
    void accept() override;

    ModalWindow& m_window;
};

}  // namespace qv::gui
