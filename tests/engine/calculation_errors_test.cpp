#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/calculation.h"
#include "tests/support/worked_designs.h"
#include "text/engine_messages.h"

namespace krv1 {
namespace {

// A state that no calculation of the tests below produces: a refusal must
// not depend on what an earlier calculation left.
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

MixInput WithStrength(MixInput input, const char* strength) {
    input.RequiredStrength = strength;
    return input;
}
MixInput WithDosage(const char* dosage) {
    MixInput input = testing::WorkedDesignWithAdmixture();
    input.DosageText = dosage;
    return input;
}
MixInput WithMoisture(const char* moisture) {
    MixInput input = testing::WorkedDesign();
    input.SandMoistureText = moisture;
    return input;
}
MixInput Cylinder(const char* strength) {
    MixInput input = WithStrength(testing::WorkedDesign(), strength);
    input.Shape = SpecimenShape::Cylinder;
    return input;
}
MixInput Without(std::function<void(MixInput&)> spoil) {
    MixInput input = testing::WorkedDesign();
    spoil(input);
    return input;
}

std::string OutOfRangeWith(const char* computed) {
    return std::string(text::kTargetStrengthOutOfRange) + " (คำนวณได้ " + computed + " กก./ตร.ซม.)";
}

struct RefusalRow {
    const char* name;
    MixInput input;
    FaultyInput faulty;
    std::string message;
};

std::vector<RefusalRow> Rows() {
    using F = FaultyInput;
    const MixInput worked = testing::WorkedDesign();
    const std::string notNumber(text::kStrengthNotNumber);
    MixInput noShapeHuge = WithStrength(worked, "999999");
    noShapeHuge.Shape = SpecimenShape::None;
    MixInput bothListsEmpty = worked;
    bothListsEmpty.Slump = SlumpChoice::None;
    bothListsEmpty.Stone = StoneChoice::None;
    return {
        {"StrengthEmpty", WithStrength(worked, ""), F::Strength, notNumber},
        {"StrengthLetters", WithStrength(worked, "abc"), F::Strength, notNumber},
        {"StrengthBlank", WithStrength(worked, " "), F::Strength, notNumber},
        {"StrengthLetterO", WithStrength(worked, "24O"), F::Strength, notNumber},
        {"NoShape", Without([](MixInput& i) { i.Shape = SpecimenShape::None; }), F::SpecimenShape,
         std::string(text::kShapeNotChosen)},
        {"NoShapeIsReportedBeforeTheRange", noShapeHuge, F::SpecimenShape,
         std::string(text::kShapeNotChosen)},
        {"TargetAboveTheCurve", WithStrength(worked, "500"), F::Strength, OutOfRangeWith("560")},
        {"TargetBelowTheCurve", WithStrength(worked, "89.4"), F::Strength, OutOfRangeWith("149")},
        {"TargetNegative", WithStrength(worked, "-100"), F::Strength, OutOfRangeWith("-40")},
        {"StrengthBeyondSixteenBits", WithStrength(worked, "40000"), F::Strength,
         std::string(text::kTargetStrengthOutOfRange)},
        {"TargetBeyondSixteenBits", WithStrength(worked, "32750"), F::Strength,
         std::string(text::kTargetStrengthOutOfRange)},
        {"StrengthBeyondADouble", WithStrength(worked, "1e400"), F::Strength,
         std::string(text::kTargetStrengthOutOfRange)},
        // 27300 fits 16 bits; 27300 / 0.833 + 60 does not.
        {"CylinderTargetBeyondSixteenBits", Cylinder("27300"), F::Strength,
         std::string(text::kTargetStrengthOutOfRange)},
        {"NoAdmixtureChoice", Without([](MixInput& i) { i.Admixture = AdmixtureChoice::None; }),
         F::AdmixtureChoice, std::string(text::kAdmixtureNotChosen)},
        {"DosageEmpty", WithDosage(""), F::Dosage, std::string(text::kDosageNotNumber)},
        {"DosageWords", WithDosage("มาก"), F::Dosage, std::string(text::kDosageNotNumber)},
        {"DosageBeyondSixteenBits", WithDosage("40000"), F::Dosage,
         std::string(text::kDosageNotNumber)},
        {"DosageNegative", WithDosage("-250"), F::Dosage, std::string(text::kDosageNegative)},
        {"DosageNegativeFraction", WithDosage("-0.4"), F::Dosage,
         std::string(text::kDosageNegative)},
        {"DosageNegativeGrouped", WithDosage("-1,000"), F::Dosage,
         std::string(text::kDosageNegative)},
        {"DosageThatOverflowsTheAdmixture", WithDosage("20000"), F::Dosage,
         std::string(text::kResultOutOfRange)},
        {"NoSlumpIsReportedBeforeNoStone", bothListsEmpty, F::Slump,
         std::string(text::kSlumpNotChosen)},
        {"NoStone", Without([](MixInput& i) { i.Stone = StoneChoice::None; }), F::StoneSize,
         std::string(text::kAggregateNotChosen)},
        {"MoistureEmpty", WithMoisture(""), F::SandMoisture, std::string(text::kMoistureNotNumber)},
        {"MoistureWords", WithMoisture("ชื้น"), F::SandMoisture,
         std::string(text::kMoistureNotNumber)},
        {"MoistureWithPercent", WithMoisture("5%"), F::SandMoisture,
         std::string(text::kMoistureNotNumber)},
        {"MoistureBeyondADouble", WithMoisture("1e999"), F::SandMoisture,
         std::string(text::kMoistureNotNumber)},
        {"MoistureNegative", WithMoisture("-2"), F::SandMoisture,
         std::string(text::kMoistureNegative)},
        {"MoistureJustBelowZero", WithMoisture("-0.01"), F::SandMoisture,
         std::string(text::kMoistureNegative)},
        {"MoistureVeryNegative", WithMoisture("-5000"), F::SandMoisture,
         std::string(text::kMoistureNegative)},
        // "5,5" read as fifty-five would have given this.
        {"LessThanNoWater", WithMoisture("55"), F::SandMoisture, std::string(text::kWaterNegative)},
        {"MoistureThatOverflowsTheSand", WithMoisture("5000"), F::SandMoisture,
         std::string(text::kResultOutOfRange)},
        {"MoistureBeyondAFloat", WithMoisture("1e300"), F::SandMoisture,
         std::string(text::kResultOutOfRange)},
    };
}

class CalculationRefusal : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(CalculationRefusal, NamesTheInputAndItsMessage) {
    const RefusalRow& row = GetParam();
    const CalculationResult result = CalculateMix(row.input, EarlierState());
    const CalculationError* error = ErrorOf(result);
    ASSERT_NE(error, nullptr) << "calculated";
    EXPECT_EQ(error->Input, row.faulty);
    EXPECT_EQ(error->Message, row.message);
}

INSTANTIATE_TEST_SUITE_P(EachInput, CalculationRefusal, ::testing::ValuesIn(Rows()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CalculationErrors, DosageIsReadOnlyWithAdmixture) {
    MixInput input = WithDosage("มาก");
    input.Admixture = AdmixtureChoice::WithoutAdmixture;
    EXPECT_TRUE(std::holds_alternative<MixDesign>(CalculateMix(input, {})));
}

// Each input put right in turn: the next one in reading order is reported.
TEST(CalculationErrors, TheFirstFailureInReadingOrderIsReported) {
    const struct {
        const char* name;
        std::function<void(MixInput&)> mend;
        FaultyInput next;
        std::string_view message;
    } steps[] = {
        {"nothing entered", [](MixInput&) {}, FaultyInput::Strength, text::kStrengthNotNumber},
        {"strength", [](MixInput& i) { i.RequiredStrength = "240"; }, FaultyInput::SpecimenShape,
         text::kShapeNotChosen},
        {"shape", [](MixInput& i) { i.Shape = SpecimenShape::Cube; }, FaultyInput::AdmixtureChoice,
         text::kAdmixtureNotChosen},
        {"admixture", [](MixInput& i) { i.Admixture = AdmixtureChoice::WithAdmixture; },
         FaultyInput::Dosage, text::kDosageNotNumber},
        {"negative dosage", [](MixInput& i) { i.DosageText = "-250"; }, FaultyInput::Dosage,
         text::kDosageNegative},
        {"dosage", [](MixInput& i) { i.DosageText = "250"; }, FaultyInput::Slump,
         text::kSlumpNotChosen},
        {"slump", [](MixInput& i) { i.Slump = SlumpChoice::Slump7_5; }, FaultyInput::StoneSize,
         text::kAggregateNotChosen},
        {"stone", [](MixInput& i) { i.Stone = StoneChoice::OneInch; }, FaultyInput::SandMoisture,
         text::kMoistureNotNumber},
        {"negative moisture", [](MixInput& i) { i.SandMoistureText = "-3"; },
         FaultyInput::SandMoisture, text::kMoistureNegative},
        {"soaking moisture", [](MixInput& i) { i.SandMoistureText = "30"; },
         FaultyInput::SandMoisture, text::kWaterNegative},
    };
    MixInput input;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.mend(input);
        const CalculationResult result = CalculateMix(input, {});
        const CalculationError* error = ErrorOf(result);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->Input, step.next);
        EXPECT_EQ(error->Message, step.message);
    }
    input.SandMoistureText = "3";
    EXPECT_TRUE(std::holds_alternative<MixDesign>(CalculateMix(input, {})));
}

}  // namespace
}  // namespace krv1
