#include "DetailsView.h"

#include <QPainter>

#include "Painting.h"

namespace rnv {

DetailsView::DetailsView(const MenuData& menu, QWidget* parent)
    : QWidget(parent)
    , m_data(menu)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void DetailsView::show(const DetailsContent& content)
{
    m_title = toQString(content.title);
    m_lines.clear();
    for (const DetailsContent::Line& line : content.lines)
        m_lines.push_back({toQString(line.label), toQString(line.value)});
    m_description = toQString(content.description);
    m_note = toQString(content.note);
    update();
}

void DetailsView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    const TextLook& look = m_data.look.detailsText;
    const QColor colour = toQColor(look.colour);
    const QRect area = rect().adjusted(4, 4, -4, -4);
    int y = area.top();

    if (!m_title.isEmpty()) {
        TextLook titleLook = look;
        titleLook.size = look.size + 3;
        titleLook.bold = true;
        const QFont font = fontOf(titleLook);
        p.setFont(font);
        const QRect r(area.left(), y, area.width(), area.bottom() - y);
        const QRect used = p.boundingRect(r, Qt::TextWordWrap, m_title);
        drawEffectText(p, r, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_title, titleLook, colour);
        y += used.height() + 10;
    }

    const QFont plain = fontOf(look);
    TextLook labelLook = look;
    labelLook.bold = true;
    const QFont bold = fontOf(labelLook);
    int labelWidth = 0;
    for (const Line& line : m_lines)
        labelWidth = std::max(labelWidth, QFontMetrics(bold).horizontalAdvance(line.label + ":"));
    labelWidth += 12;
    // Long labels (some languages have them) go above their values rather than cut them.
    const bool stacked = labelWidth > area.width() / 2;
    const int labelHeight = QFontMetrics(bold).height();
    for (const Line& line : m_lines) {
        p.setFont(bold);
        const QRect labelRect(area.left(), y, stacked ? area.width() : labelWidth, labelHeight);
        drawEffectText(p, labelRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, line.label + ":", labelLook,
                       colour);
        if (stacked)
            y += labelHeight + 1;
        const int indent = stacked ? 12 : labelWidth;
        p.setFont(plain);
        const QRect valueRect(area.left() + indent, y, area.width() - indent, area.bottom() - y);
        const QRect used = p.boundingRect(valueRect, Qt::TextWrapAnywhere, line.value);
        drawEffectText(p, valueRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere, line.value, look, colour);
        y += std::max(used.height(), stacked ? 0 : labelHeight) + (stacked ? 6 : 4);
    }

    if (!m_description.isEmpty()) {
        y += 8;
        p.setFont(bold);
        const int h = QFontMetrics(bold).height();
        drawEffectText(p, QRect(area.left(), y, area.width(), h), Qt::AlignLeft | Qt::TextSingleLine,
                       toQString(m_data.words[Word::Description]) + ":", labelLook, colour);
        y += h + 4;
        p.setFont(plain);
        drawEffectText(p, QRect(area.left(), y, area.width(), area.bottom() - y), Qt::AlignLeft | Qt::TextWordWrap,
                       m_description, look, colour);
    }

    if (!m_note.isEmpty()) {
        p.setFont(plain);
        TextLook noteLook = look;
        noteLook.effect = TextEffect::None;
        QColor faint = colour;
        faint.setAlpha(170);
        drawEffectText(p, QRect(area.left(), y, area.width(), area.bottom() - y),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_note, noteLook, faint);
    }
}

}  // namespace rnv
