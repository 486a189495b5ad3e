// Captions of the details window: the numbered account of a calculation.
#pragma once

#include <string_view>

namespace krv1::text::details {

inline constexpr std::string_view kTitle = "รายละเอียดการคำนวณ";
inline constexpr std::string_view kFrame2 = "รายละเอียดการคำนวณที่ยังไม่ปรับสภาพ หิน-ทราย";
inline constexpr std::string_view kFrame3 = "ส่วนผสมที่ได้ ที่ยังไม่ปรับความละเอียด";
inline constexpr std::string_view kFrame4 = "ส่วนผสมที่ได้ ที่ปรับความละเอียดแล้ว";
inline constexpr std::string_view kCommand3 = "ดูข้อกำหนดประกอบ";
inline constexpr std::string_view kFrame1 = "ความต้องการ";
inline constexpr std::string_view kCommand1 = "พิมพ์";
inline constexpr std::string_view kCommand2 = "ปิดหน้านี้";
inline constexpr std::string_view kFrame5 = "รายละเอียดการคำนวณที่ปรับสภาพ หิน-ทรายแล้ว";
inline constexpr std::string_view kFrame6 = "ส่วนผสมที่ปรับสภาพ หิน-ทราย และความละเอียดแล้ว";

// Fixed captions of the account, label by label.
inline constexpr std::string_view kLabel2 = "กำลังอัดที่ต้องการ=";
inline constexpr std::string_view kLabel4 = "กำลังอัดที่ต้องผลิต                            (กำลังอัดที่ต้องการ+ส่วนเผื่อหรือmargin(60 กก./ตร.ซม.))=";
inline constexpr std::string_view kLabel6 = "ค่ายุบตัว=";
inline constexpr std::string_view kLabel10 = "ขนาดหิน=";
inline constexpr std::string_view kLabel8 = "1. ปริมาณน้ำที่ใช้เมื่อ";
inline constexpr std::string_view kLabel13 = "2. W/C=";
inline constexpr std::string_view kLabel15 = "3. จาก1และ2 ได้น้ำหนักซีเมนต์=";
inline constexpr std::string_view kLabel17 = "4. ปริมาตรซีเมนต์=น้ำหนักซีเมนต์/ถ.พ. ของซีเมนต์=";
inline constexpr std::string_view kLabel19 = "5. เนื่องจากที่หินใช้ขนาด";
inline constexpr std::string_view kLabel21 = "จะได้ปริมาตรซีเมนต์+ทราย";
inline constexpr std::string_view kLabel23 = "ดังนั้นปริมาตรทราย=";
inline constexpr std::string_view kLabel25 = "6.น้ำหนักทราย=(ปริมาตรทราย*ถ.พ.ทราย)=";
inline constexpr std::string_view kLabel27 = "7.ปริมาตรหิน=(1000-ปริมาตรซีเมนต์-ปริมาตรทราย   -ปริมาตรน้ำ)=";
inline constexpr std::string_view kLabel29 = "8.น้ำหนักหิน=(ปริมาตรหิน*ถ.พ.หิน)=";
inline constexpr std::string_view kLabel31 = "9.ปริมาณน้ำยาที่ใช้=น้ำหนักซีเมนต์*ปริมาณที่ใช้=";
inline constexpr std::string_view kLabel33 = "ซีเมนต์=";
inline constexpr std::string_view kLabel34 = "น้ำ=";
inline constexpr std::string_view kLabel35 = "ทราย=";
inline constexpr std::string_view kLabel36 = "หิน=";
inline constexpr std::string_view kLabel37 = "น้ำยาผสมคอนกรีต=";
inline constexpr std::string_view kLabel52 = "ซีเมนต์=";
inline constexpr std::string_view kLabel51 = "น้ำ=";
inline constexpr std::string_view kLabel50 = "ทราย=";
inline constexpr std::string_view kLabel49 = "หิน=";
inline constexpr std::string_view kLabel48 = "น้ำยาผสมคอนกรีต=";
inline constexpr std::string_view kLabel53 = "1.เนื่องจากกำหนดทรายมีความชื้น=";
inline constexpr std::string_view kLabel54 = "2.และทรายมีค่าการดูดซึม=";
inline constexpr std::string_view kLabel55 = "3.ดังนั้นความชื้นผิว=(1)-(2)=";
inline constexpr std::string_view kLabel56 = "4.นั่นคือทราย";
inline constexpr std::string_view kLabel58 = "มีน้ำมากไป=";
inline constexpr std::string_view kLabel59 = "5.ดังนั่นจะต้องชั่งทรายเพิ่มขึ้น=";
inline constexpr std::string_view kLabel60 = "6.ฉนั้นจะต้องใส่น้ำในส่วนผสมทั้งสิ้น=";
inline constexpr std::string_view kLabel67 = "ซีเมนต์=";
inline constexpr std::string_view kLabel68 = "น้ำ=";
inline constexpr std::string_view kLabel69 = "ทราย=";
inline constexpr std::string_view kLabel70 = "หิน=";
inline constexpr std::string_view kLabel71 = "น้ำยาผสมคอนกรีต=";

// Units written after the value texts; their leading blanks are part of them.
inline constexpr std::string_view kKsc = "  กก./ตร.ซม.";
inline constexpr std::string_view kCm = "  ซม.";
inline constexpr std::string_view kLitrePerCubicMetre = "  ลิตร/ลบ.ม. คอนกรีต";
inline constexpr std::string_view kKgShort = "  กก.";
inline constexpr std::string_view kLitre = "  ลิตร";
inline constexpr std::string_view kCc = "  ซีซี";
inline constexpr std::string_view kKg = "  กิโลกรัม";
inline constexpr std::string_view kPercent = "%";
inline constexpr std::string_view kEquals = "=";

inline constexpr std::string_view kWithAdmixture = "ใส่น้ำยาผสมคอนกรีต";
inline constexpr std::string_view kWithoutAdmixture = "ไม่ใส่น้ำยาผสมคอนกรีต";
// The absorption of the sand, written at every filling.
inline constexpr std::string_view kSandAbsorption = "0.7 %";

}  // namespace krv1::text::details
