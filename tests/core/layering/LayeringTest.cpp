#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Which core subsystems each subsystem may include. Lower layers first; a
// subsystem may include only ones listed before it, so the table has no cycle.
// A new subsystem or a new dependency is a decision: add it here.
const std::map<std::string, std::set<std::string>, std::less<>> kAllowed{
    {"util", {}},
    {"profile", {"util"}},
    {"ui", {"util"}},
    {"i18n", {"util", "profile", "ui"}},
    // ProjectSession still attaches itself to the frame model, hence project -> app.
    {"app", {"util", "profile", "ui", "i18n"}},
    {"categories", {"util", "profile", "ui", "i18n"}},
    {"design", {"util", "profile", "ui", "i18n"}},
    {"record", {"util", "profile", "ui", "i18n"}},
    {"project", {"util", "profile", "ui", "i18n", "app", "categories", "design"}},
    // The item dialogs write rows of the table and offer the project's categories.
    {"export", {"util", "profile", "ui", "i18n", "project"}},
    {"check", {"util", "profile", "ui", "i18n", "items", "project"}},
    {"build", {"util", "profile", "ui", "i18n", "categories", "design", "project"}},
    // The add dialogs write rows and take the item type of a chosen file.
    {"items", {"util", "profile", "ui", "i18n", "categories", "project", "build"}},
    // The set-up windows drive the project dialog's editors and the add dialogs.
    {"setup", {"util", "profile", "ui", "i18n", "app", "categories", "design", "project", "items"}},
    // The top: owns every window class and wires the commands.
    {"application",
     {"util", "profile", "ui", "i18n", "app", "categories", "design", "record", "project", "export", "check", "build", "items",
      "setup"}},
};

fs::path coreSources()
{
    return fs::path(QUENVAR_SOURCE_DIR) / "src" / "core";
}

struct Include {
    fs::path file;
    int line;
    std::string subsystem;
};

// Every `#include "x/..."` of the subsystem's own files.
std::vector<Include> includesOf(const fs::path& folder)
{
    static const std::regex include(R"(^\s*#\s*include\s*"([A-Za-z0-9_]+)/)");
    std::vector<Include> found;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        const auto ext = entry.path().extension();
        if (ext != ".h" && ext != ".cpp")
            continue;
        std::ifstream in(entry.path());
        std::string text;
        int line = 0;
        while (std::getline(in, text)) {
            ++line;
            std::smatch m;
            if (std::regex_search(text, m, include))
                found.push_back({entry.path(), line, m[1]});
        }
    }
    return found;
}

TEST(Layering, TableHasNoCycle)
{
    // Depth-first walk; a subsystem met again on the current path closes a cycle.
    std::map<std::string, int, std::less<>> state;  // 1 on the path, 2 done
    std::function<bool(const std::string&)> acyclic = [&](const std::string& s) {
        if (state[s] == 1)
            return false;
        if (state[s] == 2)
            return true;
        state[s] = 1;
        const auto it = kAllowed.find(s);
        if (it != kAllowed.end())
            for (const auto& d : it->second)
                if (!acyclic(d)) {
                    ADD_FAILURE() << "cycle through " << s << " -> " << d;
                    return false;
                }
        state[s] = 2;
        return true;
    };
    for (const auto& [s, deps] : kAllowed) {
        EXPECT_TRUE(acyclic(s));
        for (const auto& d : deps)
            EXPECT_TRUE(kAllowed.contains(d)) << s << " names an unknown subsystem " << d;
    }
}

TEST(Layering, EverySubsystemIncludesOnlyWhatItMay)
{
    const fs::path core = coreSources();
    ASSERT_TRUE(fs::is_directory(core)) << core;
    int subsystems = 0;
    for (const auto& entry : fs::directory_iterator(core)) {
        if (!entry.is_directory())
            continue;
        const std::string name = entry.path().filename().string();
        ++subsystems;
        const auto allowed = kAllowed.find(name);
        if (allowed == kAllowed.end()) {
            ADD_FAILURE() << "src/core/" << name << " is not in the table of allowed dependencies";
            continue;
        }
        for (const auto& inc : includesOf(entry.path())) {
            if (inc.subsystem == name)
                continue;
            EXPECT_TRUE(allowed->second.contains(inc.subsystem))
                << fs::relative(inc.file, core).string() << ":" << inc.line << ": " << name << " may not include "
                << inc.subsystem;
        }
    }
    EXPECT_GE(subsystems, 10) << "the core source tree was not found where expected: " << core;
}

}  // namespace
