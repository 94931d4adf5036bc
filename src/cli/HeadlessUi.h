#pragma once

#include "ui/Ui.h"

#include <ostream>
#include <string>
#include <vector>

namespace qv::cli {

// The Ui of the command line: it never asks. Questions get the answer that
// gives up (Cancel, No), choosers are cancelled, error and warning texts go
// to the error stream and are kept for the command's exit status.
class HeadlessUi final : public Ui {
public:
    explicit HeadlessUi(std::ostream& err);

    // With --progress: a line "<work>: <n>%" on the error stream each time
    // the percentage of work with a known total grows; otherwise silent.
    void setShowProgress(bool on) { m_showProgress = on; }

    bool errorShown() const { return !m_errors.empty(); }
    const std::vector<std::string>& errors() const { return m_errors; }

    MsgResult messageBox(const Message& message, MsgKind kind, MsgButtons buttons) override;
    void playClick() override {}
    void playSound(const std::filesystem::path&) override {}
    void stopSound() override {}
    std::optional<std::filesystem::path> openFile(const FileDialogSpec&) override { return std::nullopt; }
    std::optional<std::filesystem::path> saveFile(const FileDialogSpec&) override { return std::nullopt; }
    std::optional<std::filesystem::path> browseFolder(const std::string&, const std::filesystem::path&) override
    {
        return std::nullopt;
    }
    std::optional<ColourValue> chooseColour(ColourValue, CustomColours&) override { return std::nullopt; }
    void showModal(ModalWindow&) override {}
    bool shellOpen(const std::string& target) override;
    bool shellExplore(const std::filesystem::path& folder) override;
    bool startProgram(const std::filesystem::path& program) override;
    std::optional<RgbImage> clipboardBitmap() override { return std::nullopt; }
    void showHelp(const std::filesystem::path&, int) override {}

protected:
    // Nothing to take down before a question: there is no wait window.
    void workBegun(std::string_view what, std::int64_t total, Stopping stopping) override;
    bool workProgress(std::int64_t done, std::int64_t total) override;
    void workEnded() override {}

private:
    bool m_showProgress = false;
    std::string m_work;
    int m_lastPercent = -1;
    std::ostream& m_err;
    std::vector<std::string> m_errors;
};

}  // namespace qv::cli
