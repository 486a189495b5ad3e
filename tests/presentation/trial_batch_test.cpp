// The worked trials of tests/data/worked-trials.json, figures worked out by
// the independent script beside it (worked_trials.py), through the
// presentation's trial and the engine's adjusted mix.
#include "presentation/trial_batch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <nlohmann/json.hpp>
#include <vector>

#include "presentation/design_file.h"
#include "presentation/page_heading.h"
#include "presentation/trial_report.h"
#include "tests/support/worked_designs.h"

namespace krv1::presentation {
namespace {

using Json = nlohmann::json;

std::vector<Json> WorkedTrials() {
    std::ifstream file(KRV1_WORKED_TRIALS);
    return Json::parse(file)["trials"].get<std::vector<Json>>();
}

void ExpectNear(const Json& expected, std::optional<double> actual, const char* key) {
    if (expected.is_null()) {
        EXPECT_FALSE(actual) << key;
        return;
    }
    ASSERT_TRUE(actual) << key;
    const double want = expected.get<double>();
    EXPECT_NEAR(*actual, want, 1e-9 * std::max(1.0, std::fabs(want))) << key;
}

class WorkedTrial : public ::testing::TestWithParam<Json> {};

TEST_P(WorkedTrial, GivesTheFiguresWorkedByHand) {
    const Json& row = GetParam();
    Json file = row["design"];
    file["format"] = "krv1-design";
    file["version"] = 1;
    file["engineer"] = "";
    const DesignReading reading = ReadDesign(file.dump());
    ASSERT_TRUE(std::holds_alternative<Design>(reading));
    const Design& design = std::get<Design>(reading);
    const CalculationResult calculated = CalculateMix(design.Input, {}, design.Locale);
    ASSERT_NE(DesignOf(calculated), nullptr);
    TrialInputs boxes;
    for (const TrialBoxRow& box : TrialBoxRows())
        if (row["boxes"].contains(box.Key))
            boxes[static_cast<std::size_t>(box.Box)] = row["boxes"][std::string(box.Key)];

    const TrialResult result = RunTrial(design.Input, *DesignOf(calculated), boxes, design.Locale);
    const auto* trial = std::get_if<TrialOutcome>(&result);
    ASSERT_NE(trial, nullptr);
    const Json& plan = row["plan"];
    ExpectNear(plan["volume_l"], trial->Plan.Volume, "volume_l");
    ExpectNear(plan["cement_kg"], trial->Plan.Cement, "cement_kg");
    ExpectNear(plan["water_l"], trial->Plan.Water, "water_l");
    ExpectNear(plan["sand_kg"], trial->Plan.Sand, "sand_kg");
    ExpectNear(plan["stone_kg"], trial->Plan.Stone, "stone_kg");
    const Json& results = row["results"];
    const TrialFigures& f = trial->Figures;
    ExpectNear(results["yield_l"], f.Yield, "yield_l");
    ExpectNear(results["relative_yield"], f.RelativeYield, "relative_yield");
    ExpectNear(results["air_percent"], f.AirPercent, "air_percent");
    ExpectNear(results["water_per_m3_l"], f.WaterPerCubicMetre, "water_per_m3_l");
    EXPECT_EQ(f.AdjustedWater, results["adjusted_water_l"].get<int>());
    ExpectNear(results["trial_wc"], f.TrialRatio, "trial_wc");
    ExpectNear(results["strength28_cube"], f.Strength28Cube, "strength28_cube");
    EXPECT_EQ(f.DesignStrength, results["design_strength"].get<int>());
    ExpectNear(results["wc"], f.Ratio, "wc");
    EXPECT_EQ(f.AirLitres, row["air_litres"].get<int>());
    EXPECT_EQ(Json(trial->Notes), row["notes"]);
    const std::string text =
        SheetText(TrialRows(design.Input, *DesignOf(calculated), boxes, *trial, design.Locale));
    for (const Json& note : row["notes"])
        EXPECT_NE(text.find("\n" + note.get<std::string>() + "\n"), std::string::npos) << text;

    if (!row["refusal"].is_null()) {
        ASSERT_NE(ErrorOf(trial->Adjusted), nullptr);
        EXPECT_EQ(ErrorOf(trial->Adjusted)->Message, row["refusal"].get<std::string>());
        return;
    }
    const MixDesign* adjusted = DesignOf(trial->Adjusted);
    ASSERT_NE(adjusted, nullptr) << ErrorOf(trial->Adjusted)->Message;
    const Json& state = row["state"];
    EXPECT_EQ(adjusted->State.W, state["W"].get<int>());
    EXPECT_EQ(adjusted->State.WA, state["WA"].get<float>());
    EXPECT_EQ(adjusted->State.Weight, state["Weight"].get<int>());
    EXPECT_EQ(adjusted->State.VOLUM, state["VOLUM"].get<int>());
    EXPECT_EQ(adjusted->State.SAND, state["SAND"].get<int>());
    EXPECT_EQ(adjusted->State.WSAND, state["WSAND"].get<int>());
    EXPECT_EQ(adjusted->State.VGRAVEL, state["VGRAVEL"].get<int>());
    EXPECT_EQ(adjusted->State.WGRAVEL, state["WGRAVEL"].get<int>());
}

INSTANTIATE_TEST_SUITE_P(Trials, WorkedTrial, ::testing::ValuesIn(WorkedTrials()),
                         [](const auto& info) {
                             return info.param["name"].template get<std::string>();
                         });

// With nothing measured the adjusted mix is the design itself, to the gram.
TEST(WorkedTrial, NothingMeasuredLeavesTheDesign) {
    MixInput input;
    input.RequiredStrength = "240";
    input.Shape = SpecimenShape::Cube;
    input.Slump = SlumpChoice::Slump10_0;
    input.Stone = StoneChoice::OneInch;
    input.Admixture = AdmixtureChoice::WithAdmixture;
    input.DosageText = "250";
    input.SandMoistureText = "3.5";
    const CalculationResult design = CalculateMix(input, {});
    ASSERT_NE(DesignOf(design), nullptr);
    const TrialResult result = RunTrial(input, *DesignOf(design), TrialInputs{}, {});
    const MixDesign* adjusted = DesignOf(std::get<TrialOutcome>(result).Adjusted);
    ASSERT_NE(adjusted, nullptr);
    EXPECT_EQ(adjusted->State, DesignOf(design)->State);
}

// A box out of its range names itself with its message, and nothing else runs.
TEST(WorkedTrial, ABoxOutOfRangeIsRefusedWithItsMessage) {
    MixInput input;
    input.RequiredStrength = "240";
    input.Shape = SpecimenShape::Cube;
    input.Slump = SlumpChoice::Slump7_5;
    input.Stone = StoneChoice::ThreeQuarterInch;
    input.Admixture = AdmixtureChoice::WithoutAdmixture;
    input.SandMoistureText = "5";
    const CalculationResult design = CalculateMix(input, {});
    ASSERT_NE(DesignOf(design), nullptr);
    const struct {
        TrialBox box;
        const char* text;
        const char* message;
    } rows[] = {
        {TrialBox::Cubes, "6.5", "จำนวนก้อนตัวอย่างต้องเป็นจำนวนเต็มตั้งแต่ 0 ถึง 100"},
        {TrialBox::Cubes, "0", "กรุณาใส่จำนวนก้อนตัวอย่างหรือปริมาตรผสมทดลอง"},
        {TrialBox::Volume, "0", "ปริมาตรผสมทดลองต้องมากกว่า 0 และไม่เกิน 1000 ลิตร"},
        {TrialBox::Slump, "31", "ค่ายุบตัวที่วัดได้ต้องอยู่ระหว่าง 0 ถึง 30 ซม."},
        {TrialBox::Density, "1999", "หน่วยน้ำหนักคอนกรีตสดต้องอยู่ระหว่าง 2000 ถึง 2700 กก./ลบ.ม."},
        {TrialBox::Age, "14", "อายุของก้อนตัวอย่างต้องเป็น 7 หรือ 28 วัน"},
        {TrialBox::Ratio7, "abc", "อัตราส่วนกำลังอัด 7 วัน ต่อ 28 วัน ต้องอยู่ระหว่าง 0.4 ถึง 1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        TrialInputs boxes;
        boxes[static_cast<std::size_t>(row.box)] = row.text;
        const TrialResult result = RunTrial(input, *DesignOf(design), boxes, {});
        const auto* refusal = std::get_if<TrialRefusal>(&result);
        ASSERT_NE(refusal, nullptr);
        EXPECT_EQ(refusal->Box, row.box);
        EXPECT_EQ(refusal->Message, row.message);
    }
}

// The worked design's trial with these boxes filled.
struct WorkedDesignTrial {
    explicit WorkedDesignTrial(std::initializer_list<std::pair<TrialBox, const char*>> filled) {
        for (const auto& [box, text] : filled) boxes[static_cast<std::size_t>(box)] = text;
        result = RunTrial(input, design, boxes, {});
    }
    const TrialOutcome* outcome() const { return std::get_if<TrialOutcome>(&result); }
    std::string text() const { return SheetText(TrialRows(input, design, boxes, *outcome(), {})); }

    MixInput input = testing::WorkedDesign();
    MixDesign design = std::get<MixDesign>(CalculateMix(input, {}));
    TrialInputs boxes;
    TrialResult result;
};

// The density trial's results as their rows read them, each to its own
// decimals: the script's 26.1381, 1.03262, 3.17211 and 183.998.
TEST(WorkedTrial, TheResultsReadToTheirDecimals) {
    const WorkedDesignTrial worked({{TrialBox::Density, "2330"}});
    ASSERT_NE(worked.outcome(), nullptr);
    const std::string text = worked.text();
    for (const char* row :
         {"ปริมาตรคอนกรีตที่ได้  26.14 ลิตร\n", "ปริมาตรที่ได้ต่อปริมาตรที่ผสม  1.033\n", "ปริมาณอากาศ  3.2 %\n"})
        EXPECT_NE(text.find(row), std::string::npos) << row << " in\n" << text;
}

// What was measured stands in the text as typed, the water among it.
TEST(WorkedTrial, TheTextShowsTheMeasurementsAsTyped) {
    const WorkedDesignTrial worked({{TrialBox::Water, "3.5"}, {TrialBox::Slump, "9"}});
    ASSERT_NE(worked.outcome(), nullptr);
    const std::string text = worked.text();
    for (const char* row : {"\nน้ำที่ใส่จริง (ลิตร)  3.5\n", "\nค่ายุบตัวที่วัดได้ (ซม.)  9\n"})
        EXPECT_NE(text.find(row), std::string::npos) << row << " in\n" << text;
}

// The method's table moves 10 litres of water for 2.5 cm of slump: a trial
// at the design's own slump moves none, one 2.5 cm short asks for 10 more.
TEST(WorkedTrial, TheSlumpMovesTheWaterFromTheDesignsOwn) {
    const struct {
        SlumpChoice slump;
        const char* target;
        const char* short_;
    } kSlumps[] = {{SlumpChoice::Slump7_5, "7.5", "5"},
                   {SlumpChoice::Slump10_0, "10", "7.5"},
                   {SlumpChoice::Slump12_5, "12.5", "10"}};
    for (const auto& c : kSlumps) {
        SCOPED_TRACE(c.target);
        MixInput input = testing::WorkedDesign();
        input.Slump = c.slump;
        const CalculationResult design = CalculateMix(input, {});
        ASSERT_NE(DesignOf(design), nullptr);
        const auto water = [&](const char* slump) {
            TrialInputs boxes;
            boxes[static_cast<std::size_t>(TrialBox::Slump)] = slump;
            const TrialResult result = RunTrial(input, *DesignOf(design), boxes, {});
            return std::get<TrialOutcome>(result).Figures.AdjustedWater.value_or(-1);
        };
        EXPECT_EQ(water(c.target), water(""));
        EXPECT_EQ(water(c.short_), water("") + 10);
    }
}

// Each box takes the ends of its range that the range includes.
TEST(WorkedTrial, ABoxAtTheEndsOfItsRangeIsTaken) {
    const struct {
        TrialBox box;
        const char* text;
    } rows[] = {
        {TrialBox::Cubes, "100"},     {TrialBox::Cylinders, "0"},  {TrialBox::Cylinders, "100"},
        {TrialBox::Extra, "0"},       {TrialBox::Extra, "100"},    {TrialBox::Volume, "1000"},
        {TrialBox::Water, "1000"},    {TrialBox::Slump, "0"},      {TrialBox::Slump, "30"},
        {TrialBox::Density, "2000"},  {TrialBox::Density, "2700"}, {TrialBox::Strength, "1"},
        {TrialBox::Strength, "1000"}, {TrialBox::Age, "7"},        {TrialBox::Age, "28"},
        {TrialBox::Ratio7, "0.4"},    {TrialBox::Ratio7, "1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const WorkedDesignTrial worked({{row.box, row.text}});
        const auto* refusal = std::get_if<TrialRefusal>(&worked.result);
        EXPECT_EQ(refusal, nullptr)
            << RowOf(row.box).Key << " " << (refusal ? refusal->Message : "");
    }
}

// 1000 litres of water in a trial of 0.001 litre is some 10^9 litres per
// cubic metre, far past the method's 16-bit cells: the adjusted mix is
// refused, nothing is placed on the chart, and what was not worked shows
// as not worked.
TEST(WorkedTrial, WaterBeyondTheMethodGivesNoChartAndNoFiguresAfterIt) {
    const WorkedDesignTrial worked(
        {{TrialBox::Volume, "0.001"}, {TrialBox::Water, "1000"}, {TrialBox::Strength, "280"}});
    const TrialOutcome* trial = worked.outcome();
    ASSERT_NE(trial, nullptr);
    ASSERT_NE(ErrorOf(trial->Adjusted), nullptr);
    EXPECT_EQ(ErrorOf(trial->Adjusted)->Message,
              "ค่าที่ใส่ทำให้ผลการคำนวณเกินขอบเขตที่โปรแกรมรองรับ กรุณาตรวจสอบข้อมูล");
    EXPECT_FALSE(trial->Chart);
    EXPECT_FALSE(trial->Figures.AdjustedWater);
    EXPECT_FALSE(trial->Figures.DesignStrength);
    EXPECT_FALSE(trial->Figures.Ratio);

    const std::string text = worked.text();
    for (const char* row : {"น้ำที่ใช้ออกแบบใหม่  –\n", "กำลังอัดที่ใช้ออกแบบใหม่  –\n"})
        EXPECT_NE(text.find(row), std::string::npos) << row << " in\n" << text;
    const Json json = Json::parse(TrialJson(*trial));
    EXPECT_TRUE(json["chart"].is_null());
    EXPECT_TRUE(json["results"]["adjusted_water_l"].is_null());
    EXPECT_TRUE(json["results"]["design_strength"].is_null());
}

// Empty boxes read what they stand for. The worked design's plan (the
// script's "nothing" trial): 6 cubes of 3.375 litres with 25 % extra make
// 25.3125 litres, with 3.9408 litres of water. Cylinders: 6 of
// pi x 0.075^2 x 0.3 = 5.30144 litres, with 25 % extra 39.7608 litres.
TEST(WorkedTrial, EmptyBoxesShowTheDefaultsTheyStandFor) {
    const WorkedDesignTrial cubes({});
    const TrialInputs shown = TrialPlaceholders(cubes.input, *cubes.outcome(), {});
    EXPECT_EQ(shown, (TrialInputs{"6", "0", "25", "25.313", "3.941", "", "", "", "28", "0.70"}));

    MixInput cylinder = testing::WorkedDesign();
    cylinder.Shape = SpecimenShape::Cylinder;
    const MixDesign design = std::get<MixDesign>(CalculateMix(cylinder, {}));
    const NumberLocale comma{",", "."};
    const TrialResult tried = RunTrial(cylinder, design, TrialInputs{}, comma);
    const TrialInputs onCylinders =
        TrialPlaceholders(cylinder, std::get<TrialOutcome>(tried), comma);
    EXPECT_EQ(onCylinders[static_cast<std::size_t>(TrialBox::Cubes)], "0");
    EXPECT_EQ(onCylinders[static_cast<std::size_t>(TrialBox::Cylinders)], "6");
    EXPECT_EQ(onCylinders[static_cast<std::size_t>(TrialBox::Volume)], "39,761");
    EXPECT_EQ(onCylinders[static_cast<std::size_t>(TrialBox::Ratio7)], "0,70");
}

// The site's materials in the trial, by the formulas in an
// independent script: the worked design with cement of 3.05, sand of 2.62
// at 3.8 % beyond its absorption and stone of 2.68 at 1.4 % beyond its
// (WEIGHT 311, W 190, WSAND 781, WGRAVEL 1099); 6 cubes with 25 % extra,
// k = 0.0253125, measured at 2330 kg/m3. The plan weighs 311k = 7.8721875
// kg of cement, (190 - 781 x 0.038 - 1099 x 0.014)k = 3.6686925 l of water,
// 781 x 1.038k = 20.520286875 kg of sand and 1099 x 1.014k = 28.207895625
// kg of stone. The net water is 190k; the yield 1000 x 60.269 / 2330 =
// 25.86655 l, the air-free volume 7.8722 / 3.05 + 4.8094 + 19.7691 / 2.62
// + 27.8185 / 2.68 = 25.3159 l, so 2.1289 % air and 185.93 l a metre.
TEST(WorkedTrial, TheSiteMaterialsWeighTheStoneWetAndCountItsWater) {
    const Materials site = testing::WorkedSiteMaterials();
    const MixInput input = testing::WorkedDesign();
    const CalculationResult design = CalculateMix(input, MixState{}, {}, site);
    ASSERT_NE(DesignOf(design), nullptr);
    TrialInputs boxes;
    boxes[static_cast<std::size_t>(TrialBox::Density)] = "2330";
    const TrialResult result = RunTrial(input, *DesignOf(design), boxes, {}, site);
    const auto* trial = std::get_if<TrialOutcome>(&result);
    ASSERT_NE(trial, nullptr);
    ExpectNear(Json(7.8721875), trial->Plan.Cement, "cement");
    ExpectNear(Json(3.6686925), trial->Plan.Water, "water");
    ExpectNear(Json(20.520286875), trial->Plan.Sand, "sand");
    ExpectNear(Json(28.207895625), trial->Plan.Stone, "stone");
    ExpectNear(Json(25.866550429184553), trial->Figures.Yield, "yield");
    ExpectNear(Json(2.1288986867326645), trial->Figures.AirPercent, "air");
    ExpectNear(Json(185.93028139437212), trial->Figures.WaterPerCubicMetre, "water per m3");
}

// The trial's page is headed, under its title, by whom and what it is of.
TEST(WorkedTrial, ThePageIsHeadedByTheEngineerTheProjectTheStrengthAndTheDay) {
    const WorkedDesignTrial trial({});
    const std::vector<std::string> heading =
        PageHeadingLines({"สมชาย", "บ้านคุณสมศรี", {2026, 12, 9}}, trial.input);
    EXPECT_EQ(heading,
              (std::vector<std::string>{"วิศวกร : สมชาย", "โครงการ: บ้านคุณสมศรี",
                                        "กำลังอัดที่ต้องการ=240  กก./ตร.ซม.  ตัวอย่างทดสอบ: ลูกบาศก์ 15 ซม.",
                                        "วันที่ 9 ธันวาคม 2569"}));
    EXPECT_EQ(PageHeadingLines({"", "", {2026, 1, 31}}, trial.input).size(), 2u);
    const PageFace face{[](std::string_view text, bool, double) { return int(text.size()) * 20; },
                        [](double points) { return static_cast<int>(points * 20); }};
    const std::vector<SheetRow> rows =
        TrialRows(trial.input, trial.design, trial.boxes, *trial.outcome(), {});
    const PrintedPage page = TrialPage(rows, trial.outcome()->Chart, {}, face, heading);
    ASSERT_GT(page.Lines.size(), 5u);
    EXPECT_EQ(page.Lines[0].Text, rows[0].Caption);  // the title
    for (std::size_t i = 0; i < heading.size(); ++i) EXPECT_EQ(page.Lines[i + 1].Text, heading[i]);
}

}  // namespace
}  // namespace krv1::presentation
