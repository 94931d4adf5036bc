#pragma once

#include <QPixmap>

namespace qv {
struct IconPicture;
}

namespace qv::gui {

// An icon file's picture at size by size pixels: of the images an .ico holds,
// the one nearest that size with the most colours. A picture that isn't an
// icon shows as an empty (transparent) square, so the rows stay aligned.
QPixmap iconPixmap(const IconPicture& picture, int size);

}  // namespace qv::gui
