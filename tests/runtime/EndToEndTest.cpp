#include "MenuBox.h"
#include "MenuData.h"
#include "MenuWindow.h"
#include "RuntimeTests.h"
#include "build/BuildPipeline.h"
#include "categories/CategoryFile.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>

namespace rnvtest {

namespace fs = std::filesystem;

namespace {

void writeProjectFile(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace

// A CD built by the authoring program's build from the shipped categories
// and design, started the way a CD starts it: rnv.exe beside CFG/, no options
// but the screenshot.
void EndToEndTest::builtCdShowsItsItems()
{
    const fs::path base = RNV_BASE;
    const fs::path categoryFile = base / "Files" / "Standard.qvc";
    const fs::path designFile = base / "Files" / "Standard.qvd";
    QVERIFY(fs::exists(base / "Files" / "rnv.exe"));
    const std::vector<std::string> captions = qv::CategoryFile::readCaptions(categoryFile);
    QVERIFY(captions.size() >= 4);

    QTemporaryDir dir;
    const fs::path project = fs::path(dir.path().toStdString()) / "project";
    const fs::path out = fs::path(dir.path().toStdString()) / "out";
    writeProjectFile(project / "Tools" / "setup.exe", "program");
    writeProjectFile(project / "Docs" / "readme.txt", "read me");

    qv::BuildInput input;
    input.baseDir = base;
    input.categoryFile = categoryFile;
    input.designFile = designFile;
    input.items.cdName = "End to end";
    input.items.rootName = project.string() + "/";
    input.items.categories = captions;
    input.items.yesWord = "yes";
    // Name, File Name, CD Path, Serial, CD Size, HD Size, Description, Category, Copy, Source, Homepage, Execute
    input.items.items = {
        {"Setup", "setup.exe", "\\Tools\\", "S-1", "1", "2", "Installs it", captions[0], "yes", "", "n/a", "yes"},
        {"Read me", "readme.txt", "\\Docs\\", "n/a", "1", "1", "Start here", captions[3], "no", "", "n/a", "yes"},
        {"Web site", "http://example.org/", "", "n/a", "n/a", "n/a", "Online", captions[3], "no", "", "n/a", "yes"},
    };
    const qv::BuildSummary summary = qv::BuildPipeline::buildInto(input, out);
    QCOMPARE(summary.items, std::size_t(3));
    // The project's files are expected on the CD below its root, as the user burns them.
    fs::copy(project, out, fs::copy_options::recursive | fs::copy_options::overwrite_existing);

    QProcess rnv;
    const QString png = QString::fromStdString((out / "menu.png").string());
    rnv.start(QString::fromStdString((out / "rnv.exe").string()), {"--screenshot", png, "--select", "3-1"});
    QVERIFY(rnv.waitForFinished(60000));
    QCOMPARE(rnv.exitCode(), 0);
    QVERIFY(!QImage(png).isNull());

    const rnv::MenuData data = rnv::readMenu(out / "CFG", out);
    QCOMPARE(data.cdName, std::string("End to end"));
    QCOMPARE(data.categories.size(), captions.size());
    QCOMPARE(data.categories[0].items.size(), std::size_t(1));
    QCOMPARE(data.categories[3].items.size(), std::size_t(2));
    QVERIFY(fs::exists(data.categories[0].icon));
    const rnv::MenuItem* setup = data.item(0, 0);
    QCOMPARE(setup->type, 0);
    QCOMPARE(setup->pfad, std::string("\\Tools\\setup.exe"));
    QVERIFY(setup->copy && setup->execute);
    QVERIFY(fs::exists(data.typeIcon(setup->type)));
    QCOMPARE(data.item(3, 0)->type, 7);
    QCOMPARE(data.item(3, 1)->type, 4);

    rnv::MenuWindow window(data, nullptr, {.sounds = false});
    QVERIFY(window.select(0, 0));
    const rnv::ActionSet set = window.actions().available(*setup);
    QVERIFY(set.run && set.runIsProgram && set.copy);
}

}  // namespace rnvtest
