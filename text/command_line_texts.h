// The command line's usage text and messages.
#pragma once

#include <string_view>

namespace krv1::text::command_line {

inline constexpr std::string_view kUsage =
    "วิธีใช้: krv1 [แฟ้ม.krv1]\n"
    "        krv1 --report แฟ้ม.krv1 [-o รายงาน.pdf]\n"
    "        krv1 --sheet แฟ้ม.krv1 [--json | -o ตาราง.pdf]\n"
    "        krv1 --trial แฟ้ม.krv1 [--json | -o ผสมทดลอง.pdf]\n"
    "        krv1 --records แฟ้ม.krv1 [--json | -o ผลทดสอบ.pdf]\n"
    "        krv1 --project แฟ้ม.krv1proj [--json | -o สมุดงาน.xlsx | -o โครงการ.pdf]\n"
    "\n"
    "ออกแบบส่วนผสมคอนกรีต 1 ลบ.ม. สำหรับงานในประเทศไทย\n"
    "\n"
    "  แฟ้ม.krv1             เปิดหน้าต่างโปรแกรมพร้อมแบบส่วนผสมในแฟ้มนี้\n"
    "  --report แฟ้ม.krv1    เขียนรายงาน 44 บรรทัด (45 เมื่อใช้ส่วนเผื่อจากผลทดสอบ\n"
    "                        และอีกบรรทัดสำหรับตัวอย่างทรงกระบอก)\n"
    "                        ของแบบส่วนผสมออกทางเอาต์พุตมาตรฐาน\n"
    "                        โดยไม่เปิดหน้าต่าง\n"
    "  --sheet แฟ้ม.krv1     เขียนตารางผสมคอนกรีตหน้างานเป็นข้อความออกทางเอาต์พุตมาตรฐาน\n"
    "  --trial แฟ้ม.krv1     เขียนผลการผสมทดลองและส่วนผสมที่ปรับแล้วเป็นข้อความ\n"
    "  --records แฟ้ม.krv1   เขียนส่วนเผื่อและผลการยอมรับจากผลทดสอบกำลังอัดเป็นข้อความ\n"
    "  --project แฟ้ม.krv1proj  เขียนการเปรียบเทียบส่วนผสมและวัสดุที่ต้องสั่งของโครงการ\n"
    "  --json                กับ --sheet, --trial, --records หรือ --project:\n"
    "                        ตัวเลขที่ยังไม่ปัดเศษในรูป JSON\n"
    "  -o, --output แฟ้ม.pdf  กับ --report, --sheet, --trial หรือ --records:\n"
    "                        เขียนเป็น PDF ลงแฟ้มนี้แทน; กับ --project: PDF หรือสมุดงาน Excel (.xlsx)\n"
    "  --date ปปปป-ดด-วว     วันที่ที่พิมพ์บนรายงาน ตาราง และหน้าผลทดสอบ (ค.ศ.) แทนวันนี้\n"
    "  -h, --help            แสดงวิธีใช้นี้\n"
    "  -v, --version         แสดงรุ่นของโปรแกรม\n"
    "\n"
    "สถานะเมื่อจบ: 0 เสร็จ, 1 ใช้คำสั่งไม่ถูกต้อง, 2 แฟ้มแบบส่วนผสมใช้ไม่ได้,\n"
    "3 คำนวณไม่ได้, 4 เขียนแฟ้มผลลัพธ์ไม่ได้\n";
// Followed by what is wrong, then the usage text.
inline constexpr std::string_view kWrongUsage = "ใช้คำสั่งไม่ถูกต้อง: ";
inline constexpr std::string_view kUnknownOption = "ไม่รู้จักตัวเลือก ";
inline constexpr std::string_view kMissingReportFile =
    "ต้องระบุแฟ้มแบบส่วนผสมหลัง --report, --sheet, --trial หรือ --records";
inline constexpr std::string_view kMissingOutputFile = "ต้องระบุแฟ้ม PDF หลัง -o";
// Followed by the option as typed, "--report" of "--report=x".
inline constexpr std::string_view kTakesNoValue = "ตัวเลือกนี้ไม่รับค่า: ";
inline constexpr std::string_view kMissingDate = "ต้องระบุวันที่หลัง --date";
// Followed by the date as typed.
inline constexpr std::string_view kBadDate = "วันที่ต้องอยู่ในรูป ปปปป-ดด-วว (ค.ศ.) เช่น 2026-12-08: ";
inline constexpr std::string_view kDateWithSheet =
    "ใช้ --date ได้กับ --report, --sheet, --trial หรือ --records เท่านั้น";
inline constexpr std::string_view kOutputWithoutReport =
    "ใช้ -o ได้กับ --report, --sheet, --trial หรือ --records เท่านั้น";
inline constexpr std::string_view kJsonWithSheet =
    "ใช้ --json ได้กับ --sheet, --trial หรือ --records ที่ไม่มี -o เท่านั้น";
inline constexpr std::string_view kReportOrSheet =
    "เลือก --report, --sheet, --trial หรือ --records อย่างใดอย่างหนึ่ง";
// Followed by the output as typed.
inline constexpr std::string_view kProjectOutput = "โครงการเขียนได้เป็น .pdf หรือสมุดงาน .xlsx เท่านั้น: ";
inline constexpr std::string_view kTooManyFiles = "ระบุแฟ้มแบบส่วนผสมได้เพียงแฟ้มเดียว";
inline constexpr std::string_view kVersion = "KRV1 ";
// Asked for the windows where there is no screen to open them on.
inline constexpr std::string_view kNoDisplay =
    "ไม่พบหน้าจอสำหรับเปิดหน้าต่างโปรแกรม ใช้ --report หรือ --sheet เพื่อทำงานโดยไม่มีหน้าจอ";

}  // namespace krv1::text::command_line
