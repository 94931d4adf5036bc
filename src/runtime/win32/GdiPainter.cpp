#include "GdiPainter.h"

#include <algorithm>
#include <cmath>

#include "Win32Text.h"
#include "util/Colour.h"

namespace rnv::win32 {

namespace {

RECT toRect(const Rect& r)
{
    return {r.x, r.y, r.right(), r.bottom()};
}

double luminance(COLORREF c)
{
    return (0.299 * GetRValue(c) + 0.587 * GetGValue(c) + 0.114 * GetBValue(c)) / 255.0;
}

void fill(HDC dc, const Rect& r, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    const RECT rc = toRect(r);
    FillRect(dc, &rc, brush);
    DeleteObject(brush);
}

// Qt's translucent fills: colour at alpha/255 over what is there.
void blend(HDC dc, const Rect& r, COLORREF colour, int alpha)
{
    if (r.width <= 0 || r.height <= 0)
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = 1;
    info.bmiHeader.biHeight = 1;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC source = CreateCompatibleDC(dc);
    HBITMAP pixel = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* p = static_cast<BYTE*>(bits);
    p[0] = GetBValue(colour);
    p[1] = GetGValue(colour);
    p[2] = GetRValue(colour);
    p[3] = 255;
    HGDIOBJ old = SelectObject(source, pixel);
    const BLENDFUNCTION f{AC_SRC_OVER, 0, static_cast<BYTE>(alpha), 0};
    AlphaBlend(dc, r.x, r.y, r.width, r.height, source, 0, 0, 1, 1, f);
    SelectObject(source, old);
    DeleteObject(pixel);
    DeleteDC(source);
}

void gradient(HDC dc, const Rect& r, COLORREF top, COLORREF bottom)
{
    TRIVERTEX v[2] = {{r.x, r.y, static_cast<COLOR16>(GetRValue(top) << 8), static_cast<COLOR16>(GetGValue(top) << 8),
                       static_cast<COLOR16>(GetBValue(top) << 8), 0},
                      {r.right(), r.bottom(), static_cast<COLOR16>(GetRValue(bottom) << 8),
                       static_cast<COLOR16>(GetGValue(bottom) << 8), static_cast<COLOR16>(GetBValue(bottom) << 8), 0}};
    GRADIENT_RECT g{0, 1};
    GradientFill(dc, v, 2, &g, 1, GRADIENT_FILL_RECT_V);
}

SIZE bitmapSize(HBITMAP bitmap)
{
    BITMAP b{};
    GetObjectW(bitmap, sizeof(b), &b);
    return {b.bmWidth, b.bmHeight};
}

void drawBitmap(HDC dc, HBITMAP bitmap, const Rect& r, TileMode mode)
{
    if (!bitmap)
        return;
    const SIZE size = bitmapSize(bitmap);
    if (size.cx <= 0 || size.cy <= 0)
        return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, r.x, r.y, r.right(), r.bottom());
    switch (mode) {
    case TileMode::Tile:
        for (int y = r.y; y < r.bottom(); y += size.cy)
            for (int x = r.x; x < r.right(); x += size.cx)
                BitBlt(dc, x, y, size.cx, size.cy, source, 0, 0, SRCCOPY);
        break;
    case TileMode::Stretch:
        SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, r.x, r.y, r.width, r.height, source, 0, 0, size.cx, size.cy, SRCCOPY);
        break;
    case TileMode::Center:
        BitBlt(dc, r.x + r.width / 2 - size.cx / 2, r.y + r.height / 2 - size.cy / 2, size.cx, size.cy, source, 0, 0, SRCCOPY);
        break;
    case TileMode::None:
        BitBlt(dc, r.x, r.y, size.cx, size.cy, source, 0, 0, SRCCOPY);
        break;
    }
    RestoreDC(dc, saved);
    SelectObject(source, old);
    DeleteDC(source);
}

HBITMAP loadBitmap(const std::filesystem::path& file)
{
    if (file.empty())
        return nullptr;
    return static_cast<HBITMAP>(LoadImageW(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

}  // namespace

COLORREF colourRef(qv::ColourValue colour)
{
    const qv::ColourValue rgb = qv::resolveSystemColour(colour);
    return RGB(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

GdiPainter::GdiPainter(const MenuData& data)
    : m_data(data)
    , m_background(data.look.backgroundPicture || data.look.categoryBox.picture == BoxPicture::Background ||
                           data.look.fileBox.picture == BoxPicture::Background ||
                           data.look.detailsBox.picture == BoxPicture::Background
                       ? loadBitmap(data.background)
                       : nullptr)
    , m_buttonPicture(loadBitmap(data.buttonPicture))
    , m_measureDc(CreateCompatibleDC(nullptr))
{
}

GdiPainter::~GdiPainter()
{
    for (auto& [key, f] : m_fonts)
        DeleteObject(f);
    for (auto& [key, i] : m_icons)
        if (i)
            DestroyIcon(i);
    if (m_background)
        DeleteObject(m_background);
    if (m_buttonPicture)
        DeleteObject(m_buttonPicture);
    DeleteDC(m_measureDc);
}

HFONT GdiPainter::font(const TextLook& look) const
{
    const auto key = std::make_tuple(look.face, look.size, look.bold);
    auto it = m_fonts.find(key);
    if (it != m_fonts.end())
        return it->second;
    // Point sizes at 96 dots per inch: the scene's logical pixels.
    const int height = -MulDiv(look.size > 0 ? look.size : 10, 96, 72);
    HFONT f = CreateFontW(height, 0, 0, 0, look.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS,
                          wide(look.face).c_str());
    m_fonts[key] = f;
    return f;
}

int GdiPainter::width(const TextLook& look, std::string_view utf8) const
{
    HGDIOBJ old = SelectObject(m_measureDc, font(look));
    const std::wstring text = wide(utf8);
    SIZE size{};
    GetTextExtentPoint32W(m_measureDc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(m_measureDc, old);
    return size.cx;
}

int GdiPainter::height(const TextLook& look) const
{
    HGDIOBJ old = SelectObject(m_measureDc, font(look));
    TEXTMETRICW tm{};
    GetTextMetricsW(m_measureDc, &tm);
    SelectObject(m_measureDc, old);
    return tm.tmHeight;
}

HICON GdiPainter::icon(const std::filesystem::path& file, int size)
{
    const auto key = std::make_pair(file, size);
    auto it = m_icons.find(key);
    if (it != m_icons.end())
        return it->second;
    HICON i = file.empty() ? nullptr
                           : static_cast<HICON>(LoadImageW(nullptr, file.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE));
    m_icons[key] = i;
    return i;
}

void GdiPainter::effectText(HDC dc, const std::wstring& text, RECT r, UINT format, const TextLook& look, COLORREF colour)
{
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ old = SelectObject(dc, font(look));
    const COLORREF light = colourRef(look.light);
    const COLORREF shadow = colourRef(look.shadow);
    auto layer = [&](int dx, int dy, COLORREF c) {
        RECT moved{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
        SetTextColor(dc, c);
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &moved, format | DT_NOPREFIX);
    };
    switch (look.effect) {
    case TextEffect::None:
        break;
    case TextEffect::Raised:
        layer(-1, -1, light);
        layer(1, 1, shadow);
        break;
    case TextEffect::Sunken:
        layer(-1, -1, shadow);
        layer(1, 1, light);
        break;
    case TextEffect::Shadow:
        layer(2, 2, shadow);
        break;
    case TextEffect::RaisedShadow:
        layer(3, 3, shadow);
        layer(-1, -1, light);
        layer(1, 1, shadow);
        break;
    case TextEffect::SunkenShadow:
        layer(3, 3, shadow);
        layer(-1, -1, shadow);
        layer(1, 1, light);
        break;
    }
    layer(0, 0, colour);
    SelectObject(dc, old);
}

int GdiPainter::textHeight(HDC dc, const std::wstring& text, const TextLook& look, int width, UINT format)
{
    HGDIOBJ old = SelectObject(dc, font(look));
    RECT r{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format | DT_CALCRECT | DT_NOPREFIX);
    SelectObject(dc, old);
    return r.bottom - r.top;
}

void GdiPainter::backdrop(HDC dc, const Rect& r)
{
    const MenuLook& look = m_data.look;
    gradient(dc, r, colourRef(look.backStart), colourRef(look.backEnd));
    if (look.backgroundPicture)
        drawBitmap(dc, m_background, r, look.tileMode);
}

void GdiPainter::header(HDC dc, const MenuScene& scene, const SceneLayout& layout)
{
    const MenuLook& look = m_data.look;
    // The heading stands on the background, whose colour the design does not
    // tie to any text colour: take whichever of the category colours reads
    // best on the part of the background behind it.
    double sum = 0;
    int samples = 0;
    for (int y = layout.header.y + 4; y < layout.header.bottom(); y += 8)
        for (int x = layout.header.x + 4; x < layout.header.right(); x += 16, ++samples)
            sum += luminance(GetPixel(dc, x, y));
    const double back = samples ? sum / samples : 0.0;
    const COLORREF a = colourRef(look.categoryBox.colour);
    const COLORREF b = colourRef(look.categoryText.colour);
    const COLORREF colour = std::abs(luminance(a) - back) >= std::abs(luminance(b) - back) ? a : b;

    if (layout.icon) {
        if (HICON i = icon(m_data.icon, layout.icon->width))
            DrawIconEx(dc, layout.icon->x, layout.icon->y, i, layout.icon->width, layout.icon->height, 0, nullptr, DI_NORMAL);
    }
    effectText(dc, wide(scene.title()), toRect(layout.title), DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS,
               layout.titleFont, colour);
}

void GdiPainter::box(HDC dc, const SceneBox& box)
{
    const BoxLook& look = *box.look;
    if (look.colour != qv::kColourNone)
        fill(dc, box.frame, colourRef(look.colour));
    if (look.picture == BoxPicture::Background)
        drawBitmap(dc, m_background, box.frame, TileMode::Tile);
    else if (look.picture == BoxPicture::Button)
        drawBitmap(dc, m_buttonPicture, box.frame, TileMode::Tile);
    const COLORREF text = colourRef(look.textColour);
    // A faint frame in the box's text colour, so the box stands off any background.
    const Rect& f = box.frame;
    blend(dc, {f.x, f.y, f.width, 1}, text, 90);
    blend(dc, {f.x, f.bottom() - 1, f.width, 1}, text, 90);
    blend(dc, {f.x, f.y + 1, 1, f.height - 2}, text, 90);
    blend(dc, {f.right() - 1, f.y + 1, 1, f.height - 2}, text, 90);
    TextLook heading = box.headingFont;
    heading.effect = TextEffect::None;
    const Rect h{f.x + box.heading.x - f.x, box.heading.y, box.heading.width, box.heading.height};
    effectText(dc, wide(box.headingText), toRect(h), DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS, heading, text);
    blend(dc, {f.x + 10, h.bottom() + 3, f.width - 21, 1}, text, 70);
}

void GdiPainter::rows(HDC dc, const std::vector<SceneRow>& rows, const TextLook& look, const Rect& clip, bool focused)
{
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, clip.x, clip.y, clip.right(), clip.bottom());
    const COLORREF colour = colourRef(look.colour);
    for (const SceneRow& row : rows) {
        if (row.selected) {
            const Rect r = row.rect.adjusted(1, 1, -1, -1);
            blend(dc, r, colour, focused ? 60 : 35);
            blend(dc, {r.x, r.y, r.width, 1}, colour, 150);
            blend(dc, {r.x, r.bottom() - 1, r.width, 1}, colour, 150);
            blend(dc, {r.x, r.y + 1, 1, r.height - 2}, colour, 150);
            blend(dc, {r.right() - 1, r.y + 1, 1, r.height - 2}, colour, 150);
        }
        if (HICON i = icon(row.iconFile, row.icon.width))
            DrawIconEx(dc, row.icon.x, row.icon.y, i, row.icon.width, row.icon.height, 0, nullptr, DI_NORMAL);
        else
            blend(dc, row.icon.adjusted(4, 2, -4, -2), colour, 60);  // the stand-in of a missing icon
        effectText(dc, wide(row.caption), toRect(row.text), DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS, look,
                   colour);
    }
    RestoreDC(dc, saved);
}

void GdiPainter::details(HDC dc, const DetailsContent& content, const Rect& box)
{
    const TextLook& look = m_data.look.detailsText;
    const COLORREF colour = colourRef(look.colour);
    const Rect area = box.adjusted(4, 4, -4, -4);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, area.x, area.y, area.right(), area.bottom());
    int y = area.y;
    if (!content.title.empty()) {
        TextLook title = look;
        title.size = look.size + 3;
        title.bold = true;
        const std::wstring text = wide(content.title);
        const int h = textHeight(dc, text, title, area.width, DT_WORDBREAK);
        effectText(dc, text, {area.x, y, area.right(), area.bottom()}, DT_LEFT | DT_TOP | DT_WORDBREAK, title, colour);
        y += h + 10;
    }
    TextLook label = look;
    label.bold = true;
    int labelWidth = 0;
    for (const auto& line : content.lines)
        labelWidth = std::max(labelWidth, width(label, line.label + ":"));
    labelWidth += 12;
    // Long labels (some languages have them) go above their values rather than cut them.
    const bool stacked = labelWidth > area.width / 2;
    const int labelHeight = height(label);
    for (const auto& line : content.lines) {
        effectText(dc, wide(line.label + ":"), {area.x, y, area.x + (stacked ? area.width : labelWidth), y + labelHeight},
                   DT_LEFT | DT_TOP | DT_SINGLELINE, label, colour);
        if (stacked)
            y += labelHeight + 1;
        const int indent = stacked ? 12 : labelWidth;
        const std::wstring value = wide(line.value);
        const int h = textHeight(dc, value, look, area.width - indent, DT_WORDBREAK | DT_EDITCONTROL);
        effectText(dc, value, {area.x + indent, y, area.right(), area.bottom()}, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_EDITCONTROL,
                   look, colour);
        y += std::max(h, stacked ? 0 : labelHeight) + (stacked ? 6 : 4);
    }
    if (!content.description.empty()) {
        y += 8;
        const std::string word = m_data.words[Word::Description] + ":";
        effectText(dc, wide(word), {area.x, y, area.right(), y + labelHeight}, DT_LEFT | DT_SINGLELINE, label, colour);
        y += labelHeight + 4;
        effectText(dc, wide(content.description), {area.x, y, area.right(), area.bottom()}, DT_LEFT | DT_TOP | DT_WORDBREAK,
                   look, colour);
    }
    if (!content.note.empty()) {
        TextLook note = look;
        note.effect = TextEffect::None;
        effectText(dc, wide(content.note), {area.x, y, area.right(), area.bottom()}, DT_LEFT | DT_TOP | DT_WORDBREAK, note,
                   colour);
    }
    RestoreDC(dc, saved);
}

void GdiPainter::buttonFace(HDC dc, const SceneButton& b, const Rect& r)
{
    const MenuLook& look = m_data.look;
    const int depth = look.buttonEffect == ButtonEffect::Shadow ? look.buttonShadowDepth : 0;
    const Rect face{r.x, r.y, r.width - depth, r.height - depth};
    const bool transparent = look.buttonMode == "trans";
    if (depth > 0 && !transparent)
        fill(dc, {face.x + depth, face.y + depth, face.width, face.height}, colourRef(look.buttonShadow));
    if (look.buttonMode == "bmp" && m_buttonPicture)
        drawBitmap(dc, m_buttonPicture, face, TileMode::Stretch);
    else if (!transparent)
        gradient(dc, face, colourRef(look.buttonStart), colourRef(look.buttonEnd));
    const int bw = look.buttonBorderWidth;
    if (bw > 0) {
        const COLORREF border = colourRef(look.buttonBorder);
        fill(dc, {face.x, face.y, face.width, bw}, border);
        fill(dc, {face.x, face.bottom() - bw, face.width, bw}, border);
        fill(dc, {face.x, face.y, bw, face.height}, border);
        fill(dc, {face.right() - bw, face.y, bw, face.height}, border);
    }
    const Rect inner = face.adjusted(bw, bw, -bw, -bw);
    // 3D and the inset style draw a bevel inside the border; inset has its light edge at the bottom right.
    if (look.buttonEffect == ButtonEffect::ThreeD || look.buttonStyle == ButtonStyle::Inset) {
        const bool sunk = look.buttonStyle == ButtonStyle::Inset;
        blend(dc, {inner.x, inner.y, inner.width, 1}, sunk ? RGB(0, 0, 0) : RGB(255, 255, 255), sunk ? 120 : 150);
        blend(dc, {inner.x, inner.y, 1, inner.height}, sunk ? RGB(0, 0, 0) : RGB(255, 255, 255), sunk ? 120 : 150);
        blend(dc, {inner.x, inner.bottom() - 1, inner.width, 1}, sunk ? RGB(255, 255, 255) : RGB(0, 0, 0), sunk ? 150 : 120);
        blend(dc, {inner.right() - 1, inner.y, 1, inner.height}, sunk ? RGB(255, 255, 255) : RGB(0, 0, 0), sunk ? 150 : 120);
    }
    effectText(dc, wide(b.caption), toRect(inner), DT_CENTER | DT_VCENTER | DT_SINGLELINE, look.buttonText,
               colourRef(look.buttonText.colour));
}

void GdiPainter::button(HDC dc, const SceneButton& b)
{
    if (b.enabled) {
        buttonFace(dc, b, b.rect);
        return;
    }
    // A disabled button shows at 40 %: drawn over a copy of what lies behind it, then blended.
    const Rect& r = b.rect;
    HDC off = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, r.width, r.height);
    HGDIOBJ old = SelectObject(off, bitmap);
    BitBlt(off, 0, 0, r.width, r.height, dc, r.x, r.y, SRCCOPY);
    buttonFace(off, b, {0, 0, r.width, r.height});
    const BLENDFUNCTION f{AC_SRC_OVER, 0, 102, 0};
    AlphaBlend(dc, r.x, r.y, r.width, r.height, off, 0, 0, r.width, r.height, f);
    SelectObject(off, old);
    DeleteObject(bitmap);
    DeleteDC(off);
}

void GdiPainter::paint(HDC dc, const MenuScene& scene, const SceneLayout& layout)
{
    backdrop(dc, layout.window);
    header(dc, scene, layout);
    for (const SceneBox& b : layout.boxes)
        box(dc, b);
    rows(dc, scene.rows(Pane::Categories, layout), m_data.look.categoryText, layout.boxes[0].content,
         scene.focus() == Pane::Categories);
    rows(dc, scene.rows(Pane::Items, layout), m_data.look.fileText, layout.boxes[1].content, scene.focus() == Pane::Items);
    details(dc, scene.details(), layout.boxes[2].content);
    for (const SceneButton& b : layout.buttons)
        button(dc, b);
}

}  // namespace rnv::win32
