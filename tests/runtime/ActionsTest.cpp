#include <fstream>

#include <QTemporaryDir>
#include <QTest>

#include "CdFixture.h"
#include "CdPath.h"
#include "FakeDesktop.h"
#include "ItemActions.h"
#include "RuntimeTests.h"

namespace rnvtest {

namespace fs = std::filesystem;
using rnv::Word;

namespace {

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

void ActionsTest::resolvesCdPaths_data()
{
    QTest::addColumn<QString>("pfad");
    QTest::addColumn<QString>("expected");  // below the root; "-" for none
    QTest::newRow("backslashes") << "\\Tools\\setup.exe" << "Tools/setup.exe";
    QTest::newRow("no leading backslash") << "Tools\\setup.exe" << "Tools/setup.exe";
    QTest::newRow("up and down inside") << "\\Docs\\..\\Tools\\.\\setup.exe" << "Tools/setup.exe";
    QTest::newRow("doubled separators") << "\\Tools\\\\setup.exe" << "Tools/setup.exe";
    QTest::newRow("root itself") << "\\" << "";
    QTest::newRow("empty") << "" << "-";
    QTest::newRow("blanks") << "   " << "-";
}

void ActionsTest::resolvesCdPaths()
{
    QFETCH(QString, pfad);
    QFETCH(QString, expected);
    CdFixture cd;
    cd.writeCdFile("Tools/setup.exe");
    cd.writeCdFile("Docs/readme.txt");
    const rnv::ResolvedPath resolved = rnv::resolveCdPath(cd.root(), pfad.toStdString());
    if (expected == "-") {
        QCOMPARE(resolved.status, rnv::ResolvedPath::Status::Empty);
        return;
    }
    QCOMPARE(resolved.status, rnv::ResolvedPath::Status::Inside);
    QCOMPARE(fs::weakly_canonical(resolved.path), fs::weakly_canonical(cd.root() / expected.toStdString()));
}

void ActionsTest::refusesPathsLeavingTheCd_data()
{
    QTest::addColumn<QString>("pfad");
    QTest::newRow("parent of the root") << "\\..\\secret.exe";
    QTest::newRow("parent without leading backslash") << "..\\secret.exe";
    QTest::newRow("down and further up") << "\\Games\\..\\..\\secret.exe";
    QTest::newRow("forward slashes") << "/Games/../../secret.exe";
    QTest::newRow("drive letter") << "C:\\Windows\\notepad.exe";
    QTest::newRow("server share") << "\\\\server\\share\\secret.exe";
    QTest::newRow("device path") << "\\\\?\\C:\\secret.exe";
    QTest::newRow("device namespace") << "\\\\.\\C:\\secret.exe";
    QTest::newRow("drive-relative") << "C:secret.exe";
    // Deep, and one level more up than down; within what an item file's value holds.
    QString deep = "\\";
    for (int i = 0; i < 300; ++i)
        deep += "d\\";
    for (int i = 0; i <= 300; ++i)
        deep += "..\\";
    QTest::newRow("overlong climb") << deep + "secret.exe";
}

void ActionsTest::refusesPathsLeavingTheCd()
{
    QFETCH(QString, pfad);
    // The CD is a folder inside another, which holds the file the path aims at.
    QTemporaryDir outer;
    const fs::path outside = fs::path(outer.path().toStdString());
    std::ofstream(outside / "secret.exe") << "outside";
    CdFixture cd({{"Games", {{"Escape", pfad.toStdString(), 0, true, true}}}});
    rnv::MenuData data = cd.read();
    data.root = outside / "cd";
    fs::create_directories(data.root / "Games");

    FakeDesktop::Log log;
    FakeDesktop desktop(log);
    log.folderAnswer = outside / "target";
    fs::create_directories(*log.folderAnswer);
    rnv::ItemActions actions(data, desktop);
    const rnv::MenuItem& item = *data.item(0, 0);

    QCOMPARE(rnv::resolveCdPath(data.root, item.pfad).status, rnv::ResolvedPath::Status::Outside);
    QVERIFY(!actions.run(item));
    QVERIFY(!actions.copy(item));
    QVERIFY(log.started.empty());
    QVERIFY(log.opened.empty());
    QVERIFY(fs::is_empty(*log.folderAnswer));
    QCOMPARE(log.messages.size(), std::size_t(2));
    QCOMPARE(log.messages[0], data.words.format(Word::PathRefused, item.pfad));
}

void ActionsTest::refusesLinkLeavingTheCd()
{
    QTemporaryDir outer;
    const fs::path outside = fs::path(outer.path().toStdString());
    std::ofstream(outside / "secret.exe") << "outside";
    CdFixture cd({{"Games", {{"Linked", "\\Link\\secret.exe", 0, true, true}}}});
    fs::create_directory_symlink(outside, cd.root() / "Link");
    const rnv::MenuData data = cd.read();
    FakeDesktop::Log log;
    FakeDesktop desktop(log);
    rnv::ItemActions actions(data, desktop);
    QVERIFY(!actions.run(*data.item(0, 0)));
    QVERIFY(log.started.empty());
    QCOMPARE(log.messages.size(), std::size_t(1));
}

void ActionsTest::runsWhatLiesOnTheCd_data()
{
    QTest::addColumn<QString>("pfad");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("onDisk");     // file made below the root ("" for none)
    QTest::addColumn<QString>("how");        // started, opened, address, message
    QTest::addColumn<QString>("expected");   // path below the root, address, or the message

    QTest::newRow("program is started") << "\\Tools\\setup.exe" << 0 << "Tools/setup.exe" << "started" << "Tools/setup.exe";
    QTest::newRow("document is opened") << "\\Docs\\manual.pdf" << 13 << "Docs/manual.pdf" << "opened" << "Docs/manual.pdf";
    QTest::newRow("other case on disk") << "\\TOOLS\\Setup.EXE" << 0 << "Tools/setup.exe" << "started" << "Tools/setup.exe";
    QTest::newRow("jump point opens its folder") << "\\Tools\\Jump Point" << 12 << "Tools/setup.exe" << "opened" << "Tools";
    QTest::newRow("jump point with another language's word") << "\\Tools\\Sprungpunkt" << 12 << "Tools/setup.exe"
                                                             << "opened" << "Tools";
    // A word no shipped language file holds gets type 2, as every jump word
    // but the English one did on CDs built before; its folder is opened all the same.
    QTest::newRow("jump point typed 2") << "\\Tools\\Verweis" << 2 << "Tools/setup.exe" << "opened" << "Tools";
    QTest::newRow("missing file without ending, folder missing too") << "\\Gone\\readme" << 2 << "" << "message"
                                                                     << "\\Gone\\readme was not found on this CD.";
    QTest::newRow("hyperlink") << "http://example.org/" << 4 << "" << "address" << "http://example.org/";
    QTest::newRow("www address") << "www.example.org" << 2 << "" << "address" << "http://www.example.org";
    QTest::newRow("missing file") << "\\Tools\\gone.exe" << 0 << "" << "message"
                                  << "\\Tools\\gone.exe was not found on this CD.";
}

void ActionsTest::runsWhatLiesOnTheCd()
{
    QFETCH(QString, pfad);
    QFETCH(int, type);
    QFETCH(QString, onDisk);
    QFETCH(QString, how);
    QFETCH(QString, expected);
    CdFixture cd({{"All", {{"Entry", pfad.toStdString(), type, false, true}}}});
    if (!onDisk.isEmpty())
        cd.writeCdFile(onDisk.toStdString());
    cd.useLanguage(0, 1);
    const rnv::MenuData data = cd.read();
    FakeDesktop::Log log;
    FakeDesktop desktop(log);
    rnv::ItemActions actions(data, desktop);
    actions.run(*data.item(0, 0));

    const std::size_t calls = log.started.size() + log.opened.size() + log.addresses.size();
    if (how == "message") {
        QCOMPARE(calls, std::size_t(0));
        QCOMPARE(log.messages, std::vector<std::string>{expected.toStdString()});
        return;
    }
    QCOMPARE(calls, std::size_t(1));
    QVERIFY(log.messages.empty());
    if (how == "address") {
        QCOMPARE(log.addresses.front(), expected.toStdString());
        return;
    }
    const auto& paths = how == "started" ? log.started : log.opened;
    QCOMPARE(paths.size(), std::size_t(1));
    QCOMPARE(fs::weakly_canonical(paths.front()), fs::weakly_canonical(cd.root() / expected.toStdString()));
}

void ActionsTest::offersOnlyWhatApplies_data()
{
    QTest::addColumn<QString>("pfad");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("copy");
    QTest::addColumn<bool>("execute");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("offered");  // r run, p program, c copy, h homepage

    QTest::newRow("program, copy and run") << "\\a.exe" << 0 << true << true << "n/a" << "rpc";
    QTest::newRow("document, run only") << "\\a.pdf" << 13 << false << true << "n/a" << "r";
    QTest::newRow("neither flag") << "\\a.pdf" << 13 << false << false << "www.x.org" << "h";
    QTest::newRow("hyperlink is never copied") << "http://x.org/" << 4 << true << true << "" << "r";
    QTest::newRow("jump point is never copied") << "\\Tools\\Jump Point" << 12 << true << true << "n/a" << "r";
    QTest::newRow("no path") << "" << 2 << true << true << "n/a" << "";
}

void ActionsTest::offersOnlyWhatApplies()
{
    QFETCH(QString, pfad);
    QFETCH(int, type);
    QFETCH(bool, copy);
    QFETCH(bool, execute);
    QFETCH(QString, url);
    QFETCH(QString, offered);
    rnv::MenuData data;
    rnv::MenuItem item;
    item.hasDetails = true;
    item.pfad = pfad.toStdString();
    item.type = type;
    item.copy = copy;
    item.execute = execute;
    item.url = url.toStdString();
    FakeDesktop::Log log;
    FakeDesktop desktop(log);
    const rnv::ActionSet set = rnv::ItemActions(data, desktop).available(item);
    QCOMPARE(set.run, offered.contains('r'));
    QCOMPARE(set.runIsProgram, offered.contains('p'));
    QCOMPARE(set.copy, offered.contains('c'));
    QCOMPARE(set.homepage, offered.contains('h'));
    QVERIFY(!set.info && !set.screenshot);

    // An item whose own file is missing offers nothing at all.
    item.hasDetails = false;
    const rnv::ActionSet none = rnv::ItemActions(data, desktop).available(item);
    QVERIFY(!none.run && !none.copy && !none.homepage);
}

void ActionsTest::opensOnlyWebAddresses_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("opened");  // "" when refused
    QTest::newRow("http") << "http://example.org/a?b=1" << "http://example.org/a?b=1";
    QTest::newRow("https, any case") << "HTTPS://example.org" << "HTTPS://example.org";
    QTest::newRow("www") << "www.example.org" << "http://www.example.org";
    QTest::newRow("bare host") << "example.org/page" << "http://example.org/page";
    QTest::newRow("host with port") << "example.org:8080/x" << "http://example.org:8080/x";
    QTest::newRow("ftp") << "ftp://ftp.example.org/pub" << "ftp://ftp.example.org/pub";
    QTest::newRow("mail") << "mailto:info@example.org" << "mailto:info@example.org";
    QTest::newRow("local file") << "file:///etc/passwd" << "";
    QTest::newRow("script") << "javascript:alert(1)" << "";
    QTest::newRow("drive") << "C:\\Windows\\system32\\cmd.exe" << "";
    QTest::newRow("other program's scheme") << "steam://run/1" << "";
}

void ActionsTest::opensOnlyWebAddresses()
{
    QFETCH(QString, url);
    QFETCH(QString, opened);
    rnv::MenuData data;
    rnv::MenuItem item;
    item.hasDetails = true;
    item.url = url.toStdString();
    FakeDesktop::Log log;
    FakeDesktop desktop(log);
    rnv::ItemActions actions(data, desktop);
    QCOMPARE(actions.available(item).homepage, !opened.isEmpty());
    QCOMPARE(actions.openHomepage(item), !opened.isEmpty());
    if (opened.isEmpty()) {
        QVERIFY(log.addresses.empty());
        QCOMPARE(log.messages.size(), std::size_t(1));
    } else {
        QCOMPARE(log.addresses, std::vector<std::string>{opened.toStdString()});
    }
}

void ActionsTest::copiesFileAndFolder()
{
    CdFixture cd({{"All", {{"One file", "\\Tools\\tool.exe", 0, true, false}, {"A folder", "\\Pack", 2, true, false}}}});
    const std::string big(3 * 1024 * 1024 + 17, 'q');
    cd.writeCdFile("Tools/tool.exe", big);
    cd.writeCdFile("Pack/a.txt", "alpha");
    cd.writeCdFile("Pack/sub/b.txt", "beta");
    const rnv::MenuData data = cd.read();
    QTemporaryDir target;
    FakeDesktop::Log log;
    log.folderAnswer = fs::path(target.path().toStdString());
    FakeDesktop desktop(log);
    rnv::ItemActions actions(data, desktop);

    std::uintmax_t lastDone = 0;
    std::uintmax_t lastTotal = 0;
    QVERIFY(actions.copy(*data.item(0, 0), [&](std::uintmax_t done, std::uintmax_t total) {
        lastDone = done;
        lastTotal = total;
        return true;
    }));
    QCOMPARE(readAll(*log.folderAnswer / "tool.exe"), big);
    QCOMPARE(lastDone, std::uintmax_t(big.size()));
    QCOMPARE(lastTotal, std::uintmax_t(big.size()));

    QVERIFY(actions.copy(*data.item(0, 1)));
    QCOMPARE(readAll(*log.folderAnswer / "Pack" / "a.txt"), std::string("alpha"));
    QCOMPARE(readAll(*log.folderAnswer / "Pack" / "sub" / "b.txt"), std::string("beta"));
    QVERIFY(log.messages.empty());

    // Cancelled halfway, no half-written file is left behind.
    fs::remove(*log.folderAnswer / "tool.exe");
    QVERIFY(!actions.copy(*data.item(0, 0), [](std::uintmax_t, std::uintmax_t) { return false; }));
    QVERIFY(!fs::exists(*log.folderAnswer / "tool.exe"));

    // Copied into its own folder, the file stays whole.
    log.folderAnswer = cd.root() / "Tools";
    QVERIFY(actions.copy(*data.item(0, 0)));
    QCOMPARE(readAll(cd.root() / "Tools" / "tool.exe"), big);

    // Cancelling the folder choice copies nothing.
    log.folderAnswer.reset();
    QVERIFY(!actions.copy(*data.item(0, 0)));
}

void ActionsTest::findsInfoAndScreenshot()
{
    CdFixture cd({{"All",
                   {{"Rally", "\\Games\\rally.exe", 0},
                    {"Our Site: Home", "http://example.org/", 4},
                    {"Tools", "\\Tools\\Jump Point", 12},
                    {"Bare", "\\Games\\bare.exe", 0}}}});
    cd.writeCdFile("Games/rally.exe");
    cd.writeCdFile("Games/rally.txt", "info");
    cd.writeCdFile("Games/rally.jpg", "jpg");
    cd.writeCdFile("Games/bare.exe");
    cd.writeCdFile("kryntdat/Our Site_ Home.txt", "site info");
    cd.writeCdFile("kryntdat/Tools.jpg", "jpg");
    // A jump point's own folder may hold a file named like its jump word; it is not its info.
    cd.writeCdFile("Tools/Jump Point.txt", "not this");
    const rnv::MenuData data = cd.read();
    FakeDesktop::Log log;
    FakeDesktop desktop(log);
    rnv::ItemActions actions(data, desktop);

    QCOMPARE(actions.infoFile(*data.item(0, 0)), cd.root() / "Games" / "rally.txt");
    QCOMPARE(actions.screenshotFile(*data.item(0, 0)), cd.root() / "Games" / "rally.jpg");
    QCOMPARE(actions.infoFile(*data.item(0, 1)), cd.root() / "kryntdat" / "Our Site_ Home.txt");
    QVERIFY(actions.screenshotFile(*data.item(0, 1)).empty());
    QVERIFY(actions.infoFile(*data.item(0, 2)).empty());
    QCOMPARE(actions.screenshotFile(*data.item(0, 2)), cd.root() / "kryntdat" / "Tools.jpg");
    const rnv::ActionSet bare = actions.available(*data.item(0, 3));
    QVERIFY(!bare.info && !bare.screenshot);
}

}  // namespace rnvtest
