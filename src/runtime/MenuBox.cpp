#include "MenuBox.h"

#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>

#include "Painting.h"

namespace rnv {

MenuBox::MenuBox(const BoxLook& look, const QImage& picture, const QString& heading, QWidget* parent)
    : QFrame(parent)
    , m_look(look)
    , m_picture(look.picture == BoxPicture::None ? QImage() : picture)
    , m_heading(heading)
    , m_layout(new QVBoxLayout(this))
{
    const QFontMetrics fm(fontOf(look.face, 11, true));
    m_layout->setContentsMargins(8, fm.height() + 14, 8, 8);
    m_layout->setSpacing(0);
}

void MenuBox::setContent(QWidget* content)
{
    m_layout->addWidget(content);
}

void MenuBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, toQColor(m_look.colour));
    if (!m_picture.isNull())
        p.drawTiledPixmap(r, QPixmap::fromImage(m_picture));

    const QColor text = toQColor(m_look.textColour);
    // A frame in the box's text colour, faint, so the box stands off any background.
    QColor edge = text;
    edge.setAlpha(90);
    p.setPen(edge);
    p.drawRect(r.adjusted(0, 0, -1, -1));

    const QFont font = fontOf(m_look.face, 11, true);
    p.setFont(font);
    const QFontMetrics fm(font);
    const QRect headingRect(10, 6, r.width() - 20, fm.height());
    p.setPen(text);
    p.drawText(headingRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
               fm.elidedText(m_heading, Qt::ElideRight, headingRect.width()));
    QColor rule = text;
    rule.setAlpha(70);
    p.setPen(rule);
    p.drawLine(10, headingRect.bottom() + 4, r.width() - 11, headingRect.bottom() + 4);
}

EffectDelegate::EffectDelegate(const TextLook& text, int iconSize, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_text(text)
    , m_iconSize(iconSize)
{
}

QSize EffectDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    const QFontMetrics fm(fontOf(m_text));
    return {option.rect.width(), std::max(m_iconSize, fm.height()) + 10};
}

void EffectDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    painter->save();
    const QRect r = option.rect;
    const QColor colour = toQColor(m_text.colour);
    if (option.state & QStyle::State_Selected) {
        QColor fill = colour;
        fill.setAlpha(option.state & QStyle::State_HasFocus ? 60 : 35);
        painter->fillRect(r.adjusted(1, 1, -1, -1), fill);
        QColor line = colour;
        line.setAlpha(150);
        painter->setPen(line);
        painter->drawRect(r.adjusted(1, 1, -2, -2));
    }
    const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
    const QRect iconRect(r.left() + 6, r.top() + (r.height() - m_iconSize) / 2, m_iconSize, m_iconSize);
    icon.paint(painter, iconRect);

    painter->setFont(fontOf(m_text));
    const QRect textRect(iconRect.right() + 10, r.top(), r.right() - iconRect.right() - 16, r.height());
    const QString text = QFontMetrics(painter->font()).elidedText(index.data(Qt::DisplayRole).toString(),
                                                                  Qt::ElideRight, textRect.width());
    drawEffectText(*painter, textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text, m_text, colour);
    painter->restore();
}

MenuList::MenuList(const TextLook& text, int iconSize, QWidget* parent)
    : QListWidget(parent)
{
    setItemDelegate(new EffectDelegate(text, iconSize, this));
    setFrameShape(QFrame::NoFrame);
    setIconSize({iconSize, iconSize});
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);
    setStyleSheet("QListWidget { background: transparent; border: none; outline: none; }");
}

}  // namespace rnv
