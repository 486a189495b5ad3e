// Texts of the web page that the desktop windows do not have.
#pragma once

#include <string_view>

namespace krv1::text::web_page {

inline constexpr std::string_view kOpenDesign = "เปิดแบบส่วนผสม...";
inline constexpr std::string_view kSaveDesign = "บันทึกแบบส่วนผสม";
inline constexpr std::string_view kPrintReport = "พิมพ์รายงาน / บันทึกเป็น PDF";
inline constexpr std::string_view kCopyResults = "คัดลอกผลการคำนวณ";
inline constexpr std::string_view kCopied = "คัดลอกผลการคำนวณแล้ว";
inline constexpr std::string_view kOffline = "ใช้งานได้แม้ไม่มีอินเทอร์เน็ต";
inline constexpr std::string_view kChooseEntry = "-- เลือก --";
inline constexpr std::string_view kHint = "คำแนะนำ";
// The site sheet's own commands, as the desktop's sheet window has them.
inline constexpr std::string_view kPrintSheet = "พิมพ์";
inline constexpr std::string_view kCopySheet = "คัดลอกเป็นข้อความ";
inline constexpr std::string_view kSheetCopied = "คัดลอกตารางผสมคอนกรีตหน้างานแล้ว";
inline constexpr std::string_view kLoading = "กำลังเตรียมเครื่องคำนวณ...";

// The installed page's names, on a phone's home screen and in its list of
// apps.
inline constexpr std::string_view kAppName = "KRV1 ออกแบบส่วนผสมคอนกรีต";
inline constexpr std::string_view kAppShortName = "KRV1 คอนกรีต";

}  // namespace krv1::text::web_page
