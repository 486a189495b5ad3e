#include "engine/number_conversion.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/conversion_error.h"

namespace krv1 {
namespace {

ConversionFailure FailureOf(auto&& convert) {
    try {
        convert();
    } catch (const ConversionError& error) {
        return error.failure();
    }
    ADD_FAILURE() << "conversion did not fail";
    return ConversionFailure::NotNumeric;
}

TEST(TextToDouble, AcceptsPlainSignedDecimals) {
    EXPECT_EQ(TextToDouble("240"), 240.0);
    EXPECT_EQ(TextToDouble("  240 "), 240.0);
    EXPECT_EQ(TextToDouble("-0.5"), -0.5);
    EXPECT_EQ(TextToDouble("+5"), 5.0);
    EXPECT_EQ(TextToDouble(".5"), 0.5);
    EXPECT_EQ(TextToDouble("5."), 5.0);
    EXPECT_EQ(TextToDouble("2.5e2"), 250.0);
    EXPECT_EQ(TextToDouble("1,000"), 1000.0);
    EXPECT_EQ(TextToDouble("1e-400"), 0.0);
}

TEST(TextToDouble, FollowsTheLocaleSeparators) {
    const NumberLocale comma{",", "."};
    EXPECT_EQ(TextToDouble("210,5", comma), 210.5);
    EXPECT_EQ(TextToDouble("1.000,5", comma), 1000.5);
    EXPECT_EQ(FailureOf([&] { TextToDouble("1,2,", comma); }), ConversionFailure::NotNumeric);
}

TEST(TextToDouble, RefusesWhatIsNoNumber) {
    for (const char* text : {"", " ", "abc", "12a", "1 2", "-", ".", "e5", "1e", "1e+", "inf",
                             "nan", "0x10", ",5", "5,", "1..2", "--1", "๒๔๐"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(FailureOf([&] { TextToDouble(text); }), ConversionFailure::NotNumeric);
    }
}

// A group separator only where digit groups stand: one to three digits, then
// groups of exactly three. Anything else is a slip for a decimal point.
TEST(TextToDouble, ReadsDigitGroupsStrictly) {
    const struct {
        const char* text;
        double value;
    } grouped[] = {{"1,200", 1200},   {"+1,250", 1250},  {"12,345.5", 12345.5},
                   {" 1,200 ", 1200}, {"-1,250", -1250}, {"123,456,789", 123456789},
                   {"0,005", 5},      {"1,000e-3", 1},   {"999,999.25", 999999.25}};
    for (const auto& row : grouped) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(TextToDouble(row.text), row.value);
    }
    for (const char* slip : {"5,5", "2,40", "2,50", "1,20", "1,2,0,0", "24,0", "1,2000", "1234,567",
                             "1,234,56", "-5,5", " 5,5 ", "1,,000", "1,000,", "1,.5", "5,5e2"}) {
        SCOPED_TRACE(slip);
        EXPECT_EQ(FailureOf([&] { TextToDouble(slip); }), ConversionFailure::NotNumeric);
    }
    const NumberLocale comma{",", "."};
    EXPECT_EQ(TextToDouble("5,5", comma), 5.5);
    EXPECT_EQ(TextToDouble("12.345,5", comma), 12345.5);
    EXPECT_EQ(FailureOf([&] { TextToDouble("2.40", comma); }), ConversionFailure::NotNumeric);
}

TEST(TextToDouble, RefusesWhatNoDoubleHolds) {
    EXPECT_EQ(FailureOf([] { TextToDouble("1e309"); }), ConversionFailure::Overflow);
    EXPECT_EQ(FailureOf([] { TextToDouble("-1e99999999999"); }), ConversionFailure::Overflow);
    EXPECT_EQ(TextToDouble("1.7e308"), 1.7e308);
}

TEST(TextToInteger, RoundsHalfToEvenWithinSixteenBits) {
    EXPECT_EQ(TextToInteger("210.5"), 210);
    EXPECT_EQ(TextToInteger("211.5"), 212);
    EXPECT_EQ(TextToInteger("-2.5"), -2);
    EXPECT_EQ(TextToInteger("32767.4"), 32767);
    EXPECT_EQ(TextToInteger("-32768.5"), -32768);
    EXPECT_EQ(FailureOf([] { TextToInteger("32767.5"); }), ConversionFailure::Overflow);
    EXPECT_EQ(FailureOf([] { TextToInteger("40000"); }), ConversionFailure::Overflow);
    EXPECT_EQ(FailureOf([] { TextToInteger("-32769"); }), ConversionFailure::Overflow);
}

TEST(FloatToInteger, RoundsHalfToEvenAndChecksRange) {
    EXPECT_EQ(FloatToInteger(270.5), 270);
    EXPECT_EQ(FloatToInteger(271.5), 272);
    EXPECT_EQ(FloatToInteger(-0.5), 0);
    EXPECT_EQ(FailureOf([] { FloatToInteger(NAN); }), ConversionFailure::Overflow);
    EXPECT_EQ(FailureOf([] { FloatToInteger(INFINITY); }), ConversionFailure::Overflow);
    EXPECT_EQ(FailureOf([] { FloatToInteger(32768); }), ConversionFailure::Overflow);
}

TEST(SixteenBitArithmetic, OverflowsLikeTheWorksheetCells) {
    EXPECT_EQ(CheckedSubtract(1000, 99), 901);
    EXPECT_EQ(FailureOf([] { CheckedSubtract(-32768, 1); }), ConversionFailure::Overflow);
    EXPECT_EQ(FailureOf([] { ToSingle(1e300); }), ConversionFailure::Overflow);
}

}  // namespace
}  // namespace krv1
