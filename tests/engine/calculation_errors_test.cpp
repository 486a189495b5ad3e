#include <gtest/gtest.h>

#include "engine/calculation.h"
#include "tests/support/worked_designs.h"
#include "text/engine_messages.h"

namespace krv1 {
namespace {

// A state that no calculation of the tests below produces, so that any
// write to it would show.
MixState EarlierState() {
    MixState state;
    state.F = 300;
    state.W = 190;
    state.WA = 0.61f;
    state.M = 17;
    state.V5 = 834.4f;
    state.VYA = 5;
    return state;
}

struct Refused {
    FaultyInput input;
    std::string message;
};

Refused RefusalOf(const MixInput& input) {
    const MixState before = EarlierState();
    const CalculationResult result = CalculateMix(input, before);
    EXPECT_FALSE(result.Design.has_value());
    if (!result.Error) return {FaultyInput::Strength, "<calculated>"};
    return {result.Error->Input, result.Error->Message};
}

void ExpectRefused(const MixInput& input, FaultyInput where, std::string_view message) {
    const Refused refused = RefusalOf(input);
    EXPECT_EQ(refused.input, where);
    EXPECT_EQ(refused.message, message);
}

TEST(CalculationErrors, StrengthThatIsNoNumber) {
    for (const char* strength : {"", "abc", " ", "24O"}) {
        MixInput input = testing::WorkedDesign();
        input.RequiredStrength = strength;
        ExpectRefused(input, FaultyInput::Strength, text::kStrengthNotNumber);
    }
}

TEST(CalculationErrors, NoShapeChosenIsReportedBeforeTheRange) {
    MixInput input = testing::WorkedDesign();
    input.Shape = SpecimenShape::None;
    ExpectRefused(input, FaultyInput::SpecimenShape, text::kShapeNotChosen);
    input.RequiredStrength = "999999";
    ExpectRefused(input, FaultyInput::SpecimenShape, text::kShapeNotChosen);
}

TEST(CalculationErrors, TargetOutsideTheRatioCurveNamesTheComputedValue) {
    MixInput input = testing::WorkedDesign();
    input.RequiredStrength = "500";
    ExpectRefused(input, FaultyInput::Strength,
                  "กำลังอัดที่ต้องผลิตต้องอยู่ระหว่าง 150 ถึง 450 กก./ตร.ซม. (คำนวณได้ 560 กก./ตร.ซม.)");
    input.RequiredStrength = "89.4";
    ExpectRefused(input, FaultyInput::Strength,
                  "กำลังอัดที่ต้องผลิตต้องอยู่ระหว่าง 150 ถึง 450 กก./ตร.ซม. (คำนวณได้ 149 กก./ตร.ซม.)");
    input.RequiredStrength = "-100";
    ExpectRefused(input, FaultyInput::Strength,
                  "กำลังอัดที่ต้องผลิตต้องอยู่ระหว่าง 150 ถึง 450 กก./ตร.ซม. (คำนวณได้ -40 กก./ตร.ซม.)");
}

TEST(CalculationErrors, StrengthTooLargeToComputeHasNoFigure) {
    MixInput input = testing::WorkedDesign();
    for (const char* strength : {"40000", "32750", "1e400"}) {
        input.RequiredStrength = strength;
        ExpectRefused(input, FaultyInput::Strength, text::kTargetStrengthOutOfRange);
    }
    input.Shape = SpecimenShape::Cylinder;
    input.RequiredStrength = "27300";  // fits 16 bits, 27300 / 0.833 + 60 does not
    ExpectRefused(input, FaultyInput::Strength, text::kTargetStrengthOutOfRange);
}

TEST(CalculationErrors, NoAdmixtureChoice) {
    MixInput input = testing::WorkedDesign();
    input.Admixture = AdmixtureChoice::None;
    ExpectRefused(input, FaultyInput::AdmixtureChoice, text::kAdmixtureNotChosen);
}

TEST(CalculationErrors, DosageIsReadOnlyWithAdmixture) {
    MixInput input = testing::WorkedDesignWithAdmixture();
    for (const char* dosage : {"", "มาก", "40000"}) {
        input.DosageText = dosage;
        ExpectRefused(input, FaultyInput::Dosage, text::kDosageNotNumber);
    }
    for (const char* dosage : {"-250", "-0.4", "-1,000"}) {
        input.DosageText = dosage;
        ExpectRefused(input, FaultyInput::Dosage, text::kDosageNegative);
    }
    input.Admixture = AdmixtureChoice::WithoutAdmixture;
    EXPECT_TRUE(CalculateMix(input, {}).ok());
}

TEST(CalculationErrors, ListsWithNothingChosen) {
    MixInput input = testing::WorkedDesign();
    input.Slump = SlumpChoice::None;
    input.Stone = StoneChoice::None;
    ExpectRefused(input, FaultyInput::Slump, text::kSlumpNotChosen);
    input = testing::WorkedDesign();
    input.Stone = StoneChoice::None;
    ExpectRefused(input, FaultyInput::StoneSize, text::kAggregateNotChosen);
}

TEST(CalculationErrors, MoistureThatIsNoNumber) {
    for (const char* moisture : {"", "ชื้น", "5%", "1e999"}) {
        MixInput input = testing::WorkedDesign();
        input.SandMoistureText = moisture;
        ExpectRefused(input, FaultyInput::SandMoisture, text::kMoistureNotNumber);
    }
}

TEST(CalculationErrors, NegativeMoistureAndLessThanNoWater) {
    MixInput input = testing::WorkedDesign();
    for (const char* moisture : {"-2", "-0.01", "-5000"}) {
        input.SandMoistureText = moisture;
        ExpectRefused(input, FaultyInput::SandMoisture, text::kMoistureNegative);
    }
    input.SandMoistureText = "55";  // "5,5" read as fifty-five would have given this
    ExpectRefused(input, FaultyInput::SandMoisture, text::kWaterNegative);
}

TEST(CalculationErrors, ResultsBeyondSixteenBitsNameTheirInput) {
    MixInput input = testing::WorkedDesignWithAdmixture();
    input.DosageText = "20000";
    ExpectRefused(input, FaultyInput::Dosage, text::kResultOutOfRange);
    input = testing::WorkedDesign();
    for (const char* moisture : {"5000", "1e300"}) {
        input.SandMoistureText = moisture;
        ExpectRefused(input, FaultyInput::SandMoisture, text::kResultOutOfRange);
    }
}

TEST(CalculationErrors, TheFirstFailureInReadingOrderIsReported) {
    MixInput input;  // everything empty or unchosen
    ExpectRefused(input, FaultyInput::Strength, text::kStrengthNotNumber);
    input.RequiredStrength = "240";
    ExpectRefused(input, FaultyInput::SpecimenShape, text::kShapeNotChosen);
    input.Shape = SpecimenShape::Cube;
    ExpectRefused(input, FaultyInput::AdmixtureChoice, text::kAdmixtureNotChosen);
    input.Admixture = AdmixtureChoice::WithAdmixture;
    ExpectRefused(input, FaultyInput::Dosage, text::kDosageNotNumber);
    input.DosageText = "-250";
    ExpectRefused(input, FaultyInput::Dosage, text::kDosageNegative);
    input.DosageText = "250";
    ExpectRefused(input, FaultyInput::Slump, text::kSlumpNotChosen);
    input.Slump = SlumpChoice::Slump7_5;
    ExpectRefused(input, FaultyInput::StoneSize, text::kAggregateNotChosen);
    input.Stone = StoneChoice::OneInch;
    ExpectRefused(input, FaultyInput::SandMoisture, text::kMoistureNotNumber);
    input.SandMoistureText = "-3";
    ExpectRefused(input, FaultyInput::SandMoisture, text::kMoistureNegative);
    input.SandMoistureText = "30";
    ExpectRefused(input, FaultyInput::SandMoisture, text::kWaterNegative);
    input.SandMoistureText = "3";
    EXPECT_TRUE(CalculateMix(input, {}).ok());
}

TEST(CalculationErrors, TheCallersStateIsNeverTouched) {
    // The state is passed by const reference and the result holds no design:
    // a refused calculation leaves the caller's state exactly as it was.
    const MixState before = EarlierState();
    MixInput input = testing::WorkedDesign();
    input.SandMoistureText = "5000";  // fails at the very last step
    const MixState copy = before;
    const CalculationResult result = CalculateMix(input, before);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(before, copy);
}

}  // namespace
}  // namespace krv1
