// The site's materials through the one evaluation: the worked design as every
// surface shows it, the method's values typed out against empty boxes, and a
// refused box stopping the mix.
#include <gtest/gtest.h>

#include "presentation/design_evaluation.h"
#include "presentation/site_sheet.h"
#include "tests/support/worked_designs.h"
#include "tests/support/worked_records.h"

namespace krv1::presentation {
namespace {

using B = MaterialBox;

// The worked design: 240 ksc cube, 3/4 inch stone, slump 7.5, no
// admixture, sand at 5 %, hydraulic cement of 3.05, sand 2.62 absorbing
// 1.2 %, stone 2.68 absorbing 0.6 % at 2.0 %. Figures by hand in
// tests/engine/materials_test.cpp.
Design WorkedSiteDesign() {
    Design design{"สมชาย ใจดี", testing::WorkedDesign(), {}};
    design.Materials =
        MaterialTexts{CementKind::Hydraulic, {"3.05", "2.62", "1.2", "2.68", "0.6", "2.0"}};
    return design;
}

TEST(MaterialsEvaluation, TheWorkedDesignOnEverySurface) {
    const DesignEvaluation evaluation = EvaluateDesign(WorkedSiteDesign(), {2026, 12, 9});
    const CalculatedMix* calculated = evaluation.calculated();
    ASSERT_NE(calculated, nullptr) << RefusalMessage(evaluation.Mix);
    EXPECT_EQ(calculated->Panels.AfterCorrection,
              (PanelTexts{"310      กิโลกรัม", "145     ลิตร", "810      กิโลกรัม", "1115       กิโลกรัม",
                          "0     ซีซี"}));
    // Values 29, 31, 34 and 39 of the account.
    const auto& account = calculated->Account.inOrder();
    EXPECT_EQ(account[28], "145     ลิตร");
    EXPECT_EQ(account[30], "1115       กิโลกรัม");
    EXPECT_EQ(account[33], "1.2 %");
    EXPECT_EQ(account[38], "144.96  ลิตร");
    EXPECT_EQ(calculated->MaterialsNotice,
              "คำนวณด้วยวัสดุของหน้างาน ปูนซีเมนต์ไฮดรอลิก (มอก. 2594) ถ.พ. 3.05, ทราย ถ.พ. 2.62, "
              "ทรายดูดซึม 1.2 %, หิน ถ.พ. 2.68, หินความชื้น 2.0 %");
    ASSERT_EQ(calculated->MaterialNotes.size(), 1u);
    // The report: the 44 lines, then the materials and the stone's water
    // 300 twips apart at X 1300, not bold.
    ASSERT_EQ(ReportAccountLines(calculated->Account), 46u);
    const ReportLine materials{
        1300, 14400, false,
        "วัสดุ: ปูนซีเมนต์ไฮดรอลิก (มอก. 2594) ถ.พ.=3.05, ทราย ถ.พ.=2.62 ดูดซึม=1.2%, หิน ถ.พ.=2.68"};
    const ReportLine stone{
        1300, 14700, false,
        "หินมีความชื้น=2.0% ค่าการดูดซึม=0.6% มีน้ำมากไป=15.4  กิโลกรัม ชั่งหิน=1115.4  กิโลกรัม"};
    EXPECT_EQ(calculated->Lines[44], materials);
    EXPECT_EQ(calculated->Lines[45], stone);
    // The site sheet batches the corrected metre: per 50 kg bag, 1115 x 50 /
    // 310 kg of wet stone and 145 x 50 / 310 litres of water.
    EXPECT_NEAR(*ValueOf(calculated->Sheet[SiteFigure::BagStone]), 179.8387096774, 1e-9);
    EXPECT_NEAR(*ValueOf(calculated->Sheet[SiteFigure::BagWater]), 23.3870967742, 1e-9);
}

// After a cylinder's cube basis and the records' margin, the materials'
// lines come last and still stand above the signatures at 15600.
TEST(MaterialsEvaluation, EveryLineAfterTheAccountStandsAboveTheSignatures) {
    Design design = WorkedSiteDesign();
    design.Input.Shape = SpecimenShape::Cylinder;
    design.Records = testing::FifteenCubeTests(false);
    design.Records->UseMargin = true;
    const DesignEvaluation evaluation = EvaluateDesign(design, {2026, 12, 9});
    const CalculatedMix* calculated = evaluation.calculated();
    ASSERT_NE(calculated, nullptr) << RefusalMessage(evaluation.Mix);
    ASSERT_EQ(ReportAccountLines(calculated->Account), 48u);
    for (std::size_t i = 44; i < 48; ++i) {
        EXPECT_EQ(calculated->Lines[i].Y, 14400 + 300 * int(i - 44));
        EXPECT_EQ(calculated->Lines[i].X, 1300);
    }
    EXPECT_TRUE(calculated->Lines[46].Text.starts_with("วัสดุ: "));
    EXPECT_TRUE(calculated->Lines[47].Text.starts_with("หินมีความชื้น="));
}

// Every text a surface shows of an evaluation, in one list.
std::vector<std::string> EveryText(const DesignEvaluation& evaluation, const Design& design) {
    std::vector<std::string> texts{RefusalMessage(evaluation.Mix)};
    if (const auto* records = std::get_if<RecordsShown>(&evaluation.Records))
        texts.push_back(SheetText(records->Rows));
    const CalculatedMix* calculated = evaluation.calculated();
    if (!calculated) return texts;
    for (const PanelTexts* panel :
         {&calculated->Panels.BeforeCorrection, &calculated->Panels.AfterCorrection})
        texts.insert(texts.end(), panel->begin(), panel->end());
    texts.push_back(calculated->PanelsPlainText);
    const auto& account = calculated->Account.inOrder();
    texts.insert(texts.end(), account.begin(), account.end());
    texts.push_back(calculated->MarginNotice);
    texts.push_back(calculated->MaterialsNotice);
    texts.insert(texts.end(), calculated->MaterialNotes.begin(), calculated->MaterialNotes.end());
    for (const ReportLine& line : calculated->Lines)
        texts.push_back(std::to_string(line.X) + "," + std::to_string(line.Y) + " " + line.Text);
    texts.push_back(SiteSheetPlainText(calculated->Sheet, calculated->SheetSource, design.Site));
    texts.push_back(SiteSheetJson(calculated->Sheet));
    if (const auto* trial = std::get_if<TrialShown>(&calculated->Trial)) {
        texts.push_back(SheetText(trial->Rows));
        texts.push_back(TrialJson(trial->Outcome));
    } else {
        texts.push_back(std::get<TrialRefusal>(calculated->Trial).Message);
    }
    return texts;
}

// The method's values typed into the boxes are the empty boxes: every text
// of every kind of design, with the point or the comma.
TEST(MaterialsEvaluation, TheMethodsValuesTypedOutChangeNoText) {
    TrialInputs trial;
    trial[static_cast<std::size_t>(TrialBox::Slump)] = "9";
    trial[static_cast<std::size_t>(TrialBox::Strength)] = "285";
    StrengthRecords records = testing::FifteenCubeTests(false);
    records.UseMargin = true;
    const struct {
        const char* name;
        MixInput input;
        std::optional<TrialInputs> trial;
        std::optional<StrengthRecords> records;
    } designs[] = {
        {"worked", testing::WorkedDesign(), std::nullopt, std::nullopt},
        {"with admixture and a trial", testing::WorkedDesignWithAdmixture(), trial, std::nullopt},
        {"records' margin", testing::WorkedDesign(), trial, records},
    };
    const struct {
        NumberLocale locale;
        std::array<std::string, kMaterialBoxes> typed;
    } locales[] = {
        {{".", ","}, {"3.15", "2.65", "0.7", "2.70", "", ""}},
        {{",", "."}, {"3,15", "2,650", " 0,70 ", "2,7", "1,1", ""}},
    };
    for (const auto& d : designs) {
        for (const auto& l : locales) {
            SCOPED_TRACE(std::string(d.name) + " " + l.locale.DecimalSeparator);
            Design empty{"สมชาย ใจดี", d.input, l.locale};
            empty.Trial = d.trial;
            empty.Records = d.records;
            Design typed = empty;
            typed.Materials.Boxes = l.typed;
            const std::vector<std::string> expected =
                EveryText(EvaluateDesign(empty, {2026, 12, 9}), empty);
            ASSERT_GT(expected.size(), 60u);
            EXPECT_EQ(EveryText(EvaluateDesign(typed, {2026, 12, 9}), typed), expected);
        }
    }
}

// A refused box stops the mix as a refused main box does, names its box, and
// leaves the records weighed.
TEST(MaterialsEvaluation, ARefusedBoxStopsTheMixAndNamesItsBox) {
    const struct {
        B box;
        const char* text;
        const char* message;
    } rows[] = {
        {B::CementGravity, "3.4", "ความถ่วงจำเพาะของปูนซีเมนต์ต้องอยู่ระหว่าง 2.50 ถึง 3.30"},
        {B::SandGravity, "2.2", "ความถ่วงจำเพาะของทรายต้องอยู่ระหว่าง 2.30 ถึง 2.90"},
        {B::SandAbsorption, "5.5", "ค่าการดูดซึมน้ำของทรายต้องอยู่ระหว่าง 0 ถึง 5 %"},
        {B::StoneGravity, "3.01", "ความถ่วงจำเพาะของหินต้องอยู่ระหว่าง 2.30 ถึง 3.00"},
        {B::StoneAbsorption, "-1", "ค่าการดูดซึมน้ำของหินต้องอยู่ระหว่าง 0 ถึง 5 %"},
        {B::StoneMoisture, "11", "ความชื้นของหินต้องอยู่ระหว่าง 0 ถึง 10 %"},
        // Within its range but too long to print as typed.
        {B::CementGravity, "3.00000000001", "ความถ่วงจำเพาะของปูนซีเมนต์ต้องอยู่ระหว่าง 2.50 ถึง 3.30"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        Design design{"", testing::WorkedDesign(), {}};
        design.Materials.Boxes = {"", "", "", "", "0.6", ""};
        design.Materials.Boxes[static_cast<std::size_t>(row.box)] = row.text;
        design.Records = testing::FifteenCubeTests(false);
        const DesignEvaluation evaluation = EvaluateDesign(design, {2026, 12, 9});
        const auto* refused = std::get_if<MaterialsRefusal>(&evaluation.Mix);
        ASSERT_NE(refused, nullptr);
        EXPECT_EQ(refused->Box, row.box);
        EXPECT_EQ(RefusalMessage(evaluation.Mix), row.message);
        EXPECT_TRUE(std::holds_alternative<RecordsShown>(evaluation.Records));
    }
}

}  // namespace
}  // namespace krv1::presentation
