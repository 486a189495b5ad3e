// The trial batch: its window, its boxes, its refusals and its notes.
#pragma once

#include <string_view>

namespace krv1::text::trial {

inline constexpr std::string_view kTitle = "ผสมทดลองและปรับส่วนผสม";
inline constexpr std::string_view kMenuItem = "ผสมทดลองและปรับส่วนผสม...";
inline constexpr std::string_view kOpenCommand = "ผสมทดลอง";

// The boxes' captions: the plan, then what the trial gave.
inline constexpr std::string_view kCubes = "จำนวนก้อนตัวอย่างลูกบาศก์ 15 ซม. (ก้อน)";
inline constexpr std::string_view kCylinders = "จำนวนแท่งตัวอย่างทรงกระบอก 15x30 ซม. (แท่ง)";
inline constexpr std::string_view kExtra = "เผื่อการทดสอบค่ายุบตัวและการสูญเสีย (%)";
inline constexpr std::string_view kVolume = "หรือกำหนดปริมาตรผสมทดลองเอง (ลิตร)";
inline constexpr std::string_view kWater = "น้ำที่ใส่จริง (ลิตร)";
inline constexpr std::string_view kSlump = "ค่ายุบตัวที่วัดได้ (ซม.)";
inline constexpr std::string_view kDensity = "หน่วยน้ำหนักคอนกรีตสดที่วัดได้ (กก./ลบ.ม.)";
inline constexpr std::string_view kStrength = "กำลังอัดเฉลี่ยของก้อนตัวอย่าง (กก./ตร.ซม.)";
inline constexpr std::string_view kAge = "อายุของก้อนตัวอย่าง (วัน)";
inline constexpr std::string_view kRatio7 = "อัตราส่วนกำลังอัด 7 วัน ต่อ 28 วัน";

// A box refused.
inline constexpr std::string_view kSpecimensRefused = "จำนวนก้อนตัวอย่างต้องเป็นจำนวนเต็มตั้งแต่ 0 ถึง 100";
inline constexpr std::string_view kExtraRefused = "ค่าเผื่อต้องอยู่ระหว่าง 0 ถึง 100 %";
inline constexpr std::string_view kVolumeRefused = "ปริมาตรผสมทดลองต้องมากกว่า 0 และไม่เกิน 1000 ลิตร";
inline constexpr std::string_view kNoVolume = "กรุณาใส่จำนวนก้อนตัวอย่างหรือปริมาตรผสมทดลอง";
inline constexpr std::string_view kWaterRefused = "น้ำที่ใส่จริงต้องมากกว่า 0 และไม่เกิน 1000 ลิตร";
inline constexpr std::string_view kSlumpRefused = "ค่ายุบตัวที่วัดได้ต้องอยู่ระหว่าง 0 ถึง 30 ซม.";
inline constexpr std::string_view kDensityRefused =
    "หน่วยน้ำหนักคอนกรีตสดต้องอยู่ระหว่าง 2000 ถึง 2700 กก./ลบ.ม.";
inline constexpr std::string_view kStrengthRefused =
    "กำลังอัดของก้อนตัวอย่างต้องอยู่ระหว่าง 1 ถึง 1000 กก./ตร.ซม.";
inline constexpr std::string_view kAgeRefused = "อายุของก้อนตัวอย่างต้องเป็น 7 หรือ 28 วัน";
inline constexpr std::string_view kRatio7Refused =
    "อัตราส่วนกำลังอัด 7 วัน ต่อ 28 วัน ต้องอยู่ระหว่าง 0.4 ถึง 1";

// The results' notes.
inline constexpr std::string_view kDenseNote =
    "หน่วยน้ำหนักที่วัดได้สูงกว่าค่าทางทฤษฎี กรุณาตรวจสอบการชั่งและปริมาตรของภาชนะ";
inline constexpr std::string_view kAirNote = "ปริมาณอากาศเกิน 3% กรุณาตรวจสอบการอัดแน่นและการวัด";
inline constexpr std::string_view kSevenDayNote = "กำลังอัดประมาณจากผล 7 วัน ควรยืนยันด้วยผล 28 วัน";
inline constexpr std::string_view kStrengthOutOfMethod =
    "กำลังอัดที่ต้องใช้ออกแบบใหม่อยู่นอกช่วง 150 ถึง 450 กก./ตร.ซม. ของวิธีนี้ กรุณาออกแบบส่วนผสมใหม่";

// The sheet's parts: what to weigh, what was measured, what it gives, and
// the mix re-proportioned from it.
inline constexpr std::string_view kPlanHeading = "ส่วนผสมที่ต้องชั่งสำหรับผสมทดลอง";
inline constexpr std::string_view kMeasuredHeading = "ผลที่วัดได้จากการผสมทดลอง";
inline constexpr std::string_view kResultsHeading = "ผลการคำนวณจากการผสมทดลอง";
inline constexpr std::string_view kBeforeHeading =
    "ส่วนผสมที่ปรับจากการผสมทดลอง ยังไม่ได้ปรับสภาพหินทราย ใน 1 ลบ.ม.";
inline constexpr std::string_view kAfterHeading =
    "ส่วนผสมที่ปรับจากการผสมทดลอง ปรับสภาพหินทรายแล้ว ใน 1 ลบ.ม.";
inline constexpr std::string_view kNothingMeasured = "ยังไม่ได้ใส่ผลที่วัดได้";

inline constexpr std::string_view kTrialVolume = "ปริมาตรผสมทดลอง";
inline constexpr std::string_view kCement = "ปูนซีเมนต์";
inline constexpr std::string_view kWaterPlan = "น้ำ";
inline constexpr std::string_view kWetSand = "ทรายชื้น";
inline constexpr std::string_view kSand = "ทราย";
inline constexpr std::string_view kStone = "หิน";
inline constexpr std::string_view kAdmixture = "น้ำยาผสมคอนกรีต";

inline constexpr std::string_view kYield = "ปริมาตรคอนกรีตที่ได้";
inline constexpr std::string_view kRelativeYield = "ปริมาตรที่ได้ต่อปริมาตรที่ผสม";
inline constexpr std::string_view kAir = "ปริมาณอากาศ";
inline constexpr std::string_view kWaterPerCubicMetre = "น้ำต่อ ลบ.ม. ตามที่ผสมจริง";
inline constexpr std::string_view kAdjustedWater = "น้ำที่ใช้ออกแบบใหม่";
inline constexpr std::string_view kTrialRatio = "W/C ของการผสมทดลอง";
inline constexpr std::string_view kStrength28Cube = "กำลังอัด 28 วัน เทียบก้อนลูกบาศก์";
inline constexpr std::string_view kDesignStrength = "กำลังอัดที่ใช้ออกแบบใหม่";
inline constexpr std::string_view kRatio = "W/C ที่ใช้ออกแบบใหม่";

inline constexpr std::string_view kLitre = "ลิตร";
inline constexpr std::string_view kKg = "กก.";
inline constexpr std::string_view kCc = "ซีซี";
inline constexpr std::string_view kPercent = "%";
inline constexpr std::string_view kLitrePerCubicMetre = "ลิตร/ลบ.ม.";
inline constexpr std::string_view kKsc = "กก./ตร.ซม.";
// After an adjusted figure: the design's own, e.g. "กก. (เดิม 311)".
inline constexpr std::string_view kWas = " (เดิม ";
inline constexpr std::string_view kWasClose = ")";

// The chart's legend.
inline constexpr std::string_view kCurveLegend = "เส้น W/C ของวิธีนี้";
inline constexpr std::string_view kDesignLegend = "ส่วนผสมที่ออกแบบ";
inline constexpr std::string_view kTrialLegend = "ผลการผสมทดลอง";
inline constexpr std::string_view kAdjustedLegend = "ส่วนผสมที่ปรับแล้ว";

// The chart's axes.
inline constexpr std::string_view kRatioAxis = "W/C";
inline constexpr std::string_view kStrengthAxis = "กำลังอัด (กก./ตร.ซม.)";

// The window's commands.
inline constexpr std::string_view kPrintCommand = "พิมพ์";
inline constexpr std::string_view kSavePdfCommand = "บันทึกเป็น PDF";
inline constexpr std::string_view kCopyCommand = "คัดลอกเป็นข้อความ";
inline constexpr std::string_view kCloseCommand = "ปิดหน้านี้";

}  // namespace krv1::text::trial
