#pragma once

#include "ui/Ui.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace qv::test {

// A scripted Ui: answers are queued in advance and everything shown is recorded.
// Strict (the default): a question nobody scripted fails the test, so a new
// question cannot slip through on an invented "Yes"; a plain OK box is no question.
// Lenient: questions without a queued answer get the first button (OK or Yes),
// choosers cancel and modal windows without a handler close at once.
class FakeUi : public Ui {
public:
    bool strict = true;

    struct ShownMessage {
        Message message;
        MsgKind kind;
        MsgButtons buttons;
    };

    // Scripting
    std::deque<MsgResult> messageAnswers;
    std::deque<std::optional<std::filesystem::path>> fileAnswers;    // open and save choosers
    std::deque<std::optional<std::filesystem::path>> folderAnswers;  // folder browser
    std::deque<std::optional<ColourValue>> colourAnswers;
    std::map<WindowKind, std::function<void(ModalWindow&)>> onModal;
    // The handler of one window class, given the window as that class.
    template <class Window, class Handler>
    void on(Handler handler)
    {
        onModal[Window::kKind] = [handler](ModalWindow& w) mutable { handler(static_cast<Window&>(w)); };
    }
    bool shellSucceeds = true;
    // The person asks to stop when a progress report reaches this much work done.
    std::optional<std::int64_t> stopAtProgress;
    std::optional<RgbImage> clipboard;

    // Record
    std::vector<ShownMessage> messages;
    std::vector<FileDialogSpec> fileDialogs;
    std::vector<std::filesystem::path> folderStarts;  // where each folder browser started
    std::vector<WindowKind> modalShown;
    std::vector<std::string> shellOpened;
    std::vector<std::filesystem::path> explored;
    std::vector<std::filesystem::path> programsStarted;
    std::vector<std::filesystem::path> soundsPlayed;
    std::vector<std::pair<std::filesystem::path, int>> helpShown;
    int clicks = 0;
    int waitShown = 0;   // work begun
    int waitClosed = 0;  // work ended
    std::vector<std::string> work;  // what each piece of work was called
    bool waitVisible = false;
    // Questions and choosers that found the wait window up and took it down first.
    int waitHiddenForQuestions = 0;
    std::vector<std::pair<std::int64_t, std::int64_t>> progressReports;
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
        hideWaitForQuestion();
        messages.push_back({message, kind, buttons});
        if (!messageAnswers.empty()) {
            const MsgResult r = messageAnswers.front();
            messageAnswers.pop_front();
            return r;
        }
        if (strict && buttons != MsgButtons::Ok)
            ADD_FAILURE() << "unexpected question: " << (message.key.empty() ? message.text : message.key + " \"" + message.text + "\"");
        return buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::Ok;
    }
    void workBegun(std::string_view what, std::int64_t total, Stopping stopping) override
    {
        EXPECT_FALSE(m_working) << "work begun inside other work: " << what;
        m_working = true;
        waitVisible = true;
        ++waitShown;
        work.emplace_back(what);
        m_stopOffered = stopping == Stopping::Offered;
        lastProgressDone = 0;
        lastProgressTotal = total;
    }
    bool workProgress(std::int64_t done, std::int64_t total) override
    {
        EXPECT_TRUE(m_working) << "progress outside work";
        waitVisible = true;
        lastProgressDone = done;
        lastProgressTotal = total;
        progressReports.emplace_back(done, total);
        // A person can only stop work that offers stopping.
        return !(m_stopOffered && stopAtProgress && done >= *stopAtProgress);
    }
    void workEnded() override
    {
        m_working = false;
        waitVisible = false;
        ++waitClosed;
    }
    void playClick() override { ++clicks; }
    void playSound(const std::filesystem::path& wav) override { soundsPlayed.push_back(wav); }
    void stopSound() override { ++soundsStopped; }
    std::optional<std::filesystem::path> openFile(const FileDialogSpec& spec) override { return nextFile(spec); }
    std::optional<std::filesystem::path> saveFile(const FileDialogSpec& spec) override { return nextFile(spec); }
    std::optional<std::filesystem::path> browseFolder(const std::string& title, const std::filesystem::path& start) override
    {
        hideWaitForQuestion();
        folderStarts.push_back(start);
        if (folderAnswers.empty()) {
            if (strict)
                ADD_FAILURE() << "unexpected folder browser: " << title;
            return std::nullopt;
        }
        auto a = folderAnswers.front();
        folderAnswers.pop_front();
        return a;
    }
    std::optional<ColourValue> chooseColour(ColourValue, CustomColours&) override
    {
        hideWaitForQuestion();
        if (colourAnswers.empty()) {
            if (strict)
                ADD_FAILURE() << "unexpected colour dialog";
            return std::nullopt;
        }
        auto a = colourAnswers.front();
        colourAnswers.pop_front();
        return a;
    }
    void showModal(ModalWindow& window) override
    {
        hideWaitForQuestion();
        modalShown.push_back(window.kind());
        const auto it = onModal.find(window.kind());
        if (it != onModal.end())
            it->second(window);
        else if (strict)
            ADD_FAILURE() << "unexpected modal window of kind " << static_cast<int>(window.kind());
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
    bool m_working = false;
    bool m_stopOffered = false;

    void hideWaitForQuestion()
    {
        if (waitVisible) {
            waitVisible = false;
            ++waitHiddenForQuestions;
        }
    }
    std::optional<std::filesystem::path> nextFile(const FileDialogSpec& spec)
    {
        hideWaitForQuestion();
        fileDialogs.push_back(spec);
        if (fileAnswers.empty()) {
            if (strict)
                ADD_FAILURE() << "unexpected file chooser: " << spec.title;
            return std::nullopt;
        }
        auto a = fileAnswers.front();
        fileAnswers.pop_front();
        return a;
    }
};

}  // namespace qv::test
