#include "i18n/Language.h"

#include "profile/ProfileFile.h"
#include "util/Text.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

using namespace qv;

namespace {

std::filesystem::path assetsDir()
{
    const char* dir = std::getenv("QUENVAR_ASSETS");
    return dir ? std::filesystem::path(dir) : std::filesystem::path();
}

struct Key {
    std::string section;
    std::string key;
};

std::vector<Key> requiredKeys()
{
    std::vector<Key> keys{{"General", "Help"}, {"Messages", "M39_2"}};
    // M58: a check whose project folder is missing; M59: the category editor's largest count.
    for (int i = 1; i <= 59; ++i)
        keys.push_back({"Messages", "M" + std::to_string(i)});
    for (const char* k : {"TJP", "TYES", "TNO", "SYES", "SNO"})
        keys.push_back({"Texts", k});
    for (int i = 1; i <= 59; ++i)
        keys.push_back({"Texts", "T" + std::to_string(i)});
    for (int i = 1; i <= 12; ++i)
        keys.push_back({"Grid", "G" + std::to_string(i)});
    for (int i = 1; i <= 41; ++i)
        keys.push_back({"Main", "E" + std::to_string(i)});
    for (int i = 111; i <= 115; ++i)
        keys.push_back({"Main", "E" + std::to_string(i)});
    for (int i = 168; i <= 171; ++i)
        keys.push_back({"Main", "E" + std::to_string(i)});
    // The windows whose texts the language file gives one by one.
    const std::vector<std::pair<const char*, int>> windows{
        {"Genre", 15}, {"IconWahl", 3}, {"Check", 3}, {"CheckS", 5}, {"Burn", 6}};
    for (const auto& [section, count] : windows)
        for (int i = 1; i <= count; ++i)
            keys.push_back({section, "E" + std::to_string(i)});
    return keys;
}

}  // namespace

class ShippedLanguageFile : public ::testing::TestWithParam<int> {
protected:
    std::filesystem::path file() const { return Language::fileOf(assetsDir(), GetParam()); }
};

TEST_P(ShippedLanguageFile, HoldsEveryRequiredKeyWithAText)
{
    ASSERT_FALSE(assetsDir().empty()) << "QUENVAR_ASSETS is not set";
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
