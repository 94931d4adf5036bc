#include "i18n/Language.h"
#include "i18n/LanguageManager.h"
#include "i18n/WindowSections.h"
#include "util/LegacyCodePage.h"

#include "FakeUi.h"
#include "TempDir.h"

#include <gtest/gtest.h>

using namespace qv;
using qv::test::FakeUi;
using qv::test::TempDir;
using qv::test::writeFile;

namespace {

void writeLanguage(const TempDir& base, int number, std::string_view body)
{
    writeFile(Language::fileOf(base.path(), number), body);
}

}  // namespace

TEST(Language, MissingFileGivesEveryDefault)
{
    TempDir base;
    for (int number : {1, 2, 3}) {
        const Language lang = Language::load(base.path(), number);
        EXPECT_EQ(lang.helpFileName(), number == 2 ? "VlxHlp2.hlp" : "VlxHlp1.hlp");
        EXPECT_EQ(lang.message("M1"), "");
        EXPECT_EQ(lang.message("M39_2"), "");
        EXPECT_EQ(lang.text("T13"), "");
        EXPECT_EQ(lang.yesWord(), "yes");
        EXPECT_EQ(lang.noWord(), "no");
        EXPECT_EQ(lang.text("SYES"), "yes");
        EXPECT_EQ(lang.jumpWord(), "Jump Point");
        for (int field = 1; field <= Language::kFieldCount; ++field)
            EXPECT_EQ(lang.fieldTitle(field), "not used");
        EXPECT_EQ(lang.windowText("Main", "E1"), "");
        EXPECT_EQ(lang.fontSize("L_AddDir", "L18"), 16);
        EXPECT_EQ(lang.fontSize("L_AddDir", "L17"), 0);
        EXPECT_EQ(lang.fontSize("L_Main", "L18"), 0);
    }
}

TEST(Language, MissingKeysOfAPresentFileKeepTheirDefaults)
{
    TempDir base;
    writeLanguage(base, 1,
                  "[Texts]\r\nTNO=nope\r\nT22=Title\r\n[Grid]\r\nG2=File\r\n[L_AddDir]\r\nL17=9\r\n"
                  "[Messages]\r\nM23=Save?\r\n");
    const Language lang = Language::load(base.path(), 1);
    EXPECT_EQ(lang.yesWord(), "yes");
    EXPECT_EQ(lang.noWord(), "nope");
    EXPECT_EQ(lang.text("T22"), "Title");
    EXPECT_EQ(lang.fieldTitle(1), "not used");
    EXPECT_EQ(lang.fieldTitle(2), "File");
    EXPECT_EQ(lang.message("M23"), "Save?");
    EXPECT_EQ(lang.fontSize("L_AddDir", "L17"), 9);
    EXPECT_EQ(lang.fontSize("L_AddDir", "L18"), 16);
}

// A jump point keeps the word of the language it was made in; every
// language's word marks one, the files' own words before the shipped ones.
TEST(Language, JumpWordsOfAllFourLanguages)
{
    TempDir base;
    writeLanguage(base, 2, "[Texts]\r\nTJP=Verweis\r\n");
    writeLanguage(base, 4, "[Texts]\r\n");
    const Language lang = Language::load(base.path(), 1);
    EXPECT_EQ(lang.jumpWord(), "Jump Point");
    for (const char* word : {"jump point", "VERWEIS", "Точка перехода", "Punto de salto"})
        EXPECT_TRUE(lang.isJumpWord(word)) << word;
    for (const char* word : {"Sprungpunkt", "Jump Point ", "", "readme.txt"})
        EXPECT_FALSE(lang.isJumpWord(word)) << word;
}

// Messages added after the first language files: an older file lacks them,
// and an empty box would tell the person nothing.
TEST(Language, AddedMessagesFallBackToEnglish)
{
    TempDir base;
    writeLanguage(base, 2, "[Messages]\r\nM59=Höchstens %s Kategorien.\r\n");
    const Language lang = Language::load(base.path(), 2);
    EXPECT_NE(lang.message("M58").find("%s"), std::string::npos);
    EXPECT_EQ(lang.message("M59"), "Höchstens %s Kategorien.");
    EXPECT_EQ(lang.message("M57"), "");
    EXPECT_EQ(Language().message("M59"), "A category file holds at most %s categories.");
}

TEST(Language, ReadsTheKeysOfTheWindowTableAndNoOthers)
{
    TempDir base;
    writeLanguage(base, 1,
                  "[Main]\r\nE41=Chosen Item:\r\nE96_5=five\r\nE96_20=twenty\r\nE42=not a key\r\nE176=last\r\n"
                  "[MD]\r\nE51f=font\r\nE114=skipped\r\nE95_3=three\r\n"
                  "[Start]\r\nE20=twenty\r\nE10=gap\r\n"
                  "[AllFilesCombo]\r\nE2=second\r\n"
                  "[L_MD]\r\nL65_3=11\r\nL102=12\r\n"
                  "[L_FindDlg]\r\nL10=7\r\nL11=8\r\n"
                  "[L_AddDir]\r\nL18=0\r\n");
    const Language lang = Language::load(base.path(), 1);
    struct Case {
        const char* section;
        const char* key;
        const char* text;
    };
    const Case cases[] = {
        {"Main", "E41", "Chosen Item:"}, {"Main", "E96_5", "five"}, {"Main", "E96_20", "twenty"},
        {"Main", "E42", ""},              {"Main", "E176", "last"},  {"MD", "E51f", "font"},
        {"MD", "E114", ""},               {"MD", "E95_3", "three"},  {"Start", "E20", "twenty"},
        {"Start", "E10", ""},             {"AllFilesCombo", "E2", "second"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lang.windowText(c.section, c.key), c.text) << c.section << "/" << c.key;
    EXPECT_EQ(lang.fontSize("L_MD", "L65_3"), 11);
    EXPECT_EQ(lang.fontSize("L_MD", "L102"), 0);
    EXPECT_EQ(lang.fontSize("L_FindDlg", "L10"), 7);
    EXPECT_EQ(lang.fontSize("L_FindDlg", "L11"), 0);
    // A stored 0 is the toolkit's size, even where the default is 16.
    EXPECT_EQ(lang.fontSize("L_AddDir", "L18"), 0);
}

TEST(WindowSections, KeyRangesExpand)
{
    struct Case {
        const char* ranges;
        std::vector<std::string> keys;
    };
    const Case cases[] = {
        {"E1-E3", {"E1", "E2", "E3"}},
        {"E175,E176", {"E175", "E176"}},
        {"E96_2-E96_4,E96_20", {"E96_2", "E96_3", "E96_4", "E96_20"}},
        {"E51f,L9-L10", {"E51f", "L9", "L10"}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(expandKeyRanges(c.ranges), c.keys) << c.ranges;
}

TEST(WindowSections, EveryWindowOfTheTableWithItsKeyCounts)
{
    std::map<std::string, std::pair<std::size_t, std::size_t>> counts;
    for (const WindowSection& s : windowSections())
        counts[std::string(s.name)] = {expandKeyRanges(s.eKeys).size(), expandKeyRanges(s.lKeys).size()};
    const std::map<std::string, std::pair<std::size_t, std::size_t>> expected{
        {"Main", {41 + 8 + 14 + 64 + 6 + 2 + 6 + 1, 20}},
        {"MD", {113 + 25 + 18, 101 + 16}},
        {"AFile", {16, 16}},
        {"AddFileInfo", {5, 5}},
        {"AddDir", {19, 18}},
        {"AddDir_Ask", {3, 3}},
        {"AURL", {9, 9}},
        {"AJump", {11, 11}},
        {"AllFilesEdit", {2, 2}},
        {"AllFilesCombo", {2, 2}},
        {"AllFilesYN", {3, 3}},
        {"Color_Choose", {2, 2}},
        {"CreateInfo", {14, 14}},
        {"FindDlg", {15, 10}},
        {"NewProj", {10, 10}},
        {"Wizard", {59, 45}},
        {"Start", {13, 7}},
        {"Genre", {15, 14}},
        {"IconWahl", {3, 3}},
        {"Check", {3, 3}},
        {"CheckS", {5, 4}},
        {"Burn", {6, 5}},
    };
    EXPECT_EQ(counts, expected);
}

class LanguageManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeLanguage(base, 1,
                      "[General]\r\nHelp=VlxHlp1.hlp\r\n[Texts]\r\nTYES=yes\r\nTNO=no\r\nT57=OK\r\nT58=No\r\n"
                      "[Grid]\r\nG1=Name\r\n[Main]\r\nE1=New\r\nE2=New project\r\nE39=Shot\r\nE168=English\r\n");
        writeLanguage(base, 3, "[General]\r\nHelp=VlxHlp1.hlp\r\n[Texts]\r\nTYES=Да\r\nTNO=Нет\r\n[Grid]\r\nG1=Название\r\n");
    }
    // Applying a language sets the process's code page; the next test starts from the one before.
    const LegacyCodePage::Scope keepCodePage{LegacyCodePage::current()};
    TempDir base;
    FakeUi ui;
    LanguageManager manager{base.path()};
};

TEST_F(LanguageManagerTest, LegacyTextIsReadInTheCodePageOfTheLanguageApplied)
{
    const std::string da = "\xC4\xE0";  // Да in Windows-1251
    std::vector<std::string> readByListener;
    manager.addListener([&](const Language&, const Language&) { readByListener.push_back(decodeText(da)); });

    manager.apply(1, ui);
    EXPECT_EQ(LegacyCodePage::current(), CodePage::Windows1252);
    manager.choose(3, ui);
    EXPECT_EQ(LegacyCodePage::current(), CodePage::Windows1251);
    EXPECT_EQ(decodeText(da), "Да");
    manager.choose(4, ui);
    EXPECT_EQ(LegacyCodePage::current(), CodePage::Windows1252);
    EXPECT_EQ(readByListener, (std::vector<std::string>{"Äà", "Да", "Äà"}));
}

TEST_F(LanguageManagerTest, AnOldLanguageFileIsReadInItsOwnCodePage)
{
    // The old program's Russian file, read while English is in force.
    writeLanguage(base, 3, "[Texts]\r\nTYES=\xC4\xE0\r\nTNO=\xCD\xE5\xF2\r\n[Grid]\r\nG1=\xC8\xEC\xFF\r\n");
    writeLanguage(base, 2, "[Texts]\r\nTYES=J\xE4\r\n");
    manager.apply(1, ui);
    const Language russian = Language::load(base.path(), 3);
    EXPECT_EQ(russian.yesWord(), "Да");
    EXPECT_EQ(russian.noWord(), "Нет");
    EXPECT_EQ(russian.fieldTitle(1), "Имя");
    EXPECT_EQ(LegacyCodePage::current(), CodePage::Windows1252) << "reading a file applies nothing";

    manager.apply(3, ui);
    EXPECT_EQ(Language::load(base.path(), 2).yesWord(), "Jä");
}

TEST_F(LanguageManagerTest, ApplyingKeepsThePreviousWordsAndSetsTheCharset)
{
    EXPECT_TRUE(manager.helpFile().empty());
    manager.apply(1, ui);
    EXPECT_EQ(manager.charset(), 0);
    EXPECT_EQ(manager.helpFile(), base.path() / "Help" / "VlxHlp1.hlp");
    EXPECT_EQ(manager.yesButtonCaption(), "OK");
    EXPECT_EQ(manager.noButtonCaption(), "No");

    EXPECT_TRUE(manager.choose(3, ui));
    EXPECT_EQ(manager.charset(), 204);
    EXPECT_EQ(manager.current().yesWord(), "Да");
    EXPECT_EQ(manager.previous().yesWord(), "yes");
    EXPECT_EQ(manager.previous().fieldTitle(1), "Name");
    EXPECT_TRUE(manager.isChecked(3));
    EXPECT_FALSE(manager.isChecked(1));

    manager.choose(1, ui);
    EXPECT_EQ(manager.charset(), 0);
    EXPECT_EQ(manager.previous().noWord(), "Нет");
    EXPECT_EQ(ui.waitShown, 3);
    EXPECT_EQ(ui.waitClosed, 3);
}

TEST_F(LanguageManagerTest, ChoosingTheLanguageInUseReadsNothing)
{
    manager.apply(1, ui);
    int listened = 0;
    manager.addListener([&](const Language&, const Language&) { ++listened; });
    writeLanguage(base, 1, "[Texts]\r\nTYES=changed\r\n");
    EXPECT_FALSE(manager.choose(1, ui));
    EXPECT_EQ(manager.current().yesWord(), "yes");
    EXPECT_EQ(listened, 0);
    EXPECT_EQ(ui.waitShown, 1);
}

TEST_F(LanguageManagerTest, WaitWindowClosesWhenAWindowFailsToRelabel)
{
    manager.addListener([](const Language&, const Language&) { throw std::runtime_error("relabel failed"); });
    EXPECT_THROW(manager.apply(1, ui), std::runtime_error);
    EXPECT_EQ(ui.waitShown, 1);
    EXPECT_EQ(ui.waitClosed, 1);
}

TEST_F(LanguageManagerTest, WaitPictureFollowsTheLanguageBeingApplied)
{
    std::filesystem::path shownWhileWaiting;
    manager.addListener([&](const Language&, const Language&) { shownWhileWaiting = manager.shownWaitPicture(); });
    manager.apply(2, ui);
    EXPECT_EQ(shownWhileWaiting, base.path() / "Files" / "wait_2.bmp");
    manager.apply(3, ui);
    EXPECT_EQ(shownWhileWaiting, base.path() / "Files" / "wait_1.bmp");
}

TEST_F(LanguageManagerTest, ButtonCaptionsComeFromTheFileAtTheMomentOfTheCall)
{
    manager.apply(1, ui);
    auto captions = manager.readButtonCaptions();
    EXPECT_EQ(captions[0], "New");
    EXPECT_EQ(captions[19], "Shot");
    EXPECT_EQ(captions[1], "");
    EXPECT_EQ(manager.buttonHints()[0], "New project");
    EXPECT_EQ(manager.languageName(1), "English");

    writeLanguage(base, 1, "[Main]\r\nE1=Fresh\r\n");
    captions = manager.readButtonCaptions();
    EXPECT_EQ(captions[0], "Fresh");
}
