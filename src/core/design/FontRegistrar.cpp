#include "design/FontRegistrar.h"

#include "util/Fs.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <system_error>

namespace qv {

namespace {

bool addToFontconfig(const std::filesystem::path& file)
{
    const std::string text = pathText(file);
    return FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(text.c_str())) == FcTrue;
}

}  // namespace

bool FontconfigRegistrar::addFont(const std::filesystem::path& file)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec) || !FcInit())
        return false;
    if (!addToFontconfig(file))
        return false;
    m_added.push_back(file);
    return true;
}

void FontconfigRegistrar::removeFont(const std::filesystem::path& file)
{
    const auto it = std::find(m_added.begin(), m_added.end(), file);
    if (it == m_added.end())
        return;
    m_added.erase(it);
    FcConfigAppFontClear(nullptr);
    for (const auto& other : m_added)
        addToFontconfig(other);
}

}  // namespace qv
