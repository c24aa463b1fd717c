#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "toolkit/NumberText.h"

namespace {

struct Reading {
    const char* text;
    std::optional<double> leading;
    std::optional<double> locale;
};

TEST(NumberText, ReadsAwkwardTextByBothRules) {
    const Reading cases[] = {
        {"12,5", 12, 12.5},
        {"12.5", 12.5, std::nullopt},
        {"1.234,5", 1.234, 1234.5},
        {"1.234.567", 1.234, 1234567},
        {"1.23", 1.23, std::nullopt},
        {"1e3", 1, std::nullopt},
        {" 7", 7, 7},
        {"7 ", 7, 7},
        {"3,5,1", 3, std::nullopt},
        {"", std::nullopt, std::nullopt},
        {"   ", std::nullopt, std::nullopt},
        {"abc", std::nullopt, std::nullopt},
        {"12abc", 12, std::nullopt},
        {"-0,5", -0.0, -0.5},
        {"+4", 4, 4},
        {"-", std::nullopt, std::nullopt},
        {",5", std::nullopt, 0.5},
        {".5", 0.5, std::nullopt},
        {"1 000", 1, std::nullopt},
        {"40,5", 40, 40.5},
    };
    for (const Reading& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(tk::leadingNumberValue(c.text), c.leading);
        EXPECT_EQ(tk::localeValue(c.text), c.locale);
    }
}

TEST(NumberText, WholeNumbersRoundHalvesToEven) {
    const std::pair<const char*, std::optional<std::int16_t>> cases[] = {
        {"0,5", 0},           {"1,5", 2},         {"2,5", 2},       {"-2,5", -2},
        {"20,7", 21},         {"2,49", 2},        {"32767", 32767}, {"32768", std::nullopt},
        {"1x", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(tk::wholeNumber(text), expected);
    }
}

TEST(NumberText, StandardTextUsesTheDecimalCommaWhateverTheLocale) {
    std::setlocale(LC_ALL, "de_DE.UTF-8");  // must make no difference
    const std::pair<double, const char*> cases[] = {
        {2500, "2500"}, {107.5, "107,5"}, {0.1 + 0.2, "0,3"}, {-3.25, "-3,25"}, {0, "0"},
        {-0.0, "0"},    {1e16, "1E+16"},  {0.66, "0,66"},     {1533, "1533"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(tk::standardText(value), text);
    std::setlocale(LC_ALL, "C");
}

}  // namespace

// The fast fifteen-digit text equals the library's rounding to fifteen
// significant digits everywhere: short values, long ones, both notations and
// the limits between them.
TEST(NumberText, FifteenDigitsAsTheLibraryRoundsThem) {
    std::vector<double> values = {0.1,
                                  2326,
                                  25.8 + 4.7 + 6.2 + 1.7,
                                  1e-4,
                                  9.99e-5,
                                  1e14,
                                  1e15,
                                  123456789012345.0,
                                  1e16,
                                  -0.05,
                                  1.0 / 3,
                                  2.0 / 3,
                                  5e-324,
                                  1e300,
                                  -7.25e-7,
                                  100000,
                                  999999999999999.9};
    std::uint64_t seed = 12345;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        const int digits = static_cast<int>(seed % 17) + 1;
        const int exponent = static_cast<int>((seed >> 20) % 40) - 20;
        const double mantissa = static_cast<double>((seed >> 8) % 100000000000000000ULL);
        values.push_back(std::round(mantissa / std::pow(10.0, 17 - digits)) *
                         std::pow(10.0, exponent) * ((seed >> 63) ? -1 : 1));
    }
    for (double value : values) {
        char buffer[64];
        auto [end, ec] =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
        ASSERT_EQ(tk::generalFifteen(value), std::string(buffer, end)) << value;
    }
}
