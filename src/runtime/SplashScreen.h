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

signals:
    // A click or a key ends the splash before its time.
    void dismissed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage m_picture;
    QColor m_frame;
    int m_frameWidth;
};

}  // namespace rnv
