#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qv {

// The parsed lines of one profile file. Lines are kept as read so that a
// write changes only the line it must; lookups ignore ASCII case and the
// blanks around keys and values.
class ProfileDocument final {
public:
    static ProfileDocument parse(std::string_view bytes);

    // Null when the section or the key is missing.
    const std::string* find(std::string_view section, std::string_view key) const;
    // An existing key keeps its line and spelling; a new key goes after the
    // last non-blank line of its section; a new section goes at the end.
    void set(std::string_view section, std::string_view key, std::string_view value);

    // CR LF after every line.
    std::string serialize() const;

private:
    struct Line {
        std::string text;
        // For key lines: the value, trimmed; kept beside the text for fast reads.
        std::string value;
        bool isKey = false;
    };
    struct Section {
        std::string header;
        std::vector<Line> lines;
        std::unordered_map<std::string, std::size_t> keys;  // lower-case key -> line index
    };

    static bool parseKey(std::string_view text, std::string& key, std::string& value);
    void addLine(Section& section, std::string text);

    std::vector<std::string> m_preamble;  // lines before the first section
    std::vector<Section> m_sections;
    std::unordered_map<std::string, std::size_t> m_sectionIndex;  // lower-case name -> first section
};

}  // namespace qv
