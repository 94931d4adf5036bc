#include "MenuScene.h"

#include <algorithm>
#include <cctype>

#include "util/Text.h"

namespace rnv {

namespace {

constexpr int kHeaderHeight = 64;
constexpr int kMargin = 18;
constexpr int kBoxSpacing = 12;
constexpr int kRowSpacing = 14;  // between the boxes and the buttons
constexpr int kButtonSpacing = 10;
constexpr int kButtonMinWidth = 92;
constexpr int kIconSize = 40;
// Shares of the boxes' width: categories, items, details.
constexpr std::array<int, 3> kBoxShares{25, 32, 43};

constexpr std::array<Word, kActionCount> kCaptions{Word::Run, Word::Copy, Word::Info,
                                                   Word::Screenshot, Word::Web, Word::Quit};

}  // namespace

std::string sizeText(const std::string& value, const RuntimeWords& words)
{
    // The authoring program keeps sizes in whole megabytes; other text shows as it is.
    const std::string v(qv::trimmed(value));
    std::size_t digits = v.size();
    std::size_t start = !v.empty() && (v[0] == '-' || v[0] == '+') ? 1 : 0;
    bool number = digits > start && digits - start <= 18;
    for (std::size_t i = start; number && i < digits; ++i)
        number = std::isdigit(static_cast<unsigned char>(v[i])) != 0;
    return number ? v + " " + words[Word::Megabytes] : v;
}

MenuScene::MenuScene(MenuData data, Desktop& desktop)
    : m_data(std::move(data))
    , m_actions(m_data, desktop)
    , m_title(m_data.cdName.empty() ? std::string("Quenvar") : m_data.cdName)
{
    if (!m_data.categories.empty())
        select(0);
}

int MenuScene::itemCount() const
{
    if (m_category < 0 || static_cast<std::size_t>(m_category) >= m_data.categories.size())
        return 0;
    return static_cast<int>(m_data.categories[static_cast<std::size_t>(m_category)].items.size());
}

bool MenuScene::select(int category, int item)
{
    if (category < 0 || static_cast<std::size_t>(category) >= m_data.categories.size())
        return false;
    if (item >= 0 && !m_data.item(category, item))
        return false;
    m_category = category;
    m_item = item >= 0 ? item : (itemCount() > 0 ? 0 : -1);
    if (item >= 0)
        m_focus = Pane::Items;
    else if (itemCount() == 0)
        m_focus = Pane::Categories;
    return true;
}

bool MenuScene::selectItem(int item)
{
    if (item < 0 || item >= itemCount())
        return false;
    m_item = item;
    return true;
}

bool MenuScene::setFocus(Pane pane)
{
    if (pane == Pane::Items && itemCount() == 0)
        return false;
    m_focus = pane;
    return true;
}

KeyOutcome MenuScene::key(Key key)
{
    const bool onItems = m_focus == Pane::Items;
    const int count = onItems ? itemCount() : static_cast<int>(m_data.categories.size());
    const int current = onItems ? m_item : m_category;
    auto move = [&](int to) {
        to = std::clamp(to, 0, std::max(0, count - 1));
        if (count == 0 || to == current)
            return KeyOutcome{true, {}};
        if (onItems)
            selectItem(to);
        else
            select(to);
        return KeyOutcome{true, {}};
    };
    switch (key) {
    case Key::Up:
        return move(current - 1);
    case Key::Down:
        return move(current + 1);
    case Key::Home:
        return move(0);
    case Key::End:
        return move(count - 1);
    case Key::Right:
        return {!onItems && setFocus(Pane::Items), {}};
    case Key::Left:
        return {onItems && setFocus(Pane::Categories), {}};
    case Key::Enter:
        if (onItems)
            return {true, Action::Run};
        return {setFocus(Pane::Items), {}};
    case Key::Escape:
        return {true, Action::Quit};
    }
    return {};
}

ActionSet MenuScene::available() const
{
    const MenuItem* item = currentItem();
    return item ? m_actions.available(*item) : ActionSet{};
}

bool MenuScene::enabled(Action action) const
{
    const ActionSet set = available();
    switch (action) {
    case Action::Run:
        return set.run;
    case Action::Copy:
        return set.copy;
    case Action::Info:
        return set.info;
    case Action::Screenshot:
        return set.screenshot;
    case Action::Homepage:
        return set.homepage;
    case Action::Quit:
        return true;
    case Action::Count:
        break;
    }
    return false;
}

std::string MenuScene::caption(Action action) const
{
    if (action == Action::Run) {
        const ActionSet set = available();
        return m_data.words[set.runIsProgram || !set.run ? Word::Run : Word::Open];
    }
    return m_data.words[kCaptions[static_cast<std::size_t>(action)]];
}

DetailsContent MenuScene::details() const
{
    DetailsContent out;
    const MenuItem* item = currentItem();
    const RuntimeWords& w = m_data.words;
    if (!item) {
        out.note = w[!m_data.cfgFound || m_data.categories.empty() ? Word::NoMenu : Word::NoItems];
        return out;
    }
    out.title = item->caption;
    if (!item->hasDetails) {
        out.note = w[Word::NoDetails];
        return out;
    }
    auto add = [&](Word label, const std::string& value, bool size = false) {
        if (hasValue(value))
            out.lines.push_back({w[label], size ? sizeText(value, w) : value});
    };
    add(Word::Serial, item->serial);
    add(Word::CdSize, item->sizeCd, true);
    add(Word::HdSize, item->sizeHd, true);
    add(Word::Homepage, item->url);
    // A jump point's pfad ends in the jump word; what it opens is its folder.
    const auto cut = item->pfad.find_last_of('\\');
    add(Word::Path, item->type == kJumpPointType && cut != std::string::npos ? item->pfad.substr(0, cut + 1) : item->pfad);
    if (hasValue(item->desc))
        out.description = item->desc;
    return out;
}

SceneLayout MenuScene::layout(int width, int height, const TextMeasure& measure) const
{
    SceneLayout l;
    const MenuLook& look = m_data.look;
    l.window = {0, 0, width, height};
    l.header = {0, 0, width, kHeaderHeight};
    int x = kMargin;
    if (!m_data.icon.empty()) {
        l.icon = Rect{x, (kHeaderHeight - kIconSize) / 2 + 6, kIconSize, kIconSize};
        x += kIconSize + 12;
    }
    l.title = {x, 6, width - x - kMargin, kHeaderHeight};
    l.titleFont = look.categoryText;
    l.titleFont.size = look.categoryText.size + 10;
    l.titleFont.bold = true;

    // The buttons: as wide as their captions need, Quit alone at the right.
    const int extra = 2 * look.buttonBorderWidth + look.buttonShadowDepth;
    const int buttonHeight = measure.height(look.buttonText) + 16 + extra;
    const int buttonTop = height - kMargin - buttonHeight;
    int bx = kMargin;
    for (std::size_t a = 0; a < kActionCount; ++a) {
        const auto action = static_cast<Action>(a);
        SceneButton& b = l.buttons[a];
        b.action = action;
        b.caption = caption(action);
        b.enabled = enabled(action);
        const int w = std::max(kButtonMinWidth, measure.width(look.buttonText, b.caption) + 28 + extra);
        if (action == Action::Quit) {
            b.rect = {width - kMargin - w, buttonTop, w, buttonHeight};
        } else {
            b.rect = {bx, buttonTop, w, buttonHeight};
            bx += w + kButtonSpacing;
        }
    }

    // The boxes share the room above the buttons by fixed parts.
    const int boxTop = kHeaderHeight + 6;
    const int boxHeight = std::max(0, buttonTop - kRowSpacing - boxTop);
    const int boxesWidth = std::max(0, width - 2 * kMargin - 2 * kBoxSpacing);
    const std::array<const BoxLook*, 3> looks{&look.categoryBox, &look.fileBox, &look.detailsBox};
    const std::array<Word, 3> headings{Word::Categories, Word::Items, Word::Details};
    int shareSum = 0;
    for (int s : kBoxShares)
        shareSum += s;
    int used = 0;
    int cumulative = 0;
    int left = kMargin;
    for (std::size_t i = 0; i < 3; ++i) {
        cumulative += kBoxShares[i];
        const int end = (boxesWidth * cumulative + shareSum / 2) / shareSum;
        SceneBox& box = l.boxes[i];
        box.look = looks[i];
        box.frame = {left, boxTop, end - used, boxHeight};
        box.headingText = m_data.words[headings[i]];
        box.headingFont.face = looks[i]->face;
        box.headingFont.size = 11;
        box.headingFont.bold = true;
        box.headingFont.colour = looks[i]->textColour;
        const int headingHeight = measure.height(box.headingFont);
        box.heading = {box.frame.x + 10, box.frame.y + 6, box.frame.width - 20, headingHeight};
        box.content = box.frame.adjusted(8, headingHeight + 14, -8, -8);
        left += box.frame.width + kBoxSpacing;
        used = end;
    }
    l.categoryRowHeight = std::max(l.categoryIconSize, measure.height(look.categoryText)) + 10;
    l.itemRowHeight = std::max(l.itemIconSize, measure.height(look.fileText)) + 10;
    return l;
}

std::vector<SceneRow> MenuScene::rows(Pane pane, const SceneLayout& layout) const
{
    std::vector<SceneRow> out;
    const bool items = pane == Pane::Items;
    const Rect area = layout.boxes[items ? 1 : 0].content;
    const int rowHeight = items ? layout.itemRowHeight : layout.categoryRowHeight;
    const int iconSize = items ? layout.itemIconSize : layout.categoryIconSize;
    const int count = items ? itemCount() : static_cast<int>(m_data.categories.size());
    const int selected = items ? m_item : m_category;
    if (rowHeight <= 0 || area.height <= 0)
        return out;
    const int visible = std::max(1, area.height / rowHeight);
    const int first = selected >= visible ? selected - visible + 1 : 0;
    for (int r = first; r < count && r < first + visible + 1; ++r) {
        SceneRow row;
        row.index = r;
        row.rect = {area.x, area.y + (r - first) * rowHeight, area.width, rowHeight};
        if (row.rect.y >= area.bottom())
            break;
        row.icon = {row.rect.x + 6, row.rect.y + (rowHeight - iconSize) / 2, iconSize, iconSize};
        row.text = {row.icon.right() + 10, row.rect.y, row.rect.right() - row.icon.right() - 16, rowHeight};
        row.selected = r == selected;
        if (items) {
            const MenuItem& item = m_data.categories[static_cast<std::size_t>(m_category)].items[static_cast<std::size_t>(r)];
            row.caption = item.caption;
            row.iconFile = m_data.typeIcon(item.type);
            row.type = item.type;
        } else {
            const MenuCategory& c = m_data.categories[static_cast<std::size_t>(r)];
            row.caption = c.caption;
            row.iconFile = c.icon;
        }
        out.push_back(std::move(row));
    }
    return out;
}

HitResult MenuScene::hit(const SceneLayout& layout, int x, int y) const
{
    for (const SceneButton& b : layout.buttons) {
        if (b.rect.contains(x, y))
            return {HitResult::Kind::Button, static_cast<int>(b.action)};
    }
    for (Pane pane : {Pane::Categories, Pane::Items}) {
        for (const SceneRow& row : rows(pane, layout)) {
            if (row.rect.contains(x, y) && layout.boxes[pane == Pane::Items ? 1 : 0].content.contains(x, y))
                return {pane == Pane::Items ? HitResult::Kind::Item : HitResult::Kind::Category, row.index};
        }
    }
    return {};
}

std::filesystem::path MenuScene::sound(int number) const
{
    if (number < 1 || number > static_cast<int>(m_data.sounds.size()))
        return {};
    return m_data.sounds[static_cast<std::size_t>(number - 1)];
}

}  // namespace rnv
