#include "util/Text.h"

#include "util/LegacyCodePage.h"

#include <array>
#include <cstdint>

namespace qv {

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

char asciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string asciiLower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = asciiLower(c);
    return out;
}

std::string asciiUpper(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = asciiUpper(c);
    return out;
}

bool iequals(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

int icompare(std::string_view a, std::string_view b)
{
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(asciiLower(a[i]));
        const auto cb = static_cast<unsigned char>(asciiLower(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool istartsWith(std::string_view s, std::string_view prefix)
{
    return s.size() >= prefix.size() && iequals(s.substr(0, prefix.size()), prefix);
}

bool iendsWith(std::string_view s, std::string_view suffix)
{
    return s.size() >= suffix.size() && iequals(s.substr(s.size() - suffix.size()), suffix);
}

std::string_view trimmed(std::string_view s)
{
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t'))
        ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t'))
        --e;
    return s.substr(b, e - b);
}

namespace {

// Length of the valid UTF-8 sequence at s[i], or 0 when it is not one.
std::size_t utf8SeqLen(std::string_view s, std::size_t i)
{
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80)
        return 1;
    std::size_t len = 0;
    std::uint32_t cp = 0;
    if ((c & 0xE0) == 0xC0) {
        len = 2;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3;
        cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + len > s.size())
        return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const auto cc = static_cast<unsigned char>(s[i + k]);
        if ((cc & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (cc & 0x3F);
    }
    static constexpr std::array<std::uint32_t, 5> minimum{0, 0, 0x80, 0x800, 0x10000};
    if (cp < minimum[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

void appendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

bool isValidUtf8(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = utf8SeqLen(s, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

namespace {

// Every byte of 0x80..0xFF through its table; ASCII as it is.
std::string highBytesToUtf8(std::string_view bytes, const std::array<std::uint16_t, 128>& high)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80)
            out += ch;
        else
            appendUtf8(out, high[c - 0x80]);
    }
    return out;
}

// Windows-1252, 0x80..0xFF; the five unassigned codes map to themselves.
constexpr std::array<std::uint16_t, 128> kWindows1252{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,  // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,  // B8
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,  // C0
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,  // C8
    0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7,  // D0
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,  // D8
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,  // E0
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF,  // E8
    0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,  // F0
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,  // F8
};

// Windows-1251, 0x80..0xFF; its one unassigned code (0x98) maps to itself,
// as those of Windows-1252 do, so no byte is lost.
constexpr std::array<std::uint16_t, 128> kWindows1251{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // F8
};

}  // namespace

std::string cp1252ToUtf8(std::string_view bytes)
{
    return highBytesToUtf8(bytes, kWindows1252);
}

std::string cp1251ToUtf8(std::string_view bytes)
{
    return highBytesToUtf8(bytes, kWindows1251);
}

std::string codePageToUtf8(std::string_view bytes, CodePage codePage)
{
    return codePage == CodePage::Windows1251 ? cp1251ToUtf8(bytes) : cp1252ToUtf8(bytes);
}

std::string decodeText(std::string_view bytes, CodePage legacy)
{
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    if (isValidUtf8(bytes))
        return std::string(bytes);
    return codePageToUtf8(bytes, legacy);
}

std::string decodeText(std::string_view bytes)
{
    return decodeText(bytes, LegacyCodePage::current());
}

std::size_t utf8Length(std::string_view s)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < s.size(); ++count) {
        const std::size_t n = utf8SeqLen(s, i);
        i += n == 0 ? 1 : n;
    }
    return count;
}

std::string utf8Left(std::string_view s, std::size_t n)
{
    std::size_t i = 0;
    for (std::size_t count = 0; i < s.size() && count < n; ++count) {
        const std::size_t len = utf8SeqLen(s, i);
        i += len == 0 ? 1 : len;
    }
    return std::string(s.substr(0, i));
}

std::string_view utf8CutBytes(std::string_view s, std::size_t maxBytes)
{
    if (s.size() <= maxBytes)
        return s;
    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t len = utf8SeqLen(s, i);
        if (len == 0)
            len = 1;
        if (i + len > maxBytes)
            break;
        i += len;
    }
    return s.substr(0, i);
}

std::string formatS(std::string_view pattern, std::string_view arg)
{
    const auto pos = pattern.find("%s");
    if (pos == std::string_view::npos)
        return std::string(pattern);
    std::string out(pattern.substr(0, pos));
    out += arg;
    out += pattern.substr(pos + 2);
    return out;
}

std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

}  // namespace qv
