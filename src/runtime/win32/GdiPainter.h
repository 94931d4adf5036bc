#pragma once

#include <map>
#include <string>
#include <tuple>

#include <windows.h>

#include "MenuScene.h"

namespace rnv::win32 {

// Paints the menu scene with GDI into any device context: the window's
// back buffer or the memory bitmap of a screenshot.
class GdiPainter final : public TextMeasure {
public:
    explicit GdiPainter(const MenuData& data);
    ~GdiPainter() override;
    GdiPainter(const GdiPainter&) = delete;
    GdiPainter& operator=(const GdiPainter&) = delete;

    int width(const TextLook& font, std::string_view utf8) const override;
    int height(const TextLook& font) const override;

    void paint(HDC dc, const MenuScene& scene, const SceneLayout& layout);

private:
    HFONT font(const TextLook& look) const;
    HICON icon(const std::filesystem::path& file, int size);
    void backdrop(HDC dc, const Rect& r);
    void header(HDC dc, const MenuScene& scene, const SceneLayout& layout);
    void box(HDC dc, const SceneBox& box);
    void rows(HDC dc, const std::vector<SceneRow>& rows, const TextLook& look, const Rect& clip, bool focused);
    void details(HDC dc, const DetailsContent& content, const Rect& area);
    void button(HDC dc, const SceneButton& button);
    void buttonFace(HDC dc, const SceneButton& button, const Rect& r);
    void effectText(HDC dc, const std::wstring& text, RECT r, UINT format, const TextLook& look, COLORREF colour);
    int textHeight(HDC dc, const std::wstring& text, const TextLook& look, int width, UINT format);

    const MenuData& m_data;
    HBITMAP m_background = nullptr;
    HBITMAP m_buttonPicture = nullptr;
    HICON m_menuIcon = nullptr;
    HDC m_measureDc = nullptr;
    mutable std::map<std::tuple<std::string, int, bool>, HFONT> m_fonts;
    std::map<std::pair<std::filesystem::path, int>, HICON> m_icons;
};

COLORREF colourRef(qv::ColourValue colour);

}  // namespace rnv::win32
