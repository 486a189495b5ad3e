// The site's own materials through the engine, worked by hand: the first
// worked design (240 ksc cube, 7.5 cm slump, 3/4 inch stone, no admixture,
// sand at 5 %) with hydraulic cement of gravity 3.05, sand of 2.62 absorbing
// 1.2 %, and stone of 2.68 absorbing 0.6 % at 2.0 % moisture.
#include <gtest/gtest.h>

#include <array>

#include "engine/calculation.h"
#include "engine/moisture.h"
#include "tests/support/worked_designs.h"

namespace krv1 {
namespace {

// W 190 and P 400 from the table, W/C 0.61 at F 300: 190 / 0.61 = 311.475
// gives 311 kg of cement.
// Volumes: 311 / 3.05 = 101.97 -> 102 l; sand 400 - 102 = 298 l; stone
// 1000 - 102 - 190 - 298 = 410 l. Weights: sand 298 x 2.62 = 780.76 -> 781
// kg, stone 410 x 2.68 = 1098.8 -> 1099 kg; batched 310, 190, 780, 1100.
// Sand: 5 - 1.2 = 3.8 % beyond absorption, 780 x 3.8 / 100 = 29.64 l, sand
// 780 + 29.64 = 809.64 -> 810. Stone: 2.0 - 0.6 = 1.4 %, 1100 x 1.4 / 100 =
// 15.4 l, stone 1100 + 15.4 = 1115.4 -> 1115, which batches to itself.
// Water: 190 - 29.64 - 15.4 = 144.96 -> 145.
TEST(SiteMaterials, TheWorkedDesignByHand) {
    const CalculationResult result =
        CalculateMix(testing::WorkedDesign(), MixState{}, {}, testing::WorkedSiteMaterials());
    const MixDesign* design = DesignOf(result);
    ASSERT_NE(design, nullptr) << ErrorOf(result)->Message;
    const MixState& s = design->State;
    EXPECT_EQ(s.Weight, 311);
    EXPECT_EQ(s.VOLUM, 102);
    EXPECT_EQ(s.SAND, 298);
    EXPECT_EQ(s.WSAND, 781);
    EXPECT_EQ(s.VGRAVEL, 410);
    EXPECT_EQ(s.WGRAVEL, 1099);
    const BatchQuantities& before = design->Rounded;
    EXPECT_EQ((std::array{before.Cement, before.Water, before.Sand, before.Stone}),
              (std::array{310.0, 190.0, 780.0, 1100.0}));
    EXPECT_DOUBLE_EQ(design->SurfaceMoisture, 3.8);
    EXPECT_DOUBLE_EQ(design->ExcessWater, 29.64);
    ASSERT_TRUE(design->StoneSurfaceMoisture);
    EXPECT_DOUBLE_EQ(*design->StoneSurfaceMoisture, 1.4);
    EXPECT_DOUBLE_EQ(*design->StoneExcessWater, 15.4);
    EXPECT_EQ(s.V11, 1115.4f);
    EXPECT_EQ(s.V12, 1115);
    EXPECT_EQ(s.V8, 144.96f);
    const BatchQuantities& after = design->Adjusted;
    EXPECT_EQ((std::array{after.Cement, after.Water, after.Sand, after.Stone, after.Admixture}),
              (std::array{310.0, 145.0, 810.0, 1115.0, 0.0}));
}

// The method's values typed out are the defaults, to the bit; without the
// stone's moisture nothing of the stone is corrected.
TEST(SiteMaterials, TheMethodsValuesAreTheDefaults) {
    const Materials typed{3.15, 2.65, 0.7, 2.7, std::nullopt};
    for (const MixInput& input : {testing::WorkedDesign(), testing::WorkedDesignWithAdmixture()}) {
        const CalculationResult defaults = CalculateMix(input, MixState{});
        const CalculationResult same = CalculateMix(input, MixState{}, {}, typed);
        ASSERT_NE(DesignOf(same), nullptr);
        EXPECT_EQ(DesignOf(same)->State, DesignOf(defaults)->State);
        EXPECT_FALSE(DesignOf(same)->StoneSurfaceMoisture);
        EXPECT_EQ(DesignOf(same)->Adjusted.Stone, DesignOf(same)->Rounded.Stone);
    }
}

// Stone at 10 % with sand at 12 %: 780 x 10.8 / 100 = 84.24 and 1100 x
// 9.4 / 100 = 103.4 leave 190 - 187.64 = 2.36 l to add. With sand at 14 %,
// 190 - 99.84 - 103.4 = -13.24: none to add, and the refusal names both
// aggregates.
TEST(SiteMaterials, WaterTheAggregatesBringBeyondTheMixIsRefused) {
    Materials wet = testing::WorkedSiteMaterials();
    wet.Stone = StoneWater{10.0, 0.6};
    MixInput input = testing::WorkedDesign();
    input.SandMoistureText = "12";
    const CalculationResult kept = CalculateMix(input, MixState{}, {}, wet);
    ASSERT_NE(DesignOf(kept), nullptr);
    EXPECT_EQ(DesignOf(kept)->State.V9, 2);
    input.SandMoistureText = "14";
    const CalculationResult refused = CalculateMix(input, MixState{}, {}, wet);
    ASSERT_NE(ErrorOf(refused), nullptr);
    EXPECT_EQ(ErrorOf(refused)->Input, FaultyInput::SandMoisture);
    EXPECT_EQ(ErrorOf(refused)->Message,
              "ความชื้นของทรายและหินสูงเกินไปจนปริมาณน้ำที่ต้องเติมเป็นค่าลบ กรุณาตรวจสอบความชื้น");
}

}  // namespace
}  // namespace krv1
