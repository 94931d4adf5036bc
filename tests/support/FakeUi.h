#pragma once

#include "app/Ui.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace qv::test {

// A scripted Ui: answers are queued in advance and everything shown is recorded.
// Questions without a queued answer get the first button (OK or Yes) or cancel.
class FakeUi : public Ui {
public:
    struct ShownMessage {
        Message message;
        MsgKind kind;
        MsgButtons buttons;
    };

    // Scripting
    std::deque<MsgResult> messageAnswers;
    std::deque<std::optional<std::filesystem::path>> fileAnswers;    // open and save choosers
    std::deque<std::optional<std::filesystem::path>> folderAnswers;  // folder browser
    std::deque<std::optional<Colour>> colourAnswers;
    std::map<std::string, std::function<void(ModalWindow&)>, std::less<>> onModal;
    bool shellSucceeds = true;
    std::optional<RgbImage> clipboard;

    // Record
    std::vector<ShownMessage> messages;
    std::vector<FileDialogSpec> fileDialogs;
    std::vector<std::string> modalShown;
    std::vector<std::string> shellOpened;
    std::vector<std::filesystem::path> explored;
    std::vector<std::filesystem::path> programsStarted;
    std::vector<std::filesystem::path> soundsPlayed;
    std::vector<std::pair<std::filesystem::path, int>> helpShown;
    int clicks = 0;
    int waitShown = 0;
    int waitClosed = 0;
    int soundsStopped = 0;
    std::int64_t lastProgressDone = -1;
    std::int64_t lastProgressTotal = -1;

    std::vector<std::string> messageKeys() const
    {
        std::vector<std::string> keys;
        for (const auto& m : messages)
            keys.push_back(m.message.key.empty() ? m.message.text : m.message.key);
        return keys;
    }

    MsgResult messageBox(const Message& message, MsgKind kind, MsgButtons buttons) override
    {
        messages.push_back({message, kind, buttons});
        if (!messageAnswers.empty()) {
            const MsgResult r = messageAnswers.front();
            messageAnswers.pop_front();
            return r;
        }
        return buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::Ok;
    }
    void showWait() override { ++waitShown; }
    void closeWait() override { ++waitClosed; }
    void progress(std::string_view, std::int64_t done, std::int64_t total) override
    {
        lastProgressDone = done;
        lastProgressTotal = total;
    }
    void playClick() override { ++clicks; }
    void playSound(const std::filesystem::path& wav) override { soundsPlayed.push_back(wav); }
    void stopSound() override { ++soundsStopped; }
    std::optional<std::filesystem::path> openFile(const FileDialogSpec& spec) override { return nextFile(spec); }
    std::optional<std::filesystem::path> saveFile(const FileDialogSpec& spec) override { return nextFile(spec); }
    std::optional<std::filesystem::path> browseFolder(const std::string&, const std::filesystem::path&) override
    {
        if (folderAnswers.empty())
            return std::nullopt;
        auto a = folderAnswers.front();
        folderAnswers.pop_front();
        return a;
    }
    std::optional<Colour> chooseColour(Colour, std::array<std::string, 16>&) override
    {
        if (colourAnswers.empty())
            return std::nullopt;
        auto a = colourAnswers.front();
        colourAnswers.pop_front();
        return a;
    }
    void showModal(ModalWindow& window) override
    {
        modalShown.emplace_back(window.windowName());
        const auto it = onModal.find(window.windowName());
        if (it != onModal.end())
            it->second(window);
    }
    bool shellOpen(const std::string& target) override
    {
        shellOpened.push_back(target);
        return shellSucceeds;
    }
    bool shellExplore(const std::filesystem::path& folder) override
    {
        explored.push_back(folder);
        return shellSucceeds;
    }
    bool startProgram(const std::filesystem::path& program) override
    {
        programsStarted.push_back(program);
        return shellSucceeds;
    }
    std::optional<RgbImage> clipboardBitmap() override { return clipboard; }
    void showHelp(const std::filesystem::path& helpFile, int topic) override { helpShown.emplace_back(helpFile, topic); }

private:
    std::optional<std::filesystem::path> nextFile(const FileDialogSpec& spec)
    {
        fileDialogs.push_back(spec);
        if (fileAnswers.empty())
            return std::nullopt;
        auto a = fileAnswers.front();
        fileAnswers.pop_front();
        return a;
    }
};

}  // namespace qv::test
