#include "presentation/site_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/calculation.h"
#include "presentation/figure_text.h"
#include "tests/support/worked_designs.h"

namespace krv1::presentation {
namespace {

using S = SiteSetting;
using F = SiteFigure;

SiteSheetSource SourceOf(const MixInput& input, const NumberLocale& locale = {}) {
    const CalculationResult result = CalculateMix(input, {}, locale);
    EXPECT_NE(DesignOf(result), nullptr);
    return SiteSheetSourceOf(input, DesignOf(result) ? *DesignOf(result) : MixDesign{}, "", locale,
                             {2026, 12, 8});
}

SiteBasis BasisOfInput(const MixInput& input) { return SourceOf(input).Basis; }

SiteSettings With(std::initializer_list<std::pair<SiteSetting, const char*>> changes) {
    SiteSettings settings = DefaultSiteSettings();
    for (const auto& [setting, text] : changes) settings[static_cast<std::size_t>(setting)] = text;
    return settings;
}

// A figure as its row shows it.
std::string Shown(const SiteSheet& sheet, SiteFigure figure) {
    const SiteFigureRow& row = RowOf(figure);
    if (Waits(sheet[figure])) return "–";
    return ValueOf(sheet[figure])
               ? FigureText(*ValueOf(sheet[figure]), Decimals(row.Decimals, row.Grouped), {})
               : "";
}

// Worked by hand from the corrected metres: without admixture 310 kg cement,
// 155 l water, 835 kg sand, 1110 kg stone; with 250 cc admixture 295, 145,
// 845 and 1135.
TEST(SiteSheet, WorkedDesignsByHand) {
    const struct {
        const char* name;
        MixInput input;
        SiteSettings settings;
        // per bag: water l, sand kg, stone kg, admixture cc, sand buckets;
        // pour: bags, admixture l; cost: total, per m3
        std::array<std::string, 9> expected;
    } rows[] = {
        {"defaults",
         testing::WorkedDesign(),
         DefaultSiteSettings(),
         {"25.0", "134.7", "179.0", "0.0", "", "7", "0.0", "", ""}},
        // k = 50 / 295; Vt = 1.05; sand 102.3 l a bag in 18 l buckets.
        {"admixture, waste and bucket",
         testing::WorkedDesignWithAdmixture(),
         With({{S::Waste, "5"}, {S::Bucket, "18"}, {S::PriceCement, "145"}, {S::PriceSand, "450"}}),
         {"24.6", "143.2", "192.4", "125.0", "5.7", "7", "0.8", "1,300.19", "1,300.19"}},
        // 310 / 40 = 7.75 bags a cubic metre: 8 to order.
        {"40 kg bag",
         testing::WorkedDesign(),
         With({{S::Bag, "40"}}),
         {"20.0", "107.7", "143.2", "0.0", "", "8", "0.0", "", ""}},
        // 310 kg x 5 m3 / 50 kg = 31 bags exactly; 310 x 2.5 x 1.12 / 1 is
        // 868.0000000000001 in doubles, still 868 bags.
        {"whole bags",
         testing::WorkedDesign(),
         With({{S::Volume, "5"}, {S::PriceCement, "150"}}),
         {"25.0", "134.7", "179.0", "0.0", "", "31", "0.0", "4,650.00", "930.00"}},
        {"whole bags in doubles",
         testing::WorkedDesign(),
         With({{S::Volume, "2.5"}, {S::Waste, "12"}, {S::Bag, "1"}}),
         {"0.5", "2.7", "3.6", "0.0", "", "868", "0.0", "", ""}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const SiteSheet sheet = ComputeSiteSheet(BasisOfInput(row.input), row.settings, {});
        EXPECT_TRUE(sheet.OutOfRange.empty());
        std::array<std::string, 9> shown;
        std::size_t i = 0;
        for (SiteFigure figure :
             {F::BagWater, F::BagSand, F::BagStone, F::BagAdmixture, F::BagSandBuckets, F::PourBags,
              F::PourAdmixture, F::CostTotal, F::CostPerCubicMetre})
            shown[i++] = Shown(sheet, figure);
        EXPECT_EQ(shown, row.expected);
    }
}

// Every per-bag and pour figure of one worked pour: 8 m3 with 5 % waste and
// 18-litre buckets, from the metre with admixture (295 kg cement, 145 l
// water, 845 kg sand, 1135 kg stone, 250 cc per 100 kg). k = 50 / 295 and
// Vt = 8.4 m3.
TEST(SiteSheet, EveryFigureOfAWorkedPour) {
    const SiteSheet sheet =
        ComputeSiteSheet(BasisOfInput(testing::WorkedDesignWithAdmixture()),
                         With({{S::Volume, "8"}, {S::Waste, "5"}, {S::Bucket, "18"}}), {});
    const struct {
        SiteFigure figure;
        const char* shown;
    } rows[] = {
        {F::BagCement, "50.0"},      {F::BagWater, "24.6"},       {F::BagSand, "143.2"},
        {F::BagStone, "192.4"},      {F::BagAdmixture, "125.0"},  {F::BagConcrete, "0.17"},
        {F::BagLooseSand, "102.3"},  {F::BagLooseStone, "128.2"}, {F::BagSandBuckets, "5.7"},
        {F::BagStoneBuckets, "7.1"}, {F::OrderVolume, "8.40"},    {F::PourCement, "2,478.0"},
        {F::PourBags, "50"},         {F::PourWater, "1,218.0"},   {F::PourSand, "7,098.0"},
        {F::PourLooseSand, "5.07"},  {F::PourStone, "9,534.0"},   {F::PourLooseStone, "6.36"},
        {F::PourAdmixture, "6.2"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Shown(sheet, row.figure), row.shown) << RowOf(row.figure).Key;
}

// The rows stand in the order the parts show them, and each part's JSON keys
// are those the command line has always written.
TEST(SiteSheet, JsonKeysOfEveryPart) {
    const std::string json = SiteSheetJson(
        ComputeSiteSheet(BasisOfInput(testing::WorkedDesign()), DefaultSiteSettings(), {}));
    std::string keys;
    for (std::size_t at = json.find('"'); at != std::string::npos;
         at = json.find('"', json.find('"', at + 1) + 1)) {
        const std::size_t end = json.find('"', at + 1);
        keys.append(json, at + 1, end - at - 1).append(" ");
    }
    EXPECT_EQ(keys,
              "per_bag cement_kg water_l sand_kg stone_kg admixture_cc concrete_m3 sand_loose_l "
              "stone_loose_l sand_buckets stone_buckets pour order_volume_m3 cement_kg "
              "cement_bags water_l sand_kg sand_loose_m3 stone_kg stone_loose_m3 admixture_l cost "
              "cement sand stone admixture total per_m3 ");
}

// The sheet is headed by what the engineer asked for, not the strength the
// method aims at: a 200 ksc cylinder is produced at 300 ksc.
TEST(SiteSheet, HeadedByTheRequiredStrength) {
    MixInput input = testing::WorkedDesign();
    input.RequiredStrength = "200";
    input.Shape = SpecimenShape::Cylinder;
    const std::vector<std::string> lines = SourceOf(input).DesignLines;
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "กำลังอัดที่ต้องการ=200  กก./ตร.ซม.");
    // The stone as a site orders it, without the account's unit.
    EXPECT_EQ(lines[2], "ขนาดหิน= 3/4 นิ้ว -  #4");
}

// A setting out of its range names itself and its range, and holds back only
// the figures that need it.
TEST(SiteSheet, EveryOutOfRangeSetting) {
    const struct {
        SiteSetting setting;
        const char* text;
        std::string message;
        bool perBagWaits, bagsWait, costWaits;
    } rows[] = {
        {S::Volume, "0", "ปริมาตรคอนกรีตที่จะเท (ลบ.ม.) ต้องมากกว่า 0 และไม่เกิน 10000", false, true, true},
        {S::Volume, "10001", "ปริมาตรคอนกรีตที่จะเท (ลบ.ม.) ต้องมากกว่า 0 และไม่เกิน 10000", false, true,
         true},
        {S::Waste, "101", "เผื่อสูญเสีย (%) ต้องเป็นตัวเลขตั้งแต่ 0 ถึง 100", false, true, true},
        {S::Bag, "0.5", "น้ำหนักปูนซีเมนต์ต่อถุง (กก.) ต้องเป็นตัวเลขตั้งแต่ 1 ถึง 100", true, true, true},
        {S::Bag, "", "น้ำหนักปูนซีเมนต์ต่อถุง (กก.) ต้องเป็นตัวเลขตั้งแต่ 1 ถึง 100", true, true, true},
        {S::SandDensity, "abc",
         "หน่วยน้ำหนักทรายชื้นแบบหลวม ตามสภาพหน้างาน (กก./ลบ.ม.) ต้องเป็นตัวเลขตั้งแต่ 500 ถึง 3000", false,
         false, true},
        {S::StoneDensity, "3001", "หน่วยน้ำหนักหินแบบหลวม (กก./ลบ.ม.) ต้องเป็นตัวเลขตั้งแต่ 500 ถึง 3000",
         false, false, true},
        {S::Bucket, "0", "ความจุปุ้งกี๋/ถังตวง (ลิตร) ต้องเป็นตัวเลขตั้งแต่ 1 ถึง 1000", false, false, false},
        {S::PriceCement, "-1", "ราคาปูนซีเมนต์ (บาท/ถุง) ต้องเป็นตัวเลขตั้งแต่ 0 ขึ้นไป", false, false, true},
        {S::PriceSand, "1,00", "ราคาทราย (บาท/ลบ.ม.) ต้องเป็นตัวเลขตั้งแต่ 0 ขึ้นไป", false, false, true},
        {S::PriceStone, "x", "ราคาหิน (บาท/ลบ.ม.) ต้องเป็นตัวเลขตั้งแต่ 0 ขึ้นไป", false, false, true},
        {S::PriceAdmixture, "-0.5", "ราคาน้ำยาผสมคอนกรีต (บาท/ลิตร) ต้องเป็นตัวเลขตั้งแต่ 0 ขึ้นไป", false,
         false, true},
    };
    const SiteSheetSource source = SourceOf(testing::WorkedDesignWithAdmixture());
    const SiteBasis& basis = source.Basis;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message + " <- \"" + row.text + "\"");
        SiteSettings settings = With({{S::PriceCement, "145"}, {S::Bucket, "18"}});
        settings[static_cast<std::size_t>(row.setting)] = row.text;
        const SiteSheet sheet = ComputeSiteSheet(basis, settings, {});
        ASSERT_EQ(sheet.OutOfRange, std::vector<SiteSetting>{row.setting});
        EXPECT_EQ(RangeMessage(row.setting), row.message);
        EXPECT_EQ(SiteSheetPartTexts(sheet, source).Foot, row.message);
        EXPECT_EQ(Waits(sheet[F::BagWater]), row.perBagWaits);
        EXPECT_EQ(Waits(sheet[F::PourBags]), row.bagsWait);
        EXPECT_EQ(Waits(sheet[F::CostTotal]), row.costWaits);
        EXPECT_EQ(Waits(sheet[F::BagSandBuckets]),
                  row.perBagWaits || row.setting == S::SandDensity || row.setting == S::Bucket);
    }
}

// Each setting takes its own maximum. At them all, the worked design's
// 310 kg of cement a metre over 10,000 m3 with 100 % waste (20,000 m3)
// fills 6,200,000 / 100 = 62000 bags of 100 kg, counted as the sheet
// counts bags, without groups.
TEST(SiteSheet, EachSettingTakesItsOwnMaximum) {
    const std::pair<SiteSetting, const char*> kMaxima[] = {
        {S::Volume, "10000"},     {S::Waste, "100"},         {S::Bag, "100"},
        {S::SandDensity, "3000"}, {S::StoneDensity, "3000"}, {S::Bucket, "1000"},
    };
    const SiteBasis basis = BasisOfInput(testing::WorkedDesign());
    SiteSettings all = DefaultSiteSettings();
    for (const auto& [setting, text] : kMaxima) {
        SCOPED_TRACE(text);
        EXPECT_TRUE(ComputeSiteSheet(basis, With({{setting, text}}), {}).OutOfRange.empty());
        all[static_cast<std::size_t>(setting)] = text;
    }
    const SiteSheet sheet = ComputeSiteSheet(basis, all, {});
    EXPECT_EQ(Shown(sheet, F::OrderVolume), "20,000.00");
    EXPECT_EQ(Shown(sheet, F::PourBags), "62000");
}

TEST(SiteSheet, MissingPricesAreLeftOutOfTheTotal) {
    const SiteSheetSource source = SourceOf(testing::WorkedDesignWithAdmixture());
    const SiteBasis& basis = source.Basis;
    const SiteSheet none = ComputeSiteSheet(basis, DefaultSiteSettings(), {});
    EXPECT_FALSE(ValueOf(none[F::CostTotal]) || Waits(none[F::CostTotal]));
    // A price beyond any total a double holds gives "–", never a crash.
    const SiteSheet huge = ComputeSiteSheet(basis, With({{S::PriceCement, "1e308"}}), {});
    EXPECT_TRUE(Waits(huge[F::CostCement]));
    EXPECT_NE(SiteSheetPlainText(huge, source, DefaultSiteSettings()).find("ปูนซีเมนต์  –"),
              std::string::npos);
    const SiteSheet some = ComputeSiteSheet(basis, With({{S::PriceStone, "500"}}), {});
    EXPECT_EQ(some.PricesLeftOut,
              (std::vector<SiteSetting>{S::PriceCement, S::PriceSand, S::PriceAdmixture}));
    EXPECT_NE(SiteSheetPartTexts(some, source)
                  .Cost.find("รวม (ไม่รวม ปูนซีเมนต์, ทราย, น้ำยาผสมคอนกรีต)  378.33 บาท"),
              std::string::npos);
}

// Without admixture the sheet has no admixture rows, no dosage row and no
// note that its price was left out; the design line still says there is none.
TEST(SiteSheet, WithoutAdmixtureNoAdmixtureRows) {
    const SiteSheetSource source = SourceOf(testing::WorkedDesign());
    const SiteSheet sheet = ComputeSiteSheet(source.Basis, With({{S::PriceStone, "500"}}), {});
    EXPECT_EQ(sheet.PricesLeftOut, (std::vector<SiteSetting>{S::PriceCement, S::PriceSand}));
    const std::string text = SiteSheetPlainText(sheet, source, DefaultSiteSettings());
    EXPECT_NE(text.find("\nไม่ใส่น้ำยาผสมคอนกรีต\n"), std::string::npos);
    EXPECT_EQ(text.find("\nน้ำยาผสมคอนกรีต"), std::string::npos) << text;
    EXPECT_EQ(text.find("ปริมาณน้ำยา"), std::string::npos);
    EXPECT_NE(text.find("\nรวม (ไม่รวม ปูนซีเมนต์, ทราย)  370.00 บาท\n"), std::string::npos);
}

// A face whose line (ascent, marks and descent) is 1.3 times its size in
// height, as the Thai faces' are, taller than the report's 300 twips per 16
// points: each figure's line stands wholly between the rules of its row.
TEST(SiteSheet, EveryRowsTextStandsBetweenItsRules) {
    const auto lineHeight = [](double points) { return static_cast<int>(points * 26); };
    const PageFace tall{[](std::string_view text, bool, double points) {
                            return static_cast<int>(text.size() * points * 4);
                        },
                        lineHeight};
    const SiteSheetSource source = SourceOf(testing::WorkedDesignWithAdmixture());
    const SiteSheet sheet = ComputeSiteSheet(source.Basis, DefaultSiteSettings(), {});
    const PrintedPage page = SiteSheetPage(sheet, source, DefaultSiteSettings(), tall);
    std::vector<int> across;  // the tops of the rules across the page
    for (const PageRule& rule : page.Rules)
        if (rule.Y1 == rule.Y2) across.push_back(rule.Y1);
    std::sort(across.begin(), across.end());
    std::size_t checked = 0;
    for (const ReportLine& line : page.Lines) {
        const auto below = std::upper_bound(across.begin(), across.end(), line.Y);
        if (below == across.begin() || below == across.end()) continue;        // not in a table
        if (*below - *(below - 1) > 2 * lineHeight(page.PointSize)) continue;  // between tables
        EXPECT_GE(line.Y, *(below - 1)) << line.Text;
        EXPECT_LE(line.Y + lineHeight(page.PointSize), *below) << line.Text;
        ++checked;
    }
    EXPECT_GT(checked, 20u);
}

}  // namespace
}  // namespace krv1::presentation
