// The site's materials as typed: what each box takes and refuses, and the
// report's lines of the worked design with the site's materials.
#include "presentation/site_materials.h"

#include <gtest/gtest.h>

#include "tests/support/worked_designs.h"

namespace krv1::presentation {
namespace {

using B = MaterialBox;

MaterialTexts Typed(std::initializer_list<std::pair<B, const char*>> boxes,
                    CementKind cement = CementKind::Portland) {
    MaterialTexts texts;
    texts.Cement = cement;
    for (const auto& [box, text] : boxes) texts.Boxes[static_cast<std::size_t>(box)] = text;
    return texts;
}

TEST(SiteMaterials, EachBoxTakesItsRangeAndRefusesTheRest) {
    const struct {
        B box;
        const char* text;
        const char* refused;  // null: taken
    } rows[] = {
        {B::CementGravity, "2.50", nullptr},
        {B::CementGravity, "3.30", nullptr},
        {B::CementGravity, "2.49", "ความถ่วงจำเพาะของปูนซีเมนต์ต้องอยู่ระหว่าง 2.50 ถึง 3.30"},
        {B::CementGravity, "3.31", "ความถ่วงจำเพาะของปูนซีเมนต์ต้องอยู่ระหว่าง 2.50 ถึง 3.30"},
        {B::SandGravity, "2.30", nullptr},
        {B::SandGravity, "2.9", nullptr},
        {B::SandGravity, "2,6", "ความถ่วงจำเพาะของทรายต้องอยู่ระหว่าง 2.30 ถึง 2.90"},
        {B::SandAbsorption, "0", nullptr},
        {B::SandAbsorption, "5", nullptr},
        {B::SandAbsorption, "-0.1", "ค่าการดูดซึมน้ำของทรายต้องอยู่ระหว่าง 0 ถึง 5 %"},
        {B::StoneGravity, "3.00", nullptr},
        {B::StoneGravity, "2.29", "ความถ่วงจำเพาะของหินต้องอยู่ระหว่าง 2.30 ถึง 3.00"},
        {B::StoneAbsorption, "5", nullptr},
        {B::StoneAbsorption, "สูง", "ค่าการดูดซึมน้ำของหินต้องอยู่ระหว่าง 0 ถึง 5 %"},
        {B::StoneMoisture, "10.1", "ความชื้นของหินต้องอยู่ระหว่าง 0 ถึง 10 %"},
        {B::StoneMoisture, "2", "กรุณาระบุค่าการดูดซึมน้ำของหินเมื่อระบุความชื้นของหิน"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const MaterialsReading read = ReadMaterials(Typed({{row.box, row.text}}), {});
        const auto* refusal = std::get_if<MaterialsRefusal>(&read);
        if (!row.refused) {
            EXPECT_EQ(refusal, nullptr) << refusal->Message;
            continue;
        }
        ASSERT_NE(refusal, nullptr);
        EXPECT_EQ(refusal->Message, row.refused);
        // The moisture without its absorption is the absorption's to mend.
        EXPECT_EQ(refusal->Box, row.box == B::StoneMoisture && std::string(row.text) == "2"
                                    ? B::StoneAbsorption
                                    : row.box);
    }
}

// Empty boxes, and the method's values typed out, are the method's own; the
// stone's absorption alone corrects nothing.
TEST(SiteMaterials, TheMethodsValuesAreTheDefaults) {
    for (const MaterialTexts& texts : {Typed({}), Typed({{B::CementGravity, "3.15"},
                                                         {B::SandGravity, "2.65"},
                                                         {B::SandAbsorption, "0.7"},
                                                         {B::StoneGravity, "2.70"},
                                                         {B::StoneAbsorption, "0.6"}})}) {
        const MaterialsReading read = ReadMaterials(texts, {});
        ASSERT_TRUE(std::holds_alternative<Materials>(read));
        EXPECT_EQ(std::get<Materials>(read), Materials{});
        EXPECT_FALSE(DiffersFromTheMethod(texts, std::get<Materials>(read)));
        EXPECT_TRUE(MaterialNotes(texts).empty());
    }
}

// The worked design with the site's materials, its figures worked by hand
// in tests/engine/materials_test.cpp: the stone brings 1100 x 1.4 / 100 =
// 15.4 l and is weighed wet at 1115.4 kg. Typed with a comma, as a design
// with comma separators writes them.
TEST(SiteMaterials, TheReportSaysWhichMaterialsAndTheStonesWater) {
    const NumberLocale comma{",", "."};
    const MaterialTexts texts = Typed({{B::CementGravity, "3,05"},
                                       {B::SandGravity, "2,62"},
                                       {B::SandAbsorption, "1,2"},
                                       {B::StoneGravity, "2,68"},
                                       {B::StoneAbsorption, "0,6"},
                                       {B::StoneMoisture, "2,0"}},
                                      CementKind::Hydraulic);
    const MaterialsReading read = ReadMaterials(texts, comma);
    ASSERT_TRUE(std::holds_alternative<Materials>(read));
    const Materials& materials = std::get<Materials>(read);
    EXPECT_EQ(materials.CementGravity, 3.05);
    ASSERT_TRUE(materials.Stone);
    EXPECT_EQ(*materials.Stone, (StoneWater{2.0, 0.6}));

    MixInput input = testing::WorkedDesign();
    const CalculationResult result = CalculateMix(input, MixState{}, {}, materials);
    ASSERT_NE(DesignOf(result), nullptr);
    EXPECT_EQ(
        MaterialsReportLines(texts, materials, *DesignOf(result), comma),
        (std::vector<std::string>{
            "วัสดุ: ปูนซีเมนต์ไฮดรอลิก (มอก. 2594) ถ.พ.=3,05, ทราย ถ.พ.=2,62 ดูดซึม=1,2%, หิน ถ.พ.=2,68",
            "หินมีความชื้น=2,0% ค่าการดูดซึม=0,6% มีน้ำมากไป=15,4  กิโลกรัม ชั่งหิน=1115,4  กิโลกรัม"}));
    EXPECT_EQ(MaterialNotes(texts),
              (std::vector<std::string>{"เส้นความสัมพันธ์ W/C กับกำลังอัดของวิธีนี้มาจากปูนซีเมนต์ปอร์ตแลนด์ "
                                        "ควรยืนยันด้วยการผสมทดลอง"}));
    // Portland cement of its own gravity: the materials line names the
    // method's other values as they stand.
    const MaterialTexts gravityOnly = Typed({{B::CementGravity, "3.10"}});
    const Materials portland = std::get<Materials>(ReadMaterials(gravityOnly, {}));
    const CalculationResult dry = CalculateMix(input, MixState{}, {}, portland);
    ASSERT_NE(DesignOf(dry), nullptr);
    EXPECT_EQ(MaterialsReportLines(gravityOnly, portland, *DesignOf(dry), {}),
              (std::vector<std::string>{"วัสดุ: ปูนซีเมนต์ปอร์ตแลนด์ประเภท 1 (มอก. 15) ถ.พ.=3.10, ทราย "
                                        "ถ.พ.=2.65 ดูดซึม=0.7%, หิน ถ.พ.=2.70"}));
}

}  // namespace
}  // namespace krv1::presentation
