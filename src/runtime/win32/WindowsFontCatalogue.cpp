#include "WindowsFontCatalogue.h"

#include <system_error>

#include <shlobj.h>
#include <windows.h>

#include "Win32Text.h"

namespace rnv::win32 {

WindowsFontCatalogue::WindowsFontCatalogue()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts", 0, KEY_READ, &key) ==
        ERROR_SUCCESS) {
        for (DWORD i = 0;; ++i) {
            wchar_t name[512];
            wchar_t value[1024];
            DWORD nameLength = 512;
            DWORD valueBytes = sizeof(value) - sizeof(wchar_t);
            DWORD type = 0;
            const LONG r = RegEnumValueW(key, i, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(value), &valueBytes);
            if (r == ERROR_NO_MORE_ITEMS)
                break;
            if (r != ERROR_SUCCESS || type != REG_SZ)
                continue;
            value[valueBytes / sizeof(wchar_t)] = L'\0';
            std::string entryName = narrow(std::wstring_view(name, nameLength));
            m_entries[entryName] = narrow(value);
            // "Arial Bold (TrueType)" and "Arial & Arial Bold (TrueType)" name the face Arial.
            std::string face = entryName.substr(0, entryName.find(" ("));
            for (const char* style : {" Bold Italic", " Bold", " Italic"}) {
                const std::string s(style);
                if (face.size() > s.size() && face.compare(face.size() - s.size(), s.size(), s) == 0)
                    face.resize(face.size() - s.size());
            }
            m_faces.insert(face);
        }
        RegCloseKey(key);
    }
    wchar_t folder[MAX_PATH];
    if (SHGetFolderPathW(nullptr, CSIDL_FONTS, nullptr, 0, folder) == S_OK)
        m_folder = folder;
}

std::string WindowsFontCatalogue::entry(std::string_view entryName) const
{
    const auto it = m_entries.find(entryName);
    return it == m_entries.end() ? std::string() : it->second;
}

bool WindowsFontCatalogue::hasFace(std::string_view face) const
{
    return m_faces.find(face) != m_faces.end();
}

std::vector<std::string> WindowsFontCatalogue::faces() const
{
    return {m_faces.begin(), m_faces.end()};
}

std::optional<std::filesystem::path> WindowsFontCatalogue::installedFile(std::string_view fileName) const
{
    if (m_folder.empty())
        return std::nullopt;
    const std::filesystem::path file = m_folder / wide(fileName);
    std::error_code ec;
    if (std::filesystem::is_regular_file(file, ec))
        return file;
    return std::nullopt;
}

}  // namespace rnv::win32
