#pragma once

#include "ui/Ui.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

class Language;

// The recording dialog: one recording program to choose, OK writes its
// project file for the built project folder and hands it to the shell, and a
// button runs the build.
class RecordingDialog final : public ModalWindow {
public:
    static constexpr std::string_view kRecorder = "CeQuadrat WinOnCD 3.6 ";
    static constexpr int kHelpTopic = 2600;

    RecordingDialog(Ui& ui, const Language& language, std::filesystem::path baseDir);

    static constexpr WindowKind kKind = WindowKind::Recording;
    WindowKind kind() const override { return kKind; }

    // The open project's folder (rootname, with its final separator) and CD name.
    void setProject(std::string rootName, std::string cdName);
    // What the Build Project button runs: the main window's build command.
    void setBuildCommand(std::function<void()> build) { m_build = std::move(build); }

    // Commands
    void addClick();
    void buildClick();
    void cancelClick();
    void helpClick();

    // The choice of recording program (rs_c).
    const std::vector<std::string>& recorders() const { return m_recorders; }
    int recorderIndex() const { return m_recorderIndex; }

private:
    void onPrepare() override;

    Ui& m_ui;
    const Language& m_language;
    std::filesystem::path m_baseDir;
    std::string m_rootName;
    std::string m_cdName;
    std::function<void()> m_build;
    std::vector<std::string> m_recorders{std::string(kRecorder)};
    int m_recorderIndex = -1;
};

}  // namespace qv
