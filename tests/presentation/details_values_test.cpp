#include "presentation/details_values.h"

#include <gtest/gtest.h>

#include "engine/calculation.h"
#include "tests/support/worked_designs.h"

namespace krv1::presentation {
namespace {

using krv1::testing::WorkedDesign;
using V = DetailsValue;

DetailsTexts AccountOf(const MixInput& input) {
    const CalculationResult result = CalculateMix(input, {});
    EXPECT_NE(DesignOf(result), nullptr);
    return DetailsValueTexts(input, DesignOf(result) ? *DesignOf(result) : MixDesign{}, {});
}

TEST(DetailsValues, WorkedExampleAllThirtyNineInOrder) {
    const DetailsTexts values = AccountOf(WorkedDesign());
    const auto& kPanels = krv1::testing::kWorkedDesignPanelTexts;
    const char* const expected[] = {
        "240  กก./ตร.ซม.",
        "300  กก./ตร.ซม.",
        " 7.5 (บวก,ลบ)2.5    ซม.",
        " 3/4 นิ้ว -  #4  ซม.",
        "ไม่ใส่น้ำยาผสมคอนกรีต",
        "ไม่ใส่น้ำยาผสมคอนกรีต=",
        "190  ลิตร/ลบ.ม. คอนกรีต",
        "0.61",
        "311  กก.",
        "99  ลิตร",
        " 3/4 นิ้ว -  #4  ซม.",
        "400  ลิตร",
        "301  ลิตร",
        "798  กก.",
        "410  ลิตร",
        "1107  กก.",
        "0  ซีซี",
        "311  กิโลกรัม",
        "190  ลิตร",
        "798  กิโลกรัม",
        "1107  กิโลกรัม",
        "0  ซีซี",
        // 23 to 32: the two result panels
        kPanels[0],
        kPanels[1],
        kPanels[2],
        kPanels[3],
        kPanels[4],
        kPanels[5],
        kPanels[6],
        kPanels[7],
        kPanels[8],
        kPanels[9],
        "5%",
        "0.7 %",
        "4.3%",
        "800       กิโลกรัม",
        "34.4  กิโลกรัม",
        "834.4  กิโลกรัม",
        "155.6  ลิตร",
    };
    ASSERT_EQ(std::size(expected), values.inOrder().size());
    for (std::size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(values.inOrder()[i], expected[i]) << "step " << i + 1;
}

TEST(DetailsValues, WorkedExampleWithAdmixture) {
    const MixInput input = krv1::testing::WorkedDesignWithAdmixture();
    const DetailsTexts values = AccountOf(input);
    EXPECT_EQ(values[V::Admixture], "ใส่น้ำยาผสมคอนกรีต");
    EXPECT_EQ(values[V::WaterCondition], "ใส่น้ำยาผสมคอนกรีต=");
    EXPECT_EQ(values[V::MixingWater], "180  ลิตร/ลบ.ม. คอนกรีต");
    EXPECT_EQ(values[V::CementWeight], "295  กก.");
    EXPECT_EQ(values[V::CementVolume], "94  ลิตร");
    EXPECT_EQ(values[V::SandVolume], "306  ลิตร");
    EXPECT_EQ(values[V::SandWeight], "811  กก.");
    EXPECT_EQ(values[V::StoneVolume], "420  ลิตร");
    EXPECT_EQ(values[V::StoneWeight], "1134  กก.");
    EXPECT_EQ(values[V::AdmixtureAmount], "738  ซีซี");
    EXPECT_EQ(values[V::UnroundedAdmixture], "738  ซีซี");
    EXPECT_EQ(values[V::BatchedSand], "810       กิโลกรัม");
    EXPECT_EQ(values[V::ExcessWater], "34.83  กิโลกรัม");
    EXPECT_EQ(values[V::WetSand], "844.83  กิโลกรัม");
    EXPECT_EQ(values[V::TotalWater], "145.17  ลิตร");
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
        const DetailsTexts values = AccountOf(input);
        EXPECT_EQ(values[V::SandMoisture], std::string(row.moisture) + "%");
        EXPECT_EQ(values[V::SurfaceMoisture], row.surface);
        EXPECT_EQ(values[V::ExcessWater], row.excess);
    }
}

TEST(DetailsValues, TypedTextsKeepTheirBlanks) {
    MixInput input = WorkedDesign();
    input.RequiredStrength = " 240";
    input.Stone = StoneChoice::OneInch;
    const DetailsTexts values = AccountOf(input);
    EXPECT_EQ(values[V::RequiredStrength], " 240  กก./ตร.ซม.");
    EXPECT_EQ(values[V::TargetStrength], "300  กก./ตร.ซม.");
    EXPECT_EQ(values[V::StoneSize], " 1นิ้ว -  #4  ซม.");
    EXPECT_EQ(values[V::StepStoneSize], " 1นิ้ว -  #4  ซม.");
}

}  // namespace
}  // namespace krv1::presentation
