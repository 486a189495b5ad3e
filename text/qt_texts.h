// Thai for the texts Qt gives its own dialogs and context menus, which Debian
// ships only in English: the file dialogs, the text boxes' context menus and
// the standard buttons. Keyed by Qt's translation context and source text.
#pragma once

#include <string_view>

#include "ui_texts.h"

namespace krv1::text::qt {

struct QtText {
    std::string_view context;
    std::string_view source;
    std::string_view thai;
};

inline constexpr QtText kQtTexts[] = {
    {"QFileDialog", "&Delete", "ลบ"},
    {"QFileDialog", "&New Folder", "สร้างโฟลเดอร์ใหม่"},
    {"QFileDialog", "&Open", ui::kOpen},
    {"QFileDialog", "&Rename", "เปลี่ยนชื่อ"},
    {"QFileDialog", "&Save", ui::kSave},
    {"QFileDialog", "&Choose", "เลือก"},
    {"QFileDialog", "All Files (*)", "ทุกแฟ้ม (*)"},
    {"QFileDialog", "Back", "ย้อนกลับ"},
    {"QFileDialog", "Forward", "ไปข้างหน้า"},
    {"QFileDialog", "Parent Directory", "โฟลเดอร์ที่อยู่เหนือขึ้นไป"},
    {"QFileDialog", "Create New Folder", "สร้างโฟลเดอร์ใหม่"},
    {"QFileDialog", "List View", "มุมมองรายการ"},
    {"QFileDialog", "Detail View", "มุมมองรายละเอียด"},
    {"QFileDialog", "Go back", "ย้อนกลับ"},
    {"QFileDialog", "Go forward", "ไปข้างหน้า"},
    {"QFileDialog", "Go to the parent directory", "ไปยังโฟลเดอร์ที่อยู่เหนือขึ้นไป"},
    {"QFileDialog", "Create a New Folder", "สร้างโฟลเดอร์ใหม่"},
    {"QFileDialog", "Change to list view mode", "แสดงเป็นรายการ"},
    {"QFileDialog", "Change to detail view mode", "แสดงพร้อมรายละเอียด"},
    {"QFileDialog", "Look in:", ui::kLookIn},
    {"QFileDialog", "File &name:", ui::kFileName},
    {"QFileDialog", "Files of type:", ui::kFileType},
    {"QFileDialog", "Files", "แฟ้ม"},
    {"QFileDialog", "Directory:", "โฟลเดอร์:"},
    {"QFileDialog", "Directories", "โฟลเดอร์"},
    {"QFileDialog", "Sidebar", "แถบข้าง"},
    {"QFileDialog", "List of places and bookmarks", "รายการที่ตั้งและที่คั่นไว้"},
    {"QFileDialog", "Recent Places", "ที่ตั้งล่าสุด"},
    {"QFileDialog", "Show ", "แสดง "},
    {"QFileDialog", "Show &hidden files", "แสดงแฟ้มที่ซ่อนไว้"},
    {"QFileDialog", "New Folder", "โฟลเดอร์ใหม่"},
    {"QFileDialog", "%1 already exists.\nDo you want to replace it?",
     "%1 มีอยู่แล้ว\nต้องการเขียนทับหรือไม่"},
    {"QFileDialog", "Are you sure you want to delete '%1'?", "ต้องการลบ '%1' ใช่หรือไม่"},
    {"QFileDialog", "Could not delete directory.", "ลบโฟลเดอร์ไม่ได้"},
    {"QFileDialog", "%1\nFile not found.\nPlease verify the correct file name was given.",
     "%1\nไม่พบแฟ้มนี้\nกรุณาตรวจสอบชื่อแฟ้ม"},
    {"QFileDialog", "%1\nDirectory not found.\nPlease verify the correct directory name was given.",
     "%1\nไม่พบโฟลเดอร์นี้\nกรุณาตรวจสอบชื่อโฟลเดอร์"},
    {"QFileSystemModel", "Name", "ชื่อ"},
    {"QFileSystemModel", "Size", "ขนาด"},
    {"QFileSystemModel", "Type", "ชนิด"},
    {"QFileSystemModel", "Date Modified", "วันที่แก้ไข"},
    {"QFileSystemModel", "Computer", "คอมพิวเตอร์"},
    {"QFileSystemModel", "My Computer", "คอมพิวเตอร์"},
    {"QAbstractFileIconProvider", "Drive", "ไดรฟ์"},
    {"QAbstractFileIconProvider", "Folder", "โฟลเดอร์"},
    {"QAbstractFileIconProvider", "File", "แฟ้ม"},
    {"QLineEdit", "&Undo", "เลิกทำ"},
    {"QLineEdit", "&Redo", "ทำซ้ำ"},
    {"QLineEdit", "Cu&t", "ตัด"},
    {"QLineEdit", "&Copy", "คัดลอก"},
    {"QLineEdit", "&Paste", "วาง"},
    {"QLineEdit", "Delete", "ลบ"},
    {"QLineEdit", "Select All", "เลือกทั้งหมด"},
    {"QWidgetTextControl", "&Copy", "คัดลอก"},
    {"QWidgetTextControl", "Copy &Link Location", "คัดลอกที่อยู่ลิงก์"},
    {"QWidgetTextControl", "Select All", "เลือกทั้งหมด"},
    {"QPlatformTheme", "OK", ui::kOk},
    {"QPlatformTheme", "Cancel", ui::kCancel},
    {"QPlatformTheme", "Open", ui::kOpen},
    {"QPlatformTheme", "Save", ui::kSave},
    {"QPlatformTheme", "Discard", ui::kDontSave},
    {"QPlatformTheme", "&Yes", ui::kYes},
    {"QPlatformTheme", "&No", ui::kNo},
};

}  // namespace krv1::text::qt
