// The main window's menu bar and the details window's PDF command.
#pragma once

#include <string_view>

namespace krv1::text::menu {

inline constexpr std::string_view kFile = "แฟ้ม";
inline constexpr std::string_view kNewDesign = "แบบส่วนผสมใหม่";
inline constexpr std::string_view kOpenDesign = "เปิดแบบส่วนผสม...";
// The last design that calculated, kept in the settings even if never saved.
inline constexpr std::string_view kOpenLastCalculated = "เปิดแบบส่วนผสมที่คำนวณล่าสุด";
inline constexpr std::string_view kSaveDesign = "บันทึกแบบส่วนผสม";
inline constexpr std::string_view kSaveDesignAs = "บันทึกแบบส่วนผสมเป็น...";
inline constexpr std::string_view kRecentDesigns = "แบบส่วนผสมล่าสุด";
inline constexpr std::string_view kSaveReportPdf = "บันทึกรายงานเป็น PDF...";
// Asks for the printer and the copies; the details window's "พิมพ์" does not.
inline constexpr std::string_view kPrintReport = "พิมพ์รายงาน...";
inline constexpr std::string_view kQuit = "ปิดโปรแกรม";
inline constexpr std::string_view kEdit = "แก้ไข";
inline constexpr std::string_view kCopyResults = "คัดลอกผลการคำนวณ";

// The details window's command beside its print command.
inline constexpr std::string_view kSavePdfCommand = "บันทึกเป็น PDF";

}  // namespace krv1::text::menu
