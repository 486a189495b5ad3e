// Messages about design files, wherever a design is opened or saved.
#pragma once

#include <string_view>

namespace krv1::text::design_file {

// Followed by the file's path.
inline constexpr std::string_view kCannotOpen = "เปิดแฟ้มไม่ได้: ";
inline constexpr std::string_view kNotADesign = "แฟ้มนี้ไม่ใช่แบบส่วนผสม KRV1";
inline constexpr std::string_view kTooLarge = "แฟ้มมีขนาดใหญ่เกินกว่าที่เป็นแบบส่วนผสมได้";
inline constexpr std::string_view kNewerVersion = "แฟ้มนี้สร้างจาก KRV1 รุ่นที่ใหม่กว่า";
// Followed by the key at fault.
inline constexpr std::string_view kIncomplete = "ข้อมูลในแฟ้มไม่ครบหรือไม่ถูกต้อง: ";
// Followed by the file's path; then, on a line of its own and only when a
// file was there before, kEarlierFileKept.
inline constexpr std::string_view kWriteFailed = "บันทึกแฟ้มไม่สำเร็จ: ";
inline constexpr std::string_view kEarlierFileKept = "แฟ้มเดิมยังอยู่ครบ";
inline constexpr std::string_view kRecentGone = "ไม่พบแฟ้มนี้แล้ว จึงนำออกจากรายการล่าสุด";
inline constexpr std::string_view kSaveChangesQuestion =
    "ต้องการบันทึกการเปลี่ยนแปลงของแบบส่วนผสมก่อนปิดโปรแกรมหรือไม่";
// Before the windows go back to the start, and before another design opens.
inline constexpr std::string_view kSaveBeforeNewQuestion =
    "ต้องการบันทึกการเปลี่ยนแปลงของแบบส่วนผสมก่อนเริ่มแบบส่วนผสมใหม่หรือไม่";
inline constexpr std::string_view kSaveBeforeOpenQuestion =
    "ต้องการบันทึกการเปลี่ยนแปลงของแบบส่วนผสมก่อนเปิดแบบส่วนผสมอื่นหรือไม่";

// The file dialogs' choices of file type.
inline constexpr std::string_view kDesignFilter = "แบบส่วนผสม KRV1 (*.krv1)";
inline constexpr std::string_view kPdfFilter = "เอกสาร PDF (*.pdf)";
// The main window's title with a design open, followed by the file's name.
inline constexpr std::string_view kTitleWithFile = "KRV1 - ";

}  // namespace krv1::text::design_file
