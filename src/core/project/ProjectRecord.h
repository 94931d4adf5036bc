#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

// One record of a project file: 13 short strings in a row, each a length byte
// followed by room for its capacity. Capacities count bytes; a text that is
// too long is cut on a UTF-8 code point boundary when it is encoded.
class ProjectRecord final {
public:
    static constexpr std::size_t kSize = 1153;
    static constexpr int kFieldCount = 13;
    static constexpr std::array<std::size_t, kFieldCount> kCapacity{100, 100, 100, 100, 100, 100, 150,
                                                                    100, 20, 100, 100, 20, 50};

    // Byte offset and capacity of field 1..13.
    static std::size_t offset(int field);
    static std::size_t capacity(int field);

    const std::string& field(int n) const;
    void setField(int n, std::string_view text);

    // Exactly kSize bytes; the bytes after each stored text are zero.
    std::string encode() const;
    void appendTo(std::string& out) const;
    // bytes must hold at least kSize bytes. A length byte beyond its field's
    // capacity is taken as the capacity; text that is not UTF-8 (files made on
    // old Windows systems) is read in the code page of the interface language
    // in force (LegacyCodePage).
    static ProjectRecord decode(std::string_view bytes);

    bool operator==(const ProjectRecord&) const = default;

private:
    std::array<std::string, kFieldCount> m_fields;
};

}  // namespace qv
