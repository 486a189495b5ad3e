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
inline constexpr std::string_view kAboutContact =
    "ท่านที่มีคำแนะนำหรือข้อเสนอแนะเพื่อพัฒนาโปรแกรมนี้ต่อไป กรุณาส่งถึงชมรมผู้ใช้โปรแกรม KRV1 "
    "ที่ https://example.org/krv1 หรือทางอีเมล krv1@example.org";
inline constexpr std::string_view kAboutCredit = "เขียนโปรแกรมโดย ทีมพัฒนาโปรแกรม KRV1";

}  // namespace krv1::text::reference
