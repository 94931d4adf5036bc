#include "categories/IconChooser.h"

#include "categories/IconPack.h"
#include "i18n/Language.h"

#include "FakeUi.h"
#include "TempDir.h"

#include <gtest/gtest.h>

using namespace qv;
using qv::test::FakeUi;
using qv::test::TempDir;
using qv::test::writeFile;
namespace fs = std::filesystem;

namespace {

struct Receiver : IconChooserClient {
    std::vector<std::pair<IconChooserMode, IconPicture>> chosen;
    void iconChosen(IconChooserMode mode, const IconPicture& icon) override { chosen.emplace_back(mode, icon); }
};

void makePack(const fs::path& base, const std::string& nn, const std::string& count, int files)
{
    writeFile(base / "ip" / ("ip" + nn + ".cfg"), "[general]\r\nanz_icons=" + count + "\r\n");
    for (int k = 1; k <= files; ++k)
        writeFile(IconPack::iconPath(base, nn, IconPack::numberText(k)), "icon " + nn + "/" + std::to_string(k));
}

}  // namespace

TEST(IconPack, NumbersHaveTwoDigitsBelowTen)
{
    const std::pair<int, const char*> cases[] = {{1, "01"}, {9, "09"}, {10, "10"}, {12, "12"}, {99, "99"}, {100, "100"}};
    for (const auto& [k, text] : cases)
        EXPECT_EQ(IconPack::numberText(k), text);
    EXPECT_EQ(IconPack::iconPath("/b", "03", "10"), fs::path("/b/ip/ip03/ip03i10.ico"));
}

TEST(IconChooser, ListsThePacksOnceAndLoadsTheChosenOne)
{
    TempDir base;
    makePack(base.path(), "01", "12", 12);
    makePack(base.path(), "03", "2", 2);
    makePack(base.path(), "07", "", 0);
    writeFile(base / "ip" / "ip100.cfg", "[general]\r\nanz_icons=1\r\n");
    FakeUi ui;
    Language language;
    IconChooser iw(ui, language, base.path());

    iw.prepare();
    EXPECT_EQ(iw.packChoices(), (std::vector<std::string>{"Icon Pack 01", "Icon Pack 03", "Icon Pack 07"}));
    EXPECT_EQ(iw.packIndex(), 0);
    ASSERT_EQ(iw.iconCaptions().size(), 12u);
    EXPECT_EQ(iw.iconCaptions()[0], "01");
    EXPECT_EQ(iw.iconCaptions()[9], "10");
    EXPECT_EQ(iw.pictures()[11].bytes, "icon 01/12");

    iw.ipwahlChange(1);
    EXPECT_EQ(iw.iconCaptions(), (std::vector<std::string>{"01", "02"}));
    iw.ipwahlChange(2);
    EXPECT_TRUE(iw.iconCaptions().empty());

    // Packs added while the program runs are not listed.
    makePack(base.path(), "02", "1", 1);
    iw.prepare();
    EXPECT_EQ(iw.packChoices().size(), 3u);
}

TEST(IconChooser, HandsTheChosenIconToItsCaller)
{
    TempDir base;
    makePack(base.path(), "02", "3", 3);
    FakeUi ui;
    Language language;
    language.setMessage("M25", "Choose an icon");
    IconChooser iw(ui, language, base.path());
    Receiver receiver;

    ui.on<IconChooser>([](IconChooser& chooser) {
        chooser.OKClick();
        chooser.selectIcon(2);
        chooser.OKClick();
    });
    EXPECT_TRUE(iw.execute(IconChooserMode::Change, receiver));
    EXPECT_EQ(ui.messageKeys(), std::vector<std::string>{"M25"});
    ASSERT_EQ(receiver.chosen.size(), 1u);
    EXPECT_EQ(receiver.chosen[0].first, IconChooserMode::Change);
    EXPECT_EQ(receiver.chosen[0].second.source, base / "ip" / "ip02" / "ip02i03.ico");
    EXPECT_EQ(receiver.chosen[0].second.bytes, "icon 02/3");

    ui.on<IconChooser>([](IconChooser& chooser) {
        chooser.selectIcon(0);
        chooser.CancelClick();
    });
    EXPECT_FALSE(iw.execute(IconChooserMode::Add, receiver));
    EXPECT_EQ(receiver.chosen.size(), 1u);
}

TEST(IconChooser, WithoutPacksOffersNothing)
{
    TempDir base;
    FakeUi ui;
    Language language;
    IconChooser iw(ui, language, base.path());
    iw.prepare();
    EXPECT_TRUE(iw.packChoices().empty());
    EXPECT_EQ(iw.packIndex(), -1);
    EXPECT_TRUE(iw.iconCaptions().empty());
    iw.selectIcon(0);
    EXPECT_EQ(iw.selectedIcon(), -1);
}
