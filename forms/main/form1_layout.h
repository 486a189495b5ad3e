// The main window as its layout table gives it.
#pragma once

#include <array>

#include "platform/control_row.h"
#include "platform/form_window.h"

namespace krv1::forms {

extern const platform::WindowLayout kForm1Window;
extern const std::array<platform::ControlRow, 51> kForm1Controls;

}  // namespace krv1::forms
