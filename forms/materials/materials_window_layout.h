// The site materials window as its layout table gives it.
#pragma once

#include <array>

#include "platform/control_row.h"
#include "platform/form_window.h"

namespace krv1::forms {

namespace materials_controls {
inline constexpr char kCementList[] = "Combo1";
// In the order of the materials' boxes: the cement's gravity, the sand's
// gravity and absorption, the stone's gravity, absorption and moisture.
inline constexpr std::array<const char*, 6> kBoxes{"Text1", "Text2", "Text3",
                                                   "Text4", "Text5", "Text6"};
inline constexpr char kNote[] = "Label8";
inline constexpr char kFoot[] = "Label9";
inline constexpr char kDefaultsCommand[] = "Command1";
inline constexpr char kCloseCommand[] = "Command2";
}  // namespace materials_controls

extern const platform::WindowLayout kMaterialsWindowLayout;
extern const std::array<platform::ControlRow, 18> kMaterialsWindowControls;

}  // namespace krv1::forms
