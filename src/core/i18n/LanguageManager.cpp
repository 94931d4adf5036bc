#include "i18n/LanguageManager.h"

#include "profile/ProfileBatch.h"
#include "profile/ProfileFile.h"

namespace qv {

LanguageManager::LanguageManager(std::filesystem::path baseDir)
    : m_baseDir(std::move(baseDir))
{
}

void LanguageManager::apply(int number, Ui& ui)
{
    m_waitPicture = waitPicture(number);
    // The wait window goes away even when a window fails to relabel itself.
    const auto work = ui.beginWork("language");
    Language next = Language::load(m_baseDir, number);
    m_previous = std::move(m_current);
    m_current = std::move(next);
    m_applied = true;
    // Before the listeners: whatever they read again is read in the new page.
    LegacyCodePage::set(m_current.legacyCodePage());
    for (const Listener& listener : m_listeners)
        listener(m_current, m_previous);
}

bool LanguageManager::choose(int number, Ui& ui)
{
    if (isChecked(number))
        return false;
    apply(number, ui);
    return true;
}

std::filesystem::path LanguageManager::helpFile() const
{
    if (!m_applied || m_current.helpFileName().empty())
        return {};
    return m_baseDir / "Help" / m_current.helpFileName();
}

std::filesystem::path LanguageManager::waitPicture(int number) const
{
    return m_baseDir / "Files" / (number == 2 ? "wait_2.bmp" : "wait_1.bmp");
}

std::array<std::string, kToolButtons> LanguageManager::readButtonCaptions() const
{
    std::array<std::string, kToolButtons> captions;
    if (!m_applied)
        return captions;
    ProfileBatch batch;
    const ProfileFile file(Language::fileOf(m_baseDir, m_current.number()), &batch);
    for (int i = 0; i < kToolButtons; ++i)
        captions[static_cast<std::size_t>(i)] = file.readString("Main", "E" + std::to_string(2 * i + 1), "");
    return captions;
}

std::array<std::string, kToolButtons> LanguageManager::buttonHints() const
{
    std::array<std::string, kToolButtons> hints;
    for (int i = 0; i < kToolButtons; ++i)
        hints[static_cast<std::size_t>(i)] = m_current.windowText("Main", "E" + std::to_string(2 * i + 2));
    return hints;
}

std::string LanguageManager::languageName(int number) const
{
    return m_current.windowText("Main", "E" + std::to_string(167 + number));
}

}  // namespace qv
