#include "i18n/JumpWords.h"

#include "i18n/Language.h"
#include "profile/ProfileFile.h"
#include "util/Text.h"

namespace qv {

JumpWords::JumpWords()
    : m_words{"Jump Point", "Sprungpunkt", "Точка перехода", "Punto de salto"}
{
}

JumpWords JumpWords::load(const std::filesystem::path& baseDir, ProfileBatch* batch)
{
    JumpWords words;
    for (int n = 1; n <= kLanguages; ++n) {
        const ProfileFile file(Language::fileOf(baseDir, n), batch);
        words.setWord(n, file.readString("Texts", "TJP", words.word(n)));
    }
    return words;
}

bool JumpWords::matches(std::string_view fileName) const
{
    for (const auto& w : m_words) {
        if (!w.empty() && iequals(fileName, w))
            return true;
    }
    return false;
}

}  // namespace qv
