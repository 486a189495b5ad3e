#include "forms/details/details_values.h"

#include <gtest/gtest.h>

#include <map>

#include "engine/calculation.h"
#include "forms/main/result_texts.h"
#include "tests/engine/mix_inputs.h"
#include "text/mix_choices.h"

namespace krv1::forms {
namespace {

using krv1::testing::WorkedDesign;

// The record a successful calculation leaves, with the main window's texts.
CalculationRecord RecordOf(const MixInput& input) {
    const CalculationResult result = CalculateMix(input, {});
    EXPECT_TRUE(result.ok());
    const ResultTexts texts = ResultLabelTexts(*result.Design, {});
    CalculationRecord record{input, result.Design->State, {}};
    for (int i = 0; i < 5; ++i) {
        record.ResultTexts[i] = texts.Unadjusted[i];
        record.ResultTexts[i + 5] = texts.Adjusted[i];
    }
    return record;
}

std::map<std::string, std::string> ValuesOf(const CalculationRecord& record) {
    std::map<std::string, std::string> values;
    for (const ValueText& value : DetailsValueTexts(record, {})) values[value.Label] = value.Text;
    return values;
}

TEST(DetailsValues, WorkedExampleAllThirtyNineInOrder) {
    const std::vector<ValueText> values = DetailsValueTexts(RecordOf(WorkedDesign()), {});
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Label3", "240  กก./ตร.ซม."},
        {"Label5", "300  กก./ตร.ซม."},
        {"Label7", " 7.5 (บวก,ลบ)2.5    ซม."},
        {"Label11", " 3/4 นิ้ว -  #4  ซม."},
        {"Label12", "ไม่ใส่น้ำยาผสมคอนกรีต"},
        {"Label77", "ไม่ใส่น้ำยาผสมคอนกรีต="},
        {"Label9", "190  ลิตร/ลบ.ม. คอนกรีต"},
        {"Label14", "0.61"},
        {"Label16", "311  กก."},
        {"Label18", "99  ลิตร"},
        {"Label20", " 3/4 นิ้ว -  #4  ซม."},
        {"Label22", "400  ลิตร"},
        {"Label24", "301  ลิตร"},
        {"Label26", "798  กก."},
        {"Label28", "410  ลิตร"},
        {"Label30", "1107  กก."},
        {"Label32", "0  ซีซี"},
        {"Label38", "311  กิโลกรัม"},
        {"Label39", "190  ลิตร"},
        {"Label40", "798  กิโลกรัม"},
        {"Label41", "1107  กิโลกรัม"},
        {"Label42", "0  ซีซี"},
        {"Label47", "310      กิโลกรัม"},
        {"Label46", "190     ลิตร"},
        {"Label45", "800       กิโลกรัม"},
        {"Label44", "1110       กิโลกรัม"},
        {"Label43", "0     ซีซี"},
        {"Label72", "310      กิโลกรัม"},
        {"Label73", "155     ลิตร"},
        {"Label74", "835      กิโลกรัม"},
        {"Label75", "1110       กิโลกรัม"},
        {"Label76", "0     ซีซี"},
        {"Label61", "5%"},
        {"Label62", "0.7 %"},
        {"Label63", "4.3%"},
        {"Label57", "800       กิโลกรัม"},
        {"Label64", "34.4  กิโลกรัม"},
        {"Label65", "834.4  กิโลกรัม"},
        {"Label66", "155.6  ลิตร"},
    };
    ASSERT_EQ(values.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(values[i].Label, expected[i].first) << "step " << i + 1;
        EXPECT_EQ(values[i].Text, expected[i].second) << "step " << i + 1;
    }
}

TEST(DetailsValues, WorkedExampleWithAdmixture) {
    const MixInput input = krv1::testing::WorkedDesignWithAdmixture();
    auto values = ValuesOf(RecordOf(input));
    EXPECT_EQ(values["Label12"], "ใส่น้ำยาผสมคอนกรีต");
    EXPECT_EQ(values["Label77"], "ใส่น้ำยาผสมคอนกรีต=");
    EXPECT_EQ(values["Label9"], "180  ลิตร/ลบ.ม. คอนกรีต");
    EXPECT_EQ(values["Label16"], "295  กก.");
    EXPECT_EQ(values["Label18"], "94  ลิตร");
    EXPECT_EQ(values["Label24"], "306  ลิตร");
    EXPECT_EQ(values["Label26"], "811  กก.");
    EXPECT_EQ(values["Label28"], "420  ลิตร");
    EXPECT_EQ(values["Label30"], "1134  กก.");
    EXPECT_EQ(values["Label32"], "738  ซีซี");
    EXPECT_EQ(values["Label42"], "738  ซีซี");
    EXPECT_EQ(values["Label57"], "810       กิโลกรัม");
    EXPECT_EQ(values["Label64"], "34.83  กิโลกรัม");
    EXPECT_EQ(values["Label65"], "844.83  กิโลกรัม");
    EXPECT_EQ(values["Label66"], "145.17  ลิตร");
}

TEST(DetailsValues, MoistureVariants) {
    const struct {
        const char* moisture;
        const char* surface;
        const char* excess;
    } rows[] = {{"0.5", "-0.2%", "-1.6  กิโลกรัม"},
                {"0.7", "0%", "0  กิโลกรัม"},
                {"3", "2.3%", "18.4  กิโลกรัม"},
                {"0", "-0.7%", "-5.6  กิโลกรัม"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.moisture);
        MixInput input = WorkedDesign();
        input.SandMoistureText = row.moisture;
        auto values = ValuesOf(RecordOf(input));
        EXPECT_EQ(values["Label61"], std::string(row.moisture) + "%");
        EXPECT_EQ(values["Label63"], row.surface);
        EXPECT_EQ(values["Label64"], row.excess);
    }
}

TEST(DetailsValues, TypedTextsKeepTheirBlanks) {
    MixInput input = WorkedDesign();
    input.RequiredStrength = " 240";
    input.AggregateText = std::string(text::kStone1Inch);
    auto values = ValuesOf(RecordOf(input));
    EXPECT_EQ(values["Label3"], " 240  กก./ตร.ซม.");
    EXPECT_EQ(values["Label5"], "300  กก./ตร.ซม.");
    EXPECT_EQ(values["Label11"], " 1นิ้ว -  #4  ซม.");
    EXPECT_EQ(values["Label20"], " 1นิ้ว -  #4  ซม.");
}

}  // namespace
}  // namespace krv1::forms
