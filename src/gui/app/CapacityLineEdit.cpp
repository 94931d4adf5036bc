#include "app/CapacityLineEdit.h"

#include <algorithm>
#include <string>

namespace qv::gui {

CapacityLineEdit::CapacityLineEdit(FieldCapacity capacity, QWidget* parent)
    : QLineEdit(parent)
    , m_capacity(capacity)
{
    connect(this, &QLineEdit::textEdited, this, &CapacityLineEdit::fit);
    // Any text that fits, however it was set, is what the next edit starts from.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (m_capacity.fits(t.toStdString()))
            m_last = t;
    });
}

void CapacityLineEdit::showText(const QString& text)
{
    m_last = text;
    if (this->text() != text)
        setText(text);
}

void CapacityLineEdit::fit(const QString& now)
{
    if (m_capacity.fits(now.toStdString())) {
        m_last = now;
        emit edited(now);
        return;
    }
    // Whatever route the text came in by, it is the part between what stayed
    // in front and what stayed behind.
    qsizetype front = 0;
    const qsizetype shorter = std::min(m_last.size(), now.size());
    while (front < shorter && m_last[front] == now[front])
        ++front;
    qsizetype back = 0;
    while (back < shorter - front && m_last[m_last.size() - 1 - back] == now[now.size() - 1 - back])
        ++back;
    // Never between the halves of a surrogate pair.
    if (front > 0 && now[front - 1].isHighSurrogate())
        --front;
    if (back > 0 && now[now.size() - back].isLowSurrogate())
        --back;
    const std::string head = now.left(front).toStdString();
    const std::string tail = now.right(back).toStdString();
    const std::string inserted = now.mid(front, now.size() - front - back).toStdString();
    const std::string_view fitting = m_capacity.fittingInsert(head + tail, inserted);
    const QString middle = QString::fromUtf8(fitting.data(), static_cast<qsizetype>(fitting.size()));
    const QString kept = now.left(front) + middle + now.right(back);
    m_last = kept;
    setText(kept);
    setCursorPosition(static_cast<int>(front + middle.size()));
    emit edited(kept);
}

}  // namespace qv::gui
