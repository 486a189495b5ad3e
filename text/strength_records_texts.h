// The site's strength records: their window, their figures, their verdict
// and their chart.
#pragma once

#include <array>
#include <string_view>

namespace krv1::text::records {

inline constexpr std::string_view kTitle = "ผลทดสอบกำลังอัดของหน่วยงาน";
inline constexpr std::string_view kMenuItem = "ผลทดสอบกำลังอัด...";
// The web page's section.
inline constexpr std::string_view kSectionTitle = "ผลทดสอบกำลังอัด";

inline constexpr std::string_view kCube = "ลูกบาศก์ 15 ซม.";
inline constexpr std::string_view kCylinder = "ทรงกระบอก 15x30 ซม.";
inline constexpr std::string_view kSpecified = "กำลังอัดที่กำหนดของคอนกรีตในผลทดสอบ (กก./ตร.ซม.)";
inline constexpr std::array<std::string_view, 5> kColumns{"วันที่", "ก้อนที่ 1", "ก้อนที่ 2", "ก้อนที่ 3",
                                                          "หมายเหตุ"};
inline constexpr std::string_view kUseMargin = "ใช้ส่วนเผื่อจากผลทดสอบนี้ในการออกแบบ";
inline constexpr std::string_view kAddRow = "เพิ่มแถว";
inline constexpr std::string_view kDeleteRow = "ลบแถว";
// How the table takes rows from a spreadsheet.
inline constexpr std::string_view kPasteHint =
    "วางแถวจากตารางคำนวณได้ด้วย Ctrl+V (คอลัมน์คั่นด้วยแท็บ หนึ่งบรรทัดต่อหนึ่งแถว)";
// The same on a touch screen, which has no Ctrl+V.
inline constexpr std::string_view kTouchPasteHint =
    "วางแถวจากตารางคำนวณได้โดยแตะค้างที่ช่องแล้วเลือกวาง (คอลัมน์คั่นด้วยแท็บ หนึ่งบรรทัดต่อหนึ่งแถว)";

// Refusals; a row is followed by its number counted from 1, then kRowRefusedClose.
inline constexpr std::string_view kRowRefused = "ผลทดสอบแถวที่ ";
inline constexpr std::string_view kRowRefusedClose = " ไม่ถูกต้อง";
inline constexpr std::string_view kSpecifiedRefused =
    "กำลังอัดที่กำหนดของคอนกรีตในผลทดสอบต้องเป็นตัวเลขที่มากกว่า 0";
inline constexpr std::string_view kNoRecords = "แฟ้มนี้ไม่มีผลทดสอบกำลังอัด";
// A typed or pasted cell the table does not take.
inline constexpr std::string_view kCellRefused =
    "วันที่ หมายเหตุ และผลทดสอบต้องยาวไม่เกิน 60 ตัวอักษรและไม่มีอักขระควบคุม";

// The figures, shown on the records' own specimen.
inline constexpr std::string_view kTests = "จำนวนผลทดสอบ";
inline constexpr std::string_view kTestsUnit = "ชุด";
inline constexpr std::string_view kMean = "กำลังอัดเฉลี่ย";
inline constexpr std::string_view kDeviation = "ส่วนเบี่ยงเบนมาตรฐาน";
inline constexpr std::string_view kFactor = "ตัวคูณสำหรับผลทดสอบน้อยกว่า 30 ชุด (k)";
inline constexpr std::string_view kMargin = "ส่วนเผื่อจากผลทดสอบ";
inline constexpr std::string_view kMarginCube = "ส่วนเผื่อสำหรับการออกแบบ (ตัวอย่างลูกบาศก์)";
inline constexpr std::string_view kRequired = "กำลังอัดที่ต้องการของแบบนี้ (f'c)";
inline constexpr std::string_view kSingleLimit = "เกณฑ์ต่ำสุดของผลทดสอบแต่ละชุด";
inline constexpr std::string_view kTarget = "กำลังอัดที่ต้องผลิต";
inline constexpr std::string_view kControl = "ระดับการควบคุมคุณภาพ";
inline constexpr std::string_view kVerdictCaption = "การยอมรับคอนกรีต";
inline constexpr std::string_view kKsc = "กก./ตร.ซม.";
inline constexpr std::string_view kTestsHeading = "ผลทดสอบแต่ละชุด";
// A test's line: its row, its date, its result, then the average of three.
inline constexpr std::string_view kRow = "แถวที่ ";
inline constexpr std::string_view kAverage3 = "  เฉลี่ย 3 ชุด ";
inline constexpr std::string_view kLowSingle = "  ต่ำกว่าเกณฑ์ของผลทดสอบแต่ละชุด";
inline constexpr std::string_view kLowAverage = "  อยู่ในค่าเฉลี่ย 3 ชุดที่ต่ำกว่า f'c";

// Standard of control, best first.
inline constexpr std::array<std::string_view, 5> kControlClasses{"ดีเยี่ยม", "ดีมาก", "ดี", "พอใช้",
                                                                 "ต้องปรับปรุง"};

// Notes beside the margin.
inline constexpr std::string_view kTooFewTests = "ต้องมีผลทดสอบอย่างน้อย 15 ชุดจึงจะใช้ส่วนเผื่อจากผลทดสอบได้";
inline constexpr std::string_view kDifferentStrength =
    "ผลทดสอบมาจากคอนกรีตที่มีกำลังอัดต่างจากแบบนี้เกิน 70 กก./ตร.ซม. ส่วนเผื่อที่ได้อาจไม่เหมาะสม";
inline constexpr std::string_view kConfirmByTrial =
    "ส่วนเผื่อจากผลทดสอบควรใช้กับส่วนผสมที่ยืนยันด้วยการผสมทดลองแล้ว";
inline constexpr std::string_view kCylinderBasis = "คำนวณตามเกณฑ์ของตัวอย่างทรงกระบอก";

// The verdict.
inline constexpr std::string_view kAccepted = "ผ่านเกณฑ์การยอมรับ";
inline constexpr std::string_view kRejected = "ไม่ผ่านเกณฑ์การยอมรับ";
inline constexpr std::string_view kNoTests = "ยังไม่มีผลทดสอบ";
inline constexpr std::string_view kNoRequiredStrength = "กรุณาใส่กำลังอัดที่ต้องการในหน้าหลัก";
inline constexpr std::string_view kNoShape = "กรุณาเลือกชนิดตัวอย่างของแบบในหน้าหลัก";

// The chart.
inline constexpr std::string_view kTestAxis = "ครั้งที่ทดสอบ";
inline constexpr std::string_view kStrengthAxis = "กำลังอัด (กก./ตร.ซม.)";
inline constexpr std::string_view kResultsLegend = "ผลทดสอบ";
inline constexpr std::string_view kAverageLegend = "เฉลี่ย 3 ชุดต่อเนื่อง";
inline constexpr std::string_view kRequiredLegend = "f'c";
inline constexpr std::string_view kLimitLegend = "เกณฑ์แต่ละชุด";
inline constexpr std::string_view kTargetLegend = "กำลังอัดที่ต้องผลิต";

// The details window's second caption and the report's line 4 with the
// records' margin in place of the method's 60: before, the margin, after.
inline constexpr std::string_view kTargetWithMargin =
    "กำลังอัดที่ต้องผลิต                            (กำลังอัดที่ต้องการ+ส่วนเผื่อหรือmargin(";
inline constexpr std::string_view kTargetWithMarginClose = " กก./ตร.ซม.))=";
// The report's 45th line: the tests, then their deviation.
inline constexpr std::string_view kReportMargin = "ส่วนเผื่อจากผลทดสอบ ";
inline constexpr std::string_view kReportDeviation = " ชุด ส่วนเบี่ยงเบนมาตรฐาน ";
inline constexpr std::string_view kReportDeviationUnit = " กก./ตร.ซม.";
// The specimen the deviation is on, as the records were tested.
inline constexpr std::string_view kOnCubes = " (ตัวอย่างลูกบาศก์ 15 ซม.)";
inline constexpr std::string_view kOnCylinders = " (ตัวอย่างทรงกระบอก 15x30 ซม.)";

// The window's commands.
inline constexpr std::string_view kPrintCommand = "พิมพ์";
inline constexpr std::string_view kSavePdfCommand = "บันทึกเป็น PDF";
inline constexpr std::string_view kCopyCommand = "คัดลอกเป็นข้อความ";
inline constexpr std::string_view kCloseCommand = "ปิดหน้านี้";

}  // namespace krv1::text::records
