#include "project/CellComparison.h"

#include <charconv>
#include <chrono>
#include <string>
#include <system_error>

namespace qv {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int sign(double d)
{
    return d < 0 ? -1 : (d > 0 ? 1 : 0);
}

// Parses 1 to 4 digits; nothing else.
std::optional<int> datePart(std::string_view s)
{
    if (s.empty() || s.size() > 4)
        return std::nullopt;
    int v = 0;
    for (const char c : s) {
        if (!isDigit(c))
            return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

}  // namespace

CellComparison::Kind CellComparison::kindOf(std::string_view cell) const
{
    bool onlyDigitsAndMinus = true;
    bool numberChars = true;
    int minus = 0;
    int decimals = 0;
    for (const char c : cell) {
        if (isDigit(c))
            continue;
        if (c == '-') {
            ++minus;
            continue;
        }
        onlyDigitsAndMinus = false;
        if (c == ',' || c == '.') {
            if (c == m_format.decimalSeparator)
                ++decimals;
            continue;
        }
        numberChars = false;
        break;
    }
    if (onlyDigitsAndMinus || (numberChars && minus <= 1 && decimals <= 1))
        return Kind::Number;
    for (std::size_t i = 1; i + 1 < cell.size(); ++i) {
        if (cell[i] == '/' && isDigit(cell[i - 1]) && isDigit(cell[i + 1]))
            return Kind::Date;
    }
    return Kind::Text;
}

std::optional<double> CellComparison::number(std::string_view cell) const
{
    // Copied into a buffer in the form from_chars reads: separators dropped,
    // the decimal separator as a point, a 0 before it so ".5" reads too.
    char small[64];
    std::string large;
    char* out = small;
    if (cell.size() + 2 > sizeof small) {
        large.resize(cell.size() + 2);
        out = large.data();
    }
    const char* const begin = out;
    const bool dropThousands = m_format.thousandsSeparator != m_format.decimalSeparator;
    bool point = false;
    int digits = 0;
    std::size_t i = 0;
    if (!cell.empty() && cell[0] == '-') {
        *out++ = '-';
        i = 1;
    }
    *out++ = '0';
    for (; i < cell.size(); ++i) {
        const char c = cell[i];
        if (dropThousands && c == m_format.thousandsSeparator)
            continue;
        if (isDigit(c)) {
            *out++ = c;
            ++digits;
        } else if (c == m_format.decimalSeparator && !point) {
            *out++ = '.';
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return cell.empty() ? std::optional<double>(0.0) : std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(begin, out, value);
    if (ec != std::errc() || end != out)
        return std::nullopt;
    return value;
}

double CellComparison::date(std::string_view cell) const
{
    while (!cell.empty() && (cell.front() == ' ' || cell.front() == '\t'))
        cell.remove_prefix(1);
    while (!cell.empty() && (cell.back() == ' ' || cell.back() == '\t'))
        cell.remove_suffix(1);
    std::optional<int> parts[3];
    std::size_t digitsOf[3] = {0, 0, 0};
    for (int p = 0; p < 3; ++p) {
        const std::size_t sep = p < 2 ? cell.find(m_format.dateSeparator) : std::string_view::npos;
        if (p < 2 && sep == std::string_view::npos)
            return 0;
        const std::string_view part = cell.substr(0, sep);
        parts[p] = datePart(part);
        digitsOf[p] = part.size();
        if (!parts[p])
            return 0;
        cell = p < 2 ? cell.substr(sep + 1) : std::string_view();
    }
    int d = 0;
    int m = 0;
    int y = 0;
    std::size_t yearDigits = 0;
    switch (m_format.dateOrder) {
    case RegionalFormat::DateOrder::DayMonthYear:
        d = *parts[0], m = *parts[1], y = *parts[2], yearDigits = digitsOf[2];
        break;
    case RegionalFormat::DateOrder::MonthDayYear:
        m = *parts[0], d = *parts[1], y = *parts[2], yearDigits = digitsOf[2];
        break;
    case RegionalFormat::DateOrder::YearMonthDay:
        y = *parts[0], m = *parts[1], d = *parts[2], yearDigits = digitsOf[0];
        break;
    }
    // Two-digit years fall into 1950..2049.
    if (yearDigits <= 2)
        y += y < 50 ? 2000 : 1900;
    if (y < 1)
        return 0;
    using namespace std::chrono;
    const year_month_day ymd{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
    if (!ymd.ok())
        return 0;
    constexpr auto epoch = sys_days{year{1899} / December / 30};
    return static_cast<double>((sys_days{ymd} - epoch).count());
}

int CellComparison::compareText(std::string_view a, std::string_view b)
{
    // char_traits<char> compares as unsigned char, so this is byte order.
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int CellComparison::compare(std::string_view upper, std::string_view lower) const
{
    switch (kindOf(upper)) {
    case Kind::Number: {
        const auto a = number(upper);
        const auto b = number(lower);
        if (!a || !b)
            return 0;
        return sign(*a - *b);
    }
    case Kind::Date:
        return sign(date(upper) - date(lower));
    case Kind::Text:
        break;
    }
    return compareText(upper, lower);
}

}  // namespace qv
