// The menu runtime for Windows: reads CFG\ beside the program (or --cfg DIR)
// and shows the menu; --screenshot FILE.bmp [--select N-I] paints it into a
// bitmap instead and exits.
#include <cwchar>
#include <string>

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include "MenuData.h"
#include "MenuFrame.h"
#include "Win32Text.h"
#include "WindowsFontCatalogue.h"

namespace rnv {

MenuData readMenu(const std::filesystem::path& cfg, const std::filesystem::path& root)
{
    const win32::WindowsFontCatalogue catalogue;
    // Private to this process: the CD's fonts leave nothing behind on the PC.
    const MenuFonts fonts{catalogue, [](const std::filesystem::path& file) {
                              return AddFontResourceExW(file.c_str(), FR_PRIVATE, nullptr) > 0;
                          }};
    return readMenu(cfg, root, fonts);
}

}  // namespace rnv

namespace {

struct Options {
    std::filesystem::path cfg;
    std::filesystem::path screenshot;
    int category = -1;
    int item = -1;
    bool valid = true;
};

bool parsePair(const std::wstring& text, int& category, int& item)
{
    wchar_t* end = nullptr;
    const long n = std::wcstol(text.c_str(), &end, 10);
    if (end == text.c_str() || n < 0 || n > 99999)
        return false;
    category = static_cast<int>(n);
    if (*end == L'\0')
        return true;
    if (*end != L'-')
        return false;
    const wchar_t* rest = end + 1;
    const long i = std::wcstol(rest, &end, 10);
    if (end == rest || *end != L'\0' || i < 0 || i > 99999)
        return false;
    item = static_cast<int>(i);
    return true;
}

Options parse()
{
    Options options;
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    wchar_t self[32768];
    const DWORD length = GetModuleFileNameW(nullptr, self, 32768);
    options.cfg = std::filesystem::path(std::wstring(self, length)).parent_path() / L"CFG";
    for (int i = 1; args && i < count; ++i) {
        const std::wstring a = args[i];
        const bool hasValue = i + 1 < count;
        if (a == L"--cfg" && hasValue)
            options.cfg = args[++i];
        else if (a == L"--screenshot" && hasValue)
            options.screenshot = args[++i];
        else if (a == L"--select" && hasValue)
            options.valid = parsePair(args[++i], options.category, options.item) && options.valid;
        else
            options.valid = false;
    }
    LocalFree(args);
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(options.cfg, ec);
    if (!ec)
        options.cfg = absolute.lexically_normal();
    // "DIR\" names the same folder as "DIR"; its parent is the CD either way.
    if (!options.cfg.has_filename() && options.cfg.has_parent_path())
        options.cfg = options.cfg.parent_path();
    return options;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    const Options options = parse();
    if (!options.valid)
        return 2;
    // CD paths are relative to the folder that holds CFG\, which is the runtime's own folder.
    rnv::MenuData data = rnv::readMenu(options.cfg, options.cfg.parent_path());
    if (!options.screenshot.empty()) {
        rnv::win32::MenuFrame frame(std::move(data), false);
        // An entry that is not there leaves the first one chosen, as the Qt runtime does.
        if (options.category >= 0)
            frame.scene().select(options.category, options.item);
        return frame.writeScreenshot(options.screenshot) ? 0 : 1;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    rnv::win32::MenuFrame frame(std::move(data), true);
    const int code = frame.run(instance, show);
    CoUninitialize();
    return code;
}
