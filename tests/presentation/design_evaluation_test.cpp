// The one evaluation of a design and the document that holds it: which part
// refuses what, and when leaving a design would lose work.
#include "presentation/design_evaluation.h"

#include <gtest/gtest.h>

#include "presentation/design_document.h"
#include "tests/support/worked_designs.h"

namespace krv1::presentation {
namespace {

// 240 ksc cube records whose second row holds a specimen that is no strength.
StrengthRecords RecordsWithABadRow(bool useMargin) {
    StrengthRecords records;
    records.UseMargin = useMargin;
    records.Tests = {{"", {"250", "", ""}, ""}, {"", {"สูง", "", ""}, ""}};
    return records;
}

TEST(DesignEvaluation, EachPartRefusesOnlyWhatIsItsOwn) {
    const struct {
        const char* name;
        bool useMargin;
        bool mixCalculated;
    } kCases[] = {
        // Records the design does not take its margin from refuse only themselves.
        {"margin off", false, true},
        // Records it takes its margin from refuse the mix too.
        {"margin on", true, false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        Design design{"", testing::WorkedDesign(), {}};
        design.Records = RecordsWithABadRow(c.useMargin);
        const DesignEvaluation evaluation = EvaluateDesign(design, {2026, 12, 9});
        const auto* refused = std::get_if<RecordsRefusal>(&evaluation.Records);
        ASSERT_NE(refused, nullptr);
        EXPECT_EQ(refused->Row, 2u);
        EXPECT_EQ(evaluation.calculated() != nullptr, c.mixCalculated);
        if (!c.mixCalculated) {
            EXPECT_TRUE(std::holds_alternative<RecordsRefusal>(evaluation.Mix));
            EXPECT_EQ(RefusalMessage(evaluation.Mix), refused->Message);
        }
    }
}

TEST(DesignEvaluation, ARefusedMixStillWeighsTheRecords) {
    Design design{"", testing::WorkedDesign(), {}};
    design.Input.SandMoistureText = "ชื้น";
    design.Records = StrengthRecords{};
    design.Records->Tests = {{"", {"250", "260", ""}, ""}};
    const DesignEvaluation evaluation = EvaluateDesign(design, {2026, 12, 9});
    const auto* error = std::get_if<CalculationError>(&evaluation.Mix);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->Input, FaultyInput::SandMoisture);
    const auto* records = std::get_if<RecordsShown>(&evaluation.Records);
    ASSERT_NE(records, nullptr);
    // (250 + 260) / 2 = 255 on a cube, 212.415 on the cylinder basis.
    ASSERT_EQ(records->Figures.Tests.size(), 1u);
    EXPECT_NEAR(records->Figures.Tests[0].Result, 255 * 0.833, 1e-9);
}

TEST(DesignEvaluation, ATrialBoxRefusedLeavesTheMix) {
    Design design{"", testing::WorkedDesign(), {}};
    design.Trial = TrialInputs{};
    (*design.Trial)[static_cast<std::size_t>(TrialBox::Density)] = "1999";
    const DesignEvaluation evaluation = EvaluateDesign(design, {2026, 12, 9});
    const CalculatedMix* calculated = evaluation.calculated();
    ASSERT_NE(calculated, nullptr);
    EXPECT_EQ(calculated->Design.State.F, 300);  // 240 + 60
    const auto* refused = std::get_if<TrialRefusal>(&calculated->Trial);
    ASSERT_NE(refused, nullptr);
    EXPECT_EQ(refused->Box, TrialBox::Density);
    EXPECT_TRUE(std::holds_alternative<NoRecords>(evaluation.Records));
}

TEST(DesignDocument, AsksBeforeLosingOnlyWhatExistsNowhereElse) {
    TrialInputs typedTrial;
    typedTrial[static_cast<std::size_t>(TrialBox::Slump)] = "9";
    StrengthRecords typedRecords;
    typedRecords.Tests = {{"", {"250", "", ""}, ""}};
    const struct {
        const char* name;
        bool fromFile;
        void (*edit)(Design&, const TrialInputs&, const StrengthRecords&);
        bool asks;
    } kCases[] = {
        {"untitled, nothing typed", false,
         [](Design&, const TrialInputs&, const StrengthRecords&) {}, false},
        // The main boxes of an untitled design are remembered by the program.
        {"untitled, boxes typed", false,
         [](Design& d, const TrialInputs&, const StrengthRecords&) {
             d.Input.RequiredStrength = "280";
         },
         false},
        {"untitled, trial boxes typed", false,
         [](Design& d, const TrialInputs& t, const StrengthRecords&) { d.Trial = t; }, true},
        {"untitled, trial boxes all emptied", false,
         [](Design& d, const TrialInputs&, const StrengthRecords&) { d.Trial = TrialInputs{}; },
         false},
        {"untitled, records typed", false,
         [](Design& d, const TrialInputs&, const StrengthRecords& r) { d.Records = r; }, true},
        {"untitled, records window opened and left empty", false,
         [](Design& d, const TrialInputs&, const StrengthRecords&) {
             d.Records = StrengthRecords{};
         },
         false},
        {"untitled, materials typed", false,
         [](Design& d, const TrialInputs&, const StrengthRecords&) {
             d.Materials.Cement = CementKind::Hydraulic;
         },
         true},
        {"file, unchanged", true, [](Design&, const TrialInputs&, const StrengthRecords&) {},
         false},
        {"file, boxes changed", true,
         [](Design& d, const TrialInputs&, const StrengthRecords&) {
             d.Input.RequiredStrength = "280";
         },
         true},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        Design design{"", testing::WorkedDesign(), {}};
        DesignDocument document(design);
        if (c.fromFile) document.keepAsSaved("/tmp/a.krv1");
        c.edit(design, typedTrial, typedRecords);
        document.setDesign(design);
        EXPECT_EQ(document.holdsUnsavedWork(), c.asks);
    }
}

}  // namespace
}  // namespace krv1::presentation
