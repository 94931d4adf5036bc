#include "util/IntegerText.h"

#include <limits>
#include <string>

namespace qv {

namespace {

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

bool parseInteger(std::string_view text, std::int32_t& out)
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

}  // namespace qv
