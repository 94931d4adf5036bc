#pragma once

#include "ui/Ui.h"

#include <filesystem>
#include <memory>

namespace qv {
class Application;
}

namespace qv::gui {

class MainWindow;
class QtFontRegistrar;
class QtUi;

// The program with its window: the application, the Qt side of its
// questions and the main window, wired together. A QApplication must exist.
class ProgramWindow final {
public:
    explicit ProgramWindow(const std::filesystem::path& baseDir);
    ~ProgramWindow();
    ProgramWindow(const ProgramWindow&) = delete;
    ProgramWindow& operator=(const ProgramWindow&) = delete;

    Application& app() { return *m_app; }
    QtUi& ui() { return *m_ui; }
    MainWindow& window() { return *m_window; }

    // Start-up in the order the program runs it: window settings, the window
    // shown (when show is true), language, table and settings, texts.
    // offerWelcome: the welcome screen may show (not when a project was named
    // to be opened: the person chose already).
    void start(bool show, bool offerWelcome = true);

private:
    std::unique_ptr<QtUi> m_ui;
    // Before the application: its design fonts are released through it.
    std::unique_ptr<QtFontRegistrar> m_fontRegistrar;
    std::unique_ptr<Application> m_app;
    std::unique_ptr<MainWindow> m_window;
};

}  // namespace qv::gui
