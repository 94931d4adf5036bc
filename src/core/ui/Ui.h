#pragma once

#include "ui/ProgressScope.h"
#include "util/Colour.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

enum class MsgKind { Error, Information, Confirmation, Warning };
enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgResult { Ok, Cancel, Yes, No };

// A message of the program: the language key it came from (empty for texts
// that are not language texts, such as a write error) and the text shown.
struct Message {
    std::string key;
    std::string text;
};

struct FileDialogSpec {
    std::string title;
    // Pairs of description and patterns, e.g. {"Project (*.qvp)", "*.qvp"}.
    std::vector<std::pair<std::string, std::string>> filters;
    std::filesystem::path initialDir;
    std::string fileName;
    std::string defaultExt;  // without dot
    bool mustExist = true;
};

// 24-bit picture taken from the clipboard, rows top to bottom, RGB bytes.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

class Ui;

// Every window whose behaviour lives in the core; the GUI maps each kind to its view.
enum class WindowKind {
    About,
    CategoryEditor,
    CategoryRename,
    IconChooser,
    DesignEditor,
    CheckLocation,
    CheckSummary,
    Recording,
    Find,
    AddFile,
    AddItemTip,
    AddFolder,
    FolderItemNaming,
    Hyperlink,
    JumpPoint,
    FreeTextEditor,
    YesNoEditor,
    CategoryChoiceEditor,
    InfoFile,
    ProjectDialog,
    ProjectWizard,
    WelcomeScreen,
};

// How a showing ended: a command closed it with OK or Cancel, or the person
// closed the view some other way (title bar, Escape) and it is None.
enum class ModalResult { None, Ok, Cancel };

// A window whose behaviour lives in the core. exec() prepares it and has the
// Ui show its view while the core waits; the person's clicks come back as
// method calls, and a command ends the showing with close().
class ModalWindow {
public:
    virtual ~ModalWindow() = default;
    virtual WindowKind kind() const = 0;

    // Fills the window for a new showing and opens it.
    void prepare()
    {
        m_result = ModalResult::None;
        m_open = true;
        onPrepare();
    }
    // Ends the showing; the Ui takes the view down when showModal sees it closed.
    void close(ModalResult result)
    {
        m_result = result;
        m_open = false;
    }
    bool isOpen() const { return m_open; }
    ModalResult result() const { return m_result; }

    // Prepares, shows modally and, however the view went, lets the window
    // finish (onClosed); returns how it was closed.
    ModalResult exec(Ui& ui);

protected:
    virtual void onPrepare() {}
    virtual void onClosed() {}

private:
    bool m_open = false;
    ModalResult m_result = ModalResult::None;
};

// Everything the core asks of the person in front of the screen. The GUI
// implements it with Qt; tests use a scripted fake.
class Ui {
public:
    virtual ~Ui() = default;

    virtual MsgResult messageBox(const Message& message, MsgKind kind, MsgButtons buttons) = 0;

    // Long work: the scope shows the wait window (and progress where the
    // work reports it) until it is destroyed. One scope per operation; scopes
    // do not nest.
    ProgressScope beginWork(std::string_view what, std::int64_t total = 0, Stopping stopping = Stopping::NotOffered)
    {
        return ProgressScope(*this, what, total, stopping);
    }

    virtual void playClick() = 0;
    virtual void playSound(const std::filesystem::path& wav) = 0;
    virtual void stopSound() = 0;

    virtual std::optional<std::filesystem::path> openFile(const FileDialogSpec& spec) = 0;
    virtual std::optional<std::filesystem::path> saveFile(const FileDialogSpec& spec) = 0;
    virtual std::optional<std::filesystem::path> browseFolder(const std::string& title,
                                                              const std::filesystem::path& start) = 0;
    // The colour dialog; the custom colours come back changed when the person changed them.
    virtual std::optional<ColourValue> chooseColour(ColourValue initial, CustomColours& customColours) = 0;

    // Shows the window's view modally, its kind choosing the view; returns
    // when a command closed the window or the person closed the view.
    // Called through ModalWindow::exec, which prepares the window first.
    virtual void showModal(ModalWindow& window) = 0;

    // Shell "open" on a file, folder or address, without waiting. False when nothing could be started.
    virtual bool shellOpen(const std::string& target) = 0;
    virtual bool shellExplore(const std::filesystem::path& folder) = 0;
    // Starts a program detached, without parameters, its folder as working folder.
    virtual bool startProgram(const std::filesystem::path& program) = 0;

    virtual std::optional<RgbImage> clipboardBitmap() = 0;

    // Opens a help file, at a numbered topic when topic is not 0.
    virtual void showHelp(const std::filesystem::path& helpFile, int topic) = 0;

protected:
    friend class ProgressScope;
    // The implementation's side of ProgressScope. While work is open, a
    // message box, chooser, colour dialog or modal window takes the wait
    // window down before it appears, so the wait window never covers a
    // question; the next progress report may bring it back.
    virtual void workBegun(std::string_view what, std::int64_t total, Stopping stopping) = 0;
    // False when the person asked to stop.
    virtual bool workProgress(std::int64_t done, std::int64_t total) = 0;
    virtual void workEnded() = 0;
};

inline ModalResult ModalWindow::exec(Ui& ui)
{
    prepare();
    ui.showModal(*this);
    m_open = false;
    onClosed();
    return m_result;
}

}  // namespace qv
