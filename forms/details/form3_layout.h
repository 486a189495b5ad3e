// The details window as its layout table gives it.
#pragma once

#include <array>

#include "platform/control_spec.h"
#include "platform/form_window.h"

namespace krv1::forms {

extern const platform::WindowSpec kForm3Window;
extern const std::array<platform::ControlSpec, 86> kForm3Controls;

}  // namespace krv1::forms
