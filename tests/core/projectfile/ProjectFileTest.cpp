#include "project/ProjectFile.h"

#include "util/FileReference.h"
#include "util/Fs.h"
#include "util/LegacyCodePage.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace qv;
using qv::test::readFile;
using qv::test::TempDir;
using qv::test::writeFile;

namespace {

// The stored text of field n of record r, read straight from the bytes.
std::string storedField(const std::string& bytes, std::size_t r, int n)
{
    const std::size_t at = r * ProjectRecord::kSize + ProjectRecord::offset(n);
    const auto length = static_cast<unsigned char>(bytes.at(at));
    return bytes.substr(at + 1, length);
}

ItemFieldTexts item(std::string name, std::string category, std::string copy = "yes", std::string execute = "no")
{
    return {name, name + ".exe", "\\Tools\\", "S-1", "2", "3", "about " + name, category, copy,
            "/src/" + name + ".exe", "http://example.org/" + name, execute};
}

ProjectHeader sampleHeader()
{
    ProjectHeader h;
    h.cdName = "My CD";
    h.projectFolder = "/home/a/cd/";
    h.categoryPath = "/base/genre/Fun.qvc";
    h.categoryBareName = "Fun";
    h.categoryExtension = ".qvc";
    h.designPath = "/base/menudesign/Blue.qvd";
    h.designBareName = "Blue";
    h.designExtension = ".qvd";
    return h;
}

}  // namespace

TEST(ProjectRecord, FieldsLieAtTheirOffsetsWithZeroFill)
{
    ProjectRecord r;
    for (int f = 1; f <= ProjectRecord::kFieldCount; ++f)
        r.setField(f, "f" + std::to_string(f));
    const std::string bytes = r.encode();
    ASSERT_EQ(bytes.size(), 1153u);

    const std::size_t expectedOffsets[] = {0, 101, 202, 303, 404, 505, 606, 757, 858, 879, 980, 1081, 1102};
    std::size_t significant = 0;
    for (int f = 1; f <= ProjectRecord::kFieldCount; ++f) {
        const std::size_t at = expectedOffsets[f - 1];
        EXPECT_EQ(ProjectRecord::offset(f), at);
        const std::string text = "f" + std::to_string(f);
        EXPECT_EQ(static_cast<unsigned char>(bytes[at]), text.size()) << "field " << f;
        EXPECT_EQ(bytes.substr(at + 1, text.size()), text) << "field " << f;
        significant += 1 + text.size();
    }
    std::size_t zeros = 0;
    for (char c : bytes)
        zeros += c == '\0' ? 1 : 0;
    EXPECT_EQ(zeros, bytes.size() - significant);
    EXPECT_EQ(ProjectRecord::decode(bytes), r);
}

TEST(ProjectRecord, TooLongTextsAreCutToTheFieldsByteCapacity)
{
    struct Case {
        int field;
        std::string text;
        std::string stored;
    };
    const std::string euro = "\xE2\x82\xAC";  // 3 bytes
    const std::string umlaut = "\xC3\xA4";    // 2 bytes
    std::string sevenEuros;
    for (int i = 0; i < 7; ++i)
        sevenEuros += euro;
    const Case cases[] = {
        {7, std::string(200, 'd'), std::string(150, 'd')},
        {7, std::string(150, 'd'), std::string(150, 'd')},
        {1, std::string(101, 'n'), std::string(100, 'n')},
        {13, std::string(60, 'c'), std::string(50, 'c')},
        // 21 bytes into 20: the seventh euro sign would be cut in half, so it goes whole.
        {9, sevenEuros, sevenEuros.substr(0, 18)},
        // 1 + 50 * 2 = 101 bytes into 100: the last umlaut goes whole.
        {2, "x" + [&] { std::string s; for (int i = 0; i < 50; ++i) s += umlaut; return s; }(),
         "x" + [&] { std::string s; for (int i = 0; i < 49; ++i) s += umlaut; return s; }()},
    };
    for (const auto& c : cases) {
        ProjectRecord r;
        r.setField(c.field, c.text);
        const std::string bytes = r.encode();
        ASSERT_EQ(bytes.size(), ProjectRecord::kSize);
        EXPECT_EQ(storedField(bytes, 0, c.field), c.stored) << "field " << c.field;
        EXPECT_EQ(ProjectRecord::decode(bytes).field(c.field), c.stored) << "field " << c.field;
    }
}

TEST(ProjectRecord, DecodeToleratesForeignBytes)
{
    std::string bytes(ProjectRecord::kSize, '\0');
    // A length byte beyond the capacity of field 9 (20) reads as 20 bytes.
    bytes[858] = static_cast<char>(200);
    for (std::size_t i = 0; i < 20; ++i)
        bytes[859 + i] = 'y';
    // Windows-1252 text from an old system.
    bytes[0] = 4;
    bytes.replace(1, 4, "Gr\xFC\xDF");
    const ProjectRecord r = ProjectRecord::decode(bytes);
    EXPECT_EQ(r.field(9), std::string(20, 'y'));
    EXPECT_EQ(r.field(1), "Gr\xC3\xBC\xC3\x9F");
}

TEST(ProjectFile, EmptyProjectIsTwoRecordsAndReadsBackEmpty)
{
    TempDir dir;
    const auto path = dir / "empty.qvp";
    const ProjectHeader header = sampleHeader();
    writeProjectFile(path, header, {}, {"Programs", "Games"}, {});

    const std::string bytes = readFile(path);
    ASSERT_EQ(bytes.size(), 2306u);
    EXPECT_EQ(storedField(bytes, 0, 9), "1");
    for (int f = 10; f <= 13; ++f)
        EXPECT_EQ(storedField(bytes, 0, f), "#");
    EXPECT_EQ(storedField(bytes, 1, 8), "0");
    for (int f = 1; f <= 13; ++f) {
        if (f != 8) {
            EXPECT_EQ(storedField(bytes, 1, f), "") << "field " << f;
        }
    }

    const ProjectFileContents back = readProjectFile(path, {"Programs", "Games"});
    EXPECT_EQ(back.header, header);
    ASSERT_EQ(back.items.size(), 1u);
    EXPECT_EQ(back.items[0], ItemFieldTexts{});
}

TEST(ProjectFile, ItemsRoundTripWithCopyAndExecuteStoredInEnglish)
{
    TempDir dir;
    const auto path = dir / "p.qvp";
    const std::vector<std::string> categories{"Programs", "Games", "Tools"};
    const YesNoWords german{"Ja", "Nein"};
    const std::vector<ItemFieldTexts> items{
        item("alpha", "Games", "Ja", "nein"),   // case of ASCII letters ignored
        item("beta", "Tools", "NEIN", "JA"),
        item("gamma", "Programs", "yes", "vielleicht"),  // neither word: stored as it is
    };
    writeProjectFile(path, sampleHeader(), items, categories, german);

    const std::string bytes = readFile(path);
    ASSERT_EQ(bytes.size(), 4 * 1153u);
    EXPECT_EQ(storedField(bytes, 0, 9), "3");
    EXPECT_EQ(storedField(bytes, 1, 9), "yes");
    EXPECT_EQ(storedField(bytes, 1, 12), "no");
    EXPECT_EQ(storedField(bytes, 2, 9), "no");
    EXPECT_EQ(storedField(bytes, 2, 12), "yes");
    EXPECT_EQ(storedField(bytes, 3, 9), "yes");  // "yes" is not the German yes word
    EXPECT_EQ(storedField(bytes, 3, 12), "vielleicht");
    EXPECT_EQ(storedField(bytes, 1, 8), "1");
    EXPECT_EQ(storedField(bytes, 2, 8), "2");
    EXPECT_EQ(storedField(bytes, 3, 8), "0");
    EXPECT_EQ(storedField(bytes, 1, 13), "Games");
    EXPECT_EQ(storedField(bytes, 1, 10), "/src/alpha.exe");

    const ProjectFileContents back = readProjectFile(path, categories);
    EXPECT_EQ(back.header, sampleHeader());
    ASSERT_EQ(back.items.size(), 3u);
    auto expected = items;
    expected[0][8] = "yes";
    expected[0][11] = "no";
    expected[1][8] = "no";
    expected[1][11] = "yes";
    expected[2][8] = "yes";
    EXPECT_EQ(back.items, expected);
}

// A project file of the old program on a Russian system: its texts in
// Windows-1251, one field already UTF-8.
TEST(ProjectFile, LegacyTextIsReadInTheInterfaceLanguagesCodePageAndSavedAsUtf8)
{
    TempDir dir;
    const auto path = dir / "old.qvp";
    ProjectRecord head;
    head.setField(1, "\xCC\xEE\xE9 \xE4\xE8\xF1\xEA");  // Мой диск
    head.setField(2, "/home/a/cd/");
    ProjectRecord row;
    row.setField(1, "\xC8\xE3\xF0\xE0 \xB9 1");  // Игра № 1
    row.setField(7, "Описание");                    // UTF-8 already
    row.setField(8, "0");
    row.setField(13, "\xC8\xE3\xF0\xFB");             // Игры
    writeFile(path, head.encode() + row.encode());
    const std::vector<std::string> categories{"Программы", "Игры"};

    struct Case {
        int charset;
        std::string cdName;
        std::string name;
        std::string category;  // English misreads the caption, so its stored position decides
    };
    const Case cases[] = {
        {204, "Мой диск", "Игра № 1", "Игры"},
        {0, "Ìîé äèñê", "Èãðà ¹ 1", "Программы"},
    };
    for (const auto& c : cases) {
        const LegacyCodePage::Scope language(LegacyCodePage::forCharset(c.charset));
        const ProjectFileContents back = readProjectFile(path, categories);
        EXPECT_EQ(back.header.cdName, c.cdName) << c.charset;
        ASSERT_EQ(back.items.size(), 1u);
        EXPECT_EQ(fieldOf(back.items[0], FieldName), c.name) << c.charset;
        EXPECT_EQ(fieldOf(back.items[0], FieldDescription), "Описание") << c.charset;
        EXPECT_EQ(fieldOf(back.items[0], FieldCategory), c.category) << c.charset;
    }

    // Saved, the texts are UTF-8 for good: read again under English they stay Cyrillic.
    {
        const LegacyCodePage::Scope russian(CodePage::Windows1251);
        const ProjectFileContents back = readProjectFile(path, categories);
        writeProjectFile(path, back.header, back.items, categories, {});
    }
    const std::string bytes = readFile(path);
    EXPECT_EQ(storedField(bytes, 0, 1), "Мой диск");
    EXPECT_EQ(storedField(bytes, 1, 1), "Игра № 1");
    EXPECT_EQ(storedField(bytes, 1, 13), "Игры");
    EXPECT_EQ(storedField(bytes, 1, 8), "1");
    const ProjectFileContents again = readProjectFile(path, categories);
    EXPECT_EQ(again.header.cdName, "Мой диск");
    EXPECT_EQ(fieldOf(again.items[0], FieldName), "Игра № 1");
}

TEST(ProjectFile, RecordCountComesFromTheFileSizeAndTrailingBytesAreIgnored)
{
    TempDir dir;
    const auto path = dir / "p.qvp";
    std::vector<ItemFieldTexts> items;
    for (int i = 0; i < 4; ++i)
        items.push_back(item("item" + std::to_string(i), "Games"));
    writeProjectFile(path, sampleHeader(), items, {"Games"}, {});
    std::string bytes = readFile(path);
    ASSERT_EQ(bytes.size(), 1153u * 5);
    // Field 9 lies; the size decides.
    bytes[859] = '9';
    writeFile(path, bytes + std::string(100, 'x'));

    const ProjectFileContents back = readProjectFile(path, {"Games"});
    ASSERT_EQ(back.items.size(), 4u);
    EXPECT_EQ(back.items[3][0], "item3");
}

TEST(ProjectFile, CategoryResolvedByCaptionOrElseByStoredPosition)
{
    struct Case {
        const char* what;
        std::vector<std::string> listAtSave;
        std::string caption;
        std::vector<std::string> listAtRead;
        std::string expected;
    };
    const std::string longCaption(60, 'L');
    const Case cases[] = {
        {"same list", {"A", "B", "C"}, "B", {"A", "B", "C"}, "B"},
        {"renamed at the same position", {"A", "B", "C"}, "B", {"A", "Bee", "C"}, "Bee"},
        {"moved: caption wins over the old position", {"A", "B", "C"}, "B", {"B", "A", "C"}, "B"},
        {"caption cut to 50 is found through the position", {"A", longCaption}, longCaption, {"A", longCaption},
         longCaption},
        {"duplicate captions: the last position is stored", {"X", "A", "X"}, "Gone", {"X", "A", "Y"}, "X"},
        {"duplicate captions, renamed", {"X", "A", "X"}, "X", {"Z", "A", "Y"}, "Y"},
        {"reordered list: the caption is found at its new place", {"Q", "R", "A"}, "A", {"A", "R", "Z"}, "A"},
        {"position beyond the list", {"A", "B", "C"}, "C", {"A", "B"}, "C"},
        {"not in the list at save: position 0", {"A", "B"}, "Gone", {"New", "B"}, "New"},
        {"nothing matches: the stored caption stays", {"A", "B", "C"}, "C", {"A"}, "C"},
        {"empty list", {"A"}, "A", {}, "A"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const auto path = dir / "c.qvp";
        writeProjectFile(path, sampleHeader(), {item("x", c.caption)}, c.listAtSave, {});
        const auto back = readProjectFile(path, c.listAtRead);
        ASSERT_EQ(back.items.size(), 1u) << c.what;
        EXPECT_EQ(back.items[0][7], c.expected) << c.what;
    }
}

TEST(ProjectFile, PositionFieldThatIsNotANumberMatchesNoPosition)
{
    TempDir dir;
    const auto path = dir / "p.qvp";
    writeProjectFile(path, sampleHeader(), {item("x", "B"), item("y", "Old")}, {"A", "B"}, {});
    std::string bytes = readFile(path);
    for (std::size_t r : {1, 2}) {
        const std::size_t at = r * 1153 + 757;
        bytes[at] = 2;
        bytes.replace(at + 1, 2, "1x");
    }
    writeFile(path, bytes);
    const auto back = readProjectFile(path, {"A", "B"});
    ASSERT_EQ(back.items.size(), 2u);
    EXPECT_EQ(back.items[0][7], "B");
    EXPECT_EQ(back.items[1][7], "Old");
}

TEST(ProjectFile, HeaderTriplesComeFromTheFileReferences)
{
    TempDir dir;
    writeFile(dir / "my.fun.qvc", "x");
    FileReference category;
    category.assign(dir / "my.fun.qvc");
    FileReference design;  // empty

    ProjectHeader h = sampleHeader();
    h.setCategoryFile(category);
    h.setDesignFile(design);
    EXPECT_EQ(h.categoryPath, pathText(dir / "my.fun.qvc"));
    EXPECT_EQ(h.categoryBareName, "my");
    EXPECT_EQ(h.categoryExtension, ".qvc");
    EXPECT_EQ(h.designPath, "");
    EXPECT_EQ(h.designBareName, "");
    EXPECT_EQ(h.designExtension, "");
}

TEST(ProjectFile, LongCategoryPathIsStoredCutTo100Bytes)
{
    TempDir dir;
    const auto path = dir / "p.qvp";
    ProjectHeader h = sampleHeader();
    h.categoryPath = "/" + std::string(120, 'g') + "/Fun.qvc";
    writeProjectFile(path, h, {}, {}, {});
    const ProjectHeader back = readProjectHeader(path);
    EXPECT_EQ(back.categoryPath, h.categoryPath.substr(0, 100));
    EXPECT_EQ(back.categoryBareName, "Fun");
}

TEST(ProjectFile, WriteHeaderReplacesOnlyRecordZero)
{
    TempDir dir;
    const auto path = dir / "p.qvp";
    writeProjectFile(path, sampleHeader(), {item("a", "G"), item("b", "G")}, {"G"}, {});
    const std::string before = readFile(path);

    ProjectHeader h = sampleHeader();
    h.designPath = "/base/menudesign/Red.qvd";
    h.designBareName = "Red";
    writeProjectHeader(path, h, 2);

    const std::string after = readFile(path);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(1153), before.substr(1153));
    EXPECT_EQ(readProjectHeader(path), h);
}

TEST(ProjectFile, FailuresAreReportedAndLeaveTheOldFile)
{
    TempDir dir;
    EXPECT_THROW(writeProjectFile(dir / "missing" / "p.qvp", sampleHeader(), {}, {}, {}), ProjectFileError);
    EXPECT_THROW(writeProjectHeader(dir / "none.qvp", sampleHeader(), 1), ProjectFileError);
    EXPECT_THROW(readProjectFile(dir / "none.qvp", {}), ProjectFileError);
    EXPECT_THROW(readProjectHeader(dir / "none.qvp"), ProjectFileError);

    writeFile(dir / "short.qvp", std::string(1152, 'x'));
    EXPECT_THROW(readProjectFile(dir / "short.qvp", {}), ProjectFileError);

    const auto path = dir / "ro.qvp";
    writeProjectFile(path, sampleHeader(), {item("a", "G")}, {"G"}, {});
    const std::string before = readFile(path);
    setReadOnly(path, true);
    try {
        writeProjectFile(path, sampleHeader(), {}, {}, {});
        FAIL() << "a read-only project file was reported as written";
    } catch (const ProjectFileError& e) {
        EXPECT_EQ(e.path(), path);
        EXPECT_NE(std::string(e.what()).find("ro.qvp"), std::string::npos);
    }
    EXPECT_EQ(readFile(path), before);
}
