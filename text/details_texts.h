// Captions of the details window: the numbered account of a calculation.
#pragma once

#include <string_view>

namespace krv1::text::details {

inline constexpr std::string_view kTitle = "รายละเอียดการคำนวณ";
inline constexpr std::string_view kStepsBeforeCorrectionFrame =
    "รายละเอียดการคำนวณที่ยังไม่ปรับสภาพ หิน-ทราย";
inline constexpr std::string_view kUnroundedMixFrame = "ส่วนผสมที่ได้ ที่ยังไม่ปรับความละเอียด";
inline constexpr std::string_view kRoundedMixFrame = "ส่วนผสมที่ได้ ที่ปรับความละเอียดแล้ว";
inline constexpr std::string_view kConditionsCommand = "ดูข้อกำหนดประกอบ";
inline constexpr std::string_view kRequirementsFrame = "ความต้องการ";
inline constexpr std::string_view kPrintCommand = "พิมพ์";
inline constexpr std::string_view kCloseCommand = "ปิดหน้านี้";
inline constexpr std::string_view kStepsAfterCorrectionFrame =
    "รายละเอียดการคำนวณที่ปรับสภาพ หิน-ทรายแล้ว";
inline constexpr std::string_view kAdjustedMixFrame = "ส่วนผสมที่ปรับสภาพ หิน-ทราย และความละเอียดแล้ว";

// Fixed captions of the account, each written before its value.
inline constexpr std::string_view kRequiredStrength = "กำลังอัดที่ต้องการ=";
inline constexpr std::string_view kTargetStrength =
    "กำลังอัดที่ต้องผลิต                            (กำลังอัดที่ต้องการ+ส่วนเผื่อหรือmargin(60 กก./ตร.ซม.))=";
inline constexpr std::string_view kSlump = "ค่ายุบตัว=";
inline constexpr std::string_view kStoneSize = "ขนาดหิน=";
inline constexpr std::string_view kStep1Water = "1. ปริมาณน้ำที่ใช้เมื่อ";
inline constexpr std::string_view kStep2Ratio = "2. W/C=";
inline constexpr std::string_view kStep3Cement = "3. จาก1และ2 ได้น้ำหนักซีเมนต์=";
inline constexpr std::string_view kStep4CementVolume = "4. ปริมาตรซีเมนต์=น้ำหนักซีเมนต์/ถ.พ. ของซีเมนต์=";
inline constexpr std::string_view kStep5Stone = "5. เนื่องจากที่หินใช้ขนาด";
inline constexpr std::string_view kStep5Paste = "จะได้ปริมาตรซีเมนต์+ทราย";
inline constexpr std::string_view kStep5Sand = "ดังนั้นปริมาตรทราย=";
inline constexpr std::string_view kStep6SandWeight = "6.น้ำหนักทราย=(ปริมาตรทราย*ถ.พ.ทราย)=";
inline constexpr std::string_view kStep7StoneVolume =
    "7.ปริมาตรหิน=(1000-ปริมาตรซีเมนต์-ปริมาตรทราย   -ปริมาตรน้ำ)=";
inline constexpr std::string_view kStep8StoneWeight = "8.น้ำหนักหิน=(ปริมาตรหิน*ถ.พ.หิน)=";
inline constexpr std::string_view kStep9Admixture = "9.ปริมาณน้ำยาที่ใช้=น้ำหนักซีเมนต์*ปริมาณที่ใช้=";
// The rows of the three mix panels.
inline constexpr std::string_view kCementRow = "ซีเมนต์=";
inline constexpr std::string_view kWaterRow = "น้ำ=";
inline constexpr std::string_view kSandRow = "ทราย=";
inline constexpr std::string_view kStoneRow = "หิน=";
inline constexpr std::string_view kAdmixtureRow = "น้ำยาผสมคอนกรีต=";
// The moisture correction, steps 1 to 6.
inline constexpr std::string_view kMoistureStep1 = "1.เนื่องจากกำหนดทรายมีความชื้น=";
inline constexpr std::string_view kMoistureStep2 = "2.และทรายมีค่าการดูดซึม=";
inline constexpr std::string_view kMoistureStep3 = "3.ดังนั้นความชื้นผิว=(1)-(2)=";
inline constexpr std::string_view kMoistureStep4 = "4.นั่นคือทราย";
inline constexpr std::string_view kMoistureStep4Excess = "มีน้ำมากไป=";
inline constexpr std::string_view kMoistureStep5 = "5.ดังนั่นจะต้องชั่งทรายเพิ่มขึ้น=";
inline constexpr std::string_view kMoistureStep6 = "6.ฉนั้นจะต้องใส่น้ำในส่วนผสมทั้งสิ้น=";

// Units written after the value texts; their leading blanks are part of them.
inline constexpr std::string_view kKsc = "  กก./ตร.ซม.";
inline constexpr std::string_view kCm = "  ซม.";
inline constexpr std::string_view kLitrePerCubicMetre = "  ลิตร/ลบ.ม. คอนกรีต";
inline constexpr std::string_view kKgShort = "  กก.";
inline constexpr std::string_view kLitre = "  ลิตร";
inline constexpr std::string_view kCc = "  ซีซี";
inline constexpr std::string_view kKg = "  กิโลกรัม";
inline constexpr std::string_view kPercent = "%";
inline constexpr std::string_view kEquals = "=";

inline constexpr std::string_view kWithAdmixture = "ใส่น้ำยาผสมคอนกรีต";
inline constexpr std::string_view kWithoutAdmixture = "ไม่ใส่น้ำยาผสมคอนกรีต";
// The absorption of the sand, written at every filling.
inline constexpr std::string_view kSandAbsorption = "0.7 %";
// After a measured absorption.
inline constexpr std::string_view kSpacedPercent = " %";

}  // namespace krv1::text::details
