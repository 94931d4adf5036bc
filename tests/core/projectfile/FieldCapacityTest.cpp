#include "project/FieldCapacity.h"

#include "util/Text.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace qv;

namespace {

std::string repeat(std::string_view unit, std::size_t n)
{
    std::string out;
    for (std::size_t i = 0; i < n; ++i)
        out += unit;
    return out;
}

const std::string kYa = "Я";       // 2 bytes
const std::string kEuro = "€";     // 3 bytes
const std::string kClef = "𝄞";     // 4 bytes

}  // namespace

TEST(FieldCapacity, FieldsHoldTheirRecordsBytes)
{
    struct Case {
        FieldCapacity capacity;
        std::size_t bytes;
    };
    const Case cases[] = {
        {FieldCapacity::ofItem(FieldName), 100},
        {FieldCapacity::ofItem(FieldDescription), 150},
        {FieldCapacity::ofItem(FieldCategory), 50},  // the caption, not the position
        {FieldCapacity::ofItem(FieldCopy), 20},
        {FieldCapacity::ofItem(FieldSourceLocation), 100},
        {FieldCapacity::ofItem(FieldExecute), 20},
        {FieldCapacity::ofHeader(HeaderCdName), 100},
        {FieldCapacity::ofHeader(HeaderProjectFolder), 100},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.capacity.bytes(), c.bytes);
}

TEST(FieldCapacity, CountsBytesAndCutsOnACharacterBoundary)
{
    struct Case {
        const char* what;
        int field;
        std::string text;
        bool fits;
        std::size_t cutBytes;
        std::size_t chars;
    };
    const Case cases[] = {
        {"60 Cyrillic letters are 120 bytes", FieldName, repeat(kYa, 60), false, 100, 50},
        {"50 Cyrillic letters fill the field", FieldName, repeat(kYa, 50), true, 100, 50},
        {"an odd start puts the boundary at 99", FieldName, "x" + repeat(kYa, 50), false, 99, 50},
        {"three-byte signs", FieldName, repeat(kEuro, 34), false, 99, 33},
        {"four-byte signs", FieldName, repeat(kClef, 26), false, 100, 25},
        {"a 60-letter ASCII caption", FieldCategory, std::string(60, 'c'), false, 50, 50},
        {"a Cyrillic caption", FieldCategory, repeat(kYa, 26), false, 50, 25},
        {"a Cyrillic description", FieldDescription, repeat(kYa, 75), true, 150, 75},
        {"empty", FieldHomepage, "", true, 0, 0},
    };
    for (const auto& c : cases) {
        const FieldCapacity capacity = FieldCapacity::ofItem(c.field);
        EXPECT_EQ(capacity.fits(c.text), c.fits) << c.what;
        EXPECT_EQ(capacity.cutPosition(c.text), c.cutBytes) << c.what;
        EXPECT_EQ(capacity.maxCharsFitting(c.text), c.chars) << c.what;
        EXPECT_EQ(capacity.kept(c.text), c.text.substr(0, c.cutBytes)) << c.what;
    }
}

TEST(FieldCapacity, CutIsTheLongestWholeCharacterPrefixForEveryCapacity)
{
    // Characters of 1, 2, 3 and 4 bytes in turn.
    const std::string text = repeat("a" + kYa + kEuro + kClef, 5);
    std::vector<std::size_t> boundaries{0};
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        i += lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        boundaries.push_back(i);
    }
    for (std::size_t bytes = 0; bytes <= text.size() + 1; ++bytes) {
        const FieldCapacity capacity(bytes);
        const std::size_t cut = capacity.cutPosition(text);
        std::size_t expected = 0;
        std::size_t chars = 0;
        for (std::size_t k = 0; k < boundaries.size() && boundaries[k] <= bytes; ++k) {
            expected = boundaries[k];
            chars = k;
        }
        EXPECT_EQ(cut, expected) << bytes;
        EXPECT_EQ(capacity.maxCharsFitting(text), chars) << bytes;
        EXPECT_TRUE(isValidUtf8(capacity.kept(text))) << bytes;
        EXPECT_EQ(capacity.fits(text), bytes >= text.size()) << bytes;
    }
}

TEST(FieldCapacity, InputStopsAtTheCapacity)
{
    const FieldCapacity name = FieldCapacity::ofItem(FieldName);
    const std::string ninetyNine(99, 'n');
    EXPECT_EQ(name.fittingInsert(ninetyNine, "ab"), "a");
    EXPECT_EQ(name.fittingInsert(ninetyNine, kYa), "") << "half a letter is never taken";
    EXPECT_EQ(name.fittingInsert(std::string(96, 'n'), repeat(kYa, 3)), repeat(kYa, 2));
    EXPECT_EQ(name.fittingInsert(std::string(100, 'n'), "a"), "");
    EXPECT_EQ(name.fittingInsert(std::string(120, 'n'), "a"), "");
    EXPECT_EQ(name.fittingInsert("", repeat(kYa, 60)), repeat(kYa, 50));
}

TEST(FieldCapacity, CutsOfAProjectAreWhatTheFileLoses)
{
    ProjectHeader header;
    header.cdName = "CD";
    header.projectFolder = "/" + std::string(120, 'p') + "/";
    const YesNoWords russian{"Да, разумеется, конечно", "Нет"};  // a yes word of 43 bytes
    ItemFieldTexts fine{"Short", "a.exe", "\\", "n/a", "1", "n/a", "", "Игры", russian.yes, "", "", russian.no};
    ItemFieldTexts cut = fine;
    fieldOf(cut, FieldName) = repeat(kYa, 60);
    fieldOf(cut, FieldCategory) = repeat(kYa, 30);
    fieldOf(cut, FieldExecute) = repeat(kYa, 11);  // neither word: stored as it is, 22 bytes

    const auto cuts = FieldCapacity::cutsOf(header, {fine, cut}, russian);
    const std::vector<CutValue> expected{
        {0, HeaderProjectFolder, header.projectFolder, header.projectFolder.substr(0, 100)},
        {2, FieldName, repeat(kYa, 60), repeat(kYa, 50)},
        {2, FieldCategory, repeat(kYa, 30), repeat(kYa, 25)},
        {2, FieldExecute, repeat(kYa, 11), repeat(kYa, 10)},
    };
    EXPECT_EQ(cuts, expected);

    // What is reported as kept is what the file holds.
    qv::test::TempDir dir;
    writeProjectFile(dir / "p.qvp", header, {fine, cut}, {"Игры"}, russian);
    const ProjectFileContents back = readProjectFile(dir / "p.qvp", {"Игры"});
    EXPECT_EQ(back.header.projectFolder, expected[0].kept);
    EXPECT_EQ(fieldOf(back.items[1], FieldName), expected[1].kept);
    EXPECT_EQ(fieldOf(back.items[1], FieldExecute), expected[3].kept);
    EXPECT_EQ(fieldOf(back.items[0], FieldCategory), "Игры");
}
