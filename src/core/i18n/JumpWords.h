#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace qv {

class ProfileBatch;

// The jump words (Texts/TJP) of the four interface languages. A jump point
// keeps the word of the language it was made in, so it is recognised by any
// of them, whichever language is in force.
class JumpWords final {
public:
    static constexpr int kLanguages = 4;

    // The words the shipped language files hold.
    JumpWords();
    // TJP of each Files/lang_<N>.dat below the base directory; a missing file
    // or key keeps that language's shipped word. batch, when given, is the
    // one the caller reads its own language file through, so it is parsed once.
    static JumpWords load(const std::filesystem::path& baseDir, ProfileBatch* batch = nullptr);

    // The File Name is one of the words, ignoring ASCII case.
    bool matches(std::string_view fileName) const;
    const std::string& word(int language) const { return m_words.at(static_cast<std::size_t>(language - 1)); }
    void setWord(int language, std::string word) { m_words.at(static_cast<std::size_t>(language - 1)) = std::move(word); }

private:
    std::array<std::string, kLanguages> m_words;
};

}  // namespace qv
