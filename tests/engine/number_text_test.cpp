#include "engine/number_text.h"

#include <gtest/gtest.h>

namespace krv1 {
namespace {

TEST(NumberText, IntegersHaveNoGroupingOrBlanks) {
    EXPECT_EQ(IntegerText(0), "0");
    EXPECT_EQ(IntegerText(1107), "1107");
    EXPECT_EQ(IntegerText(-32768), "-32768");
}

TEST(NumberText, SinglesShowAtMostSevenSignificantDigits) {
    EXPECT_EQ(SingleText(0.61f), "0.61");
    EXPECT_EQ(SingleText(834.4f), "834.4");
    EXPECT_EQ(SingleText(155.6f), "155.6");
    EXPECT_EQ(SingleText(844.83f), "844.83");
    EXPECT_EQ(SingleText(-0.2f), "-0.2");
    EXPECT_EQ(SingleText(1234567.0f), "1234567");
    EXPECT_EQ(SingleText(0.0f), "0");
    EXPECT_EQ(SingleText(-0.0f), "0");
}

TEST(NumberText, DoublesShowAtMostFifteenSignificantDigits) {
    EXPECT_EQ(DoubleText(310), "310");
    EXPECT_EQ(DoubleText(1110), "1110");
    EXPECT_EQ(DoubleText(34.83), "34.83");
    EXPECT_EQ(DoubleText(4.3), "4.3");
    EXPECT_EQ(DoubleText(5 - 0.7), "4.3");  // 4.3 - 2^-51 still reads 4.3
    EXPECT_EQ(DoubleText(-0.2), "-0.2");
    EXPECT_EQ(DoubleText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(DoubleText(0.0 * -1), "0");
}

TEST(NumberText, UseTheLocaleDecimalSeparator) {
    const NumberLocale comma{",", "."};
    EXPECT_EQ(SingleText(0.61f, comma), "0,61");
    EXPECT_EQ(DoubleText(34.4, comma), "34,4");
    EXPECT_EQ(DoubleText(1110, comma), "1110");
}

}  // namespace
}  // namespace krv1
