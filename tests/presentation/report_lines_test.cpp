#include "presentation/report_lines.h"

#include <gtest/gtest.h>

#include "engine/calculation.h"
#include "tests/support/worked_designs.h"

namespace krv1::presentation {
namespace {

// The whole page of the worked design, line by line, as it must be printed.
const ReportLine kWorkedDesignPage[] = {
    {3900, 800, true, " รายการคำนวณ ออกแบบอัตราส่วนผสมคอนกรีต "},
    {1000, 1400, false, " วิศวกร : สมชาย ใจดี"},
    {900, 1800, false, "กำลังอัดที่ต้องการ=240  กก./ตร.ซม."},
    {900, 2100, false,
     "กำลังอัดที่ต้องผลิต                            (กำลังอัดที่ต้องการ+ส่วนเผื่อหรือmargin(60 กก./ตร.ซม.))=300  "
     "กก./ตร.ซม."},
    {900, 2400, false, "ค่ายุบตัว= 7.5 (บวก,ลบ)2.5    ซม."},
    {900, 2700, false, "ขนาดหิน= 3/4 นิ้ว -  #4  ซม."},
    {1300, 3000, false, ".....รายละเอียดการคำนวณที่ยังไม่ได้ปรับสภาพหินทราย....."},
    {1300, 3300, false, "1. ปริมาณน้ำที่ใช้เมื่อไม่ใส่น้ำยาผสมคอนกรีต=190  ลิตร/ลบ.ม. คอนกรีต"},
    {1300, 3600, false, "2. W/C=0.61"},
    {1300, 3900, false, "3. จาก1และ2 ได้น้ำหนักซีเมนต์=311  กก."},
    {1300, 4200, false, "4. ปริมาตรซีเมนต์=น้ำหนักซีเมนต์/ถ.พ. ของซีเมนต์=99  ลิตร"},
    {1300, 4500, false, "5. เนื่องจากที่หินใช้ขนาด 3/4 นิ้ว -  #4  ซม."},
    {1400, 4800, false, "จะได้ปริมาตรซีเมนต์+ทราย 400  ลิตร"},
    {1400, 5100, false, "ดังนั้นปริมาตรทราย=301  ลิตร"},
    {1300, 5400, false, "6.น้ำหนักทราย=(ปริมาตรทราย*ถ.พ.ทราย)=798  กก."},
    {1300, 5700, false, "7.ปริมาตรหิน=(1000-ปริมาตรซีเมนต์-ปริมาตรทราย   -ปริมาตรน้ำ)=410  ลิตร"},
    {1300, 6000, false, "8.น้ำหนักหิน=(ปริมาตรหิน*ถ.พ.หิน)=1107  กก."},
    {1300, 6300, false, "9.ปริมาณน้ำยาที่ใช้=น้ำหนักซีเมนต์*ปริมาณที่ใช้=0  ซีซี"},
    {1300, 6600, false, ".....ส่วนผสมที่ยังไม่ได้ปรับความละเอียด ใน 1 ลบ.ม. ....."},
    {1300, 6900, false, "ซีเมนต์=311  กิโลกรัม"},
    {1300, 7200, false, "น้ำ=190  ลิตร"},
    {1300, 7500, false, "ทราย=798  กิโลกรัม"},
    {1300, 7800, false, "หิน=1107  กิโลกรัม"},
    {1300, 8100, false, "น้ำยาผสมคอนกรีต=0  ซีซี"},
    {1300, 8400, false, ".....ส่วนผสมที่ปรับความละเอียดแล้ว ใน 1 ลบ.ม. ....."},
    {1300, 8700, false, "ซีเมนต์=310      กิโลกรัม"},
    {1300, 9000, false, "น้ำ=190     ลิตร"},
    {1300, 9300, false, "ทราย=800       กิโลกรัม"},
    {1300, 9600, false, "หิน=1110       กิโลกรัม"},
    {1300, 9900, false, "น้ำยาผสมคอนกรีต=0     ซีซี"},
    {1300, 10200, false, ".....รายละเอียดการคำนวณที่ปรับสภาพหินทรายแล้ว ใน 1 ลบ.ม. ....."},
    {1300, 10500, false, "1.เนื่องจากกำหนดทรายมีความชื้น=5%"},
    {1300, 10800, false, "2.และทรายมีค่าการดูดซึม=0.7 %"},
    {1300, 11100, false, "3.ดังนั้นความชื้นผิว=(1)-(2)=4.3%"},
    {1300, 11400, false, "4.นั่นคือทราย 800       กิโลกรัม"},
    {1300, 11700, false, "มีน้ำมากไป=34.4  กิโลกรัม"},
    {1300, 12000, false, "5.ดังนั่นจะต้องชั่งทรายเพิ่มขึ้น=834.4  กิโลกรัม"},
    {1300, 12300, false, "6.ฉนั้นจะต้องใส่น้ำในส่วนผสมทั้งสิ้น=155.6  ลิตร"},
    {1300, 12600, true, "***** ส่วนผสมที่ปรับสภาพหินทรายแล้ว ใน 1 ลบ.ม.*****"},
    {1300, 12900, true, "ซีเมนต์=310      กิโลกรัม"},
    {1300, 13200, true, "น้ำ=155     ลิตร"},
    {1300, 13500, true, "ทราย=835      กิโลกรัม"},
    {1300, 13800, true, "หิน=1110       กิโลกรัม"},
    {1300, 14100, true, "น้ำยาผสมคอนกรีต=0     ซีซี"},
    // The page's own: the day at the right of the project's row, the
    // specimen right of line 3, then the two signatures on the last row.
    {11000, 1100, false, "วันที่ 9 ธันวาคม 2569", true},
    {5400, 1800, false, "ตัวอย่างทดสอบ: ลูกบาศก์ 15 ซม."},
    {1300, 15600, false, "ลงชื่อ ............................................ ผู้ออกแบบ"},
    {6600, 15600, false, "ลงชื่อ ............................................ ผู้ตรวจสอบ"},
};

const CalendarDate kNinthOfDecember{2026, 12, 9};

DetailsTexts AccountOf(const MixInput& input) {
    const CalculationResult result = CalculateMix(input, {});
    EXPECT_NE(DesignOf(result), nullptr);
    return DetailsValueTexts(input, DesignOf(result) ? *DesignOf(result) : MixDesign{}, {});
}

TEST(ReportLines, WorkedDesignPage) {
    const std::vector<ReportLine> lines =
        ReportLines(AccountOf(krv1::testing::WorkedDesign()), {"สมชาย ใจดี", "", kNinthOfDecember});
    ASSERT_EQ(lines.size(), std::size(kWorkedDesignPage));
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], kWorkedDesignPage[i]) << "line " << i + 1 << ": " << lines[i].Text;
}

TEST(ReportLines, TheNameIsWrittenAsTypedAndAnUnfilledAccountLeavesOnlyTheCaptions) {
    const std::vector<ReportLine> lines = ReportLines(DetailsTexts{}, {"  วิภา ", "", {}});
    EXPECT_EQ(lines[1].Text, " วิศวกร :   วิภา ");
    EXPECT_EQ(lines[2].Text, "กำลังอัดที่ต้องการ=");
    EXPECT_EQ(lines[12].Text, "จะได้ปริมาตรซีเมนต์+ทราย ");
}

// A cylinder design with admixture for a named project: the account's 44
// lines stay as they are; after them the cube basis (280 / 0.833 = 336.13),
// and the page names the project, the specimen and the dosage as typed.
TEST(ReportLines, CylinderDesignWithAdmixtureForAProject) {
    MixInput input = krv1::testing::WorkedDesignWithAdmixture();
    input.RequiredStrength = "280";
    input.Shape = SpecimenShape::Cylinder;
    const std::vector<ReportLine> lines =
        ReportLines(AccountOf(input), {"สมชาย", "บ้านคุณสมศรี ซอย 5", {2025, 1, 31}});
    const ReportLine expected[] = {
        {1300, 14400, false, "แปลงเป็นกำลังอัดลูกบาศก์ = 280 / 0.833 = 336.1  กก./ตร.ซม."},
        {1000, 1100, false, "โครงการ: บ้านคุณสมศรี ซอย 5"},
        {11000, 1100, false, "วันที่ 31 มกราคม 2568", true},
        {5400, 1800, false, "ตัวอย่างทดสอบ: ทรงกระบอก 15x30 ซม."},
        {5400, 2400, false, "ปริมาณน้ำยาผสมคอนกรีต 250 ซีซี ต่อปูนซีเมนต์ 100 กก."},
        {1300, 15600, false, "ลงชื่อ ............................................ ผู้ออกแบบ"},
        {6600, 15600, false, "ลงชื่อ ............................................ ผู้ตรวจสอบ"},
    };
    ASSERT_EQ(lines.size(), kReportLines + std::size(expected));
    EXPECT_EQ(lines[2].Text, "กำลังอัดที่ต้องการ=280  กก./ตร.ซม.");
    for (std::size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(lines[kReportLines + i], expected[i]) << lines[kReportLines + i].Text;
    EXPECT_EQ(ReportAccountLines(AccountOf(input)), kReportLines + 1);
}

// Line 45 gives the records' deviation on the specimen they were tested on,
// and says which: 51.75 on cylinders is 51.75 / 0.833 = 62.12 on cubes.
TEST(ReportLines, TheMarginsLineNamesTheSpecimenOfItsDeviation) {
    const struct {
        SpecimenShape specimen;
        const char* line;
    } rows[] = {
        {SpecimenShape::Cube,
         "ส่วนเผื่อจากผลทดสอบ 15 ชุด ส่วนเบี่ยงเบนมาตรฐาน 62.1 กก./ตร.ซม. (ตัวอย่างลูกบาศก์ 15 ซม.)"},
        {SpecimenShape::Cylinder,
         "ส่วนเผื่อจากผลทดสอบ 15 ชุด ส่วนเบี่ยงเบนมาตรฐาน 51.8 กก./ตร.ซม. (ตัวอย่างทรงกระบอก 15x30 ซม.)"},
    };
    for (const auto& row : rows) {
        MixInput input = krv1::testing::WorkedDesign();
        input.Margin = EarnedMargin{125.9, 15, 51.75, row.specimen};
        const std::vector<ReportLine> lines = ReportLines(AccountOf(input), {});
        EXPECT_EQ(lines[kReportLines], (ReportLine{1300, 14400, false, row.line}));
        EXPECT_EQ(MarginNotice(input, {}), "ใช้ส่วนเผื่อจากผลทดสอบ 125.9 กก./ตร.ซม. แทน 60");
    }
    EXPECT_EQ(MarginNotice(krv1::testing::WorkedDesign(), {}), "");
}

}  // namespace
}  // namespace krv1::presentation
