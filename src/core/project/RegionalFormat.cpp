#include "project/RegionalFormat.h"

#include <cstdlib>
#include <string>

namespace qv {

namespace {

// "de_AT.UTF-8@euro" -> language "de", territory "AT".
struct LocaleName {
    std::string language;
    std::string territory;
};

LocaleName splitLocale(std::string_view name)
{
    const std::size_t end = name.find_first_of(".@");
    if (end != std::string_view::npos)
        name = name.substr(0, end);
    LocaleName out;
    const std::size_t us = name.find_first_of("_-");
    out.language = std::string(name.substr(0, us));
    if (us != std::string_view::npos)
        out.territory = std::string(name.substr(us + 1));
    return out;
}

bool isOneOf(const std::string& s, std::initializer_list<std::string_view> list)
{
    for (const std::string_view item : list) {
        if (s == item)
            return true;
    }
    return false;
}

char decimalSeparatorOf(const LocaleName& loc)
{
    if (loc.language == "de" && (loc.territory == "CH" || loc.territory == "LI"))
        return '.';
    if (isOneOf(loc.language, {"de", "fr", "es", "it", "pt", "nl", "ru", "uk", "be", "pl", "cs", "sk", "sl", "hr",
                               "sr", "bg", "ro", "hu", "sv", "da", "nb", "nn", "no", "fi", "et", "lv", "lt", "tr",
                               "el", "id", "ca", "gl", "eu", "is", "kk", "az"}))
        return ',';
    return '.';
}

void dateFormatOf(const LocaleName& loc, RegionalFormat& f)
{
    using O = RegionalFormat::DateOrder;
    if (loc.language.empty() || loc.language == "C" || loc.language == "POSIX" ||
        (loc.language == "en" && (loc.territory.empty() || loc.territory == "US" || loc.territory == "PH"))) {
        f.dateOrder = O::MonthDayYear;
        f.dateSeparator = '/';
    } else if (isOneOf(loc.language, {"ja", "zh", "ko", "sv", "hu", "lt", "mn"}) ||
               (loc.language == "en" && loc.territory == "CA") || (loc.language == "fr" && loc.territory == "CA")) {
        f.dateOrder = O::YearMonthDay;
        f.dateSeparator = loc.language == "hu" ? '.' : '-';
    } else if (isOneOf(loc.language, {"de", "ru", "uk", "be", "pl", "cs", "sk", "fi", "nb", "nn", "no", "da", "tr",
                                      "et", "lv", "ro", "bg", "hr", "sr", "sl", "is", "kk", "az"})) {
        f.dateOrder = O::DayMonthYear;
        f.dateSeparator = '.';
    } else if (loc.language == "nl") {
        f.dateOrder = O::DayMonthYear;
        f.dateSeparator = '-';
    } else {
        // en_GB, fr, es, it, pt, el and most of the rest of the world.
        f.dateOrder = O::DayMonthYear;
        f.dateSeparator = '/';
    }
}

std::string_view env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? std::string_view(v) : std::string_view();
}

}  // namespace

RegionalFormat RegionalFormat::fromLocaleNames(std::string_view numericLocale, std::string_view timeLocale)
{
    RegionalFormat f;
    f.decimalSeparator = decimalSeparatorOf(splitLocale(numericLocale));
    f.thousandsSeparator = f.decimalSeparator == ',' ? '.' : ',';
    dateFormatOf(splitLocale(timeLocale), f);
    return f;
}

RegionalFormat RegionalFormat::fromEnvironment()
{
    // POSIX precedence: LC_ALL over the category variable over LANG.
    const auto pick = [](const char* category) {
        for (const char* name : {"LC_ALL", category, "LANG"}) {
            const std::string_view v = env(name);
            if (!v.empty())
                return v;
        }
        return std::string_view("C");
    };
    return fromLocaleNames(pick("LC_NUMERIC"), pick("LC_TIME"));
}

}  // namespace qv
