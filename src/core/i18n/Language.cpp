#include "i18n/Language.h"

#include "profile/ProfileBatch.h"
#include "profile/ProfileFile.h"
#include "util/Text.h"

#include <string>
#include <utility>

namespace qv {

namespace {

constexpr int kLastMessage = 60;

// The messages added after the first language files were made.
constexpr std::pair<std::string_view, std::string_view> kAddedMessages[] = {
    {"M58", "The project folder %s was not found (is the disc or network drive that holds it connected?). "
            "The check has changed nothing."},
    {"M59", "A category file holds at most %s categories."},
    {"M60", "This project is already open in another Quenvar (process %s). Open it here as well? Whichever program "
            "saves last overwrites the other's changes."},
};

std::string_view addedMessage(std::string_view key)
{
    for (const auto& [k, text] : kAddedMessages) {
        if (k == key)
            return text;
    }
    return {};
}

}  // namespace

Language::Language()
{
    m_grid.fill("not used");
    m_help = "VlxHlp1.hlp";
}

std::filesystem::path Language::fileOf(const std::filesystem::path& baseDir, int number)
{
    return baseDir / "Files" / ("lang_" + std::to_string(number) + ".dat");
}

void Language::setText(std::string key, std::string text)
{
    if (key == "TYES")
        m_yes = text;
    else if (key == "TNO")
        m_no = text;
    else if (key == "TJP")
        m_jump = text;
    m_texts[std::move(key)] = std::move(text);
}

std::string Language::message(std::string_view key) const
{
    const auto it = m_messages.find(key);
    return it == m_messages.end() ? std::string(addedMessage(key)) : it->second;
}

bool Language::isJumpWord(std::string_view fileName) const
{
    return iequals(fileName, m_jump) || m_jumpWords.matches(fileName);
}

std::string Language::text(std::string_view key) const
{
    const auto it = m_texts.find(key);
    if (it != m_texts.end())
        return it->second;
    if (key == "TYES" || key == "SYES")
        return "yes";
    if (key == "TNO" || key == "SNO")
        return "no";
    if (key == "TJP")
        return "Jump Point";
    return {};
}

std::string Language::windowText(std::string_view section, std::string_view key) const
{
    const auto s = m_windowTexts.find(section);
    if (s == m_windowTexts.end())
        return {};
    const auto k = s->second.find(key);
    return k == s->second.end() ? std::string() : k->second;
}

int Language::fontSize(std::string_view section, std::string_view key) const
{
    const auto s = m_fontSizes.find(section);
    if (s != m_fontSizes.end()) {
        const auto k = s->second.find(key);
        if (k != s->second.end())
            return k->second;
    }
    return defaultFontSize(section, key);
}

int Language::defaultFontSize(std::string_view section, std::string_view key)
{
    return (section == "L_AddDir" && key == "L18") ? 16 : 0;
}

Language Language::load(const std::filesystem::path& baseDir, int number)
{
    Language lang;
    lang.m_number = number;
    // A language file of the old program is in its own language's code page,
    // whichever language is in force while it is read.
    const LegacyCodePage::Scope ownCodePage(lang.legacyCodePage());
    // One read of the whole file: the batch parses it once for all the keys below.
    ProfileBatch batch;
    const ProfileFile f(fileOf(baseDir, number), &batch);

    lang.m_help = f.readString("General", "Help", number == 2 ? "VlxHlp2.hlp" : "VlxHlp1.hlp");
    for (int i = 1; i <= kLastMessage; ++i) {
        const std::string key = "M" + std::to_string(i);
        lang.m_messages[key] = f.readString("Messages", key, addedMessage(key));
    }
    lang.m_messages["M39_2"] = f.readString("Messages", "M39_2", "");

    lang.setText("TJP", f.readString("Texts", "TJP", "Jump Point"));
    lang.setText("TYES", f.readString("Texts", "TYES", "yes"));
    lang.setText("TNO", f.readString("Texts", "TNO", "no"));
    lang.setText("SYES", f.readString("Texts", "SYES", "yes"));
    lang.setText("SNO", f.readString("Texts", "SNO", "no"));
    for (int i = 1; i <= 59; ++i) {
        const std::string key = "T" + std::to_string(i);
        lang.setText(key, f.readString("Texts", key, ""));
    }
    for (int i = 1; i <= kFieldCount; ++i)
        lang.m_grid[static_cast<std::size_t>(i - 1)] = f.readString("Grid", "G" + std::to_string(i), "not used");

    loadWindowSections(lang, f);
    lang.m_jumpWords = JumpWords::load(baseDir, &batch);
    return lang;
}

}  // namespace qv
