#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ItemActions.h"
#include "MenuData.h"

namespace rnv {

enum class Action { Run, Copy, Info, Screenshot, Homepage, Quit, Count };
inline constexpr std::size_t kActionCount = static_cast<std::size_t>(Action::Count);

// The two lists of the menu; the details box has no selection of its own.
enum class Pane { Categories, Items };

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; }  // one past the last column
    int bottom() const { return y + height; }
    bool contains(int px, int py) const { return px >= x && px < right() && py >= y && py < bottom(); }
    Rect adjusted(int left, int top, int rightBy, int bottomBy) const
    {
        return {x + left, y + top, width - left + rightBy, height - top + bottomBy};
    }
    bool operator==(const Rect&) const = default;
};

// How wide and high a painter draws a line of text in a font; the layout
// asks it where a size depends on the text.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual int width(const TextLook& font, std::string_view utf8) const = 0;
    // The line height of the font.
    virtual int height(const TextLook& font) const = 0;
};

struct SceneBox {
    Rect frame;
    Rect heading;  // the heading's line inside the frame
    Rect content;  // where the list or the details go
    std::string headingText;
    TextLook headingFont;  // the box's own face, 11 point bold, in the box's text colour
    const BoxLook* look = nullptr;
};

struct SceneButton {
    Action action = Action::Run;
    Rect rect;
    std::string caption;
    bool enabled = false;
};

struct SceneRow {
    int index = 0;
    Rect rect;
    Rect icon;
    Rect text;
    std::string caption;
    std::filesystem::path iconFile;  // may not exist: the painter then draws its stand-in
    int type = -1;                   // item type of an item row, -1 for a category
    bool selected = false;
};

// What the details box says about the chosen item, line by line.
struct DetailsContent {
    struct Line {
        std::string label;
        std::string value;
    };
    std::string title;
    std::vector<Line> lines;
    std::string description;
    std::string note;  // instead of an item, e.g. an empty category
};

// Where everything of the menu goes for one window size, in the design's
// logical pixels.
struct SceneLayout {
    Rect window;
    Rect header;
    std::optional<Rect> icon;  // the menu's icon before the title, when the CD has one
    Rect title;
    TextLook titleFont;
    std::array<SceneBox, 3> boxes;  // categories, items, details
    std::array<SceneButton, kActionCount> buttons;
    int categoryRowHeight = 0;
    int itemRowHeight = 0;
    int categoryIconSize = 32;
    int itemIconSize = 24;
};

// What a key press did: the key was taken, and maybe an action to run.
struct KeyOutcome {
    bool handled = false;
    std::optional<Action> action;
};

enum class Key { Up, Down, Left, Right, Home, End, Enter, Escape };

struct HitResult {
    enum class Kind { None, Category, Item, Button } kind = Kind::None;
    int index = -1;
};

// The menu as plain data: what it shows, where, and what a click or a key
// does. The Qt and the Win32 runtime paint it; neither decides anything.
class MenuScene final {
public:
    static constexpr int kWindowWidth = 840;
    static constexpr int kWindowHeight = 560;

    MenuScene(MenuData data, Desktop& desktop);

    const MenuData& data() const { return m_data; }
    ItemActions& actions() { return m_actions; }
    const ItemActions& actions() const { return m_actions; }
    // The window's title: the CD's name, or the program's when the CD has none.
    const std::string& title() const { return m_title; }

    int category() const { return m_category; }
    int item() const { return m_item; }
    const MenuItem* currentItem() const { return m_data.item(m_category, m_item); }
    // Chooses category n and, when i >= 0, its item i (else its first). False when there is no such entry.
    bool select(int category, int item = -1);
    // Chooses a row of the current category; false when there is none.
    bool selectItem(int item);
    Pane focus() const { return m_focus; }
    // Items can take the focus only when there are some.
    bool setFocus(Pane pane);
    KeyOutcome key(Key key);

    ActionSet available() const;
    bool enabled(Action action) const;
    // "Open" replaces "Run" for everything that is not a program.
    std::string caption(Action action) const;
    DetailsContent details() const;

    SceneLayout layout(int width, int height, const TextMeasure& measure) const;
    // The rows of a list that fit its box, scrolled so the chosen one shows.
    std::vector<SceneRow> rows(Pane pane, const SceneLayout& layout) const;
    HitResult hit(const SceneLayout& layout, int x, int y) const;

    // Sound 1 at start, 2 a new selection, 3 buttons, 4 copy complete; empty when the design has none.
    std::filesystem::path sound(int number) const;

private:
    int itemCount() const;

    MenuData m_data;
    ItemActions m_actions;
    std::string m_title;
    int m_category = -1;
    int m_item = -1;
    Pane m_focus = Pane::Categories;
};

// A size field as the details show it: whole megabytes get the unit, other text stays as it is.
std::string sizeText(const std::string& value, const RuntimeWords& words);

}  // namespace rnv
