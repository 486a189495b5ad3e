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

// Messages when the report cannot be printed.
inline constexpr std::string_view kNoDefaultPrinter = "ไม่สามารถพิมพ์ได้: ไม่พบเครื่องพิมพ์หลักของระบบ";
inline constexpr std::string_view kPrinterRefused = "ไม่สามารถพิมพ์ได้: เครื่องพิมพ์ไม่รับงานพิมพ์";

}  // namespace krv1::text::report
