#pragma once

#include "ui/ToolButtons.h"
#include "ui/Ui.h"
#include "i18n/Language.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// Window titles that applying a language sets: T1..T12, T13 (main window
// without a project), T14 (welcome screen), T17 (wizard), T59 (folder chooser).
// The four cell value editors share T6.
struct WindowTitleKey {
    std::string_view window;
    std::string_view key;
};
inline constexpr std::array<WindowTitleKey, 16> kWindowTitleKeys{{
    {"add tip", "T1"},
    {"add folder", "T2"},
    {"folder item naming", "T3"},
    {"add file", "T4"},
    {"add jump point", "T5"},
    {"cell value editors", "T6"},
    {"find", "T7"},
    {"add hyperlink", "T8"},
    {"recording", "T9"},
    {"check location", "T10"},
    {"check summary", "T11"},
    {"icon chooser", "T12"},
    {"main window", "T13"},
    {"welcome screen", "T14"},
    {"wizard", "T17"},
    {"folder chooser", "T59"},
}};

// The interface language in use and the steps of applying one. Windows that
// relabel themselves register a listener; it runs inside the wait window,
// after the new texts are read.
class LanguageManager final {
public:
    // now: the language just applied; previous: the one before it (the
    // defaults before the first), whose words the item table translates from.
    using Listener = std::function<void(const Language& now, const Language& previous)>;

    explicit LanguageManager(std::filesystem::path baseDir);

    // Reads Files/lang_<n>.dat and applies it, always (start-up and the welcome screen).
    void apply(int number, Ui& ui);
    // A language menu entry: the entry of the language in use does nothing and
    // reads nothing. Returns whether a language was applied.
    bool choose(int number, Ui& ui);

    void addListener(Listener listener) { m_listeners.push_back(std::move(listener)); }

    bool applied() const { return m_applied; }
    int number() const { return m_current.number(); }
    const Language& current() const { return m_current; }
    const Language& previous() const { return m_previous; }

    // The language's message as the message box shows it.
    Message message(std::string_view key) const { return {std::string(key), m_current.message(key)}; }
    std::string text(std::string_view key) const { return m_current.text(key); }

    // Help/<General/Help> below the base directory; empty before a language is applied.
    std::filesystem::path helpFile() const;
    // Files/wait_2.bmp for language 2, Files/wait_1.bmp for the others.
    std::filesystem::path waitPicture(int number) const;
    // The picture the wait window shows now: the one of the language being
    // applied, loaded before the window is shown.
    const std::filesystem::path& shownWaitPicture() const { return m_waitPicture; }
    // 204 (Cyrillic) for language 3, 0 otherwise; 0 before any language.
    // Applying a language also makes its code page the process's
    // LegacyCodePage, which every file reader decodes legacy text with.
    int charset() const { return m_current.charset(); }
    // Captions of the message boxes' Yes/OK and No buttons (T57, T58).
    std::string yesButtonCaption() const { return m_current.text("T57"); }
    std::string noButtonCaption() const { return m_current.text("T58"); }

    // The tool button captions E1, E3, ... E39 of section Main, read from the
    // current language's file at the moment of the call.
    std::array<std::string, kToolButtons> readButtonCaptions() const;
    // The hints E2, E4, ... E40 of the language applied.
    std::array<std::string, kToolButtons> buttonHints() const;
    // E168..E171: the names of the four languages.
    std::string languageName(int number) const;

    // The language menu: entry n is checked when n is the language in use.
    bool isChecked(int number) const { return m_applied && number == m_current.number(); }

private:
    std::filesystem::path m_baseDir;
    Language m_current;
    Language m_previous;
    std::filesystem::path m_waitPicture;
    bool m_applied = false;
    std::vector<Listener> m_listeners;
};

}  // namespace qv
