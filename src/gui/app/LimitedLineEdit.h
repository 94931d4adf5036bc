#pragma once

#include "project/FieldCapacity.h"

#include <QLineEdit>

#include <functional>
#include <optional>

namespace qv::gui {

// A line edit that stops at the capacity of the field it edits: what is
// typed, pasted or dropped beyond it stays out, so the project file never has
// to cut what the person sees. The capacity is asked anew on every edit, as
// it may depend on other fields (a chosen scheme).
class LimitedLineEdit final : public QLineEdit {
    Q_OBJECT
public:
    using Capacity = std::function<std::optional<FieldCapacity>()>;
    explicit LimitedLineEdit(QWidget* parent = nullptr);
    // A field whose capacity never changes.
    explicit LimitedLineEdit(FieldCapacity capacity, QWidget* parent = nullptr);

    void setCapacity(Capacity capacity);
    void setCapacity(FieldCapacity capacity);
    // Shows text as far as it fits, without emitting textEdited.
    void showText(const QString& text);
    // Cuts the text shown to the current capacity, e.g. after it shrank;
    // emits valueEdited when something was cut.
    void applyCapacity();

signals:
    // The person changed the text; it carries what stays after the cut.
    // Listen to this rather than to textEdited, which reports the edit as typed.
    void valueEdited(const QString& text);

private:
    void edited(const QString& text);

    Capacity m_capacity;
    QString m_last;
};

}  // namespace qv::gui
