#include "design/QtFontRegistrar.h"

#include <system_error>

#include <QFontDatabase>
#include <QString>

#include "util/Fs.h"

namespace qv::gui {

bool QtFontRegistrar::addFont(const std::filesystem::path& file)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return false;
    if (const auto it = m_fonts.find(file); it != m_fonts.end()) {
        ++it->second.uses;
        return true;
    }
    const int id = QFontDatabase::addApplicationFont(QString::fromStdString(pathText(file)));
    if (id < 0)
        return false;
    m_fonts[file] = {id, 1};
    return true;
}

void QtFontRegistrar::removeFont(const std::filesystem::path& file)
{
    const auto it = m_fonts.find(file);
    if (it == m_fonts.end() || --it->second.uses > 0)
        return;
    QFontDatabase::removeApplicationFont(it->second.id);
    m_fonts.erase(it);
}

}  // namespace qv::gui
