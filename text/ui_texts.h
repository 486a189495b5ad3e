// Words of the windows' common parts that Qt would otherwise give in English:
// message box buttons and the file dialogs; and what a chart shows when it
// cannot be drawn, or a printer chosen.
#pragma once

#include <string_view>

namespace krv1::text::ui {

inline constexpr std::string_view kOk = "ตกลง";
inline constexpr std::string_view kSave = "บันทึก";
inline constexpr std::string_view kDontSave = "ไม่บันทึก";
inline constexpr std::string_view kCancel = "ยกเลิก";
inline constexpr std::string_view kOpen = "เปิด";
// The answers of a yes-or-no question, such as the file dialog's "replace it?".
inline constexpr std::string_view kYes = "ใช่";
inline constexpr std::string_view kNo = "ไม่ใช่";
// The file dialogs' own labels.
inline constexpr std::string_view kLookIn = "มองหาใน:";
inline constexpr std::string_view kFileName = "ชื่อแฟ้ม:";
inline constexpr std::string_view kFileType = "ชนิดแฟ้ม:";
// In a chart's place when the program's chart library is not installed.
inline constexpr std::string_view kChartLibraryMissing =
    "แสดงกราฟไม่ได้ เพราะไม่พบไลบรารีกราฟของโปรแกรม (libkrv1_charts) กรุณาติดตั้งโปรแกรมใหม่";
// A program built without its charts (for Windows, where Debian's mirror had
// no sources of Qt Charts): nothing to install again.
inline constexpr std::string_view kChartNotBuilt =
    "แสดงกราฟไม่ได้ เพราะโปรแกรมรุ่นนี้สร้างโดยไม่มีส่วนแสดงกราฟ";
// Said instead of the print dialog when the program's printing library is
// not installed.
inline constexpr std::string_view kPrintingLibraryMissing =
    "เลือกเครื่องพิมพ์ไม่ได้ เพราะไม่พบไลบรารีการพิมพ์ของโปรแกรม (libkrv1_printing) กรุณาติดตั้งโปรแกรมใหม่";

}  // namespace krv1::text::ui
