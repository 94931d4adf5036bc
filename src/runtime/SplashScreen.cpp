#include "SplashScreen.h"

#include <QPainter>

namespace rnv {

SplashScreen::SplashScreen(const QImage& picture, const QColor& frame, int frameWidth)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_picture(picture)
    , m_frame(frame)
    , m_frameWidth(frameWidth)
{
    setFixedSize(picture.width() + 2 * frameWidth, picture.height() + 2 * frameWidth);
}

void SplashScreen::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), m_frame);
    p.drawImage(QPoint(m_frameWidth, m_frameWidth), m_picture);
}

void SplashScreen::mousePressEvent(QMouseEvent*)
{
    emit dismissed();
}

void SplashScreen::keyPressEvent(QKeyEvent*)
{
    emit dismissed();
}

}  // namespace rnv
