#include "app/CommandTable.h"

#include <gtest/gtest.h>

#include <set>

using namespace qv;

TEST(CommandTable, BeforeAProjectOnlyTheAlwaysCommandsAreEnabled)
{
    const CommandState state;
    for (const Command& c : mainWindowCommands()) {
        EXPECT_EQ(state.menuEnabled(c.id), c.enabling == Enabling::Always) << c.entry;
        if (c.button) {
            EXPECT_EQ(state.buttonEnabled(*c.button), c.enabling == Enabling::Always) << c.entry;
        }
    }
    EXPECT_TRUE(state.buttonEnabled(ToolButton::Settings));
    EXPECT_FALSE(state.projectOpen());
}

TEST(CommandTable, AProjectEnablesEverythingInMenuAndToolBars)
{
    CommandState state;
    state.enableProjectCommands();
    for (const Command& c : mainWindowCommands())
        EXPECT_TRUE(state.menuEnabled(c.id)) << c.entry;
    for (int b = 0; b < kToolButtons; ++b)
        EXPECT_TRUE(state.buttonEnabled(static_cast<ToolButton>(b))) << kToolButtonNames[static_cast<std::size_t>(b)];
    EXPECT_TRUE(state.projectOpen());
}

TEST(CommandTable, MenuFollowsItsButtonOnlyWhenSynced)
{
    struct Case {
        ToolButton button;
        std::vector<CommandId> entries;
    };
    const Case cases[] = {
        {ToolButton::Save, {CommandId::Save, CommandId::SaveAs}},
        {ToolButton::Build,
         {CommandId::Build, CommandId::Record, CommandId::ExportAscii, CommandId::ExportCsv, CommandId::ExportWord,
          CommandId::ExportExcel, CommandId::ExportHtml}},
        {ToolButton::Sort,
         {CommandId::Sort, CommandId::Find, CommandId::FindNext, CommandId::InfoFile, CommandId::Screenshot}},
        {ToolButton::AddJump, {CommandId::AddJump}},
        {ToolButton::Categories, {CommandId::CategoryEditor}},
    };
    for (const Case& c : cases) {
        CommandState state;
        state.setButtonEnabled(c.button, true);
        for (CommandId id : c.entries)
            EXPECT_FALSE(state.menuEnabled(id)) << command(id).entry;
        state.syncMenuWithButtons();
        int enabled = 0;
        for (const Command& cmd : mainWindowCommands())
            enabled += cmd.enabling == Enabling::Project && state.menuEnabled(cmd.id);
        EXPECT_EQ(enabled, static_cast<int>(c.entries.size())) << kToolButtonNames[static_cast<std::size_t>(c.button)];
        for (CommandId id : c.entries)
            EXPECT_TRUE(state.menuEnabled(id)) << command(id).entry;
    }
    // New and Wizard follow `new`: disabling it disables both at the next sync.
    CommandState state;
    state.setButtonEnabled(ToolButton::New, false);
    state.syncMenuWithButtons();
    EXPECT_FALSE(state.menuEnabled(CommandId::New));
    EXPECT_FALSE(state.menuEnabled(CommandId::Wizard));
}

TEST(CommandTable, KeysAndButtonsFindTheirCommands)
{
    struct Case {
        const char* key;
        CommandId id;
    };
    const Case cases[] = {{"F11", CommandId::New},       {"F12", CommandId::Wizard},      {"F3", CommandId::Open},
                          {"F2", CommandId::Save},       {"Alt+F3", CommandId::SaveAs},   {"Ctrl+E", CommandId::EditProject},
                          {"Ctrl+C", CommandId::Check},  {"F10", CommandId::Build},       {"Alt+F10", CommandId::Record},
                          {"F4", CommandId::AddFile},    {"Ctrl+F4", CommandId::AddFolder}, {"F5", CommandId::AddJump},
                          {"F6", CommandId::AddUrl},     {"Del", CommandId::Remove},      {"Ctrl+S", CommandId::Sort},
                          {"Ctrl+F", CommandId::Find},   {"Ctrl+Alt+F", CommandId::FindNext}, {"F7", CommandId::InfoFile},
                          {"Alt+F7", CommandId::Screenshot}, {"F8", CommandId::CategoryEditor},
                          {"F9", CommandId::MenuDesignEditor}, {"Ctrl+I", CommandId::Info}, {"F1", CommandId::Help},
                          {"Alt+F1", CommandId::FirstProject}};
    std::set<std::string_view> keys;
    for (const Command& c : mainWindowCommands())
        if (!c.key.empty()) {
            EXPECT_TRUE(keys.insert(c.key).second) << "key used twice: " << c.key;
        }
    EXPECT_EQ(keys.size(), std::size(cases));
    for (const Case& c : cases)
        EXPECT_EQ(commandForKey(c.key), c.id) << c.key;
    EXPECT_EQ(commandForKey("F13"), std::nullopt);
    EXPECT_EQ(commandForButton(ToolButton::AddJump), CommandId::AddJump);
    EXPECT_EQ(commandForButton(ToolButton::Exit), CommandId::Exit);
    EXPECT_EQ(commandForButton(ToolButton::Settings), std::nullopt);
    EXPECT_EQ(command(CommandId::AddJump).handler, "addJumpClick");
}
