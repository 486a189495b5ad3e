#include "engine/proportioning.h"

#include <gtest/gtest.h>

#include "engine/conversion_error.h"
#include "tests/support/worked_designs.h"

namespace krv1 {
namespace {

MixState Proportioned(const MixInput& input, int16_t F, int16_t M) {
    MixState state;
    state.F = F;
    state.M = M;
    ProportionMix(input, state);
    return state;
}

TEST(ProportionMix, WorkedDesignWithoutAdmixture) {
    const MixState s = Proportioned(testing::WorkedDesign(), 300, 0);
    EXPECT_EQ(s.W, 190);
    EXPECT_EQ(s.P, 400);
    EXPECT_EQ(s.WA, 0.61f);
    EXPECT_EQ(s.Weight, 311);
    EXPECT_EQ(s.VOLUM, 99);
    EXPECT_EQ(s.SAND, 301);
    EXPECT_EQ(s.WSAND, 798);
    EXPECT_EQ(s.VGRAVEL, 410);
    EXPECT_EQ(s.WGRAVEL, 1107);
    EXPECT_EQ(s.VYA, 0);
    const BatchQuantities rounded = RoundedMix(s);
    EXPECT_EQ(rounded.Cement, 310);
    EXPECT_EQ(rounded.Water, 190);
    EXPECT_EQ(rounded.Sand, 800);
    EXPECT_EQ(rounded.Stone, 1110);
    EXPECT_EQ(rounded.Admixture, 0);
}

TEST(ProportionMix, WorkedDesignWithAdmixture) {
    const MixState s = Proportioned(testing::WorkedDesignWithAdmixture(), 300, 250);
    EXPECT_EQ(s.W, 180);
    EXPECT_EQ(s.Weight, 295);
    EXPECT_EQ(s.VOLUM, 94);
    EXPECT_EQ(s.SAND, 306);
    EXPECT_EQ(s.WSAND, 811);
    EXPECT_EQ(s.VGRAVEL, 420);
    EXPECT_EQ(s.WGRAVEL, 1134);
    EXPECT_EQ(s.VYA, 738);  // 2.5 x 295 = 737.5, tie to even
    const BatchQuantities rounded = RoundedMix(s);
    EXPECT_EQ(rounded.Cement, 295);
    EXPECT_EQ(rounded.Sand, 810);
    EXPECT_EQ(rounded.Stone, 1135);
    EXPECT_EQ(rounded.Admixture, 750);
}

TEST(ProportionMix, TiesGoToTheEvenNeighbour) {
    MixInput input = testing::WorkedDesign();
    input.Slump = SlumpChoice::Slump10_0;
    MixState s = Proportioned(input, 150, 0);
    EXPECT_EQ(s.Weight, 222);
    EXPECT_EQ(s.VOLUM, 70);
    EXPECT_EQ(s.SAND, 330);
    EXPECT_EQ(s.WSAND, 874);  // 330 x 2.65 = 874.5

    input = testing::WorkedDesignWithAdmixture();
    input.Stone = StoneChoice::OneInch;
    s = Proportioned(input, 150, 250);
    EXPECT_EQ(s.Weight, 189);
    EXPECT_EQ(s.VYA, 472);  // 472.5
    EXPECT_EQ(RoundedMix(s).Admixture, 500);
}

TEST(ProportionMix, AdmixtureBeyondSixteenBitsFails) {
    MixState state;
    state.F = 300;
    state.M = 20000;  // 200 x 295 kg = 59000 cc
    EXPECT_THROW(ProportionMix(testing::WorkedDesignWithAdmixture(), state), ConversionError);
}

}  // namespace
}  // namespace krv1
