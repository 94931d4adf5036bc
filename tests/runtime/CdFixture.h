#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <QColor>
#include <QTemporaryDir>

#include "MenuData.h"

namespace rnvtest {

// One item as the build writes it into members.cfg and membersd/m<n>-<i>.dat.
struct FixtureItem {
    std::string caption;
    std::string pfad;
    int type = 2;
    bool copy = true;
    bool execute = true;
    std::string desc = "n/a";
    std::string serial = "n/a";
    std::string sizeCd = "n/a";
    std::string sizeHd = "n/a";
    std::string url = "n/a";
};

struct FixtureCategory {
    std::string caption;
    std::vector<FixtureItem> items;
};

// A built CD in a temporary folder: root/CFG with the category file and its
// icons, members.cfg, the item files and the type icons, each icon a plain
// square of its own colour so a test can tell them apart.
class CdFixture {
public:
    CdFixture();
    explicit CdFixture(const std::vector<FixtureCategory>& categories);

    std::filesystem::path root() const;
    std::filesystem::path cfg() const { return root() / "CFG"; }

    void writeCategories(const std::vector<FixtureCategory>& categories);
    // A file on the CD below root, given as a CD path with backslashes.
    void writeCdFile(const std::string& cdPath, const std::string& bytes = "x");
    void writeCfgFile(const std::string& name, const std::string& bytes);
    // language<N>.dat of the shipped files as language.vlx, and a design.cfg with Language and Style.
    void useLanguage(int number, int style);

    rnv::MenuData read() const { return rnv::readMenu(cfg(), root()); }

    static QColor typeColour(int type);
    static QColor categoryColour(int n);

private:
    QTemporaryDir m_dir;
};

}  // namespace rnvtest
