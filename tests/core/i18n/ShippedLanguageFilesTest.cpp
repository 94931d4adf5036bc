#include "i18n/Language.h"
#include "i18n/WindowSections.h"

#include "profile/ProfileFile.h"
#include "util/Text.h"

#include "TempDir.h"
#include "TestAssets.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <set>

using namespace qv;

namespace {

using test::assetsDir;

struct Key {
    std::string section;
    std::string key;
};

std::vector<Key> requiredKeys()
{
    // Key ranges written the way the window sections write them.
    const std::pair<const char*, const char*> sections[] = {
        {"General", "Help"},
        {"Messages", "M1-M60,M39_2"},  // M58: a check whose project folder is missing; M59: the category editor's largest count; M60: a project open in another program
        {"Texts", "TJP,TYES,TNO,SYES,SNO,T1-T59"},
        {"Grid", "G1-G12"},
        // Tool button captions and hints, menu titles, tool bar names, menu
        // entries, grid menu entries, language names.
        {"Main", "E1-E41,E44-E51,E64-E76,E90-E95,E97-E131,E168-E171"},
        // The windows whose texts the language file gives one by one.
        {"FindDlg", "E1-E15"},
        {"L_FindDlg", "L1-L10"},
        {"Genre", "E1-E15"},
        {"IconWahl", "E1-E3"},
        {"Check", "E1-E3"},
        {"CheckS", "E1-E5"},
        {"Burn", "E1-E6"},
        {"AFile", "E1-E16"},
        {"L_AFile", "L1-L16"},
        {"AddFileInfo", "E1-E5"},
        {"L_AddFileInfo", "L1-L5"},
        {"AddDir", "E1-E19"},
        {"L_AddDir", "L1-L18"},
        {"AddDir_Ask", "E1-E3"},
        {"L_AddDir_Ask", "L1-L3"},
        {"AURL", "E1-E9"},
        {"AJump", "E1-E11"},
        {"AllFilesEdit", "E1-E2"},
        {"AllFilesCombo", "E1-E2"},
        {"AllFilesYN", "E1-E3"},
        {"Color_Choose", "E1-E2"},
        {"CreateInfo", "E1-E14"},
        {"MD", "E1-E101"},
        {"L_MD", "L1-L101"},
        {"NewProj", "E1-E10"},
        {"L_NewProj", "L1-L10"},
        {"Wizard", "E1-E59"},
        {"L_Wizard", "L1-L45"},
        {"Start", "E1-E9,E20-E23"},
        {"L_Start", "L1-L7"},
    };
    std::vector<Key> keys;
    for (const auto& [section, ranges] : sections)
        for (std::string& key : expandKeyRanges(ranges))
            keys.push_back({section, std::move(key)});
    return keys;
}

}  // namespace

class ShippedLanguageFile : public ::testing::TestWithParam<int> {
protected:
    std::filesystem::path file() const { return Language::fileOf(assetsDir(), GetParam()); }
};

TEST_P(ShippedLanguageFile, HoldsEveryRequiredKeyWithAText)
{
    ASSERT_TRUE(std::filesystem::is_directory(assetsDir())) << assetsDir();
    ASSERT_TRUE(std::filesystem::exists(file())) << file();
    const ProfileFile f(file());
    for (const Key& k : requiredKeys()) {
        const std::string value = f.readString(k.section, k.key, "\x01missing");
        EXPECT_NE(value, "\x01missing") << k.section << "/" << k.key;
        EXPECT_FALSE(value.empty()) << k.section << "/" << k.key;
    }
}

TEST_P(ShippedLanguageFile, IsUtf8WithCrLfLineEnds)
{
    const std::string bytes = qv::test::readFile(file());
    ASSERT_FALSE(bytes.empty());
    EXPECT_TRUE(isValidUtf8(bytes));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
        }
    }
}

// The reader takes the first of two equal keys, so a key written twice
// (one entry added over an old one) silently shows the stale text.
TEST_P(ShippedLanguageFile, NamesNoSectionOrKeyTwice)
{
    std::set<std::string> sections;
    std::set<std::string> keys;
    std::string section;
    for (const std::string& raw : splitLines(qv::test::readFile(file()))) {
        const std::string_view line = trimmed(raw);
        if (line.empty())
            continue;
        if (line.front() == '[') {
            section = asciiLower(line);
            EXPECT_TRUE(sections.insert(section).second) << "section " << line << " twice";
            continue;
        }
        const auto eq = line.find('=');
        ASSERT_NE(eq, std::string_view::npos) << "not a key line: " << line;
        EXPECT_TRUE(keys.insert(section + asciiLower(trimmed(line.substr(0, eq)))).second)
            << section << " names " << line.substr(0, eq) << " twice";
    }
}

// The find dialog is laid out for the toolkit's own font size.
TEST_P(ShippedLanguageFile, FindDialogKeepsTheDefaultFontSize)
{
    const ProfileFile f(file());
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(f.readInteger("L_FindDlg", "L" + std::to_string(i), -1), 0) << "L" << i;
}

// The design editor's pages are laid out for the toolkit's own font size too.
TEST_P(ShippedLanguageFile, DesignEditorKeepsTheDefaultFontSize)
{
    const ProfileFile f(file());
    for (int i = 1; i <= 101; ++i)
        EXPECT_EQ(f.readInteger("L_MD", "L" + std::to_string(i), -1), 0) << "L" << i;
}

// The language menu names each language in the words of the language chosen.
TEST_P(ShippedLanguageFile, NamesTheLanguagesInItsOwnLanguage)
{
    const std::array<std::array<const char*, 4>, 4> names{{
        {"English", "German", "Russian", "Spanish"},
        {"Englisch", "Deutsch", "Russisch", "Spanisch"},
        {"Английский", "Немецкий", "Русский", "Испанский"},
        {"Inglés", "Alemán", "Ruso", "Español"},
    }};
    const Language lang = Language::load(assetsDir(), GetParam());
    const auto& expected = names[static_cast<std::size_t>(GetParam() - 1)];
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(lang.windowText("Main", "E" + std::to_string(167 + n)), expected[static_cast<std::size_t>(n - 1)])
            << "E" << 167 + n;
}

// The item table finds a field's column by its heading word, and tells the
// yes and no words apart: within one language they must all differ.
TEST_P(ShippedLanguageFile, HeadingAndYesNoWordsAreDistinct)
{
    const Language lang = Language::load(assetsDir(), GetParam());
    std::set<std::string> words;
    for (const auto& title : lang.fieldTitles())
        words.insert(asciiLower(title));
    words.insert(asciiLower(lang.yesWord()));
    words.insert(asciiLower(lang.noWord()));
    EXPECT_EQ(words.size(), 14u);
    EXPECT_EQ(lang.helpFileName(), GetParam() == 2 ? "VlxHlp2.hlp" : "VlxHlp1.hlp");
}

// M10 is followed directly by a folder path; the reader drops trailing blanks,
// so the text ends in a no-break space to keep the path apart.
TEST_P(ShippedLanguageFile, FolderCreatedMessageKeepsItsSeparator)
{
    const std::string m10 = Language::load(assetsDir(), GetParam()).message("M10");
    ASSERT_GE(m10.size(), 3u);
    EXPECT_EQ(m10.substr(m10.size() - 3), ":\xC2\xA0");
}

// The wizard's question before deleting a folder names the folder.
TEST_P(ShippedLanguageFile, DeleteFolderQuestionNamesTheFolder)
{
    const std::string question = Language::load(assetsDir(), GetParam()).windowText("Wizard", "E59");
    EXPECT_NE(question.find("%s"), std::string::npos) << question;
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, ShippedLanguageFile, ::testing::Values(1, 2, 3, 4));

TEST(ShippedLanguageFile, EnglishUsesTheProgramsOwnWords)
{
    const Language en = Language::load(assetsDir(), 1);
    const char* fields[] = {"Name",     "File Name",   "CD Path", "Serial", "CD Size",              "HD Size",
                            "Description", "Category", "Copy",    "File Source Location", "Homepage", "Execute"};
    for (int f = 1; f <= 12; ++f)
        EXPECT_EQ(en.fieldTitle(f), fields[f - 1]);
    const char* captions[] = {"New",    "Open", "Save",     "Edit",       "Check",     "Build",    "Categories",
                              "Menu Design", "Settings", "Help", "Exit", "Add File",  "Add Folder", "Add Jump",
                              "Add URL",     "Remove",   "Full Sort", "Find", "Info File", "Screenshot"};
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(en.windowText("Main", "E" + std::to_string(2 * i + 1)), captions[i]);
    const char* exports[] = {"ASCII", "CVS", "MS Word", "MS Excel", "HTML"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(en.windowText("Main", "E" + std::to_string(111 + i)), exports[i]);
    EXPECT_EQ(en.yesWord(), "yes");
    EXPECT_EQ(en.noWord(), "no");
    EXPECT_EQ(en.jumpWord(), "Jump Point");
    EXPECT_EQ(en.text("T13"), "Krynt - Quenvar - Please load/create a project");
}
