#include "project/ProjectRecord.h"

#include "util/Text.h"

#include <cassert>

namespace qv {

namespace {

constexpr std::array<std::size_t, ProjectRecord::kFieldCount> offsets()
{
    std::array<std::size_t, ProjectRecord::kFieldCount> o{};
    std::size_t at = 0;
    for (std::size_t i = 0; i < o.size(); ++i) {
        o[i] = at;
        at += ProjectRecord::kCapacity[i] + 1;
    }
    return o;
}

constexpr auto kOffsets = offsets();
static_assert(kOffsets.back() + ProjectRecord::kCapacity.back() + 1 == ProjectRecord::kSize);

std::size_t index(int field)
{
    assert(field >= 1 && field <= ProjectRecord::kFieldCount);
    return static_cast<std::size_t>(field - 1);
}

}  // namespace

std::size_t ProjectRecord::offset(int field)
{
    return kOffsets[index(field)];
}

std::size_t ProjectRecord::capacity(int field)
{
    return kCapacity[index(field)];
}

const std::string& ProjectRecord::field(int n) const
{
    return m_fields[index(n)];
}

void ProjectRecord::setField(int n, std::string_view text)
{
    m_fields[index(n)] = std::string(text);
}

void ProjectRecord::appendTo(std::string& out) const
{
    const std::size_t start = out.size();
    out.append(kSize, '\0');
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const std::string_view text = utf8CutBytes(m_fields[i], kCapacity[i]);
        out[start + kOffsets[i]] = static_cast<char>(static_cast<unsigned char>(text.size()));
        out.replace(start + kOffsets[i] + 1, text.size(), text);
    }
}

std::string ProjectRecord::encode() const
{
    std::string out;
    out.reserve(kSize);
    appendTo(out);
    return out;
}

ProjectRecord ProjectRecord::decode(std::string_view bytes)
{
    assert(bytes.size() >= kSize);
    ProjectRecord r;
    for (std::size_t i = 0; i < r.m_fields.size(); ++i) {
        std::size_t length = static_cast<unsigned char>(bytes[kOffsets[i]]);
        if (length > kCapacity[i])
            length = kCapacity[i];
        r.m_fields[i] = decodeText(bytes.substr(kOffsets[i] + 1, length));
    }
    return r;
}

}  // namespace qv
