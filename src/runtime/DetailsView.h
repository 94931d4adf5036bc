#pragma once

#include <QWidget>

#include "MenuData.h"
#include "MenuScene.h"

namespace rnv {

// The details of the chosen item: its name, then the fields that have a
// value, then its description.
class DetailsView final : public QWidget {
    Q_OBJECT
public:
    DetailsView(const MenuData& menu, QWidget* parent = nullptr);

    // The scene's details of the chosen item, or its note when there is none.
    void show(const DetailsContent& content);

    // What the view shows, line by line as label and value; for tests and screen readers.
    struct Line {
        QString label;
        QString value;
    };
    const QString& title() const { return m_title; }
    const std::vector<Line>& lines() const { return m_lines; }
    const QString& description() const { return m_description; }
    const QString& note() const { return m_note; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const MenuData& m_data;
    QString m_title;
    std::vector<Line> m_lines;
    QString m_description;
    QString m_note;
};

}  // namespace rnv
