#pragma once

#include <QAbstractButton>
#include <QImage>

#include "MenuModel.h"

namespace rnv {

// A button drawn as the design says: fill (gradient, picture or none), border
// style and width, shadow or 3D effect, and the button text with its effect.
class MenuButton final : public QAbstractButton {
    Q_OBJECT
public:
    MenuButton(const MenuLook& look, const QImage& picture, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const MenuLook& m_look;
    QImage m_picture;
    bool m_hover = false;
};

}  // namespace rnv
