#pragma once

#include <memory>

#include <windows.h>

#include "GdiPainter.h"
#include "MenuScene.h"
#include "Win32Desktop.h"

namespace rnv::win32 {

// The menu's window: forwards clicks and keys to the scene and paints it.
class MenuFrame final {
public:
    MenuFrame(MenuData data, bool sounds);
    ~MenuFrame();

    MenuScene& scene() { return m_scene; }
    GdiPainter& painter() { return m_painter; }
    // Shows the window and runs until it closes.
    int run(HINSTANCE instance, int show);
    // The menu painted into a bitmap of the scene's size, written as a BMP file.
    bool writeScreenshot(const std::filesystem::path& file);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT handle(UINT message, WPARAM w, LPARAM l);
    void runAction(Action action);
    void copy(const MenuItem& item);
    void playSound(int number);
    SceneLayout currentLayout() const;
    double scale() const;

    Win32Desktop m_desktop;
    MenuScene m_scene;
    GdiPainter m_painter;
    bool m_sounds;
    HWND m_window = nullptr;
};

}  // namespace rnv::win32
