#pragma once

#include "categories/CategoryList.h"
#include "design/MenuDesign.h"
#include "project/ProjectSession.h"

namespace qv {

// The category list and design readers a ProjectSession uses in the program.
// Header-only, so only programs that link the categories and design parts
// pull them in.
inline ProjectFileReaders standardProjectReaders()
{
    ProjectFileReaders readers;
    readers.readCategories = [](CategoryList& list, const std::filesystem::path& file) { list.read(file); };
    readers.readDesign = [](MenuDesign& design, const std::filesystem::path& file) { design.read(file); };
    return readers;
}

}  // namespace qv
