// Captions of the conditions window and the About window.
#pragma once

#include <string_view>

namespace krv1::text::reference {

inline constexpr std::string_view kConditionsTitle = "ข้อกำหนด";
inline constexpr std::string_view kConditionsClose = "ปิด";

inline constexpr std::string_view kAboutTitle = "About";
inline constexpr std::string_view kAboutPurpose =
    "โปรแกรมนี้ได้เขียนขึ้นมาเพื่อให้การออกแบบส่วนผสมคอนกรีต ได้มีความสะดวกและรวดเร็วขึ้น "
    "และได้ใช้มาตรฐาน ว.ส.ท. ในการออกแบบ  อัตราส่วนน้ำต่อซีเมนต์และค่ากำลังอัดของคอนกรีต "
    ",การแปลงกำลังอัดรูปทรงลูกบาศก์และรูปทรงกระบอก";
// The program's version and build date, then its licence, in place of an
// address to write to: the program has none to give.
inline constexpr std::string_view kAboutVersion = "KRV1 รุ่น ";
inline constexpr std::string_view kAboutBuilt = "  สร้างเมื่อ ";
inline constexpr std::string_view kAboutLicence =
    "\nสัญญาอนุญาต: สงวนลิขสิทธิ์ ทีมพัฒนาโปรแกรม KRV1 ใช้งานได้ตามที่ทีมพัฒนากำหนด";
inline constexpr std::string_view kAboutCredit = "เขียนโปรแกรมโดย ทีมพัฒนาโปรแกรม KRV1";

}  // namespace krv1::text::reference
