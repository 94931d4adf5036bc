#pragma once

#include <array>
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

// 32-bit colour as the files store it: red in the low byte.
using Colour = std::uint32_t;

// 24-bit picture taken from the clipboard, rows top to bottom, RGB bytes.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// A window whose behaviour lives in the core. The GUI shows its view while
// the core waits in Ui::showModal; the user's clicks come back as method calls.
class ModalWindow {
public:
    virtual ~ModalWindow() = default;
    virtual std::string_view windowName() const = 0;
};

// Everything the core asks of the person in front of the screen. The GUI
// implements it with Qt; tests use a scripted fake.
class Ui {
public:
    virtual ~Ui() = default;

    virtual MsgResult messageBox(const Message& message, MsgKind kind, MsgButtons buttons) = 0;

    // The non-blocking wait window of long operations.
    virtual void showWait() = 0;
    virtual void closeWait() = 0;
    // Progress of long work; total 0 when unknown.
    virtual void progress(std::string_view what, std::int64_t done, std::int64_t total) = 0;

    virtual void playClick() = 0;
    virtual void playSound(const std::filesystem::path& wav) = 0;
    virtual void stopSound() = 0;

    virtual std::optional<std::filesystem::path> openFile(const FileDialogSpec& spec) = 0;
    virtual std::optional<std::filesystem::path> saveFile(const FileDialogSpec& spec) = 0;
    virtual std::optional<std::filesystem::path> browseFolder(const std::string& title,
                                                              const std::filesystem::path& start) = 0;
    // The 16 custom colours are texts "ColorA=FFFFFF" ... "ColorP=FFFFFF" and
    // come back changed when the person changed them.
    virtual std::optional<Colour> chooseColour(Colour initial, std::array<std::string, 16>& customColours) = 0;

    // Shows the window's view modally; returns when it is closed.
    virtual void showModal(ModalWindow& window) = 0;

    // Shell "open" on a file, folder or address, without waiting. False when nothing could be started.
    virtual bool shellOpen(const std::string& target) = 0;
    virtual bool shellExplore(const std::filesystem::path& folder) = 0;
    // Starts a program detached, without parameters, its folder as working folder.
    virtual bool startProgram(const std::filesystem::path& program) = 0;

    virtual std::optional<RgbImage> clipboardBitmap() = 0;

    // Opens a help file, at a numbered topic when topic is not 0.
    virtual void showHelp(const std::filesystem::path& helpFile, int topic) = 0;
};

}  // namespace qv
