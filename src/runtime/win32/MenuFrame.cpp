#include "MenuFrame.h"

#include <cstdio>
#include <fstream>
#include <vector>

#include <commctrl.h>
#include <mmsystem.h>
#include <windowsx.h>

#include "Win32Text.h"

namespace rnv::win32 {

namespace {

constexpr wchar_t kClassName[] = L"QuenvarMenu";

UINT dpiOf(HWND window)
{
    // GetDpiForWindow exists from Windows 10 on; older systems scale through the system DPI.
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto dpiForWindow =
        reinterpret_cast<DpiForWindow>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (dpiForWindow && window)
        return dpiForWindow(window);
    HDC screen = GetDC(nullptr);
    const UINT dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    return dpi;
}

// A small window with a bar and Cancel while a copy runs.
struct CopyProgress {
    HWND window = nullptr;
    HWND bar = nullptr;
    bool cancelled = false;

    static LRESULT CALLBACK proc(HWND w, UINT m, WPARAM wp, LPARAM lp)
    {
        auto* self = reinterpret_cast<CopyProgress*>(GetWindowLongPtrW(w, GWLP_USERDATA));
        if (self && (m == WM_CLOSE || (m == WM_COMMAND && LOWORD(wp) == IDCANCEL))) {
            self->cancelled = true;
            return 0;
        }
        return DefWindowProcW(w, m, wp, lp);
    }
};

}  // namespace

MenuFrame::MenuFrame(MenuData data, bool sounds)
    : m_desktop(wide(data.cdName.empty() ? std::string("Quenvar") : data.cdName), data.words[Word::Ok])
    , m_scene(std::move(data), m_desktop)
    , m_painter(m_scene.data())
    , m_sounds(sounds)
{
}

MenuFrame::~MenuFrame() = default;

double MenuFrame::scale() const
{
    return m_window ? dpiOf(m_window) / 96.0 : 1.0;
}

SceneLayout MenuFrame::currentLayout() const
{
    return m_scene.layout(MenuScene::kWindowWidth, MenuScene::kWindowHeight, m_painter);
}

void MenuFrame::playSound(int number)
{
    const std::filesystem::path sound = m_scene.sound(number);
    if (m_sounds && !sound.empty())
        PlaySoundW(sound.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

bool MenuFrame::writeScreenshot(const std::filesystem::path& file)
{
    const int w = MenuScene::kWindowWidth;
    const int h = MenuScene::kWindowHeight;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;  // bottom-up, as BMP files store their rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) {
        DeleteDC(dc);
        return false;
    }
    HGDIOBJ old = SelectObject(dc, bitmap);
    m_painter.paint(dc, m_scene, currentLayout());
    GdiFlush();
    const DWORD stride = (static_cast<DWORD>(w) * 3 + 3) & ~3u;
    const DWORD imageBytes = stride * static_cast<DWORD>(h);
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    header.bfSize = header.bfOffBits + imageBytes;
    info.bmiHeader.biSizeImage = imageBytes;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(info.bmiHeader));
    out.write(static_cast<const char*>(bits), static_cast<std::streamsize>(imageBytes));
    out.close();
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return static_cast<bool>(out);
}

int MenuFrame::run(HINSTANCE instance, int show)
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &MenuFrame::windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    if (!m_scene.data().icon.empty())
        wc.hIcon = static_cast<HICON>(LoadImageW(nullptr, m_scene.data().icon.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
    RegisterClassExW(&wc);

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    m_window = CreateWindowExW(0, kClassName, wide(m_scene.title()).c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                               MenuScene::kWindowWidth, MenuScene::kWindowHeight, nullptr, nullptr, instance, this);
    if (!m_window)
        return 1;
    m_desktop.setOwner(m_window);
    // The client area holds the scene at the screen's scale.
    const double s = scale();
    RECT r{0, 0, static_cast<LONG>(MenuScene::kWindowWidth * s), static_cast<LONG>(MenuScene::kWindowHeight * s)};
    AdjustWindowRect(&r, style, FALSE);
    SetWindowPos(m_window, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER);
    ShowWindow(m_window, show);
    UpdateWindow(m_window);
    playSound(1);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

LRESULT CALLBACK MenuFrame::windowProc(HWND window, UINT message, WPARAM w, LPARAM l)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(l);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        static_cast<MenuFrame*>(create->lpCreateParams)->m_window = window;
    }
    auto* self = reinterpret_cast<MenuFrame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->handle(message, w, l) : DefWindowProcW(window, message, w, l);
}

LRESULT MenuFrame::handle(UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(m_window, &ps);
        RECT client;
        GetClientRect(m_window, &client);
        // Painted off screen in the scene's pixels and scaled once: no flicker.
        HDC back = CreateCompatibleDC(dc);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, MenuScene::kWindowWidth, MenuScene::kWindowHeight);
        HGDIOBJ old = SelectObject(back, bitmap);
        m_painter.paint(back, m_scene, currentLayout());
        SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, 0, 0, client.right, client.bottom, back, 0, 0, MenuScene::kWindowWidth, MenuScene::kWindowHeight, SRCCOPY);
        SelectObject(back, old);
        DeleteObject(bitmap);
        DeleteDC(back);
        EndPaint(m_window, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_DPICHANGED: {
        const RECT* r = reinterpret_cast<const RECT*>(l);
        SetWindowPos(m_window, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top, SWP_NOZORDER);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const double s = scale();
        const int x = static_cast<int>(GET_X_LPARAM(l) / s);
        const int y = static_cast<int>(GET_Y_LPARAM(l) / s);
        const HitResult hit = m_scene.hit(currentLayout(), x, y);
        if (hit.kind == HitResult::Kind::Button) {
            if (m_scene.enabled(static_cast<Action>(hit.index)))
                runAction(static_cast<Action>(hit.index));
        } else if (hit.kind == HitResult::Kind::Category) {
            if (hit.index != m_scene.category()) {
                m_scene.select(hit.index);
                playSound(2);
            }
            m_scene.setFocus(Pane::Categories);
        } else if (hit.kind == HitResult::Kind::Item) {
            if (hit.index != m_scene.item()) {
                m_scene.selectItem(hit.index);
                playSound(2);
            }
            m_scene.setFocus(Pane::Items);
            if (message == WM_LBUTTONDBLCLK)
                runAction(Action::Run);
        }
        InvalidateRect(m_window, nullptr, FALSE);
        return 0;
    }
    case WM_KEYDOWN: {
        std::optional<Key> key;
        switch (w) {
        case VK_UP: key = Key::Up; break;
        case VK_DOWN: key = Key::Down; break;
        case VK_LEFT: key = Key::Left; break;
        case VK_RIGHT: key = Key::Right; break;
        case VK_HOME: key = Key::Home; break;
        case VK_END: key = Key::End; break;
        case VK_RETURN: key = Key::Enter; break;
        case VK_ESCAPE: key = Key::Escape; break;
        default: break;
        }
        if (!key)
            break;
        const int category = m_scene.category();
        const int item = m_scene.item();
        const KeyOutcome outcome = m_scene.key(*key);
        if (m_scene.category() != category || m_scene.item() != item)
            playSound(2);
        if (outcome.action)
            runAction(*outcome.action);
        InvalidateRect(m_window, nullptr, FALSE);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_window, message, w, l);
}

void MenuFrame::runAction(Action action)
{
    playSound(3);
    if (action == Action::Quit) {
        DestroyWindow(m_window);
        return;
    }
    const MenuItem* item = m_scene.currentItem();
    if (!item || !m_scene.enabled(action))
        return;
    switch (action) {
    case Action::Run:
        m_scene.actions().run(*item);
        break;
    case Action::Copy:
        copy(*item);
        break;
    case Action::Info:
        m_desktop.openPath(m_scene.actions().infoFile(*item));
        break;
    case Action::Screenshot:
        m_desktop.openPath(m_scene.actions().screenshotFile(*item));
        break;
    case Action::Homepage:
        m_scene.actions().openHomepage(*item);
        break;
    case Action::Quit:
    case Action::Count:
        break;
    }
}

void MenuFrame::copy(const MenuItem& item)
{
    const RuntimeWords& words = m_scene.data().words;
    CopyProgress progress;
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(m_window, GWLP_HINSTANCE));
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &CopyProgress::proc;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"QuenvarCopy";
    RegisterClassExW(&wc);
    bool shown = false;
    const bool copied = m_scene.actions().copy(item, [&](std::uintmax_t done, std::uintmax_t total) {
        if (!shown) {
            // Made once the folder is chosen, so the chooser is not hidden behind it.
            shown = true;
            progress.window = CreateWindowExW(WS_EX_DLGMODALFRAME, L"QuenvarCopy", wide(words.format(Word::CopyProgress, item.caption)).c_str(),
                                              WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, 420, 130,
                                              m_window, nullptr, instance, nullptr);
            SetWindowLongPtrW(progress.window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&progress));
            progress.bar = CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, 16, 16, 372, 20, progress.window,
                                           nullptr, instance, nullptr);
            SendMessageW(progress.bar, PBM_SETRANGE32, 0, 1000);
            CreateWindowExW(0, L"BUTTON", wide(words[Word::Cancel]).c_str(), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 288, 48, 100, 26,
                            progress.window, reinterpret_cast<HMENU>(IDCANCEL), instance, nullptr);
            EnableWindow(m_window, FALSE);
        }
        SendMessageW(progress.bar, PBM_SETPOS, total == 0 ? 1000 : static_cast<WPARAM>(done * 1000 / total), 0);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        return !progress.cancelled;
    });
    if (progress.window) {
        EnableWindow(m_window, TRUE);
        DestroyWindow(progress.window);
        SetForegroundWindow(m_window);
    }
    if (copied) {
        playSound(4);
        m_desktop.message(words[Word::CopyDone]);
    }
}

}  // namespace rnv::win32
