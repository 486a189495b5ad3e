#include "engine/moisture.h"

#include <gtest/gtest.h>

#include "engine/batch_offset.h"
#include "engine/conversion_error.h"

namespace krv1 {
namespace {

// A state whose rounded sand is `sand` (a multiple of 5 batches to itself).
MixState SandAndWater(int16_t sand, int16_t water) {
    MixState state;
    state.WSAND = sand;
    state.V2 = BatchOffset(sand, kKgUnit);
    state.W = water;
    return state;
}

TEST(AdjustForMoisture, WorkedExampleAtFivePercent) {
    MixState s = SandAndWater(800, 190);
    AdjustForMoisture("5", s);
    EXPECT_EQ(s.V5, 834.4f);
    EXPECT_EQ(s.V6, 834);
    EXPECT_EQ(s.V8, 155.6f);
    EXPECT_EQ(s.V9, 156);
    const BatchQuantities adjusted = AdjustedMix(s);
    EXPECT_EQ(adjusted.Sand, 835);
    EXPECT_EQ(adjusted.Water, 155);
    EXPECT_DOUBLE_EQ(ExcessWater(RoundedSand(s), SurfaceMoisture("5")), 34.4);
}

TEST(AdjustForMoisture, AtTheAbsorptionNothingChanges) {
    MixState s = SandAndWater(800, 190);
    AdjustForMoisture("0.7", s);
    EXPECT_EQ(AdjustedMix(s).Sand, 800);
    EXPECT_EQ(AdjustedMix(s).Water, 190);
}

TEST(AdjustForMoisture, DrySandTakesWaterAndGivesSand) {
    MixState s = SandAndWater(810, 180);
    AdjustForMoisture("0", s);
    EXPECT_EQ(s.V6, 804);
    EXPECT_EQ(s.V9, 186);
    EXPECT_EQ(AdjustedMix(s).Sand, 805);
    EXPECT_EQ(AdjustedMix(s).Water, 185);
}

TEST(AdjustForMoisture, WholeUnitsRoundHalfToEven) {
    MixState s = SandAndWater(810, 180);
    AdjustForMoisture("5.7", s);
    EXPECT_EQ(s.V5, 850.5f);
    EXPECT_EQ(s.V6, 850);
    EXPECT_EQ(s.V8, 139.5f);
    EXPECT_EQ(s.V9, 140);

    AdjustForMoisture("8", s);
    EXPECT_EQ(s.V6, 869);
    EXPECT_EQ(s.V9, 121);
    EXPECT_EQ(AdjustedMix(s).Sand, 870);
    EXPECT_EQ(AdjustedMix(s).Water, 120);
}

TEST(AdjustForMoisture, SurfaceMoistureOfTheDetailsExamples) {
    const struct {
        const char* moisture;
        double surface, excess;
    } rows[] = {{"0.5", -0.2, -1.6}, {"0.7", 0, 0}, {"3", 2.3, 18.4}, {"0", -0.7, -5.6}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.moisture);
        EXPECT_NEAR(SurfaceMoisture(row.moisture), row.surface, 1e-12);
        EXPECT_NEAR(ExcessWater(800, SurfaceMoisture(row.moisture)), row.excess, 1e-12);
    }
}

TEST(AdjustForMoisture, FailsBeyondTheSixteenBitCells) {
    MixState s = SandAndWater(800, 190);
    EXPECT_THROW(AdjustForMoisture("5000", s), ConversionError);  // sand 40,800 kg
    EXPECT_THROW(AdjustForMoisture("-5000", s), ConversionError);
    EXPECT_THROW(AdjustForMoisture("1e300", s), ConversionError);  // beyond a float
    EXPECT_THROW(AdjustForMoisture("wet", s), ConversionError);
}

}  // namespace
}  // namespace krv1
