#include "engine/calculation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/worked_designs.h"

namespace krv1 {
namespace {

MixDesign Designed(const MixInput& input, const MixState& previous = {}) {
    const CalculationResult result = CalculateMix(input, previous);
    if (const CalculationError* error = ErrorOf(result)) ADD_FAILURE() << error->Message;
    const MixDesign* design = DesignOf(result);
    return design ? *design : MixDesign{};
}

void ExpectBatch(const BatchQuantities& batch, double cement, double water, double sand,
                 double stone, double admixture) {
    EXPECT_EQ(batch.Cement, cement);
    EXPECT_EQ(batch.Water, water);
    EXPECT_EQ(batch.Sand, sand);
    EXPECT_EQ(batch.Stone, stone);
    EXPECT_EQ(batch.Admixture, admixture);
}

TEST(CalculateMix, WorkedDesignBothBatches) {
    const MixDesign design = Designed(testing::WorkedDesign());
    EXPECT_EQ(design.State.F, 300);
    ExpectBatch(design.Rounded, 310, 190, 800, 1110, 0);
    ExpectBatch(design.Adjusted, 310, 155, 835, 1110, 0);
}

TEST(CalculateMix, WorkedDesignWithAdmixtureBothBatches) {
    const MixDesign design = Designed(testing::WorkedDesignWithAdmixture());
    EXPECT_EQ(design.State.M, 250);
    ExpectBatch(design.Rounded, 295, 180, 810, 1135, 750);
    ExpectBatch(design.Adjusted, 295, 145, 845, 1135, 750);
}

TEST(CalculateMix, DoesNotDependOnThePreviousState) {
    MixState previous;
    previous.WA = 0.3f;
    previous.M = 999;
    previous.W = 77;
    EXPECT_EQ(Designed(testing::WorkedDesign(), previous).State,
              Designed(testing::WorkedDesign()).State);
}

// Sand drier than saturated surface-dry takes water up; zero dosage is none.
TEST(CalculateMix, DrySandAndZeroDosageAreComputed) {
    MixInput input = testing::WorkedDesignWithAdmixture();
    input.DosageText = "0";
    input.SandMoistureText = "0";
    const MixDesign design = Designed(input);
    EXPECT_EQ(design.Rounded.Admixture, 0);
    EXPECT_EQ(design.State.V6, 804);        // 810 - 810 x 0.7 / 100 = 804.33
    EXPECT_EQ(design.Adjusted.Water, 185);  // 180 + 5.67
}

// The worked design carries 800 kg of sand and 190 litres of water: at 24.45 %
// moisture the sand brings exactly the mixing water.
TEST(CalculateMix, CorrectedWaterDownToZeroIsBatchedAndBelowIsRefused) {
    const struct {
        const char* moisture;
        bool batched;
    } rows[] = {{"24.45", true}, {"24.7", true}, {"24.8", false}, {"30", false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.moisture);
        MixInput input = testing::WorkedDesign();
        input.SandMoistureText = row.moisture;
        const CalculationResult result = CalculateMix(input, {});
        if (row.batched) {
            ASSERT_NE(DesignOf(result), nullptr);
            EXPECT_EQ(DesignOf(result)->Adjusted.Water, 0);
        } else {
            ASSERT_NE(ErrorOf(result), nullptr);
            EXPECT_EQ(ErrorOf(result)->Input, FaultyInput::SandMoisture);
        }
    }
}

// Every slump, stone, shape and admixture choice over a range of strengths
// and moistures: the properties that hold for any proportioned metre.
TEST(CalculateMix, InvariantsOverAGridOfValidInputs) {
    for (auto slump : {SlumpChoice::Slump7_5, SlumpChoice::Slump10_0, SlumpChoice::Slump12_5}) {
        for (auto stone : {StoneChoice::OneInch, StoneChoice::ThreeQuarterInch}) {
            for (auto admixture :
                 {AdmixtureChoice::WithAdmixture, AdmixtureChoice::WithoutAdmixture}) {
                for (auto shape : {SpecimenShape::Cube, SpecimenShape::Cylinder}) {
                    for (int strength = 100; strength <= 380; strength += 7) {
                        for (const char* moisture : {"0", "0.7", "2.35", "5", "8", "12.5"}) {
                            MixInput input;
                            input.RequiredStrength = std::to_string(strength);
                            input.Shape = shape;
                            input.Slump = slump;
                            input.Stone = stone;
                            input.Admixture = admixture;
                            input.DosageText = "275";
                            input.SandMoistureText = moisture;
                            const CalculationResult result = CalculateMix(input, {});
                            if (const CalculationError* error = ErrorOf(result)) {
                                // Only a target outside the ratio curve is refused.
                                ASSERT_EQ(error->Input, FaultyInput::Strength);
                                continue;
                            }
                            const MixState& s = DesignOf(result)->State;
                            const BatchQuantities& r = DesignOf(result)->Rounded;
                            const BatchQuantities& a = DesignOf(result)->Adjusted;
                            ASSERT_EQ(s.VGRAVEL, 1000 - s.W - s.P);
                            ASSERT_EQ(s.SAND, s.P - s.VOLUM);
                            for (double kg : {r.Cement, r.Sand, r.Stone, a.Sand, a.Water})
                                ASSERT_EQ(std::fmod(kg, 5), 0) << kg;
                            ASSERT_EQ(std::fmod(r.Admixture, 50), 0);
                            ASSERT_EQ(a.Cement, r.Cement);
                            ASSERT_EQ(a.Stone, r.Stone);
                            ASSERT_EQ(a.Admixture, r.Admixture);
                            if (admixture == AdmixtureChoice::WithoutAdmixture) {
                                ASSERT_EQ(r.Admixture, 0);
                            }
                        }
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace krv1
