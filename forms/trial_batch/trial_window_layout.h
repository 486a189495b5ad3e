// The trial batch window as its layout table gives it.
#pragma once

#include <array>

#include "platform/control_row.h"
#include "platform/form_window.h"
#include "presentation/trial_batch.h"

namespace krv1::forms {

namespace trial_controls {
inline constexpr char kResults[] = "Text11";
inline constexpr char kFoot[] = "Label11";
inline constexpr char kChart[] = "Chart1";
inline constexpr char kPrintCommand[] = "Command1";
inline constexpr char kSavePdfCommand[] = "Command2";
inline constexpr char kCopyCommand[] = "Command3";
inline constexpr char kCloseCommand[] = "Command4";
// The adjusted mix's figures, a panel each, in BatchRow order.
inline constexpr std::array<const char*, 5> kBeforeFigures{"Label18", "Label19", "Label20",
                                                           "Label21", "Label22"};
inline constexpr std::array<const char*, 5> kAfterFigures{"Label28", "Label29", "Label30",
                                                          "Label31", "Label32"};
// The boxes, in TrialBox order.
inline constexpr std::array<const char*, presentation::kTrialBoxes> kBoxes{
    "Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10"};
}  // namespace trial_controls

extern const platform::WindowLayout kTrialWindowLayout;
extern const std::array<platform::ControlRow, 49> kTrialWindowControls;

}  // namespace krv1::forms
