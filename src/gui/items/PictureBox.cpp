#include "items/PictureBox.h"

#include "ui/Ui.h"

#include <QPainter>

#include <cstring>

namespace qv::gui {

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
    setMinimumSize(160, 120);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PictureBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    setToolTip(m_picture.isNull() ? QString()
                                  : QStringLiteral("%1 × %2").arg(m_picture.width()).arg(m_picture.height()));
    update();
}

QImage PictureBox::toImage(const RgbImage& picture)
{
    const auto row = static_cast<std::size_t>(picture.width) * 3;
    if (picture.width <= 0 || picture.height <= 0 || picture.rgb.size() != row * static_cast<std::size_t>(picture.height))
        return {};
    QImage image(picture.width, picture.height, QImage::Format_RGB888);
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(image.scanLine(y), picture.rgb.data() + static_cast<std::size_t>(y) * row, row);
    return image;
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    p.fillRect(rect(), palette().base());
    p.setPen(palette().mid().color());
    p.drawRect(box);
    if (m_picture.isNull())
        return;
    const QRect room = rect().adjusted(2, 2, -2, -2);
    QSize size = m_picture.size();
    // Larger pictures shrink to the box; smaller ones keep their own size.
    if (size.width() > room.width() || size.height() > room.height())
        size.scale(room.size(), Qt::KeepAspectRatio);
    const QRect target(room.left() + (room.width() - size.width()) / 2, room.top() + (room.height() - size.height()) / 2,
                       size.width(), size.height());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, m_picture);
}

}  // namespace qv::gui
