#pragma once

#include "app/Ui.h"

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

    bool errorShown() const { return !m_errors.empty(); }
    const std::vector<std::string>& errors() const { return m_errors; }

    MsgResult messageBox(const Message& message, MsgKind kind, MsgButtons buttons) override;
    void showWait() override {}
    void closeWait() override {}
    void progress(std::string_view, std::int64_t, std::int64_t) override {}
    void playClick() override {}
    void playSound(const std::filesystem::path&) override {}
    void stopSound() override {}
    std::optional<std::filesystem::path> openFile(const FileDialogSpec&) override { return std::nullopt; }
    std::optional<std::filesystem::path> saveFile(const FileDialogSpec&) override { return std::nullopt; }
    std::optional<std::filesystem::path> browseFolder(const std::string&, const std::filesystem::path&) override
    {
        return std::nullopt;
    }
    std::optional<Colour> chooseColour(Colour, std::array<std::string, 16>&) override { return std::nullopt; }
    void showModal(ModalWindow&) override {}
    bool shellOpen(const std::string& target) override;
    bool shellExplore(const std::filesystem::path& folder) override;
    bool startProgram(const std::filesystem::path& program) override;
    std::optional<RgbImage> clipboardBitmap() override { return std::nullopt; }
    void showHelp(const std::filesystem::path&, int) override {}

private:
    std::ostream& m_err;
    std::vector<std::string> m_errors;
};

}  // namespace qv::cli
