#include <gtest/gtest.h>

#include "listing/FormatMask.h"

namespace {

TEST(FormatMask, NumberMasks) {
    const std::tuple<double, const char*, const char*> cases[] = {
        {5, "##0.00   ", "5,00   "},
        {12.5, "##0.00   ", "12,50   "},
        {7.8, "000.0 ", "007,8 "},
        {1, " 00   ", " 01   "},
        {7, "#00  ", "07  "},
        {123, "#00  ", "123  "},   // wider than the mask: all digits shown
        {0.145, "#0.00", "0,15"},  // the half as shown, not the binary value
        {2.675, "#0.00", "2,68"},
        {0.125, "#0.00", "0,13"},  // halves away from zero
        {-0.125, "#0.00", "-0,13"},
        {-5, "  ####0.00", "-  5,00"},  // the sign before the whole result
        {-0.004, "#0.00", "0,00"},      // rounds to zero: no sign
        {0, "  00.0", "  00,0"},
        {0, "  ##0 ", "  0 "},
        {15, "  ##0 ", "  15 "},
        {1234.5, "  ####0.00", "  1234,50"},
        {123456.789, "  ####0.00", "  123456,79"},
        {9.999, "#0.00", "10,00"},  // the carry runs into a new digit
        {0.34, "  0.00   ", "  0,34   "},
        {3.2, "  00.0", "  03,2"},
        {8.5, "#00.0 ", "08,5 "},
        {0.05, "#.##", ",05"},
        {2.5, "0.##", "2,5"},
    };
    for (const auto& [value, mask, text] : cases)
        EXPECT_EQ(listing::formatNumber(value, mask), text) << value << " with \"" << mask << '"';
}

TEST(FormatMask, CharacterMasks) {
    const std::tuple<double, const char*, const char*> cases[] = {
        {2500, "@@@@@@    ", "  2500    "},
        {3, "@@  ", " 3  "},
        {107.5, "@@@", "107,5"},
        {12.5, "@@@@@@@", "   12,5"},
        {0, "@@@@@@@", "      0"},
        {-1.25, "@@@@@@@", "  -1,25"},
        {123, "@@  ", "123  "},
    };
    for (const auto& [value, mask, text] : cases)
        EXPECT_EQ(listing::formatCharacters(value, mask), text)
            << value << " with \"" << mask << '"';
    EXPECT_EQ(listing::formatText("Rü", "@@@"), " Rü");
    EXPECT_EQ(listing::formatText("", "@@@"), "   ");
}

}  // namespace
