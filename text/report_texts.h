// Texts of the printed report that are not captions of the details window.
#pragma once

#include <string_view>

namespace krv1::text::report {

inline constexpr std::string_view kTitle = " รายการคำนวณ ออกแบบอัตราส่วนผสมคอนกรีต ";
inline constexpr std::string_view kEngineer = " วิศวกร : ";
inline constexpr std::string_view kBannerBeforeCorrection =
    ".....รายละเอียดการคำนวณที่ยังไม่ได้ปรับสภาพหินทราย.....";
inline constexpr std::string_view kBannerBeforeRounding =
    ".....ส่วนผสมที่ยังไม่ได้ปรับความละเอียด ใน 1 ลบ.ม. .....";
inline constexpr std::string_view kBannerAfterRounding =
    ".....ส่วนผสมที่ปรับความละเอียดแล้ว ใน 1 ลบ.ม. .....";
inline constexpr std::string_view kBannerMoisture =
    ".....รายละเอียดการคำนวณที่ปรับสภาพหินทรายแล้ว ใน 1 ลบ.ม. .....";
inline constexpr std::string_view kBannerFinalMix = "***** ส่วนผสมที่ปรับสภาพหินทรายแล้ว ใน 1 ลบ.ม.*****";
// Between the two captions of lines 13 and 35.
inline constexpr std::string_view kSeparator = " ";

// What the report names besides the account: the cube basis of a cylinder
// design, the specimen, the dosage, the day, the project and who signs.
inline constexpr std::string_view kCubeBasis = "แปลงเป็นกำลังอัดลูกบาศก์ = ";
inline constexpr std::string_view kCubeBasisDivisor = " / 0.833 = ";
inline constexpr std::string_view kCubeBasisUnit = "  กก./ตร.ซม.";
inline constexpr std::string_view kSpecimen = "ตัวอย่างทดสอบ: ";
inline constexpr std::string_view kCubeSpecimen = "ลูกบาศก์ 15 ซม.";
inline constexpr std::string_view kCylinderSpecimen = "ทรงกระบอก 15x30 ซม.";
inline constexpr std::string_view kDosage = "ปริมาณน้ำยาผสมคอนกรีต ";
inline constexpr std::string_view kDosageUnit = " ซีซี ต่อปูนซีเมนต์ 100 กก.";
inline constexpr std::string_view kProject = "โครงการ: ";
inline constexpr std::string_view kDesignerSignature =
    "ลงชื่อ ............................................ ผู้ออกแบบ";
inline constexpr std::string_view kCheckerSignature =
    "ลงชื่อ ............................................ ผู้ตรวจสอบ";
// The engineer on the trial's and the records' pages.
inline constexpr std::string_view kPageEngineer = "วิศวกร : ";

// After the name proposed for a PDF of a page other than the report.
inline constexpr std::string_view kSheetPdfSuffix = " ตารางผสมหน้างาน";
inline constexpr std::string_view kTrialPdfSuffix = " ผสมทดลอง";
inline constexpr std::string_view kRecordsPdfSuffix = " ผลทดสอบกำลังอัด";

// Messages when the report cannot be printed.
inline constexpr std::string_view kNoDefaultPrinter = "ไม่สามารถพิมพ์ได้: ไม่พบเครื่องพิมพ์หลักของระบบ";
inline constexpr std::string_view kPrinterRefused = "ไม่สามารถพิมพ์ได้: เครื่องพิมพ์ไม่รับงานพิมพ์";

}  // namespace krv1::text::report
