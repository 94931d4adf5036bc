// Rebuilds rewrite the runtime item files in place; what they leave must be
// what a build into an empty folder leaves.
#include "build/RuntimeItemFiles.h"

#include "profile/ProfileBatch.h"
#include "profile/ProfileFile.h"
#include "util/Fs.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

using namespace qv;
using qv::test::readFile;
using qv::test::TempDir;
using qv::test::writeFile;

namespace fs = std::filesystem;

namespace {

std::map<std::string, std::string> tree(const fs::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        if (e.is_regular_file())
            files[e.path().lexically_relative(folder).generic_string()] = readFile(e.path());
    return files;
}

RuntimeItemSource source(const std::string& description, int items)
{
    RuntimeItemSource s;
    s.cdName = "CD";
    s.rootName = "/p/";
    s.categories = {"A", "B"};
    s.yesWord = "yes";
    for (int i = 0; i < items; ++i)
        s.items.push_back({"Item " + std::to_string(i), "f.exe", "\\", "", "1", "1", description,
                           i % 2 ? "B" : "A", "yes", "", "", "no"});
    return s;
}

}  // namespace

TEST(RebuildInPlace, ShorterLongerFewerAndMoreItemsMatchAFreshBuild)
{
    struct Step {
        std::string description;
        int items;
    };
    const Step steps[] = {
        {std::string(500, 'L'), 6},
        {"short", 6},                 // every file shrinks
        {std::string(900, 'M'), 3},   // grows, and items go
        {"", 8},                      // shrinks, and items come
    };
    TempDir dir;
    const fs::path reused = dir / "reused";
    fs::create_directories(reused);
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        const RuntimeItemSource s = source(steps[i].description, steps[i].items);
        writeRuntimeItemFiles(reused, s);
        const fs::path fresh = dir / ("fresh" + std::to_string(i));
        fs::create_directories(fresh);
        writeRuntimeItemFiles(fresh, s);
        EXPECT_EQ(tree(reused), tree(fresh)) << "step " << i;
    }
}

TEST(RebuildInPlace, ReadOnlyItemFileFromEarlierBuildIsReplaced)
{
    TempDir dir;
    writeRuntimeItemFiles(dir.path(), source("old", 2));
    setReadOnly(dir / "membersd" / "m0-0.dat", true);
    setReadOnly(dir / "members.cfg", true);

    writeRuntimeItemFiles(dir.path(), source("new", 2));

    EXPECT_EQ(ProfileFile(dir / "membersd" / "m0-0.dat").readString("0-0", "desc", ""), "new");
    EXPECT_EQ(ProfileFile(dir / "members.cfg").readInteger("0", "anz_items", 0), 1);
}

TEST(RebuildInPlace, FileMadeAnewReadsEmptyAndGoesWhenNothingIsWritten)
{
    TempDir dir;
    const fs::path kept = dir / "kept.cfg";
    const fs::path dropped = dir / "dropped.cfg";
    writeFile(kept, "[old]\r\nkey=old value with some length\r\n");
    writeFile(dropped, "[old]\r\nkey=1\r\n");
    {
        ProfileBatch batch;
        batch.startAnew(kept);
        batch.startAnew(dropped);
        ProfileFile file(kept, &batch);
        EXPECT_EQ(file.readString("old", "key", "none"), "none");
        file.writeString("new", "k", "v");
        batch.flush();
    }
    EXPECT_EQ(readFile(kept), "[new]\r\nk=v\r\n");
    EXPECT_FALSE(fs::exists(dropped));
}
