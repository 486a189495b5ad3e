// The project window as its layout table gives it.
#pragma once

#include <array>

#include "platform/control_row.h"
#include "platform/form_window.h"

namespace krv1::forms {

namespace project_controls {
inline constexpr char kNameBox[] = "Text1";
inline constexpr char kEngineerBox[] = "Text2";
// The settings' boxes, in the settings' order: the two trucks, then the
// carbon factors of cement, sand, stone and admixture.
inline constexpr std::array<const char*, 6> kSettingBoxes{"Text3", "Text4", "Text5",
                                                          "Text6", "Text7", "Text8"};
inline constexpr char kElements[] = "Table1";
inline constexpr char kAddCommand[] = "Command1";
inline constexpr char kOpenCommand[] = "Command2";
inline constexpr char kRemoveCommand[] = "Command3";
inline constexpr char kUpCommand[] = "Command4";
inline constexpr char kDownCommand[] = "Command5";
inline constexpr char kCloseCommand[] = "Command6";
inline constexpr char kFoot[] = "Label9";
inline constexpr char kComparison[] = "Table2";
inline constexpr char kOrders[] = "Text9";
}  // namespace project_controls

extern const platform::WindowLayout kProjectWindowLayout;
extern const std::array<platform::ControlRow, 26> kProjectWindowControls;

}  // namespace krv1::forms
