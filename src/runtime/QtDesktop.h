#pragma once

#include "Desktop.h"

class QWidget;

namespace rnv {

class QtDesktop final : public Desktop {
public:
    // okWord is the caption of the message box's button, in the menu's language.
    QtDesktop(QWidget* parent, std::string title, std::string okWord);
    bool startProgram(const std::filesystem::path& program) override;
    bool openPath(const std::filesystem::path& path) override;
    bool openAddress(const std::string& address) override;
    std::optional<std::filesystem::path> chooseFolder(const std::string& title) override;
    void message(const std::string& text) override;

private:
    QWidget* m_parent;
    std::string m_title;
    std::string m_okWord;
};

}  // namespace rnv
