// The strength records window as its layout table gives it.
#pragma once

#include <array>

#include "platform/control_row.h"
#include "platform/form_window.h"

namespace krv1::forms {

namespace records_controls {
inline constexpr char kCubeOption[] = "Option1";
inline constexpr char kCylinderOption[] = "Option2";
inline constexpr char kSpecifiedBox[] = "Text1";
inline constexpr char kTable[] = "Table1";
inline constexpr char kAddRowCommand[] = "Command5";
inline constexpr char kDeleteRowCommand[] = "Command6";
inline constexpr char kUseMarginCheck[] = "Check1";
inline constexpr char kFoot[] = "Label3";
inline constexpr char kChart[] = "Chart1";
inline constexpr char kVerdict[] = "Label4";
inline constexpr char kFigures[] = "Text2";
inline constexpr char kPrintCommand[] = "Command1";
inline constexpr char kSavePdfCommand[] = "Command2";
inline constexpr char kCopyCommand[] = "Command3";
inline constexpr char kCloseCommand[] = "Command4";
}  // namespace records_controls

extern const platform::WindowLayout kRecordsWindowLayout;
extern const std::array<platform::ControlRow, 17> kRecordsWindowControls;

}  // namespace krv1::forms
