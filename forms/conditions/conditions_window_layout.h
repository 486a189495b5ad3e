// The conditions window as its layout table gives it.
#pragma once

#include <array>

#include "platform/control_row.h"
#include "platform/form_window.h"

namespace krv1::forms {

namespace conditions_controls {
inline constexpr char kConditionsText[] = "Text1";
inline constexpr char kCloseCommand[] = "Command1";
}  // namespace conditions_controls

extern const platform::WindowLayout kConditionsWindowLayout;
extern const std::array<platform::ControlRow, 2> kConditionsWindowControls;

}  // namespace krv1::forms
