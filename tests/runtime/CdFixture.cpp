#include "CdFixture.h"

#include "profile/ProfileBatch.h"
#include "profile/ProfileFile.h"
#include "util/Fs.h"

#include <QImage>

#include <fstream>

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
    qv::ProfileBatch batch;
    qv::ProfileFile genre(cfg() / "genre.cfg", &batch);
    qv::ProfileFile members(cfg() / "members.cfg", &batch);
    genre.writeInteger("general", "anz_items", static_cast<int>(categories.size()));
    members.writeString("general", "cdname", "Fixture CD");
    members.writeString("general", "rootname", "C:\\Fixture\\");
    for (std::size_t n = 0; n < categories.size(); ++n) {
        const std::string sn = std::to_string(n);
        genre.writeString(sn, "caption", categories[n].caption);
        genre.writeInteger(sn, "icon_number", static_cast<int>(n));
        writeIcon(cfg() / (sn + ".ico"), categoryColour(static_cast<int>(n)));
        for (std::size_t i = 0; i < categories[n].items.size(); ++i) {
            const FixtureItem& item = categories[n].items[i];
            const std::string section = sn + "-" + std::to_string(i);
            members.writeString(section, "caption", item.caption);
            members.writeInteger(section, "icon_number", item.type);
            members.writeInteger(sn, "anz_items", static_cast<int>(i + 1));
            qv::ProfileFile file(cfg() / "membersd" / ("m" + section + ".dat"), &batch);
            file.writeString(section, "caption", item.caption);
            file.writeString(section, "pfad", item.pfad);
            file.writeInteger(section, "copy", item.copy ? 1 : 0);
            file.writeInteger(section, "execute", item.execute ? 1 : 0);
            file.writeInteger(section, "genre", static_cast<int>(n));
            file.writeString(section, "desc", item.desc);
            file.writeString(section, "serial", item.serial);
            file.writeString(section, "sizep", item.sizeCd);
            file.writeString(section, "sizeup", item.sizeHd);
            file.writeString(section, "url", item.url);
        }
    }
    batch.flush();
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
