// The main window as its layout table gives it.
#pragma once

#include <array>

#include "platform/control_row.h"
#include "platform/form_window.h"

namespace krv1::forms {

namespace main_controls {
inline constexpr char kProgramTitle[] = "Label1";
inline constexpr char kDescription[] = "Label25";
// The requirements.
inline constexpr char kRequirementsFrame[] = "Frame1";
inline constexpr char kReadConditionsReminder[] = "Label28";
inline constexpr char kEngineerCaption[] = "Label29";
inline constexpr char kShapeFrame[] = "Frame5";
inline constexpr char kEngineerBox[] = "Text5";
// Beside the original controls, under the commands and the results.
inline constexpr char kProjectCaption[] = "ProjectCaption";
inline constexpr char kProjectBox[] = "ProjectBox";
inline constexpr char kMarginNotice[] = "MarginNotice";
inline constexpr char kMaterialsNotice[] = "MaterialsNotice";
inline constexpr char kMaterialsNote[] = "MaterialsNote";
inline constexpr char kHintBox[] = "Text1";
inline constexpr char kStrengthCaption[] = "Label2";
inline constexpr char kStrengthBox[] = "Text2";
inline constexpr char kCubeOption[] = "Option3";
inline constexpr char kCylinderOption[] = "Option4";
inline constexpr char kWithAdmixtureOption[] = "Option1";
inline constexpr char kWithoutAdmixtureOption[] = "Option2";
inline constexpr char kSlumpCaption[] = "Label3";
inline constexpr char kSlumpList[] = "Combo1";
inline constexpr char kStoneCaption[] = "Label4";
inline constexpr char kStoneList[] = "Combo2";
inline constexpr char kMoistureCaption[] = "Label27";
inline constexpr char kMoistureBox[] = "Text4";
inline constexpr char kDosageCaption[] = "Label26";
inline constexpr char kDosageBox[] = "Text3";
inline constexpr char kPicture[] = "Picture1";
// The commands.
inline constexpr char kCalculateCommand[] = "Command1";
inline constexpr char kDetailsCommand[] = "Command2";
inline constexpr char kConditionsCommand[] = "Command4";
inline constexpr char kAboutCommand[] = "Command5";
inline constexpr char kCloseCommand[] = "Command6";
// The results.
inline constexpr char kResultsFrame[] = "Frame2";
inline constexpr char kBeforeCorrectionFrame[] = "Frame3";
inline constexpr char kAfterCorrectionFrame[] = "Frame4";
inline constexpr char kCementCaptionBeforeCorrection[] = "Label5";
// The result texts of the two panels, cement, water, sand, stone, admixture.
inline constexpr std::array<const char*, 5> kBeforeCorrectionResults{
    "Label10", "Label11", "Label12", "Label13", "Label14"};
inline constexpr std::array<const char*, 5> kAfterCorrectionResults{"Label15", "Label16", "Label17",
                                                                    "Label18", "Label19"};
}  // namespace main_controls

extern const platform::WindowLayout kMainWindowLayout;
extern const std::array<platform::ControlRow, 56> kMainWindowControls;

}  // namespace krv1::forms
