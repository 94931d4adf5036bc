#include "CliTestSupport.h"
#include "TempDir.h"

#include <gtest/gtest.h>

using namespace qv::test;

TEST(Cli, HelpVersionAndUsageErrors)
{
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* inOut;
        const char* inErr;
    };
    const std::vector<Case> cases{
        {{"--help"}, 0, "Usage: Tovald", ""},
        {{"--version"}, 0, "Version 4.5", ""},
        {{"design", "--help"}, 0, "design IN.qvd OUT.qvd", ""},
        {{"--help", "design"}, 0, "design IN.qvd OUT.qvd", ""},
        {{"frobnicate"}, 2, "", "Unknown command"},
        {{"design", "only-one"}, 2, "", "Usage: Tovald design"},
        {{"design", "a", "b", "--bogus"}, 2, "", "Unknown option"},
        {{"--language", "7", "design", "a", "b"}, 2, "", "--language"},
        {{"--language"}, 2, "", "needs a value"},
    };
    for (const auto& c : cases) {
        const auto r = runCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.front();
        EXPECT_NE(r.out.find(c.inOut), std::string::npos) << r.out;
        EXPECT_NE(r.err.find(c.inErr), std::string::npos) << r.err;
    }
}

TEST(CliDesign, RewritesADesignAndRefusesBadInput)
{
    TempDir dir;
    writeFile(dir / "in.qvd", "[Back]\r\nbc=clgray\r\n");
    const auto ok = runCli({"design", (dir / "in.qvd").string(), (dir / "out.qvd").string()});
    EXPECT_EQ(ok.status, 0) << ok.err;
    const std::string written = readFile(dir / "out.qvd");
    EXPECT_NE(written.find("clGray"), std::string::npos);

    const auto missing = runCli({"design", (dir / "none.qvd").string(), (dir / "x.qvd").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "x.qvd"));

    writeFile(dir / "bad.qvd", "[Back]\r\nbc=greenish\r\n");
    const auto bad = runCli({"design", (dir / "bad.qvd").string(), (dir / "y.qvd").string()});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("'greenish' ist kein"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "y.qvd"));
}
