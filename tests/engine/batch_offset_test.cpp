#include "engine/batch_offset.h"

#include <gtest/gtest.h>

namespace krv1 {
namespace {

// The batching rule as site staff state it: below 0.3 of a unit round down,
// from 0.3 up to below 0.7 go to the half, from 0.7 round up.
int BatchedAtTen(int x) {
    const int digit = x % 10;
    if (digit <= 2) return x - digit;
    if (digit <= 4) return x - digit + 5;
    if (digit == 5) return x;
    if (digit == 6) return x - 1;
    return x - digit + 10;
}

int BatchedAtHundred(int x) {
    const int rest = x % 100;
    if (rest < 30) return x - rest;
    if (rest < 70) return x - rest + 50;
    return x - rest + 100;
}

TEST(BatchOffset, MatchesTheRuleForEveryWholeNumberAtTen) {
    for (int x = 0; x <= 32767; ++x) {
        const auto value = static_cast<int16_t>(x);
        ASSERT_EQ(RoundedQuantity(value, BatchOffset(value, kKgUnit), kKgUnit), BatchedAtTen(x))
            << x;
    }
}

TEST(BatchOffset, MatchesTheRuleForEveryWholeNumberAtHundred) {
    for (int x = 0; x <= 32767; ++x) {
        const auto value = static_cast<int16_t>(x);
        ASSERT_EQ(RoundedQuantity(value, BatchOffset(value, kAdmixtureUnit), kAdmixtureUnit),
                  BatchedAtHundred(x))
            << x;
    }
}

TEST(BatchOffset, WorkedBatchingValues) {
    const auto atTen = [](int16_t x) { return RoundedQuantity(x, BatchOffset(x, 10), 10); };
    const auto atHundred = [](int16_t x) { return RoundedQuantity(x, BatchOffset(x, 100), 100); };
    EXPECT_EQ(atTen(343), 345);
    EXPECT_EQ(atTen(347), 350);
    EXPECT_EQ(atTen(346), 345);
    EXPECT_EQ(atTen(342), 340);
    EXPECT_EQ(atTen(345), 345);
    EXPECT_EQ(atHundred(730), 750);
    EXPECT_EQ(atHundred(729), 700);
    EXPECT_EQ(atHundred(770), 800);
    EXPECT_EQ(atHundred(769), 750);
}

TEST(BatchOffset, NegativeValuesFollowTheFourTestsInTurn) {
    // -343/10 leaves -0.3: the first test flips it to +0.3, which the second
    // then turns into 0.2, so the quantity moves up to -341.
    EXPECT_FLOAT_EQ(BatchOffset(-343, 10), 0.2f);
    EXPECT_EQ(RoundedQuantity(-343, BatchOffset(-343, 10), 10), -341);
    // -0.1 flips to 0.1 and stops there: -341 becomes -340.
    EXPECT_FLOAT_EQ(BatchOffset(-341, 10), 0.1f);
    EXPECT_EQ(RoundedQuantity(-341, BatchOffset(-341, 10), 10), -340);
    // -0.8 flips to 0.8, which the fourth test turns into 0.2: -348 -> -346.
    EXPECT_FLOAT_EQ(BatchOffset(-348, 10), 0.2f);
    EXPECT_EQ(RoundedQuantity(-348, BatchOffset(-348, 10), 10), -346);
    // -0.5 flips to 0.5 and the second test makes it 0.
    EXPECT_EQ(BatchOffset(-345, 10), 0.0f);
    EXPECT_EQ(RoundedQuantity(-750, BatchOffset(-750, 100), 100), -750);
}

}  // namespace
}  // namespace krv1
