// The About window as its layout table gives it.
#pragma once

#include <array>

#include "platform/control_row.h"
#include "platform/form_window.h"

namespace krv1::forms {

namespace about_controls {
inline constexpr char kPurpose[] = "Label1";
inline constexpr char kContact[] = "Label2";
inline constexpr char kCredit[] = "Label3";
}  // namespace about_controls

extern const platform::WindowLayout kAboutWindowLayout;
extern const std::array<platform::ControlRow, 3> kAboutWindowControls;

}  // namespace krv1::forms
