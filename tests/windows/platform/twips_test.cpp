#include "platform/twips.h"

#include <gtest/gtest.h>

namespace krv1::platform {
namespace {

TEST(Twips, FifteenToAPixelAtStandardDpi) {
    EXPECT_EQ(TwipsToPixels(15), 1);
    EXPECT_EQ(TwipsToPixels(11880), 792);
    EXPECT_EQ(TwipsToPixels(8595), 573);
    EXPECT_EQ(TwipsToPixels(600, 1440, 5175, 5775), QRect(40, 96, 345, 385));
}

TEST(Twips, LayoutGrowsWithTheLogicalDpi) {
    EXPECT_EQ(TwipsToPixels(11880, 192), 1584);
    EXPECT_EQ(TwipsToPixels(255, 120), 21);  // 21.25
    EXPECT_EQ(TwipsToPixels(-120, 96), -8);
}

}  // namespace
}  // namespace krv1::platform
