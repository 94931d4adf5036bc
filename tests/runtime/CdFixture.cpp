#include "CdFixture.h"

#include <fstream>
#include <stdexcept>

#include <QImage>

#include "CdPath.h"
#include "build/ItemType.h"
#include "build/RuntimeItemFiles.h"
#include "categories/CategoryFile.h"
#include "profile/ProfileFile.h"
#include "util/Fs.h"

namespace rnvtest {

namespace fs = std::filesystem;

namespace {

void writeIcon(const fs::path& path, const QColor& colour)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(colour);
    image.save(QString::fromStdString(path.string()), "ICO");
}

}  // namespace

CdFixture::CdFixture()
{
    fs::create_directories(cfg() / "membersd");
}

CdFixture::CdFixture(const std::vector<FixtureCategory>& categories)
    : CdFixture()
{
    writeCategories(categories);
}

fs::path CdFixture::root() const
{
    return fs::path(m_dir.path().toStdString());
}

QColor CdFixture::typeColour(int type)
{
    return QColor::fromHsv((type * 360 / rnv::kItemTypeCount) % 360, 255, 200);
}

QColor CdFixture::categoryColour(int n)
{
    return QColor::fromHsv((n * 47 + 20) % 360, 120, 120);
}

void CdFixture::writeCategories(const std::vector<FixtureCategory>& categories)
{
    // The category file and the item files come from the authoring program's
    // own writers, so the runtime is tested against what a build writes.
    const fs::path iconSource = root() / "icon-source";
    fs::create_directories(iconSource);
    std::vector<qv::CategoryFile::Source> sources;
    qv::RuntimeItemSource items;
    items.cdName = "Fixture CD";
    items.rootName = "C:\\Fixture\\";
    items.yesWord = "yes";
    for (std::size_t n = 0; n < categories.size(); ++n) {
        const fs::path icon = iconSource / (std::to_string(n) + ".ico");
        writeIcon(icon, categoryColour(static_cast<int>(n)));
        sources.push_back({categories[n].caption, icon});
        items.categories.push_back(categories[n].caption);
        for (const FixtureItem& item : categories[n].items) {
            // pfad is the CD Path followed by the File Name; a hyperlink has no CD Path.
            const auto cut = rnv::isWebAddress(item.pfad) ? std::string::npos : item.pfad.find_last_of("\\/");
            const std::string cdPath = cut == std::string::npos ? std::string() : item.pfad.substr(0, cut + 1);
            const std::string fileName = cut == std::string::npos ? item.pfad : item.pfad.substr(cut + 1);
            if (qv::itemType(fileName) != item.type)
                throw std::logic_error("fixture item " + item.caption + " is not of the type the build gives it");
            qv::ItemFieldTexts fields;
            fields[0] = item.caption;
            fields[1] = fileName;
            fields[2] = cdPath;
            fields[3] = item.serial;
            fields[4] = item.sizeCd;
            fields[5] = item.sizeHd;
            fields[6] = item.desc;
            fields[7] = categories[n].caption;
            fields[8] = item.copy ? "yes" : "no";
            fields[9] = "C:\\Fixture\\" + item.pfad;
            fields[10] = item.url;
            fields[11] = item.execute ? "yes" : "no";
            items.items.push_back(fields);
        }
    }
    qv::CategoryFile::write(cfg() / "genre.cfg", sources);
    qv::writeRuntimeItemFiles(cfg(), items);
    fs::remove_all(iconSource);
    for (int t = 0; t < rnv::kItemTypeCount; ++t)
        writeIcon(cfg() / ("m" + std::to_string(t + 1) + ".ico"), typeColour(t));
}

void CdFixture::writeCdFile(const std::string& cdPath, const std::string& bytes)
{
    std::string relative = cdPath;
    for (char& c : relative) {
        if (c == '\\')
            c = '/';
    }
    while (!relative.empty() && relative.front() == '/')
        relative.erase(0, 1);
    const fs::path path = root() / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

void CdFixture::writeCfgFile(const std::string& name, const std::string& bytes)
{
    const fs::path path = cfg() / name;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

void CdFixture::useLanguage(int number, int style)
{
    fs::copy_file(fs::path(RNV_ASSETS) / "Files" / ("language" + std::to_string(number) + ".dat"), cfg() / "language.vlx",
                  fs::copy_options::overwrite_existing);
    qv::ProfileFile design(cfg() / "design.cfg");
    design.writeInteger("Language", "Language", number);
    design.writeInteger("Language", "Style", style);
}

}  // namespace rnvtest
