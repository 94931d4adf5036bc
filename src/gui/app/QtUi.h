#pragma once

#include "ui/Ui.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <string>

class QWidget;
class QProgressDialog;
class QSoundEffect;
class QElapsedTimer;

namespace qv {
class LanguageManager;
}

namespace qv::gui {

class WaitWindow;

// The core's questions answered with Qt: message boxes, choosers, the wait
// window, progress, sounds, the desktop and the views of the modal windows.
class QtUi final : public QObject, public Ui {
    Q_OBJECT
public:
    explicit QtUi(const std::filesystem::path& baseDir);
    // The program's language manager, for the texts of the boxes and the wait
    // picture; until it is set, English texts are used.
    void setLanguage(const LanguageManager* language) { m_language = language; }
    ~QtUi() override;

    // The window the dialogs belong to.
    void setParentWindow(QWidget* parent) { m_parent = parent; }
    // The view that shows a core window of a kind.
    using ViewFactory = std::function<void(ModalWindow& window, QWidget* parent)>;
    void registerView(WindowKind kind, ViewFactory show) { m_views[kind] = std::move(show); }
    template <class Window>
    void registerView(std::function<void(Window&, QWidget*)> show)
    {
        m_views[Window::kKind] = [show = std::move(show)](ModalWindow& w, QWidget* parent) {
            show(static_cast<Window&>(w), parent);
        };
    }
    // Called whenever a modal view closed or a command ended, so the main
    // window can show the new state.
    void setAfterModal(std::function<void()> refresh) { m_afterModal = std::move(refresh); }

    MsgResult messageBox(const Message& message, MsgKind kind, MsgButtons buttons) override;
    void playClick() override;
    void playSound(const std::filesystem::path& wav) override;
    void stopSound() override;
    std::optional<std::filesystem::path> openFile(const FileDialogSpec& spec) override;
    std::optional<std::filesystem::path> saveFile(const FileDialogSpec& spec) override;
    std::optional<std::filesystem::path> browseFolder(const std::string& title, const std::filesystem::path& start) override;
    std::optional<ColourValue> chooseColour(ColourValue initial, CustomColours& customColours) override;
    void showModal(ModalWindow& window) override;
    bool shellOpen(const std::string& target) override;
    bool shellExplore(const std::filesystem::path& folder) override;
    bool startProgram(const std::filesystem::path& program) override;
    std::optional<RgbImage> clipboardBitmap() override;
    void showHelp(const std::filesystem::path& helpFile, int topic) override;

    static QString title() { return QStringLiteral("Krynt - Quenvar"); }

protected:
    void workBegun(std::string_view what, std::int64_t total, Stopping stopping) override;
    bool workProgress(std::int64_t done, std::int64_t total) override;
    void workEnded() override;

private:
    QString workText(const std::string& what) const;
    // Questions never sit behind the wait window or a progress dialog.
    void hideBusy();
    QWidget* dialogParent() const;

    std::filesystem::path m_baseDir;
    const LanguageManager* m_language = nullptr;
    QPointer<QWidget> m_parent;
    std::map<WindowKind, ViewFactory> m_views;
    std::function<void()> m_afterModal;
    std::unique_ptr<WaitWindow> m_wait;
    QPointer<QProgressDialog> m_progress;
    std::string m_work;
    Stopping m_stopping = Stopping::NotOffered;
    bool m_working = false;
    bool m_stopRequested = false;
    std::unique_ptr<QElapsedTimer> m_progressClock;
    std::unique_ptr<QSoundEffect> m_click;
    std::unique_ptr<QSoundEffect> m_sound;
    QString m_clickFile;
};

}  // namespace qv::gui
