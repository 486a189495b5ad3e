#include "presentation/figure_text.h"

#include <gtest/gtest.h>

#include "engine/number_text.h"

namespace krv1::presentation {
namespace {

const NumberLocale kPoint{".", ","};
const NumberLocale kComma{",", "."};
// Two bytes each, to show that no separator of the routine's own slips in.
const NumberLocale kArabic{"\xD9\xAB", "\xD9\xAC"};

struct FigureRow {
    const char* name;
    double value;
    FigureDigits digits;
    NumberLocale separators;
    const char* text;
};

class FigureTexts : public ::testing::TestWithParam<FigureRow> {};

TEST_P(FigureTexts, AreWrittenWithTheGivenSeparatorsOnly) {
    EXPECT_EQ(FigureText(GetParam().value, GetParam().digits, GetParam().separators),
              GetParam().text);
}

// The account's figures: the shortest text, no grouping, no trailing zeros.
// The sheet's: fixed decimals, a tie of the binary value rounded away from
// zero (printf would round 0.125 to even), grouping where asked.
INSTANTIATE_TEST_SUITE_P(
    Figures, FigureTexts,
    ::testing::Values(
        FigureRow{"SingleRatio", 0.61f, kSingleDigits, kPoint, "0.61"},
        FigureRow{"SingleSevenDigits", 1234567.0f, kSingleDigits, kPoint, "1234567"},
        FigureRow{"SingleNegativeZero", -0.0f, kSingleDigits, kPoint, "0"},
        FigureRow{"SingleComma", 844.83f, kSingleDigits, kComma, "844,83"},
        FigureRow{"DoubleWhole", 1110, kDoubleDigits, kPoint, "1110"},
        FigureRow{"DoubleNearlyFourPointThree", 5 - 0.7, kDoubleDigits, kPoint, "4.3"},
        FigureRow{"DoubleThird", 1.0 / 3, kDoubleDigits, kPoint, "0.333333333333333"},
        FigureRow{"DoubleNegative", -0.2, kDoubleDigits, kComma, "-0,2"},
        FigureRow{"DoubleWholeNeverGrouped", 12345, kDoubleDigits, kComma, "12345"},
        FigureRow{"DoubleExponent", 1.5e20, kDoubleDigits, kComma, "1,5E+20"},
        FigureRow{"TieUp", 0.125, Decimals(2), kPoint, "0.13"},
        FigureRow{"BinaryBelowTie", 2.675, Decimals(2), kPoint, "2.67"},
        FigureRow{"NegativeTie", -0.05, Decimals(1), kPoint, "-0.1"},
        FigureRow{"NegativeToZero", -0.04, Decimals(1), kPoint, "0.0"},
        FigureRow{"WholeTie", 6.5, Decimals(0), kPoint, "7"},
        FigureRow{"CarryIntoGroup", 999.95, Decimals(1, true), kPoint, "1,000.0"},
        FigureRow{"Millions", 1234567.891, Decimals(2, true), kPoint, "1,234,567.89"},
        FigureRow{"CommaUngrouped", 1234.5, Decimals(1), kComma, "1234,5"},
        FigureRow{"CommaGroupsWithPoint", 11310, Decimals(2, true), kComma, "11.310,00"},
        FigureRow{"CommaKilograms", 10647, Decimals(1, true), kComma, "10.647,0"},
        FigureRow{"TwoByteSeparators", 10647.25, Decimals(2, true), kArabic,
                  "10\xD9\xAC"
                  "647\xD9\xAB"
                  "25"},
        FigureRow{"NoGroupSeparator", 10647, Decimals(0, true), NumberLocale{".", ""}, "10647"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IntegerTexts, HaveNoGroupingOrBlanks) {
    EXPECT_EQ(IntegerText(1107), "1107");
    EXPECT_EQ(IntegerText(-32768), "-32768");
}

}  // namespace
}  // namespace krv1::presentation
