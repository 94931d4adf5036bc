#include "profile/ProfileBatch.h"
#include "profile/ProfileFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace qv;
using qv::test::readFile;
using qv::test::TempDir;
using qv::test::writeFile;

namespace {

struct IntCase {
    const char* text;
    std::int32_t expected;
};

class ProfileReadInteger : public ::testing::TestWithParam<IntCase> {};

TEST_P(ProfileReadInteger, ParsesOrGivesDefault)
{
    TempDir dir;
    const auto path = dir / "a.ini";
    writeFile(path, std::string("[s]\r\nk=") + GetParam().text + "\r\n");
    EXPECT_EQ(ProfileFile(path).readInteger("s", "k", -7), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileReadInteger,
    ::testing::Values(IntCase{"0x1F", 31}, IntCase{"0X1f", 31}, IntCase{"0x", -7}, IntCase{"12abc", -7},
                      IntCase{"", -7}, IntCase{"42", 42}, IntCase{"-42", -42}, IntCase{"+5", 5},
                      IntCase{"$FF", 255}, IntCase{"$FFFFFFFF", -1}, IntCase{"$", -7}, IntCase{"0", 0},
                      IntCase{"2147483647", 2147483647}, IntCase{"2147483648", -7},
                      IntCase{"-2147483648", INT32_MIN}, IntCase{"1 2", -7}, IntCase{"0x1G", -7}));

TEST(ProfileFile, ReadBoolUsesIntegerRule)
{
    TempDir dir;
    const auto path = dir / "b.ini";
    writeFile(path, "[s]\r\ntwo=2\r\nzero=0\r\nword=yes\r\n");
    ProfileFile f(path);
    EXPECT_TRUE(f.readBool("s", "two", false));
    EXPECT_FALSE(f.readBool("s", "zero", true));
    EXPECT_TRUE(f.readBool("s", "word", true));
    EXPECT_FALSE(f.readBool("s", "word", false));
    EXPECT_TRUE(f.readBool("s", "missing", true));
}

TEST(ProfileFile, LookupIgnoresCaseAndBlanks)
{
    TempDir dir;
    const auto path = dir / "c.ini";
    writeFile(path, "; comment\n[ General ]\n  Bmp = pic.bmp  \nother=1\n[second]\nbmp=x\n");
    ProfileFile f(path);
    EXPECT_EQ(f.readString("general", "bmp", "d"), "pic.bmp");
    EXPECT_EQ(f.readString("GENERAL", "BMP", "d"), "pic.bmp");
    EXPECT_EQ(f.readString("second", "Bmp", "d"), "x");
    EXPECT_EQ(f.readString("general", "none", "d"), "d");
    EXPECT_EQ(f.readString("nosection", "bmp", "d"), "d");
    EXPECT_EQ(ProfileFile(dir / "missing.ini").readString("general", "bmp", "dflt"), "dflt");
}

TEST(ProfileFile, EmptyValueIsNotTheDefault)
{
    TempDir dir;
    const auto path = dir / "e.ini";
    writeFile(path, "[s]\r\nk=\r\n");
    EXPECT_EQ(ProfileFile(path).readString("s", "k", "d"), "");
}

TEST(ProfileFile, ReadsAreCutTo2047Characters)
{
    TempDir dir;
    const auto path = dir / "long.ini";
    ProfileFile f(path);
    f.writeString("s", "k", std::string(3000, 'x'));
    EXPECT_EQ(f.readString("s", "k", ""), std::string(2047, 'x'));
}

TEST(ProfileFile, WritingCreatesFileSectionAndKey)
{
    TempDir dir;
    const auto path = dir / "new.ini";
    ProfileFile(path).writeString("settings", "language", "2");
    EXPECT_EQ(readFile(path), "[settings]\r\nlanguage=2\r\n");
}

TEST(ProfileFile, WriteKeepsPlacesAndOrder)
{
    TempDir dir;
    const auto path = dir / "order.ini";
    writeFile(path, "[a]\r\nx=1\r\ny=2\r\n\r\n[b]\r\nz=3\r\n");
    ProfileFile f(path);
    f.writeString("A", "X", "10");   // existing key: same place, own spelling kept
    f.writeString("a", "new", "n");  // new key: end of its section, before the blank line
    f.writeString("c", "w", "4");    // new section: end of file
    f.writeInteger("b", "neg", -5);
    f.writeBool("b", "t", true);
    f.writeBool("b", "f", false);
    EXPECT_EQ(readFile(path), "[a]\r\nx=10\r\ny=2\r\nnew=n\r\n\r\n[b]\r\nz=3\r\nneg=-5\r\nt=1\r\nf=0\r\n[c]\r\nw=4\r\n");
}

TEST(ProfileFile, AcceptsLfAndWindows1252)
{
    TempDir dir;
    const auto path = dir / "old.ini";
    writeFile(path, "[s]\nname=M\xFCller\n");  // ü in Windows-1252
    ProfileFile f(path);
    EXPECT_EQ(f.readString("s", "name", ""), "M\xC3\xBCller");
    f.writeString("s", "other", "1");
    EXPECT_EQ(readFile(path), "[s]\r\nname=M\xC3\xBCller\r\nother=1\r\n");
}

TEST(ProfileFile, TwoHandlesSeeEachOthersWrites)
{
    TempDir dir;
    const auto path = dir / "shared.ini";
    ProfileFile a(path);
    ProfileFile b(path);
    a.writeString("s", "k", "v");
    EXPECT_EQ(b.readString("s", "k", ""), "v");
}

TEST(ProfileFile, FailedWriteRaisesErrorAndKeepsEarlierValues)
{
    TempDir dir;
    const auto path = dir / "ro.ini";
    ProfileFile f(path);
    f.writeString("s", "first", "1");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read, std::filesystem::perm_options::replace);
    try {
        f.writeString("s", "second", "2");
        FAIL() << "no error raised";
    } catch (const ProfileWriteError& e) {
        EXPECT_EQ(std::string(e.what()), "nach " + path.string() + " kann nicht geschrieben werden");
    }
    EXPECT_EQ(f.readString("s", "first", ""), "1");
    EXPECT_EQ(f.readString("s", "second", "none"), "none");

    ProfileFile noFolder(dir / "missing" / "x.ini");
    EXPECT_THROW(noFolder.writeString("s", "k", "v"), ProfileWriteError);
}

TEST(ProfileBatch, SameBytesAsOneAtATimeAndReadsSeeWrites)
{
    TempDir dir;
    const auto single = dir / "single.ini";
    const auto batched = dir / "batched.ini";
    const std::string seed = "; kept\r\n[Zeta]\r\nold=1\r\n\r\n[alpha]\r\nA=0\r\n";
    writeFile(single, seed);
    writeFile(batched, seed);

    auto script = [](ProfileFile& f) {
        for (int i = 0; i < 50; ++i) {
            f.writeString("sec" + std::to_string(i % 7), "key" + std::to_string(i), "v" + std::to_string(i));
            f.writeInteger("ALPHA", "a", i);
            f.writeString("zeta", "new" + std::to_string(i % 3), std::to_string(i));
        }
    };
    ProfileFile s(single);
    script(s);
    {
        ProfileBatch batch;
        ProfileFile b(batched, &batch);
        script(b);
        EXPECT_EQ(b.readInteger("alpha", "A", -1), 49);
        EXPECT_EQ(ProfileFile(batched).readInteger("alpha", "a", -1), 0) << "nothing on disk before flush";
        batch.flush();
    }
    EXPECT_EQ(readFile(batched), readFile(single));
}

TEST(ProfileBatch, RefusesReadOnlyFileAtFirstWrite)
{
    TempDir dir;
    const auto path = dir / "ro.ini";
    writeFile(path, "[s]\r\nk=1\r\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read, std::filesystem::perm_options::replace);
    ProfileBatch batch;
    ProfileFile f(path, &batch);
    EXPECT_THROW(f.writeString("s", "k", "2"), ProfileWriteError);
    EXPECT_NO_THROW(batch.flush());
    EXPECT_EQ(readFile(path), "[s]\r\nk=1\r\n");
}

}  // namespace
