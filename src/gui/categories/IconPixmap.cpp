#include "categories/IconPixmap.h"

#include "categories/IconPicture.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include <cstdlib>

namespace qv::gui {

QPixmap iconPixmap(const IconPicture& picture, int size)
{
    QImage best;
    if (picture.valid) {
        QByteArray bytes(picture.bytes.data(), static_cast<qsizetype>(picture.bytes.size()));
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "ICO");
        const int count = std::max(reader.imageCount(), 1);
        for (int i = 0; i < count; ++i) {
            if (i > 0 && !reader.jumpToImage(i))
                break;
            const QImage image = reader.read();
            if (image.isNull())
                continue;
            const auto distance = [size](const QImage& im) { return std::abs(im.width() - size); };
            if (best.isNull() || distance(image) < distance(best)
                || (distance(image) == distance(best) && image.depth() > best.depth()))
                best = image;
        }
    }
    if (best.isNull()) {
        QPixmap empty(size, size);
        empty.fill(Qt::transparent);
        return empty;
    }
    if (best.width() != size || best.height() != size)
        best = best.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return QPixmap::fromImage(best);
}

}  // namespace qv::gui
