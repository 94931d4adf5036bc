#include "profile/ProfileFile.h"

#include "profile/ProfileBatch.h"
#include "profile/ProfileDocument.h"
#include "util/Fs.h"
#include "util/Text.h"

#include <limits>

namespace qv {

ProfileWriteError::ProfileWriteError(const std::filesystem::path& path)
    : std::runtime_error(formatS("nach %s kann nicht geschrieben werden", pathText(path)))
    , m_path(path)
{
}

ProfileFile::ProfileFile(std::filesystem::path path, ProfileBatch* batch)
    : m_path(std::move(path))
    , m_batch(batch)
{
}

namespace {

ProfileDocument loadDocument(const std::filesystem::path& path)
{
    const auto bytes = readFileBytes(path);
    return bytes ? ProfileDocument::parse(*bytes) : ProfileDocument{};
}

bool hexDigit(char c, std::uint32_t& v)
{
    if (c >= '0' && c <= '9')
        v = static_cast<std::uint32_t>(c - '0');
    else if (c >= 'a' && c <= 'f')
        v = static_cast<std::uint32_t>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F')
        v = static_cast<std::uint32_t>(c - 'A' + 10);
    else
        return false;
    return true;
}

}  // namespace

bool ProfileFile::parseInteger(std::string_view text, std::int32_t& out)
{
    std::string t(text);
    if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X'))
        t = "$" + t.substr(2);
    std::string_view s = t;
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty())
        return false;
    if (s.front() == '$') {
        s.remove_prefix(1);
        if (s.empty())
            return false;
        std::uint32_t value = 0;
        for (char c : s) {
            std::uint32_t d = 0;
            if (!hexDigit(c, d) || value > 0x0FFFFFFFu)
                return false;
            value = (value << 4) | d;
        }
        // Hexadecimal covers the full 32 bits: $FFFFFFFF is -1.
        const auto signedValue = static_cast<std::int32_t>(value);
        out = negative ? static_cast<std::int32_t>(0u - value) : signedValue;
        return true;
    }
    std::int64_t value = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
        if (value > static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1)
            return false;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<std::int32_t>::max() || value < std::numeric_limits<std::int32_t>::min())
        return false;
    out = static_cast<std::int32_t>(value);
    return true;
}

std::string ProfileFile::readString(std::string_view section, std::string_view key, std::string_view def) const
{
    std::string value;
    if (m_batch) {
        const std::string* v = m_batch->document(m_path).find(section, key);
        value = v ? *v : std::string(def);
    } else {
        const ProfileDocument doc = loadDocument(m_path);
        const std::string* v = doc.find(section, key);
        value = v ? *v : std::string(def);
    }
    if (value.size() > kMaxRead)
        value = utf8Left(value, kMaxRead);
    return value;
}

std::int32_t ProfileFile::readInteger(std::string_view section, std::string_view key, std::int32_t def) const
{
    const std::string text = readString(section, key, "");
    std::int32_t value = 0;
    return parseInteger(text, value) ? value : def;
}

bool ProfileFile::readBool(std::string_view section, std::string_view key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

void ProfileFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    if (m_batch) {
        m_batch->documentForWrite(m_path).set(section, key, value);
        return;
    }
    ProfileDocument doc = loadDocument(m_path);
    doc.set(section, key, value);
    if (!writeFileAtomic(m_path, doc.serialize()))
        throw ProfileWriteError(m_path);
}

void ProfileFile::writeInteger(std::string_view section, std::string_view key, std::int32_t value)
{
    writeString(section, key, std::to_string(value));
}

void ProfileFile::writeBool(std::string_view section, std::string_view key, bool value)
{
    writeString(section, key, value ? "1" : "0");
}

}  // namespace qv
