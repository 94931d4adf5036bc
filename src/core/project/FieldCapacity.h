#pragma once

#include "project/ProjectFile.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// A value that the project file keeps only in part.
struct CutValue {
    // 0 for the header record, else the item row (1 = the first item).
    std::size_t row = 0;
    // A HeaderField for row 0, else an item field (1..12).
    int field = 0;
    // The text the record is given and the part of it the file keeps.
    std::string text;
    std::string kept;

    bool operator==(const CutValue&) const = default;
};

// How much text a fixed-size field of the project file holds. Capacities
// count UTF-8 bytes, not characters, so a Cyrillic Name of 60 characters
// (120 bytes) does not fit 100. The record format is fixed and the writer
// still cuts; this is what lets an input stop at the capacity instead, and
// lets a command say what it cut. A cut never splits a UTF-8 sequence.
class FieldCapacity final {
public:
    explicit constexpr FieldCapacity(std::size_t bytes)
        : m_bytes(bytes)
    {
    }
    // Item field 1..12 as its record stores it (the category's caption in
    // 50 bytes, Copy and Execute in 20).
    static FieldCapacity ofItem(int field);
    static FieldCapacity ofHeader(HeaderField field);

    std::size_t bytes() const { return m_bytes; }
    bool fits(std::string_view text) const;
    // Where the writer cuts text: the number of bytes it keeps, which ends on
    // a character boundary (the whole text when it fits).
    std::size_t cutPosition(std::string_view text) const;
    // The number of characters of text that the field keeps.
    std::size_t maxCharsFitting(std::string_view text) const;
    // The part of text that the field keeps.
    std::string_view kept(std::string_view text) const;
    // For an editor: of inserted (typed or pasted), the part that fits beside
    // rest, the text that stays (the selection it replaces taken out). Empty
    // when rest fills the field already.
    std::string_view fittingInsert(std::string_view rest, std::string_view inserted) const;

    // Every value that writing these header and item rows into a project
    // file cuts: the header first, then the rows in order. Copy and Execute
    // are judged as stored ("yes" or "no" for the words given).
    static std::vector<CutValue> cutsOf(const ProjectHeader& header, const std::vector<ItemFieldTexts>& items,
                                        const YesNoWords& words);

private:
    std::size_t m_bytes;
};

}  // namespace qv
