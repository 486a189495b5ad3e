// The site batch sheet: per bag of cement, for the whole pour, and its cost.
#pragma once

#include <array>
#include <string_view>

namespace krv1::text::site_sheet {

inline constexpr std::string_view kTitle = "ตารางผสมคอนกรีตหน้างาน";
inline constexpr std::string_view kOpenCommand = "ตารางผสมหน้างาน";
inline constexpr std::string_view kMenu = "เครื่องมือ";
inline constexpr std::string_view kMenuItem = "ตารางผสมคอนกรีตหน้างาน...";

// The settings' captions, in the order of the window.
inline constexpr std::string_view kVolume = "ปริมาตรคอนกรีตที่จะเท (ลบ.ม.)";
inline constexpr std::string_view kWaste = "เผื่อสูญเสีย (%)";
inline constexpr std::string_view kBag = "น้ำหนักปูนซีเมนต์ต่อถุง (กก.)";
inline constexpr std::string_view kSandDensity = "หน่วยน้ำหนักทรายชื้นแบบหลวม ตามสภาพหน้างาน (กก./ลบ.ม.)";
inline constexpr std::string_view kStoneDensity = "หน่วยน้ำหนักหินแบบหลวม (กก./ลบ.ม.)";
inline constexpr std::string_view kBucket = "ความจุปุ้งกี๋/ถังตวง (ลิตร)";
inline constexpr std::string_view kPriceCement = "ราคาปูนซีเมนต์ (บาท/ถุง)";
inline constexpr std::string_view kPriceSand = "ราคาทราย (บาท/ลบ.ม.)";
inline constexpr std::string_view kPriceStone = "ราคาหิน (บาท/ลบ.ม.)";
inline constexpr std::string_view kPriceAdmixture = "ราคาน้ำยาผสมคอนกรีต (บาท/ลิตร)";
// Beside the two loose unit weights: damp sand bulks.
inline constexpr std::string_view kDensityNote = "ค่าทั่วไป ควรตรวจสอบกับวัสดุจริง";

// The foot line: the caption, then one of these.
inline constexpr std::string_view kRangeFrom = " ต้องเป็นตัวเลขตั้งแต่ ";
inline constexpr std::string_view kRangeTo = " ถึง ";
inline constexpr std::string_view kVolumeRange = " ต้องมากกว่า 0 และไม่เกิน 10000";
inline constexpr std::string_view kPriceRange = " ต้องเป็นตัวเลขตั้งแต่ 0 ขึ้นไป";
// A figure that waits on a setting out of its range.
inline constexpr std::string_view kWaiting = "–";

inline constexpr std::string_view kPerBag = "ต่อปูนซีเมนต์ 1 ถุง";
inline constexpr std::string_view kPour = "สำหรับงานเททั้งหมด";
inline constexpr std::string_view kCost = "ค่าวัสดุ";
inline constexpr std::string_view kBasis = "ส่วนผสมที่ปรับสภาพ หิน-ทราย แล้ว ใน 1 ลบ.ม.";
inline constexpr std::string_view kDosage = "ปริมาณน้ำยาที่ผู้ผลิตแนะนำ";
inline constexpr std::string_view kMoisture = "ความชื้นทราย=";
inline constexpr std::string_view kEngineer = "วิศวกร : ";
// Under the title: the day the sheet is printed, in the Buddhist era, and
// each setting used, its caption and value two blanks apart.
inline constexpr std::string_view kDate = "วันที่ ";
inline constexpr std::array<std::string_view, 12> kMonths{
    "มกราคม",  "กุมภาพันธ์", "มีนาคม",  "เมษายน", "พฤษภาคม",  "มิถุนายน",
    "กรกฎาคม", "สิงหาคม",  "กันยายน", "ตุลาคม",  "พฤศจิกายน", "ธันวาคม"};
inline constexpr int kBuddhistEraOffset = 543;
inline constexpr std::string_view kSettingGap = "  ";

inline constexpr std::string_view kCement = "ปูนซีเมนต์";
inline constexpr std::string_view kWater = "น้ำ";
inline constexpr std::string_view kSand = "ทราย";
inline constexpr std::string_view kStone = "หิน";
inline constexpr std::string_view kAdmixture = "น้ำยาผสมคอนกรีต";
inline constexpr std::string_view kConcrete = "คอนกรีต";
inline constexpr std::string_view kLooseSand = "ทรายแบบหลวม";
inline constexpr std::string_view kLooseStone = "หินแบบหลวม";
// What the site mixes, not what it orders ready-mixed.
inline constexpr std::string_view kVolumeToMix = "ปริมาตรคอนกรีตที่ต้องผสม";
inline constexpr std::string_view kTotal = "รวม";
inline constexpr std::string_view kLeftOut = " (ไม่รวม ";
inline constexpr std::string_view kLeftOutClose = ")";
inline constexpr std::string_view kPerCubicMetre = "ต่อ ลบ.ม. ที่เท";

inline constexpr std::string_view kKg = "กก.";
inline constexpr std::string_view kLitre = "ลิตร";
inline constexpr std::string_view kCc = "ซีซี";
inline constexpr std::string_view kCubicMetre = "ลบ.ม.";
inline constexpr std::string_view kBags = "ถุง";
inline constexpr std::string_view kBuckets = "ปุ้งกี๋";
inline constexpr std::string_view kBaht = "บาท";
inline constexpr std::string_view kCcPer100Kg = "ซีซี/100 กก.ซีเมนต์";

// The window's commands.
inline constexpr std::string_view kPrint = "พิมพ์";
inline constexpr std::string_view kSavePdf = "บันทึกเป็น PDF";
inline constexpr std::string_view kCopyText = "คัดลอกเป็นข้อความ";
inline constexpr std::string_view kClose = "ปิดหน้านี้";

}  // namespace krv1::text::site_sheet
