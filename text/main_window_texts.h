// Captions of the main window and the unit texts of its result panels.
#pragma once

#include <string_view>

namespace krv1::text::main_window {

inline constexpr std::string_view kTitle = "KRV1";

inline constexpr std::string_view kCloseProgramCommand = "ปิดโปรแกรม";
inline constexpr std::string_view kAboutCommand = "About";
inline constexpr std::string_view kConditionsCommand = "ข้อกำหนด";
inline constexpr std::string_view kDetailsCommand = "รายละเอียดผลการคำนวณ";
inline constexpr std::string_view kCalculateCommand = "คำนวณ";
inline constexpr std::string_view kResultsFrame = "ผลการคำนวณ";
inline constexpr std::string_view kRequirementsFrame = "ความต้องการ";
inline constexpr std::string_view kDescription =
    "การออกแบบส่วนผสมคอนกรีตนี้ เป็นวิธีการออกแบบที่นำมาตรฐานการออกแบบของประเทศ อเมริกา "
    "และของประเทศอังกฤษ มาประยุกต์ให้เข้ากับสภาพของวัตถุดิบที่มีใช้ในประเทศไทย"
    "(สำหรับปูนซีเมนต์ปอร์ตแลนด์ประเภทที่ 1 ที่ผลิตในประเทศไทย)";
inline constexpr std::string_view kProgramTitle = "โปรแกรม ออกแบบส่วนผสมคอนกรีต(Concrete Korvane)";

inline constexpr std::string_view kWithoutAdmixtureOption = "ไม่ใส่น้ำยาผสมคอนกรีต";
inline constexpr std::string_view kWithAdmixtureOption = " ใส่น้ำยาผสมคอนกรีต";
inline constexpr std::string_view kEngineerCaption = "วิศวกร";
inline constexpr std::string_view kProjectCaption = "ชื่อโครงการ";
// Under the results while the design takes the records' margin.
inline constexpr std::string_view kMarginNotice = "ใช้ส่วนเผื่อจากผลทดสอบ ";
inline constexpr std::string_view kMarginNoticeClose = " กก./ตร.ซม. แทน 60";
inline constexpr std::string_view kReadConditionsReminder = "กรุณาอ่านข้อกำหนดก่อน";
inline constexpr std::string_view kMoistureCaption = "กำหนดความชื้นทราย %(ใส่เฉพาะตัวเลข)";
inline constexpr std::string_view kDosageCaption =
    "ปริมาณน้ำยาที่ผู้ผลิตแนะนำ เช่น 250 ซีซี./100 กก.ซีเมนต์(ใส่เฉพาะ ซีซี.)";
inline constexpr std::string_view kStoneCaption = "ขนาดใหญ่สุดของหินที่ใช้";
inline constexpr std::string_view kSlumpCaption = "ค่ายุบตัว(ซม.)";
inline constexpr std::string_view kStrengthCaption = "กำลังอัดคอนกรีต(กก./ตร.ซม.)";
inline constexpr std::string_view kCylinderOption = "ทรงกระบอก";
inline constexpr std::string_view kCubeOption = "ลูกบาศก์";

inline constexpr std::string_view kBeforeCorrectionFrame =
    "ผลการคำนวณที่ยังไม่ได้ปรับสภาพ หิน-ทราย ใน 1 ลบ.ม.";
inline constexpr std::string_view kAfterCorrectionFrame =
    "ผลการคำนวณที่ได้ปรับสภาพ หิน-ทราย แล้ว ใน 1 ลบ.ม.";
inline constexpr std::string_view kCementRow = "ซีเมนต์ =";
inline constexpr std::string_view kWaterRow = "น้ำ =";
inline constexpr std::string_view kSandRow = "ทราย =";
inline constexpr std::string_view kStoneRow = "หิน =";
inline constexpr std::string_view kAdmixtureRow = "น้ำยาผสมคอนกรีต =";

// Unit texts of the result labels; their leading blanks are part of them.
inline constexpr std::string_view kKg6 = "      กิโลกรัม";   // six blanks
inline constexpr std::string_view kKg7 = "       กิโลกรัม";  // seven blanks
inline constexpr std::string_view kLitre5 = "     ลิตร";
inline constexpr std::string_view kCc5 = "     ซีซี";

}  // namespace krv1::text::main_window
