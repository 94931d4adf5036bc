#include "MenuButton.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>

#include "Painting.h"

namespace rnv {

MenuButton::MenuButton(const MenuLook& look, const QImage& picture, QWidget* parent)
    : QAbstractButton(parent)
    , m_look(look)
    , m_picture(picture)
{
    setFont(fontOf(look.buttonText));
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

QSize MenuButton::sizeHint() const
{
    const QFontMetrics fm(font());
    const int extra = 2 * m_look.buttonBorderWidth + m_look.buttonShadowDepth;
    return {std::max(92, fm.horizontalAdvance(text()) + 28 + extra), fm.height() + 16 + extra};
}

void MenuButton::enterEvent(QEnterEvent* event)
{
    m_hover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void MenuButton::leaveEvent(QEvent* event)
{
    m_hover = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void MenuButton::keyPressEvent(QKeyEvent* event)
{
    // Enter presses a focused button as the space bar does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void MenuButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    if (!isEnabled())
        p.setOpacity(0.4);

    const bool down = isDown();
    const int depth = m_look.buttonEffect == ButtonEffect::Shadow ? m_look.buttonShadowDepth : 0;
    QRect face = rect().adjusted(0, 0, -depth, -depth);
    // Pressed, the face sinks into its shadow.
    if (down && depth > 0)
        face.translate(std::min(depth, 2), std::min(depth, 2));
    if (m_look.buttonStyle == ButtonStyle::Offset && down)
        face.translate(1, 1);

    const bool transparent = m_look.buttonMode == "trans";
    if (depth > 0 && !transparent && !down)
        p.fillRect(face.translated(depth, depth), toQColor(m_look.buttonShadow));

    if (m_look.buttonMode == "bmp" && !m_picture.isNull()) {
        p.drawImage(face, m_picture);
    } else if (!transparent) {
        QLinearGradient g(face.topLeft(), face.bottomLeft());
        g.setColorAt(0, toQColor(m_look.buttonStart));
        g.setColorAt(1, toQColor(m_look.buttonEnd));
        p.fillRect(face, g);
    }
    if (m_hover && isEnabled())
        p.fillRect(face, QColor(255, 255, 255, 40));

    const int bw = m_look.buttonBorderWidth;
    if (bw > 0) {
        const QColor border = toQColor(m_look.buttonBorder);
        p.setPen(Qt::NoPen);
        p.setBrush(border);
        p.drawRect(QRect(face.left(), face.top(), face.width(), bw));
        p.drawRect(QRect(face.left(), face.bottom() - bw + 1, face.width(), bw));
        p.drawRect(QRect(face.left(), face.top(), bw, face.height()));
        p.drawRect(QRect(face.right() - bw + 1, face.top(), bw, face.height()));
        p.setBrush(Qt::NoBrush);
    }
    const QRect inner = face.adjusted(bw, bw, -bw, -bw);
    // 3D and the inset style draw a bevel inside the border; inset (and any
    // pressed button) has its light edge at the bottom right.
    if (m_look.buttonEffect == ButtonEffect::ThreeD || m_look.buttonStyle == ButtonStyle::Inset) {
        const bool sunk = down || m_look.buttonStyle == ButtonStyle::Inset;
        const QColor hi(255, 255, 255, 150);
        const QColor lo(0, 0, 0, 120);
        p.setPen(sunk ? lo : hi);
        p.drawLine(inner.topLeft(), inner.topRight());
        p.drawLine(inner.topLeft(), inner.bottomLeft());
        p.setPen(sunk ? hi : lo);
        p.drawLine(inner.bottomLeft(), inner.bottomRight());
        p.drawLine(inner.topRight(), inner.bottomRight());
    }

    p.setFont(font());
    drawEffectText(p, inner, Qt::AlignCenter | Qt::TextSingleLine, text(), m_look.buttonText,
                   toQColor(m_look.buttonText.colour));

    if (hasFocus()) {
        QPen pen(toQColor(m_look.buttonText.colour), 1, Qt::DotLine);
        p.setPen(pen);
        p.drawRect(inner.adjusted(3, 3, -4, -4));
    }
}

}  // namespace rnv
