#include "Painting.h"

#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>

#include "util/Colour.h"
#include "util/Fs.h"

namespace rnv {

QColor toQColor(qv::ColourValue colour)
{
    if (colour == qv::kColourNone)
        return Qt::transparent;
    const qv::ColourValue rgb = qv::resolveSystemColour(colour);
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>((rgb >> 16) & 0xFF));
}

QString toQString(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString toQString(const std::filesystem::path& path)
{
    return toQString(qv::pathText(path));
}

QFont fontOf(const std::string& face, int pointSize, bool bold)
{
    QFont font(toQString(face));
    font.setPointSize(pointSize > 0 ? pointSize : 10);
    font.setBold(bold);
    // Arial and its kin are rarely installed here; let the font matcher pick a sans face.
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont fontOf(const TextLook& look)
{
    return fontOf(look.face, look.size, look.bold);
}

QImage loadPicture(const std::filesystem::path& path)
{
    if (path.empty())
        return {};
    // An icon file holds several sizes; the largest one scales down best.
    // A file that is no picture at all gives a null image; the caller falls back.
    QImageReader reader(toQString(path));
    QImage best;
    const int count = std::max(1, reader.imageCount());
    for (int i = 0; i < count && i < 32; ++i) {
        if (i > 0 && !reader.jumpToNextImage())
            break;
        const QImage image = reader.read();
        if (!image.isNull() && image.width() * image.height() > best.width() * best.height())
            best = image;
    }
    return best;
}

void drawEffectText(QPainter& painter, const QRectF& rect, int flags, const QString& text, const TextLook& look,
                    const QColor& colour)
{
    const QColor light = toQColor(look.light);
    const QColor shadow = toQColor(look.shadow);
    auto layer = [&](qreal dx, qreal dy, const QColor& c) {
        painter.setPen(c);
        painter.drawText(rect.translated(dx, dy), flags, text);
    };
    switch (look.effect) {
    case TextEffect::None:
        break;
    case TextEffect::Raised:
        layer(-1, -1, light);
        layer(1, 1, shadow);
        break;
    case TextEffect::Sunken:
        layer(-1, -1, shadow);
        layer(1, 1, light);
        break;
    case TextEffect::Shadow:
        layer(2, 2, shadow);
        break;
    case TextEffect::RaisedShadow:
        layer(3, 3, shadow);
        layer(-1, -1, light);
        layer(1, 1, shadow);
        break;
    case TextEffect::SunkenShadow:
        layer(3, 3, shadow);
        layer(-1, -1, shadow);
        layer(1, 1, light);
        break;
    }
    layer(0, 0, colour);
}

void paintBackdrop(QPainter& painter, const QRect& rect, const QColor& start, const QColor& end, const QImage& picture,
                   TileMode mode)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, start);
    gradient.setColorAt(1, end);
    painter.fillRect(rect, gradient);
    if (picture.isNull())
        return;
    switch (mode) {
    case TileMode::Tile:
        painter.drawTiledPixmap(rect, QPixmap::fromImage(picture));
        break;
    case TileMode::Stretch:
        painter.drawImage(rect, picture);
        break;
    case TileMode::Center:
        painter.drawImage(rect.center() - QPoint(picture.width() / 2, picture.height() / 2), picture);
        break;
    case TileMode::None:
        painter.drawImage(rect.topLeft(), picture);
        break;
    }
}

}  // namespace rnv
