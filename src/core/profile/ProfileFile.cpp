#include "profile/ProfileFile.h"

#include "profile/ProfileBatch.h"
#include "profile/ProfileDocument.h"
#include "util/Fs.h"
#include "util/IntegerText.h"
#include "util/Text.h"

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

}  // namespace

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
