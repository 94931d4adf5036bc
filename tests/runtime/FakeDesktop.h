#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "Desktop.h"

namespace rnvtest {

// Records what the runtime asked of the desktop instead of doing it.
class FakeDesktop final : public rnv::Desktop {
public:
    struct Log {
        std::vector<std::filesystem::path> started;
        std::vector<std::filesystem::path> opened;
        std::vector<std::string> addresses;
        std::vector<std::string> messages;
        std::optional<std::filesystem::path> folderAnswer;  // what chooseFolder answers
    };

    explicit FakeDesktop(Log& log)
        : m_log(log)
    {
    }
    bool startProgram(const std::filesystem::path& program) override
    {
        m_log.started.push_back(program);
        return true;
    }
    bool openPath(const std::filesystem::path& path) override
    {
        m_log.opened.push_back(path);
        return true;
    }
    bool openAddress(const std::string& address) override
    {
        m_log.addresses.push_back(address);
        return true;
    }
    std::optional<std::filesystem::path> chooseFolder(const std::string&) override { return m_log.folderAnswer; }
    void message(const std::string& text) override { m_log.messages.push_back(text); }

private:
    Log& m_log;
};

}  // namespace rnvtest
