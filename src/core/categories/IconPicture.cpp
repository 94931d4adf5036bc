#include "categories/IconPicture.h"

#include "categories/IconFile.h"
#include "util/Fs.h"

namespace qv {

IconPicture IconPicture::load(const std::filesystem::path& path)
{
    IconPicture picture;
    picture.source = path;
    if (auto bytes = readFileBytes(path)) {
        picture.valid = IconFile::parse(*bytes).has_value();
        picture.bytes = std::move(*bytes);
    }
    return picture;
}

}  // namespace qv
