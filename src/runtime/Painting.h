#pragma once

#include <filesystem>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QString>

#include "MenuModel.h"

class QPainter;

namespace rnv {

QColor toQColor(qv::ColourValue colour);
QString toQString(const std::string& utf8);
QString toQString(const std::filesystem::path& path);

QFont fontOf(const TextLook& look);
QFont fontOf(const std::string& face, int pointSize, bool bold);

// A picture of CFG/, or a null image when the file is missing or no picture.
QImage loadPicture(const std::filesystem::path& path);

// Text with the design's effect: raised and sunken draw a light and a shadow
// copy one pixel apart, shadow a copy two pixels down and right.
void drawEffectText(QPainter& painter, const QRectF& rect, int flags, const QString& text, const TextLook& look,
                    const QColor& colour);

// The background as the design has it: a gradient, or a picture placed by its tile mode.
void paintBackdrop(QPainter& painter, const QRect& rect, const QColor& start, const QColor& end, const QImage& picture,
                   TileMode mode);

}  // namespace rnv
