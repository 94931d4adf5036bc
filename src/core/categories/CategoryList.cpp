#include "categories/CategoryList.h"

#include "util/FileReference.h"
#include "categories/CategoryFile.h"

#include <system_error>

namespace qv {

void CategoryList::read(const FileReference& genreFile)
{
    if (!genreFile.empty())
        read(genreFile.fullPath());
}

void CategoryList::read(const std::filesystem::path& categoryFile)
{
    std::error_code ec;
    if (categoryFile.empty() || !std::filesystem::is_regular_file(categoryFile, ec))
        return;
    m_captions = CategoryFile::readCaptions(categoryFile);
}

void CategoryList::clear()
{
    m_captions.clear();
}

int CategoryList::lastIndexOf(std::string_view caption) const
{
    for (int p = size() - 1; p >= 0; --p)
        if (m_captions[static_cast<std::size_t>(p)] == caption)
            return p;
    return -1;
}

}  // namespace qv
