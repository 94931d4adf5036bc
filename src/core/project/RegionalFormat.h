#pragma once

#include <string_view>

namespace qv {

// The user's regional number and date conventions, as far as sorting and
// finding read cells: the decimal separator, the thousands separator that is
// dropped before reading a number, and the short date pattern.
struct RegionalFormat {
    enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

    char decimalSeparator = '.';
    char thousandsSeparator = ',';
    DateOrder dateOrder = DateOrder::MonthDayYear;
    char dateSeparator = '/';

    // Guessed from the locale names in LC_ALL, LC_NUMERIC / LC_TIME and LANG;
    // the C and POSIX locales (and anything unknown) give '.' and month/day/year.
    static RegionalFormat fromEnvironment();
    // The same guess from explicit locale names such as "de_DE.UTF-8".
    static RegionalFormat fromLocaleNames(std::string_view numericLocale, std::string_view timeLocale);
};

}  // namespace qv
