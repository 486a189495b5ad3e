// Captions of the main window and the unit texts of its result panels.
#pragma once

#include <string_view>

namespace krv1::text::main_window {

inline constexpr std::string_view kTitle = "KRV1";

inline constexpr std::string_view kCommand6 = "ปิดโปรแกรม";
inline constexpr std::string_view kCommand5 = "About";
inline constexpr std::string_view kCommand4 = "ข้อกำหนด";
inline constexpr std::string_view kCommand2 = "รายละเอียดผลการคำนวณ";
inline constexpr std::string_view kCommand1 = "คำนวณ";
inline constexpr std::string_view kFrame2 = "ผลการคำนวณ";
inline constexpr std::string_view kFrame1 = "ความต้องการ";
inline constexpr std::string_view kLabel25 =
    "การออกแบบส่วนผสมคอนกรีตนี้ เป็นวิธีการออกแบบที่นำมาตรฐานการออกแบบของประเทศ อเมริกา "
    "และของประเทศอังกฤษ มาประยุกต์ให้เข้ากับสภาพของวัตถุดิบที่มีใช้ในประเทศไทย"
    "(สำหรับปูนซีเมนต์ปอร์ตแลนด์ประเภทที่ 1 ที่ผลิตในประเทศไทย)";
inline constexpr std::string_view kLabel1 = "โปรแกรม ออกแบบส่วนผสมคอนกรีต(Concrete Korvane)";

inline constexpr std::string_view kOption2 = "ไม่ใส่น้ำยาผสมคอนกรีต";
inline constexpr std::string_view kOption1 = " ใส่น้ำยาผสมคอนกรีต";
inline constexpr std::string_view kLabel29 = "วิศวกร";
inline constexpr std::string_view kLabel28 = "กรุณาอ่านข้อกำหนดก่อน";
inline constexpr std::string_view kLabel27 = "กำหนดความชื้นทราย %(ใส่เฉพาะตัวเลข)";
inline constexpr std::string_view kLabel26 =
    "ปริมาณน้ำยาที่ผู้ผลิตแนะนำ เช่น 250 ซีซี./100 กก.ซีเมนต์(ใส่เฉพาะ ซีซี.)";
inline constexpr std::string_view kLabel4 = "ขนาดใหญ่สุดของหินที่ใช้";
inline constexpr std::string_view kLabel3 = "ค่ายุบตัว(ซม.)";
inline constexpr std::string_view kLabel2 = "กำลังอัดคอนกรีต(กก./ตร.ซม.)";
inline constexpr std::string_view kOption4 = "ทรงกระบอก";
inline constexpr std::string_view kOption3 = "ลูกบาศก์";

inline constexpr std::string_view kFrame3 = "ผลการคำนวณที่ยังไม่ได้ปรับสภาพ หิน-ทราย ใน 1 ลบ.ม.";
inline constexpr std::string_view kFrame4 = "ผลการคำนวณที่ได้ปรับสภาพ หิน-ทราย แล้ว ใน 1 ลบ.ม.";
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
