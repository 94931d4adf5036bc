#pragma once

#include <windows.h>

#include "Desktop.h"

namespace rnv::win32 {

// The desktop of a Windows PC: the shell opens documents, addresses and
// folders; programs start in their own folder.
class Win32Desktop final : public Desktop {
public:
    Win32Desktop(std::wstring title, std::string okWord);
    void setOwner(HWND owner) { m_owner = owner; }

    bool startProgram(const std::filesystem::path& program) override;
    bool openPath(const std::filesystem::path& path) override;
    bool openAddress(const std::string& address) override;
    std::optional<std::filesystem::path> chooseFolder(const std::string& title) override;
    void message(const std::string& text) override;

private:
    HWND m_owner = nullptr;
    std::wstring m_title;
    std::string m_okWord;
};

}  // namespace rnv::win32
