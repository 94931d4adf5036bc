#include "project/CellComparison.h"
#include "project/RegionalFormat.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

using namespace qv;

namespace {

RegionalFormat english()
{
    return RegionalFormat{};  // '.', ',', month/day/year with '/'
}

RegionalFormat german()
{
    return RegionalFormat{',', '.', RegionalFormat::DateOrder::DayMonthYear, '.'};
}

}  // namespace

TEST(CellComparison, KindIsDecidedByTheCellAlone)
{
    using K = CellComparison::Kind;
    struct Case {
        const char* cell;
        K english;
        K german;
    };
    const Case cases[] = {
        {"", K::Number, K::Number},
        {"10", K::Number, K::Number},
        {"--3-", K::Number, K::Number},  // only digits and minus signs
        {"-1,234.5", K::Number, K::Number},
        {"1.2.3", K::Text, K::Number},  // two decimal points in English; thousands points in German
        {"1,2,3", K::Number, K::Text},
        {"-1-2.5", K::Text, K::Text},  // two minus signs and a separator
        {"1/2/2003", K::Date, K::Date},
        {"/12", K::Text, K::Text},  // a slash at the first character does not count
        {"a1/2b", K::Date, K::Date},
        {"1/b", K::Text, K::Text},
        {"10a", K::Text, K::Text},
        {" 10", K::Text, K::Text},
    };
    const CellComparison en(english());
    const CellComparison de(german());
    for (const Case& c : cases) {
        EXPECT_EQ(en.kindOf(c.cell), c.english) << c.cell;
        EXPECT_EQ(de.kindOf(c.cell), c.german) << c.cell;
    }
}

TEST(CellComparison, NumbersDropThousandsSeparatorsAndUseTheDecimalSeparator)
{
    const CellComparison en(english());
    const CellComparison de(german());
    EXPECT_EQ(en.number(""), 0.0);
    EXPECT_EQ(en.number("1,234.5"), 1234.5);
    EXPECT_EQ(de.number("1.234,5"), 1234.5);
    EXPECT_EQ(en.number("-.5"), -0.5);
    EXPECT_EQ(de.number("1.2.3"), 123.0);
    EXPECT_FALSE(en.number("--3"));
    EXPECT_FALSE(en.number("3-"));
    EXPECT_FALSE(en.number("-"));
    EXPECT_FALSE(en.number("1.2.3"));
    EXPECT_FALSE(en.number("10a"));
    EXPECT_FALSE(en.number("1/2/2003"));
    EXPECT_FALSE(de.number("1,5,"));
}

TEST(CellComparison, DatesFollowTheRegionalPattern)
{
    const CellComparison en(english());
    const CellComparison de(german());
    const RegionalFormat isoFormat{'.', ',', RegionalFormat::DateOrder::YearMonthDay, '-'};
    const CellComparison iso(isoFormat);
    EXPECT_EQ(en.date("12/30/1899"), 0.0);
    EXPECT_EQ(en.date("1/1/1900"), 2.0);
    EXPECT_EQ(en.date("2/1/2003") - en.date("1/31/2003"), 1.0);
    EXPECT_EQ(de.date("01.02.2003"), en.date("2/1/2003"));
    EXPECT_EQ(iso.date("2003-02-01"), en.date("2/1/2003"));
    EXPECT_EQ(en.date("2/1/03"), en.date("2/1/2003"));
    EXPECT_EQ(en.date("2/1/99"), en.date("2/1/1999"));
    for (const char* unreadable : {"13/1/2003", "2/30/2003", "1/2", "a/b/c", "1/2/2003x", ""})
        EXPECT_EQ(en.date(unreadable), 0.0) << unreadable;
    EXPECT_EQ(de.date("1/2/2003"), 0.0) << "a slash is no German date";
}

TEST(CellComparison, TheUpperCellDecidesHowThePairCompares)
{
    const CellComparison en(english());
    struct Case {
        const char* upper;
        const char* lower;
        int result;
    };
    const Case cases[] = {
        {"10", "9", 1},
        {"9", "100", -1},
        {"", "0", 0},
        {"", "-1", 1},
        {"10", "9a", 0},  // a number above a text: equal
        {"--", "5", 0},   // an unreadable number: equal
        {"10a", "9a", -1},
        {"9a", "10", 1},
        {"B", "a", -1},  // upper case before lower case
        {"a", "B", 1},
        {"1/2/2003", "1/3/2003", -1},
        {"1/2/2003", "abc", 1},  // unreadable date counts as 0
        {"abc", "1/2/2003", 1},  // ... while a text compares bytes
        {"\xC3\xA4", "z", 1},    // bytes, not letters
    };
    for (const Case& c : cases)
        EXPECT_EQ(en.compare(c.upper, c.lower), c.result) << c.upper << " over " << c.lower;
}

TEST(RegionalFormat, LocaleNamesGiveSeparatorsAndDatePattern)
{
    using O = RegionalFormat::DateOrder;
    struct Case {
        const char* locale;
        char decimal;
        O order;
        char dateSeparator;
    };
    const Case cases[] = {
        {"C", '.', O::MonthDayYear, '/'},
        {"POSIX", '.', O::MonthDayYear, '/'},
        {"", '.', O::MonthDayYear, '/'},
        {"en_US.UTF-8", '.', O::MonthDayYear, '/'},
        {"en_GB.UTF-8", '.', O::DayMonthYear, '/'},
        {"de_DE.UTF-8@euro", ',', O::DayMonthYear, '.'},
        {"de_CH.UTF-8", '.', O::DayMonthYear, '.'},
        {"ru_RU.UTF-8", ',', O::DayMonthYear, '.'},
        {"es_ES", ',', O::DayMonthYear, '/'},
        {"ja_JP.UTF-8", '.', O::YearMonthDay, '-'},
    };
    for (const Case& c : cases) {
        const RegionalFormat f = RegionalFormat::fromLocaleNames(c.locale, c.locale);
        EXPECT_EQ(f.decimalSeparator, c.decimal) << c.locale;
        EXPECT_NE(f.thousandsSeparator, f.decimalSeparator) << c.locale;
        EXPECT_EQ(f.dateOrder, c.order) << c.locale;
        EXPECT_EQ(f.dateSeparator, c.dateSeparator) << c.locale;
    }
    const RegionalFormat mixed = RegionalFormat::fromLocaleNames("de_DE.UTF-8", "en_US.UTF-8");
    EXPECT_EQ(mixed.decimalSeparator, ',');
    EXPECT_EQ(mixed.dateOrder, O::MonthDayYear);
}

#if !defined(_WIN32)
TEST(RegionalFormat, EnvironmentFollowsThePosixPrecedence)
{
    // Saved and restored so that the other tests of this program see the usual locale.
    const auto saved = [](const char* name) {
        const char* v = std::getenv(name);
        return v ? std::optional<std::string>(v) : std::nullopt;
    };
    const char* names[] = {"LC_ALL", "LC_NUMERIC", "LC_TIME", "LANG"};
    std::optional<std::string> old[4];
    for (int i = 0; i < 4; ++i)
        old[i] = saved(names[i]);

    unsetenv("LC_ALL");
    setenv("LC_NUMERIC", "de_DE.UTF-8", 1);
    unsetenv("LC_TIME");
    setenv("LANG", "en_GB.UTF-8", 1);
    RegionalFormat f = RegionalFormat::fromEnvironment();
    EXPECT_EQ(f.decimalSeparator, ',');
    EXPECT_EQ(f.dateOrder, RegionalFormat::DateOrder::DayMonthYear);
    EXPECT_EQ(f.dateSeparator, '/');

    setenv("LC_ALL", "en_US.UTF-8", 1);
    f = RegionalFormat::fromEnvironment();
    EXPECT_EQ(f.decimalSeparator, '.');
    EXPECT_EQ(f.dateOrder, RegionalFormat::DateOrder::MonthDayYear);

    for (int i = 0; i < 4; ++i) {
        if (old[i])
            setenv(names[i], old[i]->c_str(), 1);
        else
            unsetenv(names[i]);
    }
}
#endif
