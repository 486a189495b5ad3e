#include "main_window_layout.h"

#include "text/main_window_texts.h"

namespace krv1::forms {

using platform::ControlKind;
using platform::FontRole;
using platform::Rgb;
namespace t = text::main_window;
namespace m = main_controls;

namespace {
constexpr Rgb kWindowBack{255, 224, 192};
constexpr Rgb kUnadjustedBack{255, 192, 192};
constexpr Rgb kAdjustedBack{255, 192, 128};
constexpr auto kButton = ControlKind::CommandButton;
constexpr auto kLabel = ControlKind::Label;
constexpr auto kValue = ControlKind::ValueLabel;  // selectable, for copying
constexpr auto kText = ControlKind::TextBox;
constexpr auto kList = ControlKind::DropDownList;
constexpr auto kOption = ControlKind::OptionButton;
constexpr auto kFrame = ControlKind::Frame;
}  // namespace

// clang-format off
const platform::WindowLayout kMainWindowLayout{"Form1", t::kTitle, kWindowBack, 11880, 8595, true};

// name, kind, container, caption, left, top, width, height, tab, back, fore, enabled, font
const std::array<platform::ControlRow, 56> kMainWindowControls{{
    // Directly on the window.
    {m::kCloseCommand, kButton, "", t::kCloseProgramCommand, 4320, 7320, 1095, 375, 29},
    {m::kAboutCommand, kButton, "", t::kAboutCommand, 10440, 960, 1095, 375, 28},
    {m::kConditionsCommand, kButton, "", t::kConditionsCommand, 4200, 1680, 1095, 375, 27},
    {m::kPicture, ControlKind::PictureBox, "", "", 480, 720, 600, 600, 26},
    {m::kDetailsCommand, kButton, "", t::kDetailsCommand, 1920, 7320, 2175, 375, 24, {}, {}, false},
    {m::kCalculateCommand, kButton, "", t::kCalculateCommand, 840, 7320, 855, 375, 23},
    {m::kResultsFrame, kFrame, "", t::kResultsFrame, 6240, 1560, 5295, 6495, 10, {}, Rgb{0, 0, 128}, true,
     FontRole::CaptionBold975},
    {m::kRequirementsFrame, kFrame, "", t::kRequirementsFrame, 600, 1440, 5175, 5775, 1, {}, Rgb{192, 0, 0}, true,
     FontRole::CaptionBold975},
    {m::kDescription, kLabel, "", t::kDescription, 1440, 840, 8775, 495, 25},
    {m::kProgramTitle, kLabel, "", t::kProgramTitle, 2160, 240, 6735, 375, 0, {}, Rgb{192, 0, 0}, true,
     FontRole::TitleBold12},
    // Under the commands, where nothing stood: the project's name, typed after
    // the engineer's, and under it the site's materials while they are not the
    // method's; under the results, the records' margin while it is used.
    {m::kProjectCaption, kLabel, "", t::kProjectCaption, 600, 7800, 1095, 315, 52},
    {m::kProjectBox, kText, "", "", 1680, 7800, 3615, 315, 51},
    {m::kMarginNotice, kLabel, "", "", 6240, 8160, 5295, 255, 53, {}, Rgb{0, 0, 128}},
    {m::kMaterialsNotice, kLabel, "", "", 600, 8115, 5520, 480, 54, {}, Rgb{0, 0, 128}},
    // In Frame1, the requirements.
    {m::kEngineerBox, kText, m::kRequirementsFrame, "", 1080, 720, 3615, 315, 50},
    {m::kMoistureBox, kText, m::kRequirementsFrame, "", 2640, 4680, 2295, 315, 46},
    {m::kHintBox, ControlKind::HintBox, m::kRequirementsFrame, "", 360, 1080, 4335, 1215, 35, Rgb{0, 0, 0},
     Rgb{255, 255, 0}},
    {m::kShapeFrame, ControlKind::PlainFrame, m::kRequirementsFrame, "", 240, 2400, 4455, 255, 32},
    {m::kDosageBox, kText, m::kRequirementsFrame, "", 3840, 5160, 1095, 315, 30, {}, {}, false},
    {m::kWithoutAdmixtureOption, kOption, m::kRequirementsFrame, t::kWithoutAdmixtureOption, 2640, 2760, 2055, 255, 6},
    {m::kWithAdmixtureOption, kOption, m::kRequirementsFrame, t::kWithAdmixtureOption, 360, 2760, 2055, 255, 5},
    {m::kStoneList, kList, m::kRequirementsFrame, "", 2640, 4200, 2295, 330, 4},
    {m::kSlumpList, kList, m::kRequirementsFrame, "", 2640, 3720, 2295, 330, 3},
    {m::kStrengthBox, kText, m::kRequirementsFrame, "", 2640, 3240, 2295, 315, 2},
    {m::kEngineerCaption, kLabel, m::kRequirementsFrame, t::kEngineerCaption, 360, 720, 1095, 375, 49},
    {m::kReadConditionsReminder, kLabel, m::kRequirementsFrame, t::kReadConditionsReminder, 1800, 360, 1695, 255, 48},
    {m::kMoistureCaption, kLabel, m::kRequirementsFrame, t::kMoistureCaption, 240, 4560, 2295, 495, 47},
    {m::kDosageCaption, kLabel, m::kRequirementsFrame, t::kDosageCaption, 240, 5160, 3375, 495, 31, {}, {}, false},
    {m::kStoneCaption, kLabel, m::kRequirementsFrame, t::kStoneCaption, 240, 4200, 1815, 375, 9},
    {m::kSlumpCaption, kLabel, m::kRequirementsFrame, t::kSlumpCaption, 240, 3720, 1095, 375, 8},
    {m::kStrengthCaption, kLabel, m::kRequirementsFrame, t::kStrengthCaption, 240, 3240, 2175, 375, 7},
    // In Frame5, the specimen shape.
    {m::kCylinderOption, kOption, m::kShapeFrame, t::kCylinderOption, 2400, 0, 1335, 330, 34},
    {m::kCubeOption, kOption, m::kShapeFrame, t::kCubeOption, 120, 0, 1335, 330, 33},
    // In Frame2, the two result panels.
    {m::kBeforeCorrectionFrame, kFrame, m::kResultsFrame, t::kBeforeCorrectionFrame, 240, 600, 4815, 2415, 11, kUnadjustedBack},
    {m::kAfterCorrectionFrame, kFrame, m::kResultsFrame, t::kAfterCorrectionFrame, 240, 3480, 4815, 2415, 17, kAdjustedBack},
    // Under the corrected panel, where the frame had room: the note on a
    // cement other than Portland.
    {m::kMaterialsNote, kLabel, m::kResultsFrame, "", 240, 5955, 4815, 480, 55, {}, Rgb{192, 0, 0}},
    {m::kCementCaptionBeforeCorrection, kLabel, m::kBeforeCorrectionFrame, t::kCementRow, 240, 480, 975, 255, 12},
    {"Label6", kLabel, m::kBeforeCorrectionFrame, t::kWaterRow, 240, 840, 975, 255, 13},
    {"Label7", kLabel, m::kBeforeCorrectionFrame, t::kSandRow, 240, 1200, 975, 255, 14},
    {"Label8", kLabel, m::kBeforeCorrectionFrame, t::kStoneRow, 240, 1560, 975, 255, 15},
    {"Label9", kLabel, m::kBeforeCorrectionFrame, t::kAdmixtureRow, 240, 1920, 1575, 255, 16},
    {m::kBeforeCorrectionResults[0], kValue, m::kBeforeCorrectionFrame, "", 1200, 480, 3375, 255, 36, platform::kWhite},
    {m::kBeforeCorrectionResults[1], kValue, m::kBeforeCorrectionFrame, "", 1200, 840, 3375, 255, 37, platform::kTitleBarText},
    {m::kBeforeCorrectionResults[2], kValue, m::kBeforeCorrectionFrame, "", 1200, 1200, 3375, 255, 38, platform::kTitleBarText},
    {m::kBeforeCorrectionResults[3], kValue, m::kBeforeCorrectionFrame, "", 1200, 1560, 3375, 255, 39, platform::kTitleBarText},
    {m::kBeforeCorrectionResults[4], kValue, m::kBeforeCorrectionFrame, "", 2280, 1920, 2295, 255, 40, platform::kTitleBarText},
    {"Label24", kLabel, m::kAfterCorrectionFrame, t::kCementRow, 240, 480, 975, 255, 22},
    {"Label23", kLabel, m::kAfterCorrectionFrame, t::kWaterRow, 240, 840, 975, 255, 21},
    {"Label22", kLabel, m::kAfterCorrectionFrame, t::kSandRow, 240, 1200, 975, 255, 20},
    {"Label21", kLabel, m::kAfterCorrectionFrame, t::kStoneRow, 240, 1560, 975, 255, 19},
    {"Label20", kLabel, m::kAfterCorrectionFrame, t::kAdmixtureRow, 240, 1920, 1575, 255, 18},
    {m::kAfterCorrectionResults[0], kValue, m::kAfterCorrectionFrame, "", 1200, 480, 3375, 255, 41, platform::kTitleBarText},
    {m::kAfterCorrectionResults[1], kValue, m::kAfterCorrectionFrame, "", 1200, 840, 3375, 255, 42, platform::kTitleBarText},
    {m::kAfterCorrectionResults[2], kValue, m::kAfterCorrectionFrame, "", 1200, 1200, 3375, 255, 43, platform::kTitleBarText},
    {m::kAfterCorrectionResults[3], kValue, m::kAfterCorrectionFrame, "", 1200, 1560, 3375, 255, 44, platform::kTitleBarText},
    {m::kAfterCorrectionResults[4], kValue, m::kAfterCorrectionFrame, "", 2280, 1920, 2295, 255, 45, platform::kTitleBarText},
}};
// clang-format on

}  // namespace krv1::forms
