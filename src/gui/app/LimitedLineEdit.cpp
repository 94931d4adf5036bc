#include "app/LimitedLineEdit.h"

#include <algorithm>

namespace qv::gui {

namespace {

QString fromUtf8(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

LimitedLineEdit::LimitedLineEdit(QWidget* parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, [this](const QString& t) { edited(t); });
    connect(this, &QLineEdit::textChanged, this, [this](const QString& t) { m_last = t; });
}

LimitedLineEdit::LimitedLineEdit(FieldCapacity capacity, QWidget* parent)
    : LimitedLineEdit(parent)
{
    setCapacity(capacity);
}

void LimitedLineEdit::setCapacity(Capacity capacity)
{
    m_capacity = std::move(capacity);
}

void LimitedLineEdit::setCapacity(FieldCapacity capacity)
{
    m_capacity = [capacity] { return std::optional<FieldCapacity>(capacity); };
}

void LimitedLineEdit::showText(const QString& text)
{
    const auto cap = m_capacity ? m_capacity() : std::nullopt;
    if (!cap) {
        setText(text);
        return;
    }
    const std::string bytes = text.toStdString();
    setText(fromUtf8(cap->kept(bytes)));
}

void LimitedLineEdit::applyCapacity()
{
    const QString before = text();
    showText(before);
    if (text() != before)
        emit valueEdited(text());
}

void LimitedLineEdit::edited(const QString& edit)
{
    const auto cap = m_capacity ? m_capacity() : std::nullopt;
    const std::string now = edit.toStdString();
    if (!cap || cap->fits(now)) {
        m_last = edit;
        emit valueEdited(edit);
        return;
    }
    // What the edit inserted lies between the part both texts begin with and
    // the part both end with; of it, only what fits beside the rest is kept.
    const QString& old = m_last;
    qsizetype prefix = 0;
    const qsizetype shorter = std::min(old.size(), edit.size());
    while (prefix < shorter && old[prefix] == edit[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && old[old.size() - 1 - suffix] == edit[edit.size() - 1 - suffix])
        ++suffix;
    // Never split a surrogate pair at either end.
    if (prefix > 0 && edit[prefix - 1].isHighSurrogate())
        --prefix;
    if (suffix > 0 && edit[edit.size() - suffix].isLowSurrogate())
        --suffix;
    const QString head = edit.left(prefix);
    const QString tail = edit.right(suffix);
    const std::string inserted = edit.mid(prefix, edit.size() - prefix - suffix).toStdString();
    const std::string rest = (head + tail).toStdString();
    const QString fitting = fromUtf8(cap->fittingInsert(rest, inserted));
    QString kept = head + fitting + tail;
    if (!cap->fits(kept.toStdString()))
        kept = fromUtf8(cap->kept((head + tail).toStdString()));
    setText(kept);
    setCursorPosition(static_cast<int>(std::min(head.size() + fitting.size(), kept.size())));
    m_last = kept;
    emit valueEdited(kept);
}

}  // namespace qv::gui
