#include "Win32Desktop.h"

#include <shellapi.h>
#include <shlobj.h>

#include "Win32Text.h"

namespace rnv::win32 {

Win32Desktop::Win32Desktop(std::wstring title, std::string okWord)
    : m_title(std::move(title))
    , m_okWord(std::move(okWord))
{
}

bool Win32Desktop::startProgram(const std::filesystem::path& program)
{
    // Installers look for their files beside themselves: start them in their folder.
    std::wstring commandLine = L"\"" + program.wstring() + L"\"";
    const std::wstring folder = program.parent_path().wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

bool Win32Desktop::openPath(const std::filesystem::path& path)
{
    const std::wstring folder = path.parent_path().wstring();
    const auto r = reinterpret_cast<INT_PTR>(
        ShellExecuteW(m_owner, L"open", path.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL));
    return r > 32;
}

bool Win32Desktop::openAddress(const std::string& address)
{
    const auto r = reinterpret_cast<INT_PTR>(
        ShellExecuteW(m_owner, L"open", wide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return r > 32;
}

std::optional<std::filesystem::path> Win32Desktop::chooseFolder(const std::string& title)
{
    const std::wstring text = wide(title);
    BROWSEINFOW info{};
    info.hwndOwner = m_owner;
    info.lpszTitle = text.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
    if (!chosen)
        return std::nullopt;
    wchar_t path[MAX_PATH];
    const bool ok = SHGetPathFromIDListW(chosen, path);
    CoTaskMemFree(chosen);
    if (!ok)
        return std::nullopt;
    return std::filesystem::path(path);
}

void Win32Desktop::message(const std::string& text)
{
    MessageBoxW(m_owner, wide(text).c_str(), m_title.c_str(), MB_OK | MB_ICONINFORMATION);
}

}  // namespace rnv::win32
