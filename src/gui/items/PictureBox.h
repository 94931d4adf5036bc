#pragma once

#include <QImage>
#include <QWidget>

namespace qv {
struct RgbImage;
}

namespace qv::gui {

// Shows a picture scaled to fit the box, keeping its proportions; an empty
// box is drawn as a frame only.
class PictureBox final : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }
    // The core's 24-bit picture as Qt draws it; a null image for an
    // inconsistent one.
    static QImage toImage(const RgbImage& picture);

    QSize sizeHint() const override { return {480, 320}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};

}  // namespace qv::gui
