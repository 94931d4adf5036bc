#include "profile/ProfileDocument.h"

#include "util/Text.h"

namespace qv {

namespace {

// A section line is "[name]" after leading blanks; the name ends at the first ']'.
bool parseSectionHeader(std::string_view text, std::string& name)
{
    const std::string_view t = trimmed(text);
    if (t.empty() || t.front() != '[')
        return false;
    const auto close = t.find(']');
    if (close == std::string_view::npos)
        return false;
    name = std::string(trimmed(t.substr(1, close - 1)));
    return true;
}

}  // namespace

bool ProfileDocument::parseKey(std::string_view text, std::string& key, std::string& value)
{
    const std::string_view t = trimmed(text);
    if (t.empty() || t.front() == ';')
        return false;
    const auto eq = t.find('=');
    if (eq == std::string_view::npos)
        return false;
    key = asciiLower(trimmed(t.substr(0, eq)));
    value = std::string(trimmed(t.substr(eq + 1)));
    return true;
}

void ProfileDocument::addLine(Section& section, std::string text)
{
    Line line;
    std::string key;
    line.isKey = parseKey(text, key, line.value);
    line.text = std::move(text);
    if (line.isKey)
        section.keys.emplace(std::move(key), section.lines.size());
    section.lines.push_back(std::move(line));
}

ProfileDocument ProfileDocument::parse(std::string_view bytes)
{
    ProfileDocument doc;
    const std::string text = decodeText(bytes);
    for (std::string& raw : splitLines(text)) {
        std::string name;
        if (parseSectionHeader(raw, name)) {
            Section section;
            section.header = std::move(raw);
            doc.m_sectionIndex.emplace(asciiLower(name), doc.m_sections.size());
            doc.m_sections.push_back(std::move(section));
        } else if (doc.m_sections.empty()) {
            doc.m_preamble.push_back(std::move(raw));
        } else {
            doc.addLine(doc.m_sections.back(), std::move(raw));
        }
    }
    return doc;
}

const std::string* ProfileDocument::find(std::string_view section, std::string_view key) const
{
    const auto s = m_sectionIndex.find(asciiLower(trimmed(section)));
    if (s == m_sectionIndex.end())
        return nullptr;
    const Section& sec = m_sections[s->second];
    const auto k = sec.keys.find(asciiLower(trimmed(key)));
    if (k == sec.keys.end())
        return nullptr;
    return &sec.lines[k->second].value;
}

void ProfileDocument::set(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string secName(trimmed(section));
    const std::string keyName(trimmed(key));
    const std::string val(trimmed(value));

    auto s = m_sectionIndex.find(asciiLower(secName));
    if (s == m_sectionIndex.end()) {
        Section sec;
        sec.header = "[" + secName + "]";
        s = m_sectionIndex.emplace(asciiLower(secName), m_sections.size()).first;
        m_sections.push_back(std::move(sec));
    }
    Section& sec = m_sections[s->second];

    const auto k = sec.keys.find(asciiLower(keyName));
    if (k != sec.keys.end()) {
        Line& line = sec.lines[k->second];
        const std::string_view t = trimmed(line.text);
        const std::string spelling(trimmed(t.substr(0, t.find('='))));
        line.text = spelling + "=" + val;
        line.value = val;
        return;
    }

    // Trailing blank lines stay behind the new key; only they shift, and they
    // are never keys, so the key index stays valid.
    std::size_t pos = sec.lines.size();
    while (pos > 0 && trimmed(sec.lines[pos - 1].text).empty())
        --pos;
    Line line;
    line.text = keyName + "=" + val;
    line.value = val;
    line.isKey = true;
    sec.lines.insert(sec.lines.begin() + static_cast<std::ptrdiff_t>(pos), std::move(line));
    sec.keys.emplace(asciiLower(keyName), pos);
}

std::string ProfileDocument::serialize() const
{
    std::string out;
    std::size_t size = 0;
    for (const auto& l : m_preamble)
        size += l.size() + 2;
    for (const auto& sec : m_sections) {
        size += sec.header.size() + 2;
        for (const auto& l : sec.lines)
            size += l.text.size() + 2;
    }
    out.reserve(size);
    for (const auto& l : m_preamble) {
        out += l;
        out += "\r\n";
    }
    for (const auto& sec : m_sections) {
        out += sec.header;
        out += "\r\n";
        for (const auto& l : sec.lines) {
            out += l.text;
            out += "\r\n";
        }
    }
    return out;
}

}  // namespace qv
