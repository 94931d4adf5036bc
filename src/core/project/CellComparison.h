#pragma once

#include "project/RegionalFormat.h"

#include <optional>
#include <string_view>

namespace qv {

// The comparison of two cells that both sorts share. Its kind is decided by the
// upper cell of the pair alone, so compare(a, b) and compare(b, a) need not
// agree; the sorts deal with that (see TableSort).
class CellComparison final {
public:
    enum class Kind { Number, Date, Text };

    explicit CellComparison(RegionalFormat format = {}) : m_format(format) {}

    const RegionalFormat& format() const { return m_format; }

    // Number: only digits and minus signs (the empty cell too), or only digits,
    // minus signs, commas and points with at most one minus sign and at most one
    // decimal separator. Date: a slash at the second character or later with a
    // digit on both sides. Text: everything else.
    Kind kindOf(std::string_view cell) const;

    // The cell as a number: thousands separators dropped, then an optional
    // leading minus, digits and at most one decimal separator; the empty cell is 0.
    std::optional<double> number(std::string_view cell) const;
    // The cell as a day number (0 = 30 Dec 1899) in the regional date pattern;
    // an unreadable date counts as 0.
    double date(std::string_view cell) const;

    // <0, 0 or >0 as the upper cell is less than, equal to or greater than the
    // lower one. Two numbers of which either is unreadable count as equal.
    int compare(std::string_view upper, std::string_view lower) const;

    // Byte-wise, so upper-case letters come before lower-case ones.
    static int compareText(std::string_view a, std::string_view b);

private:
    RegionalFormat m_format;
};

}  // namespace qv
