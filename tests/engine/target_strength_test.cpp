#include "engine/target_strength.h"

#include <gtest/gtest.h>

#include "engine/conversion_error.h"

namespace krv1 {
namespace {

int16_t TargetOf(const char* strength, SpecimenShape shape) {
    MixInput input;
    input.RequiredStrength = strength;
    input.Shape = shape;
    MixState state;
    ComputeTargetStrength(input, state);
    return state.F;
}

TEST(TargetStrength, AddsTheMarginOnACubeBasis) {
    EXPECT_EQ(TargetOf("240", SpecimenShape::Cube), 300);
    EXPECT_EQ(TargetOf("210", SpecimenShape::Cylinder), 312);  // 312.1
    EXPECT_EQ(TargetOf("180", SpecimenShape::Cylinder), 276);  // 276.09
    EXPECT_EQ(TargetOf("240", SpecimenShape::None), 240);
}

TEST(TargetStrength, AnEarnedMarginTakesThePlaceOfSixty) {
    const struct {
        const char* strength;
        SpecimenShape shape;
        double margin;
        int16_t target;
    } kCases[] = {
        {"240", SpecimenShape::Cube, 29.6, 270},       // 269.6
        {"210", SpecimenShape::Cylinder, 35.55, 288},  // 252.1 + 35.55 = 287.65
        {"240", SpecimenShape::Cube, 30.5, 270},       // 270.5, half to even
        {"240", SpecimenShape::None, 29.6, 240},
    };
    for (const auto& c : kCases) {
        MixInput input;
        input.RequiredStrength = c.strength;
        input.Shape = c.shape;
        input.Margin = EarnedMargin{c.margin, 15, 20};
        MixState state;
        ComputeTargetStrength(input, state);
        EXPECT_EQ(state.F, c.target) << c.strength << " + " << c.margin;
    }
}

TEST(TargetStrength, RoundsOnlyTheTargetHalfToEven) {
    EXPECT_EQ(TargetOf("210.5", SpecimenShape::Cube), 270);
    EXPECT_EQ(TargetOf("211.5", SpecimenShape::Cube), 272);
}

TEST(TargetStrength, FailsForStrengthsBeyondSixteenBits) {
    EXPECT_THROW(TargetOf("40000", SpecimenShape::Cube), ConversionError);
    // The required strength fits, the target with its margin does not.
    EXPECT_THROW(TargetOf("32750", SpecimenShape::Cube), ConversionError);
}

TEST(WaterCementRatio, RangeBoundsBelongToTheLowerRange) {
    EXPECT_EQ(WaterCementRatio(150), 0.90f);
    EXPECT_EQ(WaterCementRatio(200), 0.78f);
    EXPECT_EQ(WaterCementRatio(300), 0.61f);
    EXPECT_EQ(WaterCementRatio(400), 0.48f);
    EXPECT_EQ(WaterCementRatio(450), 0.43f);
    EXPECT_EQ(WaterCementRatio(149), std::nullopt);
    EXPECT_EQ(WaterCementRatio(451), std::nullopt);
}

TEST(WaterCementRatio, IsFormedInDoubleThenStoredAsSingle) {
    // 201 is the first value of the second range: (300-201)*0.17/100+0.61.
    EXPECT_EQ(WaterCementRatio(201), static_cast<float>(99 * 0.17 / 100 + 0.61));
    EXPECT_EQ(WaterCementRatio(312), static_cast<float>(88 * 0.13 / 100 + 0.48));
}

// The curve read both ways: every target it covers comes back from its own
// ratio, within the single precision of the ratio.
TEST(WaterCementCurve, ReadBackwardsGivesBackEveryTarget) {
    for (int16_t target = kLowestTargetStrength; target <= kHighestTargetStrength; ++target) {
        const std::optional<float> ratio = WaterCementRatio(target);
        ASSERT_TRUE(ratio) << target;
        EXPECT_NEAR(CurveStrength(*ratio), target, 1e-3) << target;
    }
    EXPECT_FALSE(WaterCementRatio(kLowestTargetStrength - 1));
    EXPECT_FALSE(WaterCementRatio(kHighestTargetStrength + 1));
}

// Past its ends the curve goes on along its end segments: 50 ksc for 0.12 of
// W/C at the weak end, 50 ksc for 0.05 at the strong end.
TEST(WaterCementCurve, ReadBackwardsPastItsEnds) {
    const struct {
        double ratio;
        double strength;
    } kPoints[] = {{1.02, 100}, {0.90, 150}, {0.695, 250}, {0.43, 450}, {0.38, 500}};
    for (const auto& point : kPoints)
        EXPECT_NEAR(CurveStrength(point.ratio), point.strength, 1e-9) << point.ratio;
}

}  // namespace
}  // namespace krv1
