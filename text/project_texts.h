// A project of many designs: its file, its settings, what it orders, and
// where the engineer works with it.
#pragma once

#include <string_view>

namespace krv1::text::project {

inline constexpr std::string_view kTitle = "โครงการ";
// The tools menu's command that brings the project window back.
inline constexpr std::string_view kMenuItem = "โครงการ...";

// The file.
inline constexpr std::string_view kNotAProject = "แฟ้มนี้ไม่ใช่โครงการ KRV1";
inline constexpr std::string_view kTooLarge = "แฟ้มมีขนาดใหญ่เกินกว่าที่เป็นโครงการได้";
inline constexpr std::string_view kTooManyElements = "โครงการหนึ่งมีได้ไม่เกิน 200 รายการ";
inline constexpr std::string_view kProjectFilter = "โครงการ KRV1 (*.krv1proj)";
inline constexpr std::string_view kWorkbookFilter = "สมุดงาน Excel (*.xlsx)";

// How each element's concrete is supplied.
inline constexpr std::string_view kSiteMixed = "ผสมเองที่หน้างาน";
inline constexpr std::string_view kReadyMixed = "คอนกรีตผสมเสร็จ";

// The settings, each with the range it takes in the site sheet's words.
inline constexpr std::string_view kSandTruck = "ความจุรถขนทราย-หิน (คิว/เที่ยว)";
inline constexpr std::string_view kSandTruckRange = " ต้องมากกว่า 0 และไม่เกิน 30";
inline constexpr std::string_view kReadyTruck = "ความจุรถคอนกรีตผสมเสร็จ (ลบ.ม./คัน)";
inline constexpr std::string_view kReadyTruckRange = " ต้องมากกว่า 0 และไม่เกิน 12";
inline constexpr std::string_view kCo2Cement = "ค่าคาร์บอนของปูนซีเมนต์ (กก.CO2e/กก.)";
inline constexpr std::string_view kCo2CementRange = " ต้องเป็นตัวเลขตั้งแต่ 0 ถึง 2";
inline constexpr std::string_view kCo2Sand = "ค่าคาร์บอนของทราย (กก.CO2e/กก.)";
inline constexpr std::string_view kCo2SandRange = " ต้องเป็นตัวเลขตั้งแต่ 0 ถึง 0.1";
inline constexpr std::string_view kCo2Stone = "ค่าคาร์บอนของหิน (กก.CO2e/กก.)";
inline constexpr std::string_view kCo2StoneRange = " ต้องเป็นตัวเลขตั้งแต่ 0 ถึง 0.1";
inline constexpr std::string_view kCo2Admixture = "ค่าคาร์บอนของน้ำยาผสมคอนกรีต (กก.CO2e/ลิตร)";
inline constexpr std::string_view kCo2AdmixtureRange = " ต้องเป็นตัวเลขตั้งแต่ 0 ถึง 5";

// Under the totals.
inline constexpr std::string_view kLeftOut = "ไม่รวมรายการที่คำนวณไม่ได้: ";
inline constexpr std::string_view kNamesSeparator = ", ";
inline constexpr std::string_view kCarbonLeftOut = "ไม่รวมค่าคาร์บอนที่ไม่ได้ระบุ";

// The project's pages and sheets.
inline constexpr std::string_view kProjectLine = "โครงการ ";
inline constexpr std::string_view kEngineerLine = "วิศวกร ";
inline constexpr std::string_view kElements = "รายการ";
inline constexpr std::string_view kSupply = "การจัดหา";

// The comparison, one row a figure.
inline constexpr std::string_view kCompareTitle = "เปรียบเทียบส่วนผสม";
inline constexpr std::string_view kRequired = "กำลังอัดที่ต้องการ";
inline constexpr std::string_view kSpecimen = "ตัวอย่างทดสอบ";
inline constexpr std::string_view kTarget = "กำลังอัดที่ต้องผลิต (F)";
inline constexpr std::string_view kRatio = "อัตราส่วนน้ำต่อซีเมนต์ (W/C)";
inline constexpr std::string_view kBefore = " ก่อนปรับความชื้น";
inline constexpr std::string_view kAfter = " หลังปรับความชื้น";
inline constexpr std::string_view kCement = "ปูนซีเมนต์";
inline constexpr std::string_view kWater = "น้ำ";
inline constexpr std::string_view kSand = "ทราย";
inline constexpr std::string_view kStone = "หิน";
inline constexpr std::string_view kAdmixture = "น้ำยาผสมคอนกรีต";
inline constexpr std::string_view kVolume = "ปริมาตรรวมเผื่อสูญเสีย";
inline constexpr std::string_view kBags = "ปูนซีเมนต์ทั้งหมด";
inline constexpr std::string_view kCostPerCubicMetre = "ค่าวัสดุต่อ ลบ.ม.";
inline constexpr std::string_view kCost = "ค่าวัสดุทั้งหมด";
inline constexpr std::string_view kCarbonPerCubicMetre = "คาร์บอนต่อ ลบ.ม.";
inline constexpr std::string_view kRefusal = "คำนวณไม่ได้";

// The orders.
inline constexpr std::string_view kOrderTitle = "วัสดุที่ต้องสั่ง (ผสมเองที่หน้างาน)";
inline constexpr std::string_view kSandLoose = "ทราย (หลวม)";
inline constexpr std::string_view kSandOrder = "ทรายที่ต้องสั่ง";
inline constexpr std::string_view kSandTrips = "รถขนทราย";
inline constexpr std::string_view kStoneLoose = "หิน (หลวม)";
inline constexpr std::string_view kStoneOrder = "หินที่ต้องสั่ง";
inline constexpr std::string_view kStoneTrips = "รถขนหิน";
inline constexpr std::string_view kReadyTitle = "คอนกรีตผสมเสร็จที่ต้องสั่ง";
inline constexpr std::string_view kReadyVolume = "ปริมาตรที่ใช้";
inline constexpr std::string_view kReadyOrder = "ปริมาตรที่สั่ง";
inline constexpr std::string_view kTrucks = "รถคอนกรีต";
inline constexpr std::string_view kConcreteStrength = "คอนกรีต ";
inline constexpr std::string_view kConcreteSlump = " ยุบตัว ";
inline constexpr std::string_view kConcreteStone = " หิน ";
inline constexpr std::string_view kConcreteDosage = " น้ำยา ";
inline constexpr std::string_view kCarbonTitle = "คาร์บอนของโครงการ";
inline constexpr std::string_view kCarbonTotal = "คาร์บอนรวม";

// The workbook's sheets, and the summary's columns besides the comparison's.
inline constexpr std::string_view kSummarySheet = "สรุปโครงการ";
inline constexpr std::string_view kOrderSheet = "สั่งวัสดุ";
inline constexpr std::string_view kCompareSheet = "เปรียบเทียบ";
inline constexpr std::string_view kSlump = "ค่ายุบตัว";
inline constexpr std::string_view kStoneSize = "ขนาดหิน";
inline constexpr std::string_view kDosage = "น้ำยา";
inline constexpr std::string_view kMoisture = "ความชื้นทราย";
inline constexpr std::string_view kCaption = "รายการ";
inline constexpr std::string_view kFigure = "ค่า";
inline constexpr std::string_view kUnit = "หน่วย";
inline constexpr std::string_view kCcPer100Kg = "ซีซี/100 กก.";
inline constexpr std::string_view kPercent = "%";
inline constexpr std::string_view kCm = "ซม.";
inline constexpr std::string_view kInch = "นิ้ว";

// The file menu's commands, and the questions before a project's changes
// are lost.
inline constexpr std::string_view kNewProject = "โครงการใหม่";
inline constexpr std::string_view kOpenProject = "เปิดโครงการ...";
inline constexpr std::string_view kSaveProject = "บันทึกโครงการ";
inline constexpr std::string_view kSaveProjectAs = "บันทึกโครงการเป็น...";
inline constexpr std::string_view kExportWorkbook = "ส่งออกโครงการเป็น Excel...";
inline constexpr std::string_view kSaveBeforeNewQuestion =
    "ต้องการบันทึกการเปลี่ยนแปลงของโครงการก่อนเริ่มโครงการใหม่หรือไม่";
inline constexpr std::string_view kSaveBeforeOpenQuestion =
    "ต้องการบันทึกการเปลี่ยนแปลงของโครงการก่อนเปิดโครงการอื่นหรือไม่";
inline constexpr std::string_view kSaveBeforeQuitQuestion =
    "ต้องการบันทึกการเปลี่ยนแปลงของโครงการก่อนปิดโปรแกรมหรือไม่";

// The project window.
inline constexpr std::string_view kProjectName = "ชื่อโครงการ";
inline constexpr std::string_view kProjectEngineer = "วิศวกร";
inline constexpr std::string_view kAddDesign = "เพิ่มแบบส่วนผสมนี้เข้าโครงการ";
inline constexpr std::string_view kOpenInMain = "เปิดในหน้าหลัก";
inline constexpr std::string_view kRemove = "ลบรายการ";
inline constexpr std::string_view kMoveUp = "เลื่อนขึ้น";
inline constexpr std::string_view kMoveDown = "เลื่อนลง";
inline constexpr std::string_view kClose = "ปิดหน้านี้";
// A design added without a name of its own, followed by its number.
inline constexpr std::string_view kNewElement = "แบบส่วนผสมที่ ";
// The main window's title while it edits an element: the element's name,
// then the project's.
inline constexpr std::string_view kEditingTitle = "KRV1 - รายการ ";
inline constexpr std::string_view kEditingOf = " ของโครงการ ";

// Units.
inline constexpr std::string_view kKsc = "กก./ตร.ซม.";
inline constexpr std::string_view kKg = "กก.";
inline constexpr std::string_view kLitre = "ลิตร";
inline constexpr std::string_view kCc = "ซีซี";
inline constexpr std::string_view kCubicMetre = "ลบ.ม.";
inline constexpr std::string_view kQ = "คิว";
inline constexpr std::string_view kTrip = "เที่ยว";
inline constexpr std::string_view kTruck = "คัน";
inline constexpr std::string_view kBag = "ถุง";
inline constexpr std::string_view kBaht = "บาท";
inline constexpr std::string_view kKgCo2 = "กก.CO2e";

}  // namespace krv1::text::project
