#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CdPath.h"
#include "MenuScene.h"
#include "TempDir.h"

namespace {

namespace fs = std::filesystem;
using rnv::Action;
using rnv::Key;
using rnv::Pane;

// A measure that needs no fonts: every character 7 pixels, a line its point size plus 4.
class FixedMeasure final : public rnv::TextMeasure {
public:
    int width(const rnv::TextLook&, std::string_view utf8) const override { return static_cast<int>(utf8.size()) * 7; }
    int height(const rnv::TextLook& font) const override { return font.size + 4; }
};

class RecordingDesktop final : public rnv::Desktop {
public:
    bool startProgram(const fs::path& program) override
    {
        started.push_back(program);
        return true;
    }
    bool openPath(const fs::path& path) override
    {
        opened.push_back(path);
        return true;
    }
    bool openAddress(const std::string& address) override
    {
        addresses.push_back(address);
        return true;
    }
    std::optional<fs::path> chooseFolder(const std::string&) override { return std::nullopt; }
    void message(const std::string& text) override { messages.push_back(text); }

    std::vector<fs::path> started;
    std::vector<fs::path> opened;
    std::vector<std::string> addresses;
    std::vector<std::string> messages;
};

rnv::MenuItem item(std::string caption, std::string pfad, int type, bool copy, bool execute, std::string url = "n/a")
{
    rnv::MenuItem i;
    i.caption = std::move(caption);
    i.pfad = std::move(pfad);
    i.type = type;
    i.copy = copy;
    i.execute = execute;
    i.url = std::move(url);
    i.hasDetails = true;
    return i;
}

// Three categories: two items, none, one.
rnv::MenuData menu(const fs::path& root)
{
    rnv::MenuData data;
    data.root = root;
    data.cfg = root / "CFG";
    data.cfgFound = true;
    data.categories = {{"Games", {}, {item("Rally", "\\Games\\rally.exe", 0, true, true), item("Read me", "\\readme.txt", 1, false, true)}},
                       {"Empty", {}, {}},
                       {"Web", {}, {item("Site", "www.example.org", 3, false, true)}}};
    for (int n = 0; n < 3; ++n) {
        auto& items = data.categories[static_cast<std::size_t>(n)].items;
        for (std::size_t i = 0; i < items.size(); ++i) {
            items[i].category = n;
            items[i].index = static_cast<int>(i);
        }
    }
    return data;
}

TEST(MenuSceneLayout, BoxesShareTheWidthAboveTheButtons)
{
    qv::test::TempDir dir;
    RecordingDesktop desktop;
    const rnv::MenuScene scene(menu(dir.path()), desktop);
    const rnv::SceneLayout l = scene.layout(840, 560, FixedMeasure());

    // Boxes: 18 px margins, 12 px between them, 25:32:43 of the rest.
    EXPECT_EQ(l.boxes[0].frame, (rnv::Rect{18, 70, 195, l.boxes[0].frame.height}));
    EXPECT_EQ(l.boxes[1].frame.x, 18 + 195 + 12);
    EXPECT_EQ(l.boxes[1].frame.width, 250);
    EXPECT_EQ(l.boxes[2].frame.right(), 840 - 18);
    for (const auto& box : l.boxes) {
        EXPECT_EQ(box.frame.y, l.boxes[0].frame.y);
        EXPECT_EQ(box.frame.height, l.boxes[0].frame.height);
        EXPECT_EQ(box.content, box.frame.adjusted(8, 11 + 4 + 14, -8, -8));  // below the 11 pt heading
    }
    // Buttons: one row 18 px above the bottom, 14 px below the boxes, Quit alone at the right.
    const auto& run = l.buttons[static_cast<std::size_t>(Action::Run)];
    const auto& quit = l.buttons[static_cast<std::size_t>(Action::Quit)];
    EXPECT_EQ(run.rect.x, 18);
    EXPECT_EQ(run.rect.bottom(), 560 - 18);
    EXPECT_EQ(l.boxes[0].frame.bottom() + 14, run.rect.y);
    EXPECT_EQ(quit.rect.right(), 840 - 18);
    for (std::size_t a = 1; a + 1 < l.buttons.size(); ++a)
        EXPECT_EQ(l.buttons[a].rect.x, l.buttons[a - 1].rect.right() + 10);
    // A caption wider than the least width widens its button.
    const auto& screenshot = l.buttons[static_cast<std::size_t>(Action::Screenshot)];
    EXPECT_EQ(screenshot.rect.width, 10 * 7 + 28 + 2 * 1 + 5);
    EXPECT_EQ(l.buttons[static_cast<std::size_t>(Action::Copy)].rect.width, 92);
}

TEST(MenuSceneLayout, FollowsTheWindowSize)
{
    qv::test::TempDir dir;
    RecordingDesktop desktop;
    const rnv::MenuScene scene(menu(dir.path()), desktop);
    const rnv::SceneLayout small = scene.layout(840, 560, FixedMeasure());
    const rnv::SceneLayout large = scene.layout(1240, 760, FixedMeasure());
    EXPECT_EQ(large.boxes[2].frame.right(), 1240 - 18);
    EXPECT_EQ(large.boxes[0].frame.height, small.boxes[0].frame.height + 200);
    EXPECT_EQ(large.buttons[0].rect.y, small.buttons[0].rect.y + 200);
    // The icon makes room before the title only when the CD has one.
    EXPECT_FALSE(small.icon);
    EXPECT_EQ(small.title.x, 18);
}

TEST(MenuSceneLayout, RowsScrollToTheChosenOne)
{
    qv::test::TempDir dir;
    rnv::MenuData data = menu(dir.path());
    for (int i = 0; i < 40; ++i)
        data.categories[0].items.push_back(item("More " + std::to_string(i), "\\x" + std::to_string(i), 2, true, true));
    RecordingDesktop desktop;
    rnv::MenuScene scene(std::move(data), desktop);
    const rnv::SceneLayout l = scene.layout(840, 560, FixedMeasure());
    auto rows = scene.rows(Pane::Items, l);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front().index, 0);
    EXPECT_TRUE(rows.front().selected);
    EXPECT_EQ(rows.front().rect.height, std::max(24, 10 + 4) + 10);

    ASSERT_TRUE(scene.selectItem(41));
    rows = scene.rows(Pane::Items, l);
    EXPECT_EQ(rows.back().index, 41);
    EXPECT_TRUE(rows.back().selected);
    EXPECT_LE(rows.back().rect.bottom(), l.boxes[1].content.bottom());
    // A click on a row names it.
    const auto hit = scene.hit(l, rows.back().rect.x + 5, rows.back().rect.y + 5);
    EXPECT_EQ(hit.kind, rnv::HitResult::Kind::Item);
    EXPECT_EQ(hit.index, 41);
}

TEST(MenuSceneKeys, MoveBetweenAndWithinTheLists)
{
    qv::test::TempDir dir;
    RecordingDesktop desktop;
    rnv::MenuScene scene(menu(dir.path()), desktop);
    EXPECT_EQ(scene.focus(), Pane::Categories);
    EXPECT_EQ(scene.category(), 0);
    EXPECT_EQ(scene.item(), 0);

    EXPECT_TRUE(scene.key(Key::Right).handled);
    EXPECT_EQ(scene.focus(), Pane::Items);
    scene.key(Key::Down);
    EXPECT_EQ(scene.item(), 1);
    scene.key(Key::Down);  // stays on the last
    EXPECT_EQ(scene.item(), 1);
    EXPECT_EQ(scene.key(Key::Enter).action, Action::Run);
    scene.key(Key::Left);
    EXPECT_EQ(scene.focus(), Pane::Categories);

    scene.key(Key::Down);  // the empty category: nothing to move right into
    EXPECT_EQ(scene.category(), 1);
    EXPECT_EQ(scene.item(), -1);
    EXPECT_FALSE(scene.key(Key::Right).handled);
    EXPECT_EQ(scene.focus(), Pane::Categories);
    EXPECT_EQ(scene.details().note, "This category is empty.");

    scene.key(Key::End);
    EXPECT_EQ(scene.category(), 2);
    EXPECT_EQ(scene.details().title, "Site");
    EXPECT_FALSE(scene.key(Key::Left).handled);
    EXPECT_EQ(scene.key(Key::Escape).action, Action::Quit);
}

TEST(MenuSceneActions, EnabledByTypeFlagsAndPath)
{
    qv::test::TempDir dir;
    qv::test::writeFile(dir / "readme.txt", "x");
    struct Case {
        const char* name;
        rnv::MenuItem item;
        bool run, copy, homepage;
        const char* runCaption;
    };
    const std::vector<Case> cases{
        {"program", item("P", "\\p.exe", 0, true, true), true, true, false, "Run"},
        {"document", item("D", "\\guide.doc", 1, true, true, "www.example.org"), true, true, true, "Open"},
        {"flags off", item("D", "\\guide.doc", 1, false, false), false, false, false, "Run"},
        {"no path", item("N", "n/a", 1, true, true), false, false, false, "Run"},
        {"hyperlink", item("H", "http://example.org", 3, true, true), true, false, false, "Open"},
        {"jump point", item("J", "\\Docs\\Jump Point", rnv::kJumpPointType, true, true), true, false, false, "Open"},
        {"odd homepage", item("O", "\\p.exe", 0, false, false, "javascript:alert(1)"), false, false, false, "Run"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        rnv::MenuData data = menu(dir.path());
        data.categories[0].items = {c.item};
        RecordingDesktop desktop;
        rnv::MenuScene scene(std::move(data), desktop);
        EXPECT_EQ(scene.enabled(Action::Run), c.run);
        EXPECT_EQ(scene.enabled(Action::Copy), c.copy);
        EXPECT_EQ(scene.enabled(Action::Homepage), c.homepage);
        EXPECT_FALSE(scene.enabled(Action::Info));
        EXPECT_TRUE(scene.enabled(Action::Quit));
        EXPECT_EQ(scene.caption(Action::Run), c.runCaption);
        const rnv::SceneLayout l = scene.layout(840, 560, FixedMeasure());
        EXPECT_EQ(l.buttons[0].enabled, c.run);
        EXPECT_EQ(l.buttons[0].caption, c.runCaption);
    }
    // An entry without its item file offers nothing.
    rnv::MenuData data = menu(dir.path());
    data.categories[0].items[0].hasDetails = false;
    RecordingDesktop desktop;
    const rnv::MenuScene scene(std::move(data), desktop);
    for (std::size_t a = 0; a + 1 < rnv::kActionCount; ++a)
        EXPECT_FALSE(scene.enabled(static_cast<Action>(a)));
    EXPECT_EQ(scene.details().note, "The details of this entry are missing.");
}

TEST(MenuSceneActions, RefusesPathsLeavingTheCd)
{
    qv::test::TempDir dir;
    fs::create_directories(dir / "cd");
    qv::test::writeFile(dir / "outside.exe", "x");
    for (const char* pfad : {"\\..\\outside.exe", "..\\outside.exe", "C:\\Windows\\notepad.exe", "\\\\server\\share\\x.exe",
                             "\\a\\..\\..\\outside.exe"}) {
        SCOPED_TRACE(pfad);
        EXPECT_EQ(rnv::resolveCdPath(dir / "cd", pfad).status, rnv::ResolvedPath::Status::Outside);
        rnv::MenuData data = menu(dir / "cd");
        data.categories[0].items = {item("Out", pfad, 0, true, true)};
        RecordingDesktop desktop;
        rnv::MenuScene scene(std::move(data), desktop);
        EXPECT_FALSE(scene.actions().run(*scene.currentItem()));
        EXPECT_TRUE(desktop.started.empty());
        ASSERT_EQ(desktop.messages.size(), 1u);
        EXPECT_NE(desktop.messages[0].find("leads outside this CD"), std::string::npos);
    }
    EXPECT_EQ(rnv::resolveCdPath(dir / "cd", "\\a\\..\\b.exe").path, dir / "cd" / "b.exe");
}

TEST(MenuSceneWords, FollowTheLetterCaseButNotTheCaptions)
{
    qv::test::TempDir dir;
    qv::test::writeFile(dir / "language.vlx", "[Runtime]\r\nQuit=Beenden\r\nCopyFailed=%s nicht kopiert\r\n");
    struct Case {
        rnv::LetterCase letterCase;
        const char* quit;
        const char* failed;
    };
    for (const Case& c : std::vector<Case>{{rnv::LetterCase::Lower, "beenden", "%s nicht kopiert"},
                                           {rnv::LetterCase::AsWritten, "Beenden", "%s nicht kopiert"},
                                           {rnv::LetterCase::Upper, "BEENDEN", "%s NICHT KOPIERT"}}) {
        rnv::MenuData data = menu(dir.path());
        data.words = rnv::RuntimeWords::load(dir / "language.vlx", c.letterCase);
        RecordingDesktop desktop;
        const rnv::MenuScene scene(std::move(data), desktop);
        const rnv::SceneLayout l = scene.layout(840, 560, FixedMeasure());
        EXPECT_EQ(l.buttons[static_cast<std::size_t>(Action::Quit)].caption, c.quit);
        EXPECT_EQ(scene.data().words[rnv::Word::CopyFailed], c.failed);
        // Category and item names stay as the author wrote them.
        EXPECT_EQ(scene.rows(Pane::Categories, l).front().caption, "Games");
    }
}

TEST(MenuSceneDetails, ShowFieldsWithValues)
{
    qv::test::TempDir dir;
    rnv::MenuData data = menu(dir.path());
    rnv::MenuItem& rally = data.categories[0].items[0];
    rally.serial = "n/a";
    rally.sizeCd = "12";
    rally.sizeHd = "< 1";
    rally.desc = "Fast.";
    RecordingDesktop desktop;
    const rnv::MenuScene scene(std::move(data), desktop);
    const rnv::DetailsContent d = scene.details();
    EXPECT_EQ(d.title, "Rally");
    ASSERT_EQ(d.lines.size(), 3u);
    EXPECT_EQ(d.lines[0].value, "12 MB");
    EXPECT_EQ(d.lines[1].value, "< 1");
    EXPECT_EQ(d.lines[2].value, "\\Games\\rally.exe");
    EXPECT_EQ(d.description, "Fast.");
}

}  // namespace
