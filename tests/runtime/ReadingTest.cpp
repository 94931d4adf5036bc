#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "CdFixture.h"
#include "Damage.h"
#include "RuntimeOptions.h"
#include "RuntimeTests.h"
#include "profile/ProfileBatch.h"
#include "profile/ProfileDocument.h"
#include "util/Fs.h"
#include "util/Text.h"

namespace rnvtest {

namespace fs = std::filesystem;
using rnv::Word;

void ReadingTest::readsItemsUnderTheirCategories()
{
    CdFixture cd({
        {"Games", {{"Rally", "\\Games\\rally.exe", 0, true, true, "Fast cars", "SR-1", "42", "120", "www.example.com"}}},
        {"Empty", {}},
        {"Docs", {{"Manual", "\\Docs\\manual.pdf", 13, false, true}, {"Site", "http://example.org/", 4, false, true}}},
    });
    const rnv::MenuData data = cd.read();
    QVERIFY(data.cfgFound);
    QCOMPARE(data.cdName, std::string("Fixture CD"));
    QCOMPARE(data.categories.size(), std::size_t(3));
    QCOMPARE(data.categories[1].caption, std::string("Empty"));
    QVERIFY(data.categories[1].items.empty());
    QCOMPARE(data.categories[2].icon, cd.cfg() / "2.ico");

    const rnv::MenuItem* rally = data.item(0, 0);
    QVERIFY(rally);
    QCOMPARE(rally->caption, std::string("Rally"));
    QCOMPARE(rally->pfad, std::string("\\Games\\rally.exe"));
    QCOMPARE(rally->type, 0);
    QVERIFY(rally->hasDetails && rally->copy && rally->execute);
    QCOMPARE(rally->desc, std::string("Fast cars"));
    QCOMPARE(rally->serial, std::string("SR-1"));
    QCOMPARE(rally->sizeCd, std::string("42"));
    QCOMPARE(rally->sizeHd, std::string("120"));
    QCOMPARE(rally->url, std::string("www.example.com"));

    const rnv::MenuItem* site = data.item(2, 1);
    QVERIFY(site);
    QCOMPARE(site->category, 2);
    QCOMPARE(site->index, 1);
    QCOMPARE(site->type, 4);
    QVERIFY(!site->copy);
    QCOMPARE(data.typeIcon(site->type), cd.cfg() / "m5.ico");
    QVERIFY(!data.item(1, 0));
    QVERIFY(!data.item(3, 0));
}

void ReadingTest::survivesDamagedFiles_data()
{
    QTest::addColumn<int>("damage");
    for (std::size_t d = 0; d < damages().size(); ++d)
        QTest::newRow(damages()[d].name.c_str()) << static_cast<int>(d);
}

void ReadingTest::survivesDamagedFiles()
{
    QFETCH(int, damage);
    const Damage& d = damages()[static_cast<std::size_t>(damage)];
    CdFixture cd(sampleCategories());
    d.apply(cd);
    const rnv::MenuData data = cd.read();
    QCOMPARE(static_cast<int>(data.categories.size()), d.categories);
    if (d.categories > 0) {
        QCOMPARE(static_cast<int>(data.categories[0].items.size()), d.firstItems);
        if (d.firstItems > 0)
            QCOMPARE(data.categories[0].items[0].hasDetails, d.firstDetails);
    }
    for (const auto& c : data.categories) {
        for (const auto& item : c.items)
            QVERIFY(item.type >= 0 && item.type < rnv::kItemTypeCount);
    }
    // Whatever the damage, every word has a text to show.
    for (std::size_t w = 0; w < rnv::RuntimeWords::kCount; ++w)
        QVERIFY(!data.words[static_cast<Word>(w)].empty());
}

void ReadingTest::readsTheDesignOfABuiltCd()
{
    // design.cfg is the design file as the user stored it: its pictures are
    // named as they were in the design folder, while the build put them into
    // CFG/ as back.bmp and splash.bmp.
    CdFixture cd(sampleCategories());
    cd.writeCfgFile("design.cfg",
                    "[general]\r\ndesign_mode=bmp\r\nbutton_mode=trans\r\n"
                    "[Splash]\r\nenabled=1\r\nbmp=C:\\Designs\\Sea\\wave.bmp\r\nbmpalone=wave.bmp\r\n"
                    "fc=clRed\r\nfw=4\r\nd=2500\r\n"
                    "[Buttons]\r\nbtnsd=40\r\nstyle=sbOffset\r\neffect=sbs3D\r\nfont_effect=tdRaisedShadow\r\n"
                    "[Boxes]\r\nboxc_c=$00030201\r\nboxf_bmp=2\r\nboxd_bmp=9\r\n"
                    "[Fonts]\r\nfduc_effect=tdShadow\r\nfdnc_size=500\r\n"
                    "[Back]\r\nbc=clNavy\r\nbmp=C:\\Designs\\Sea\\sea.bmp\r\nbmpalone=sea.bmp\r\ntile_mode=tmstretch\r\n"
                    "[Language]\r\nLanguage=2\r\nStyle=2\r\n");
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::green);
    QVERIFY(picture.save(QString::fromStdString((cd.cfg() / "back.bmp").string()), "BMP"));
    QVERIFY(picture.save(QString::fromStdString((cd.cfg() / "splash.bmp").string()), "BMP"));

    const rnv::MenuData data = cd.read();
    const rnv::MenuLook& look = data.look;
    QVERIFY(look.backgroundPicture);
    QCOMPARE(data.background, cd.cfg() / "back.bmp");
    QCOMPARE(data.splash, cd.cfg() / "splash.bmp");
    QCOMPARE(look.splashFrame, qv::rgbColour(255, 0, 0));
    QCOMPARE(look.splashFrameWidth, 4);
    QCOMPARE(look.splashSeconds, 2);
    QCOMPARE(look.buttonMode, std::string("trans"));
    QCOMPARE(look.buttonShadowDepth, 15);
    QCOMPARE(look.buttonStyle, rnv::ButtonStyle::Offset);
    QCOMPARE(look.buttonEffect, rnv::ButtonEffect::ThreeD);
    QCOMPARE(look.buttonText.effect, rnv::TextEffect::RaisedShadow);
    QCOMPARE(look.categoryBox.colour, qv::rgbColour(1, 2, 3));
    QCOMPARE(look.fileBox.picture, rnv::BoxPicture::Button);
    QCOMPARE(look.detailsBox.picture, rnv::BoxPicture::None);
    QCOMPARE(look.fileText.effect, rnv::TextEffect::Shadow);
    QCOMPARE(look.categoryText.effect, rnv::TextEffect::Sunken);
    QCOMPARE(look.detailsText.size, 72);
    QCOMPARE(look.backStart, qv::rgbColour(0, 0, 0x80));
    QCOMPARE(look.tileMode, rnv::TileMode::Stretch);
    QCOMPARE(look.language, 2);
    QCOMPARE(look.letterCase, rnv::LetterCase::Upper);

    // Without the picture in CFG/ a picture background falls back to its gradient.
    std::filesystem::remove(cd.cfg() / "back.bmp");
    QVERIFY(cd.read().background.empty());
}

void ReadingTest::wordsFollowLetterCase_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("categories");
    QTest::addColumn<QString>("refused");

    QTest::newRow("English lower") << 0 << 0 << "categories" << "the path %s leads outside this cd and is not used.";
    QTest::newRow("English as written") << 0 << 1 << "Categories" << "The path %s leads outside this CD and is not used.";
    QTest::newRow("English upper") << 0 << 2 << "CATEGORIES" << "THE PATH %s LEADS OUTSIDE THIS CD AND IS NOT USED.";
    QTest::newRow("German upper") << 1 << 2 << "KATEGORIEN"
                                  << "DER PFAD %s FüHRT AUS DIESER CD HINAUS UND WIRD NICHT BENUTZT.";
    // Only A-Z and a-z change: the Cyrillic words stay as written, the Latin CD does not.
    QTest::newRow("Russian upper") << 2 << 2 << "Категории" << "Путь %s ведёт за пределы этого CD и не используется.";
    QTest::newRow("Russian lower") << 2 << 0 << "Категории" << "Путь %s ведёт за пределы этого cd и не используется.";
    QTest::newRow("Spanish upper") << 3 << 2 << "CATEGORíAS" << "LA RUTA %s SALE DE ESTE CD Y NO SE USA.";
    QTest::newRow("style out of range is lower") << 0 << 7 << "categories"
                                                 << "the path %s leads outside this cd and is not used.";
}

void ReadingTest::wordsFollowLetterCase()
{
    QFETCH(int, language);
    QFETCH(int, style);
    QFETCH(QString, categories);
    QFETCH(QString, refused);
    CdFixture cd(sampleCategories());
    cd.useLanguage(language, style);
    const rnv::MenuData data = cd.read();
    QCOMPARE(QString::fromStdString(data.words[Word::Categories]), categories);
    QCOMPARE(QString::fromStdString(data.words[Word::PathRefused]), refused);
    // The argument keeps its own case.
    QVERIFY(QString::fromStdString(data.words.format(Word::PathRefused, "\\..\\Ab")).contains("\\..\\Ab"));
}

void ReadingTest::emptyWordsFallBackToEnglish()
{
    CdFixture cd(sampleCategories());
    cd.writeCfgFile("language.vlx", "[Runtime]\r\nRun=\r\nQuit=Ende\r\n");
    const rnv::MenuData data = cd.read();
    QCOMPARE(data.words[Word::Run], std::string("run"));
    QCOMPARE(data.words[Word::Quit], std::string("ende"));
}

void ReadingTest::shippedLanguagesHaveEveryWord()
{
    for (int n = 0; n <= 3; ++n) {
        const fs::path file = fs::path(RNV_ASSETS) / "Files" / ("language" + std::to_string(n) + ".dat");
        const auto bytes = qv::readFileBytes(file);
        QVERIFY2(bytes.has_value(), file.c_str());
        QVERIFY2(qv::isValidUtf8(*bytes), file.c_str());
        const qv::ProfileDocument doc = qv::ProfileDocument::parse(*bytes);
        for (std::size_t w = 0; w < rnv::RuntimeWords::kCount; ++w) {
            const auto word = static_cast<Word>(w);
            const std::string key(rnv::RuntimeWords::key(word));
            const std::string* text = doc.find("Runtime", key);
            QVERIFY2(text && !text->empty(), (file.filename().string() + ": " + key).c_str());
            const bool needsArgument = rnv::RuntimeWords::englishWord(word).find("%s") != std::string_view::npos;
            QVERIFY2((text->find("%s") != std::string::npos) == needsArgument, (file.filename().string() + ": " + key).c_str());
        }
    }
}

void ReadingTest::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("cfg");
    QTest::addColumn<QString>("screenshot");
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("error");

    QTest::newRow("plain start reads CFG beside the program") << QStringList{"rnv"} << "/cd/CFG" << "" << -1 << -1 << false;
    QTest::newRow("--cfg") << QStringList{"rnv", "--cfg", "/tmp/x/CFG"} << "/tmp/x/CFG" << "" << -1 << -1 << false;
    QTest::newRow("--cfg with a final separator") << QStringList{"rnv", "--cfg", "/tmp/x/y/../CFG/"} << "/tmp/x/CFG" << ""
                                                  << -1 << -1 << false;
    QTest::newRow("screenshot with selection") << QStringList{"rnv", "--screenshot", "/tmp/a.png", "--select", "2-5"}
                                               << "/cd/CFG" << "/tmp/a.png" << 2 << 5 << false;
    QTest::newRow("category only") << QStringList{"rnv", "--select", "1"} << "/cd/CFG" << "" << 1 << -1 << false;
    QTest::newRow("bad selection") << QStringList{"rnv", "--select", "x-1"} << "/cd/CFG" << "" << -1 << -1 << true;
    QTest::newRow("unknown option") << QStringList{"rnv", "--bogus"} << "" << "" << -1 << -1 << true;
    QTest::newRow("CFG found in another letter case") << QStringList{"rnv"} << "LOWER/cfg" << "" << -1 << -1 << false;
}

void ReadingTest::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, cfg);
    QFETCH(QString, screenshot);
    QFETCH(int, category);
    QFETCH(int, item);
    QFETCH(bool, error);
    // A CD whose folder came back in lower case still has its CFG found.
    QTemporaryDir lowerCd;
    std::filesystem::create_directory(std::filesystem::path(lowerCd.path().toStdString()) / "cfg");
    const bool lower = cfg.startsWith("LOWER/");
    const fs::path programFolder = lower ? fs::path(lowerCd.path().toStdString()) : fs::path("/cd");
    if (lower)
        cfg = QString::fromStdString((programFolder / cfg.mid(6).toStdString()).string());

    const rnv::RuntimeOptions options = rnv::parseRuntimeOptions(arguments, programFolder);
    QCOMPARE(!options.error.empty(), error);
    if (error)
        return;
    QCOMPARE(QString::fromStdString(options.cfg.string()), cfg);
    QCOMPARE(QString::fromStdString(options.screenshot.string()), screenshot);
    QCOMPARE(options.selectCategory, category);
    QCOMPARE(options.selectItem, item);
}

}  // namespace rnvtest
