#pragma once

#include <array>
#include <filesystem>

#include <QImage>
#include <QWidget>

#include "MenuModel.h"

namespace qv {
class DesignEditor;
}

namespace rnv {
class MenuBox;
class MenuButton;
class MenuList;
}

namespace qv::gui {

// The editor's live sample: the design drawn by the menu runtime's own
// painting — backdrop, the three boxes with a sample entry each, and the
// sample button, which starts the full preview.
class DesignSample final : public QWidget {
    Q_OBJECT
public:
    DesignSample(const DesignEditor& editor, std::filesystem::path baseDir, QWidget* parent = nullptr);

    // Draws the design as it is now.
    void refresh();

    rnv::MenuButton* sampleButton() const { return m_button; }
    const rnv::MenuLook& look() const { return m_look; }
    // The colour the sample shows at a point, for tests and screenshots.
    QColor colourAt(QPoint point);

signals:
    void fullPreviewRequested();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const DesignEditor& m_editor;
    std::filesystem::path m_baseDir;
    rnv::MenuLook m_look;
    QImage m_background;
    QImage m_buttonPicture;
    std::array<rnv::MenuBox*, 3> m_boxes{};
    rnv::MenuButton* m_button = nullptr;
};

}  // namespace qv::gui
