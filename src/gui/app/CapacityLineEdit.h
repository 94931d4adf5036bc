#pragma once

#include "project/FieldCapacity.h"

#include <QLineEdit>

namespace qv::gui {

// A line edit that stops at what its field of the project file holds, in
// UTF-8 bytes: typed, pasted or dropped text goes in as far as it fits
// beside the text that stays, so nothing is cut later without a word.
class CapacityLineEdit final : public QLineEdit {
    Q_OBJECT
public:
    CapacityLineEdit(FieldCapacity capacity, QWidget* parent = nullptr);

    // Text set by the program (the core's state) is taken as it is.
    void showText(const QString& text);

signals:
    // The text after an edit by the person, already fitted.
    void edited(const QString& text);

private:
    void fit(const QString& now);

    FieldCapacity m_capacity;
    QString m_last;
};

}  // namespace qv::gui
