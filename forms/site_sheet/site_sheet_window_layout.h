// The site batch sheet window as its layout table gives it.
#pragma once

#include <array>

#include "platform/control_row.h"
#include "platform/form_window.h"
#include "presentation/site_sheet.h"

namespace krv1::forms {

namespace site_sheet_controls {
inline constexpr char kDesign[] = "Label1";
inline constexpr char kBasis[] = "Label2";
inline constexpr char kDensityNote[] = "Label13";
inline constexpr char kPerBag[] = "Label14";
inline constexpr char kPour[] = "Label15";
inline constexpr char kCost[] = "Label16";
inline constexpr char kFoot[] = "Label17";
inline constexpr char kPrintCommand[] = "Command1";
inline constexpr char kSavePdfCommand[] = "Command2";
inline constexpr char kCopyCommand[] = "Command3";
inline constexpr char kCloseCommand[] = "Command4";
// The settings' boxes, in SiteSetting order.
inline constexpr std::array<const char*, presentation::kSiteSettings> kSettingBoxes{
    "Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10"};
}  // namespace site_sheet_controls

extern const platform::WindowLayout kSiteSheetWindowLayout;
extern const std::array<platform::ControlRow, 34> kSiteSheetWindowControls;

}  // namespace krv1::forms
