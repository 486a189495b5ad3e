// Messages shown when a calculation cannot be carried out. Each names the
// input the engineer has to correct.
#pragma once

#include <string_view>

namespace krv1::text {

inline constexpr std::string_view kStrengthNotNumber = "กรุณาใส่กำลังอัดคอนกรีต(กก./ตร.ซม.) เป็นตัวเลข";
inline constexpr std::string_view kShapeNotChosen =
    "กรุณาเลือกรูปทรงของตัวอย่างทดสอบ: ลูกบาศก์ หรือ ทรงกระบอก";
inline constexpr std::string_view kTargetStrengthOutOfRange =
    "กำลังอัดที่ต้องผลิตต้องอยู่ระหว่าง 150 ถึง 450 กก./ตร.ซม.";
// Appended to kTargetStrengthOutOfRange around the integer text of F.
inline constexpr std::string_view kComputedStrengthOpen = " (คำนวณได้ ";
inline constexpr std::string_view kComputedStrengthClose = " กก./ตร.ซม.)";
inline constexpr std::string_view kAdmixtureNotChosen =
    "กรุณาเลือก ใส่น้ำยาผสมคอนกรีต หรือ ไม่ใส่น้ำยาผสมคอนกรีต";
inline constexpr std::string_view kDosageNotNumber =
    "กรุณาใส่ปริมาณน้ำยาที่ผู้ผลิตแนะนำ (ซีซี./100 กก.ซีเมนต์) เป็นตัวเลข";
inline constexpr std::string_view kDosageNegative =
    "ปริมาณน้ำยาผสมคอนกรีตต้องไม่เป็นค่าลบ กรุณาใส่ค่าตั้งแต่ 0 ขึ้นไป";
inline constexpr std::string_view kSlumpNotChosen = "กรุณาเลือกค่ายุบตัว(ซม.)";
inline constexpr std::string_view kAggregateNotChosen = "กรุณาเลือกขนาดใหญ่สุดของหินที่ใช้";
inline constexpr std::string_view kMoistureNotNumber = "กรุณาใส่ความชื้นทราย(%) เป็นตัวเลข";
inline constexpr std::string_view kMoistureNegative = "ความชื้นทรายต้องไม่เป็นค่าลบ กรุณาใส่ค่าตั้งแต่ 0 ขึ้นไป";
// The corrected mix would need less than no water.
inline constexpr std::string_view kWaterNegative =
    "ความชื้นทรายสูงเกินไปจนปริมาณน้ำที่ต้องเติมเป็นค่าลบ กรุณาตรวจสอบความชื้นทราย";
// The same with the stone's moisture given: both aggregates bring the water.
inline constexpr std::string_view kAggregatesWaterNegative =
    "ความชื้นของทรายและหินสูงเกินไปจนปริมาณน้ำที่ต้องเติมเป็นค่าลบ กรุณาตรวจสอบความชื้น";
// The trial's adjusted mix: the measured water leaves none to add.
inline constexpr std::string_view kAdjustedWaterNegative =
    "น้ำที่ต้องเติมในส่วนผสมที่ปรับแล้วเป็นค่าลบ กรุณาตรวจสอบน้ำที่ใส่จริงและความชื้นทราย";
inline constexpr std::string_view kResultOutOfRange =
    "ค่าที่ใส่ทำให้ผลการคำนวณเกินขอบเขตที่โปรแกรมรองรับ กรุณาตรวจสอบข้อมูล";
// A failure that no input explains, such as the machine running out of memory.
inline constexpr std::string_view kUnexpectedFailure = "เกิดข้อผิดพลาดที่ไม่คาดคิด กรุณาตรวจสอบข้อมูลอีกครั้ง";

}  // namespace krv1::text
