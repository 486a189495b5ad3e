// The site's materials: the boxes, their messages, and how a design that
// uses them says so.
#pragma once

#include <string_view>

namespace krv1::text::materials {

inline constexpr std::string_view kTitle = "คุณสมบัติวัสดุ";
inline constexpr std::string_view kMenuItem = "คุณสมบัติวัสดุ...";
inline constexpr std::string_view kDefaultsCommand = "ใช้ค่ามาตรฐานของวิธี";
inline constexpr std::string_view kCloseCommand = "ปิดหน้านี้";

// The cement, as the list names it.
inline constexpr std::string_view kCementCaption = "ชนิดปูนซีเมนต์";
inline constexpr std::string_view kPortland = "ปูนซีเมนต์ปอร์ตแลนด์ประเภท 1 (มอก. 15)";
inline constexpr std::string_view kHydraulic = "ปูนซีเมนต์ไฮดรอลิก (มอก. 2594)";
inline constexpr std::string_view kOtherCement = "ปูนซีเมนต์ชนิดอื่น";

// The boxes and what each refuses.
inline constexpr std::string_view kCementGravity = "ความถ่วงจำเพาะของปูนซีเมนต์";
inline constexpr std::string_view kCementGravityRefused =
    "ความถ่วงจำเพาะของปูนซีเมนต์ต้องอยู่ระหว่าง 2.50 ถึง 3.30";
inline constexpr std::string_view kSandGravity = "ความถ่วงจำเพาะของทราย (อิ่มตัวผิวแห้ง)";
inline constexpr std::string_view kSandGravityRefused =
    "ความถ่วงจำเพาะของทรายต้องอยู่ระหว่าง 2.30 ถึง 2.90";
inline constexpr std::string_view kSandAbsorption = "ค่าการดูดซึมน้ำของทราย (%)";
inline constexpr std::string_view kSandAbsorptionRefused = "ค่าการดูดซึมน้ำของทรายต้องอยู่ระหว่าง 0 ถึง 5 %";
inline constexpr std::string_view kStoneGravity = "ความถ่วงจำเพาะของหิน (อิ่มตัวผิวแห้ง)";
inline constexpr std::string_view kStoneGravityRefused =
    "ความถ่วงจำเพาะของหินต้องอยู่ระหว่าง 2.30 ถึง 3.00";
inline constexpr std::string_view kStoneAbsorption = "ค่าการดูดซึมน้ำของหิน (%)";
inline constexpr std::string_view kStoneAbsorptionRefused = "ค่าการดูดซึมน้ำของหินต้องอยู่ระหว่าง 0 ถึง 5 %";
inline constexpr std::string_view kStoneMoisture = "ความชื้นของหิน (%)";
inline constexpr std::string_view kStoneMoistureRefused = "ความชื้นของหินต้องอยู่ระหว่าง 0 ถึง 10 %";
inline constexpr std::string_view kStoneAbsorptionMissing =
    "กรุณาระบุค่าการดูดซึมน้ำของหินเมื่อระบุความชื้นของหิน";

// With a cement other than Portland, beside every calculation.
inline constexpr std::string_view kCurveNote =
    "เส้นความสัมพันธ์ W/C กับกำลังอัดของวิธีนี้มาจากปูนซีเมนต์ปอร์ตแลนด์ ควรยืนยันด้วยการผสมทดลอง";

// The main window's line while a material is not the method's, then what
// differs, each figure as typed.
inline constexpr std::string_view kNoticeOpening = "คำนวณด้วยวัสดุของหน้างาน ";
inline constexpr std::string_view kNoticeSeparator = ", ";
inline constexpr std::string_view kNoticeGravity = " ถ.พ. ";
inline constexpr std::string_view kNoticeSandGravity = "ทราย ถ.พ. ";
inline constexpr std::string_view kNoticeSandAbsorption = "ทรายดูดซึม ";
inline constexpr std::string_view kNoticeStoneGravity = "หิน ถ.พ. ";
inline constexpr std::string_view kNoticeStoneMoisture = "หินความชื้น ";
inline constexpr std::string_view kNoticePercent = " %";

// The report's lines: the materials, then the stone's water.
inline constexpr std::string_view kReportMaterials = "วัสดุ: ";
inline constexpr std::string_view kReportCementGravity = " ถ.พ.=";
inline constexpr std::string_view kReportSandGravity = ", ทราย ถ.พ.=";
inline constexpr std::string_view kReportSandAbsorption = " ดูดซึม=";
inline constexpr std::string_view kReportStoneGravity = "%, หิน ถ.พ.=";
inline constexpr std::string_view kReportStoneMoisture = "หินมีความชื้น=";
inline constexpr std::string_view kReportStoneAbsorption = "% ค่าการดูดซึม=";
inline constexpr std::string_view kReportStoneExcess = "% มีน้ำมากไป=";
inline constexpr std::string_view kReportWetStone = "  กิโลกรัม ชั่งหิน=";
inline constexpr std::string_view kReportKg = "  กิโลกรัม";

}  // namespace krv1::text::materials
