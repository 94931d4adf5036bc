#pragma once

#include "app/AppInfo.h"
#include "ui/Ui.h"

#include <functional>
#include <string_view>

namespace qv {

// The Info command's about box (infodlg). Its Help button opens topic 300.
class AboutBox final : public ModalWindow {
public:
    explicit AboutBox(std::function<void(int topic)> helpContext)
        : m_helpContext(std::move(helpContext))
    {
    }

    static constexpr WindowKind kKind = WindowKind::About;
    WindowKind kind() const override { return kKind; }
    std::string_view programName() const { return kProgramName; }
    std::string_view title() const { return kAboutTitle; }
    std::string_view version() const { return kVersionLine; }

    void helpClick() { m_helpContext(kAboutHelpTopic); }

private:
    std::function<void(int)> m_helpContext;
};

}  // namespace qv
