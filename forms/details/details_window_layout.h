// The details window as its layout table gives it.
#pragma once

#include <array>

#include "platform/control_row.h"
#include "platform/form_window.h"
#include "presentation/details_values.h"

namespace krv1::forms {

namespace details_controls {
inline constexpr char kPrintCommand[] = "Command1";
inline constexpr char kCloseCommand[] = "Command2";
inline constexpr char kConditionsCommand[] = "Command3";
inline constexpr char kSavePdfCommand[] = "Command4";
inline constexpr char kSiteSheetCommand[] = "Command5";
inline constexpr char kTrialCommand[] = "Command6";
inline constexpr char kTargetStrengthCaption[] = "Label4";
inline constexpr char kCubeBasisLabel[] = "CubeBasisLabel";
}  // namespace details_controls

extern const platform::WindowLayout kDetailsWindowLayout;
extern const std::array<platform::ControlRow, 90> kDetailsWindowControls;
// The label that shows each value of the account, in DetailsValue order.
extern const std::array<const char*, presentation::kDetailsValues> kDetailsValueLabels;
inline const char* ValueLabel(presentation::DetailsValue value) {
    return kDetailsValueLabels[static_cast<std::size_t>(value)];
}

}  // namespace krv1::forms
