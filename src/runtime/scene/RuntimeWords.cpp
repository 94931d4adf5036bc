#include "RuntimeWords.h"

#include "profile/ProfileBatch.h"
#include "profile/ProfileFile.h"
#include "util/Text.h"

namespace rnv {

namespace {

struct WordEntry {
    const char* key;
    const char* english;
};

// Order follows the Word enumeration.
constexpr std::array<WordEntry, RuntimeWords::kCount> kWords{{
    {"Categories", "Categories"},
    {"Items", "Contents"},
    {"Details", "Details"},
    {"Description", "Description"},
    {"Serial", "Serial"},
    {"CdSize", "Size on CD"},
    {"HdSize", "Size installed"},
    {"Homepage", "Homepage"},
    {"Path", "Path"},
    {"Megabytes", "MB"},
    {"Run", "Run"},
    {"Open", "Open"},
    {"Copy", "Copy"},
    {"Info", "Info"},
    {"Screenshot", "Screenshot"},
    {"Web", "Homepage"},
    {"Quit", "Quit"},
    {"Close", "Close"},
    {"Cancel", "Cancel"},
    {"Ok", "OK"},
    {"CopyTitle", "Copy to which folder?"},
    {"CopyProgress", "Copying %s ..."},
    {"CopyDone", "Copy complete."},
    {"CopyFailed", "%s could not be copied."},
    {"PathRefused", "The path %s leads outside this CD and is not used."},
    {"NotFound", "%s was not found on this CD."},
    {"StartFailed", "%s could not be started."},
    {"NoMenu", "This CD holds no menu."},
    {"NoItems", "This category is empty."},
    {"NoDetails", "The details of this entry are missing."},
    {"InfoTitle", "Info"},
    {"ScreenshotTitle", "Screenshot"},
}};

}  // namespace

std::string applyLetterCase(std::string_view text, LetterCase letterCase)
{
    if (letterCase == LetterCase::AsWritten)
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        // The placeholder of the message words must survive upper case.
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == 's') {
            out += "%s";
            ++i;
            continue;
        }
        out += letterCase == LetterCase::Upper ? qv::asciiUpper(text[i]) : qv::asciiLower(text[i]);
    }
    return out;
}

RuntimeWords::RuntimeWords()
{
    for (std::size_t i = 0; i < kCount; ++i)
        m_words[i] = kWords[i].english;
}

RuntimeWords RuntimeWords::load(const std::filesystem::path& file, LetterCase letterCase)
{
    RuntimeWords words;
    qv::ProfileBatch batch;
    const qv::ProfileFile profile(file, &batch);
    for (std::size_t i = 0; i < kCount; ++i) {
        // An empty word would leave a blank button: the English one is better than none.
        const std::string text = profile.readString("Runtime", kWords[i].key, kWords[i].english);
        words.m_words[i] = applyLetterCase(text.empty() ? kWords[i].english : text, letterCase);
    }
    return words;
}

std::string_view RuntimeWords::key(Word w)
{
    return kWords[static_cast<std::size_t>(w)].key;
}

std::string_view RuntimeWords::englishWord(Word w)
{
    return kWords[static_cast<std::size_t>(w)].english;
}

std::string RuntimeWords::format(Word w, std::string_view arg) const
{
    return qv::formatS((*this)[w], arg);
}

}  // namespace rnv
