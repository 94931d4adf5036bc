#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace rnv {

// The design's splash picture in a frame of its colour and width.
class SplashScreen final : public QWidget {
    Q_OBJECT
public:
    SplashScreen(const QImage& picture, const QColor& frame, int frameWidth);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    QColor m_frame;
    int m_frameWidth;
};

}  // namespace rnv
