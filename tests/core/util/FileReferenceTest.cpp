#include "util/FileReference.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace qv;
using qv::test::TempDir;
using qv::test::writeFile;

TEST(FileReference, KeepsPathOnlyWhenFileExists)
{
    TempDir dir;
    writeFile(dir / "a.b.qvp", "12345");
    FileReference ref;
    ref.assign(dir / "a.b.qvp");
    EXPECT_TRUE(ref.exists());
    EXPECT_EQ(ref.fullPath(), dir / "a.b.qvp");
    EXPECT_EQ(ref.bareName(), "a");
    EXPECT_EQ(ref.extension(), ".qvp");
    EXPECT_EQ(ref.fileName(), "a.b.qvp");
    EXPECT_EQ(ref.folder(), dir.path() / "");
    EXPECT_EQ(ref.size(), 5u);

    ref.assign(dir / "missing.qvp");
    EXPECT_FALSE(ref.exists());
    EXPECT_TRUE(ref.fullPath().empty());
}

TEST(FileReference, SamePathAgainIsNotTestedAgain)
{
    TempDir dir;
    writeFile(dir / "p.qvp", "x");
    FileReference ref;
    ref.assign(dir / "p.qvp");
    std::filesystem::remove(dir / "p.qvp");
    ref.assign(dir / "p.qvp");
    EXPECT_TRUE(ref.exists());
    EXPECT_EQ(ref.fullPath(), dir / "p.qvp");
}

TEST(FileReference, DeleteOwnFileEmptiesOtherFileDoesNot)
{
    TempDir dir;
    writeFile(dir / "own.tmp", "x");
    writeFile(dir / "other.tmp", "x");
    FileReference ref;
    ref.assign(dir / "own.tmp");
    ref.remove(dir / "other.tmp");
    EXPECT_FALSE(std::filesystem::exists(dir / "other.tmp"));
    EXPECT_TRUE(ref.exists());
    ref.remove();
    EXPECT_FALSE(std::filesystem::exists(dir / "own.tmp"));
    EXPECT_FALSE(ref.exists());
    EXPECT_TRUE(ref.fullPath().empty());
    ref.remove(dir / "never-there.tmp");  // silent
}
