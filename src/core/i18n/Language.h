#pragma once

#include "i18n/JumpWords.h"
#include "util/LegacyCodePage.h"

#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace qv {

class ProfileFile;

// One interface language as read from Files/lang_<N>.dat: 1 English, 2 German,
// 3 Russian, 4 Spanish. A missing file, section or key gives the defaults;
// the default of every E, M and T key is empty, so a missing text shows empty.
class Language final {
public:
    static constexpr int kFieldCount = 12;

    Language();  // every default, number 1

    // Reads Files/lang_<number>.dat below the base directory.
    static Language load(const std::filesystem::path& baseDir, int number);
    static std::filesystem::path fileOf(const std::filesystem::path& baseDir, int number);

    int number() const { return m_number; }

    // General/Help: the help file name.
    const std::string& helpFileName() const { return m_help; }
    // Messages/M1..M59, M39_2. M58 and M59 came later than the others: a
    // language file without them gets the English text rather than an
    // empty box.
    std::string message(std::string_view key) const;
    // Texts: TJP, TYES, TNO, SYES, SNO, T1..T59.
    std::string text(std::string_view key) const;
    const std::string& yesWord() const { return m_yes; }
    const std::string& noWord() const { return m_no; }
    const std::string& jumpWord() const { return m_jump; }
    // The File Name marks a jump point: this language's word or that of any
    // other interface language (a project made in German, checked in English).
    bool isJumpWord(std::string_view fileName) const;
    const JumpWords& jumpWords() const { return m_jumpWords; }
    // Grid/G1..G12 for field 1..12.
    const std::string& fieldTitle(int field) const { return m_grid.at(static_cast<std::size_t>(field - 1)); }
    const std::array<std::string, kFieldCount>& fieldTitles() const { return m_grid; }

    // A window's E text ("" when missing) and L font size (0 = default size).
    std::string windowText(std::string_view section, std::string_view key) const;
    // section is the L_ section, e.g. "L_AddDir".
    int fontSize(std::string_view section, std::string_view key) const;
    // 0 (the toolkit's size) for every L key but L18 of L_AddDir, which is 16.
    static int defaultFontSize(std::string_view section, std::string_view key);

    // 204 (Cyrillic) for language 3, otherwise 0.
    int charset() const { return m_number == 3 ? 204 : 0; }
    // The code page that files of the old program hold this language's texts in.
    CodePage legacyCodePage() const { return LegacyCodePage::forCharset(charset()); }

    // Lets tests and callers set texts directly.
    void setMessage(std::string key, std::string text) { m_messages[std::move(key)] = std::move(text); }
    void setText(std::string key, std::string text);
    void setFieldTitle(int field, std::string title) { m_grid.at(static_cast<std::size_t>(field - 1)) = std::move(title); }
    void setWindowText(std::string section, std::string key, std::string text)
    {
        m_windowTexts[std::move(section)][std::move(key)] = std::move(text);
    }
    void setFontSize(std::string section, std::string key, int size)
    {
        m_fontSizes[std::move(section)][std::move(key)] = size;
    }

private:
    // The E and L keys of every window section (the table of windows and their keys).
    static void loadWindowSections(Language& lang, const ProfileFile& file);

    int m_number = 1;
    std::string m_help;
    std::string m_yes = "yes";
    std::string m_no = "no";
    std::string m_jump = "Jump Point";
    JumpWords m_jumpWords;
    std::map<std::string, std::string, std::less<>> m_messages;
    std::map<std::string, std::string, std::less<>> m_texts;
    std::array<std::string, kFieldCount> m_grid;
    std::map<std::string, std::map<std::string, std::string, std::less<>>, std::less<>> m_windowTexts;
    std::map<std::string, std::map<std::string, int, std::less<>>, std::less<>> m_fontSizes;
};

}  // namespace qv
