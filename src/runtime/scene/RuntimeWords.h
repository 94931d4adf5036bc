#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "MenuModel.h"

namespace rnv {

// Every word the runtime shows. The keys are those of section [Runtime] in
// language.vlx (a copy of Files/language<N>.dat).
enum class Word {
    Categories,
    Items,
    Details,
    Description,
    Serial,
    CdSize,
    HdSize,
    Homepage,
    Path,
    Megabytes,
    Run,
    Open,
    Copy,
    Info,
    Screenshot,
    Web,
    Quit,
    Close,
    Cancel,
    Ok,
    CopyTitle,
    CopyProgress,
    CopyDone,
    CopyFailed,
    PathRefused,
    NotFound,
    StartFailed,
    NoMenu,
    NoItems,
    NoDetails,
    InfoTitle,
    ScreenshotTitle,
    Count
};

class RuntimeWords final {
public:
    static constexpr std::size_t kCount = static_cast<std::size_t>(Word::Count);

    RuntimeWords();  // the English words

    // Reads section [Runtime] of the file; missing keys keep the English word.
    static RuntimeWords load(const std::filesystem::path& file, LetterCase letterCase);

    static std::string_view key(Word w);
    static std::string_view englishWord(Word w);

    // The word in the design's letter case; only A-Z and a-z change.
    const std::string& operator[](Word w) const { return m_words[static_cast<std::size_t>(w)]; }
    // The word with its "%s" replaced by arg.
    std::string format(Word w, std::string_view arg) const;

    void setWord(Word w, std::string text) { m_words[static_cast<std::size_t>(w)] = std::move(text); }

private:
    std::array<std::string, kCount> m_words;
};

std::string applyLetterCase(std::string_view text, LetterCase letterCase);

}  // namespace rnv
