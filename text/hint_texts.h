// Guidance notes of the main window's hint box, as the pieces they are joined
// from, with nothing between them.
#pragma once

#include <string_view>

namespace krv1::text::hints {

inline constexpr std::string_view kStrength = "กำลังอัดประลัย fc' ที่อายุ 28 วัน";

inline constexpr std::string_view kSlumpPiece1 =
    " ค่ายุบมาตราฐานเมื่อใช้หินย่อยและทรายแม่น้ำที่อยู่ในสภาพอิ่มตัวผิวแห้ง(SSD)";
inline constexpr std::string_view kSlumpPiece2 =
    "***สำหรับโครงสร้างทั่วๆไปใช้  7.5(บวก,ลบ)2.5***เสาหรือผนังใช้ 10.0(บวก,ลบ)2.5*** ";
// The list's note gives 12.0 for pumped concrete, the caption's note 10.0.
inline constexpr std::string_view kSlumpPumpPiece = "งานที่เทด้วยคอนกรีตปั๊มใช้ 12.0(บวก,ลบ)2.5*** ";
inline constexpr std::string_view kSlumpCaptionPumpPiece =
    "งานที่เทด้วยคอนกรีตปั๊มใช้ 10.0(บวก,ลบ)2.5*** ";

inline constexpr std::string_view kAggregatePiece1 =
    " ขนาดโตสุดของมวลรวมหยาบ ไม่ควรจะโตเกินกว่า 1ใน5 ของความหนาส่วนที่แคบที่สุดขององค์อาคาร";
inline constexpr std::string_view kAggregatePiece2 =
    "ที่จะเท และไม่ควรจะโตเกินกว่า 3ใน4 ของระยะระหว่างเหล็กเสริมหรือระหว่างเหล็กเสริมกับแบบ ที่วัสดุผสมหยาบ";
inline constexpr std::string_view kAggregatePiece3 =
    "จะผ่านลงไปได้ในระหว่างการเทคอนกรีต และไม่ควรโตเกินกว่า 1ใน3 ของความหนาของพื้นคอนกรีตที่หล่อ";

inline constexpr std::string_view kMoisturePiece1 =
    "ทรายแม่น้ำที่ใช้อยู่ทั่วๆไปในประเทศไทย ซึ่งอยู่ในสภาพเปียก ทั่วไปมีค่าความชื้น";
inline constexpr std::string_view kMoisturePiece2 = "ทั้งหมดอยู่ระหว่าง 2-8%";

inline constexpr std::string_view kAdmixture = "น้ำยาผสมคอนกรีตประเภทลดน้ำและยืดเวลาการแข็งตัว";
inline constexpr std::string_view kCube = "แบบหล่อขนาด 15*15*15 ซม.";
inline constexpr std::string_view kCylinder = "แบบหล่อทรงกระบอกขนาด 15*30 ซม.";

}  // namespace krv1::text::hints
