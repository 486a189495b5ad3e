#include "details_window_layout.h"

#include "text/details_texts.h"
#include "text/menu_texts.h"
#include "text/site_sheet_texts.h"
#include "text/trial_batch_texts.h"

namespace krv1::forms {

using platform::ControlKind;
using platform::FontRole;
using platform::Rgb;
namespace d = text::details;
namespace k = details_controls;

namespace {
constexpr auto kButton = ControlKind::CommandButton;
constexpr auto kLabel = ControlKind::Label;
constexpr auto kValue = ControlKind::ValueLabel;  // selectable, for copying
constexpr auto kFrame = ControlKind::Frame;
// Values are red; in the first frame of steps they stand on a lilac ground.
constexpr Rgb kValueText{255, 0, 0};
constexpr Rgb kValueBack{192, 192, 255};
}  // namespace

// clang-format off
const platform::WindowLayout kDetailsWindowLayout{"Form3", d::kTitle, Rgb{255, 255, 192}, 11880, 8595, true};

// name, kind, container, caption, left, top, width, height, tab, back, fore, enabled, font.
// Labels take no focus; the commands tab Command2, Command3, Command1, Command4, Command5,
// Command6.
const std::array<platform::ControlRow, 90> kDetailsWindowControls{{
    {"Label1", kLabel, "", d::kTitle, 3720, 0, 2535, 375, 0, Rgb{255, 255, 192}, Rgb{128, 0, 0}, true, FontRole::TitleBold12},
    {"Frame2", kFrame, "", d::kStepsBeforeCorrectionFrame, 3720, 360, 8055, 4815, 0, Rgb{255, 224, 192}, Rgb{0, 0, 192}},
    {"Frame3", kFrame, "Frame2", d::kUnroundedMixFrame, 5040, 240, 2895, 2175, 0, Rgb{255, 192, 192}, Rgb{128, 0, 0}},
    {"Frame4", kFrame, "Frame2", d::kRoundedMixFrame, 5040, 2520, 2895, 2175, 0, Rgb{192, 255, 192}, Rgb{128, 0, 128}},
    {k::kConditionsCommand, kButton, "", d::kConditionsCommand, 960, 1440, 1575, 375, 1},
    {"Frame1", kFrame, "", d::kRequirementsFrame, 120, 2040, 3495, 2655, 0, Rgb{255, 255, 192}, Rgb{255, 0, 0}, true, FontRole::CaptionBold975},
    {k::kPrintCommand, kButton, "", d::kPrintCommand, 840, 4800, 735, 375, 2},
    {k::kCloseCommand, kButton, "", d::kCloseCommand, 1800, 4800, 855, 375, 0},
    {k::kSavePdfCommand, kButton, "", text::menu::kSavePdfCommand, 840, 5280, 1815, 375, 3},
    {k::kSiteSheetCommand, kButton, "", text::site_sheet::kOpenCommand, 840, 5760, 1815, 375, 4},
    {k::kTrialCommand, kButton, "", text::trial::kOpenCommand, 840, 6240, 1815, 375, 5},
    // Under the commands, where nothing stands: a cylinder design's cube basis.
    {k::kCubeBasisLabel, kLabel, "", "", 120, 6840, 3495, 495, 0, {}, kValueText},
    {"Frame5", kFrame, "", d::kStepsAfterCorrectionFrame, 3720, 5400, 8055, 2895, 0, Rgb{255, 192, 128}, Rgb{192, 0, 192}},
    {"Frame6", kFrame, "Frame5", d::kAdjustedMixFrame, 3960, 240, 3975, 2295, 0, Rgb{255, 192, 192}, Rgb{0, 0, 255}},
    // The account: a fixed caption and, to its right, the value it is given.
    {"Label2", kLabel, "Frame1", d::kRequiredStrength, 120, 480, 1455, 255, 0},
    {"Label3", kValue, "Frame1", "", 1560, 480, 1335, 255, 0, {}, kValueText},  // value 1
    {k::kTargetStrengthCaption, kLabel, "Frame1", d::kTargetStrength, 120, 720, 3135, 735, 0},
    {"Label5", kValue, "Frame1", "", 1200, 1200, 1335, 255, 0, {}, kValueText},  // value 2
    {"Label6", kLabel, "Frame1", d::kSlump, 120, 1560, 975, 255, 0},
    {"Label7", kValue, "Frame1", "", 960, 1560, 1335, 255, 0, {}, kValueText},  // value 3
    {"Label10", kLabel, "Frame1", d::kStoneSize, 120, 1920, 855, 255, 0},
    {"Label11", kValue, "Frame1", "", 960, 1920, 1335, 255, 0, {}, kValueText},  // value 4
    {"Label12", kValue, "Frame1", "", 120, 2280, 2175, 255, 0, {}, kValueText},  // value 5
    {"Label8", kLabel, "Frame2", d::kStep1Water, 120, 360, 1695, 255, 0},
    {"Label77", kValue, "Frame2", "", 1680, 360, 1935, 255, 0, kValueBack, kValueText},  // value 6
    {"Label9", kValue, "Frame2", "", 3600, 360, 1695, 495, 0, {}, kValueText},  // value 7
    {"Label13", kLabel, "Frame2", d::kStep2Ratio, 120, 720, 855, 255, 0},
    {"Label14", kValue, "Frame2", "", 840, 720, 1575, 255, 0, kValueBack, kValueText},  // value 8
    {"Label15", kLabel, "Frame2", d::kStep3Cement, 120, 1080, 2415, 255, 0},
    {"Label16", kValue, "Frame2", "", 2520, 1080, 1575, 255, 0, kValueBack, kValueText},  // value 9
    {"Label17", kLabel, "Frame2", d::kStep4CementVolume, 120, 1440, 3135, 495, 0},
    {"Label18", kValue, "Frame2", "", 1080, 1680, 1575, 255, 0, kValueBack, kValueText},  // value 10
    {"Label19", kLabel, "Frame2", d::kStep5Stone, 120, 2040, 2775, 255, 0},
    {"Label20", kValue, "Frame2", "", 2040, 2040, 1575, 255, 0, kValueBack, kValueText},  // value 11
    {"Label21", kLabel, "Frame2", d::kStep5Paste, 120, 2400, 2055, 375, 0},
    {"Label22", kValue, "Frame2", "", 2280, 2400, 1455, 255, 0, kValueBack, kValueText},  // value 12
    {"Label23", kLabel, "Frame2", d::kStep5Sand, 120, 2760, 2055, 375, 0},
    {"Label24", kValue, "Frame2", "", 1680, 2760, 1575, 255, 0, kValueBack, kValueText},  // value 13
    {"Label25", kLabel, "Frame2", d::kStep6SandWeight, 120, 3120, 3015, 375, 0},
    {"Label26", kValue, "Frame2", "", 3240, 3120, 1575, 255, 0, kValueBack, kValueText},  // value 14
    {"Label27", kLabel, "Frame2", d::kStep7StoneVolume, 120, 3480, 3615, 495, 0},
    {"Label28", kValue, "Frame2", "", 1200, 3720, 1575, 255, 0, kValueBack, kValueText},  // value 15
    {"Label29", kLabel, "Frame2", d::kStep8StoneWeight, 120, 4080, 2895, 255, 0},
    {"Label30", kValue, "Frame2", "", 2880, 4080, 1575, 255, 0, kValueBack, kValueText},  // value 16
    {"Label31", kLabel, "Frame2", d::kStep9Admixture, 120, 4440, 3615, 255, 0},
    {"Label32", kValue, "Frame2", "", 3600, 4440, 1095, 255, 0, kValueBack, kValueText},  // value 17
    {"Label33", kLabel, "Frame3", d::kCementRow, 120, 360, 735, 255, 0},
    {"Label38", kValue, "Frame3", "", 960, 360, 1575, 255, 0, {}, kValueText},  // value 18
    {"Label34", kLabel, "Frame3", d::kWaterRow, 120, 720, 495, 255, 0},
    {"Label39", kValue, "Frame3", "", 600, 720, 1575, 255, 0, {}, kValueText},  // value 19
    {"Label35", kLabel, "Frame3", d::kSandRow, 120, 1080, 615, 255, 0},
    {"Label40", kValue, "Frame3", "", 720, 1080, 1575, 255, 0, {}, kValueText},  // value 20
    {"Label36", kLabel, "Frame3", d::kStoneRow, 120, 1440, 495, 255, 0},
    {"Label41", kValue, "Frame3", "", 600, 1440, 1575, 255, 0, {}, kValueText},  // value 21
    {"Label37", kLabel, "Frame3", d::kAdmixtureRow, 120, 1800, 1455, 255, 0},
    {"Label42", kValue, "Frame3", "", 1560, 1800, 1215, 255, 0, {}, kValueText},  // value 22
    {"Label52", kLabel, "Frame4", d::kCementRow, 120, 360, 735, 255, 0},
    {"Label47", kValue, "Frame4", "", 960, 360, 1575, 255, 0, {}, kValueText},  // value 23
    {"Label51", kLabel, "Frame4", d::kWaterRow, 120, 720, 495, 255, 0},
    {"Label46", kValue, "Frame4", "", 600, 720, 1575, 255, 0, {}, kValueText},  // value 24
    {"Label50", kLabel, "Frame4", d::kSandRow, 120, 1080, 615, 255, 0},
    {"Label45", kValue, "Frame4", "", 720, 1080, 1575, 255, 0, {}, kValueText},  // value 25
    {"Label49", kLabel, "Frame4", d::kStoneRow, 120, 1440, 495, 255, 0},
    {"Label44", kValue, "Frame4", "", 600, 1440, 1575, 255, 0, {}, kValueText},  // value 26
    {"Label48", kLabel, "Frame4", d::kAdmixtureRow, 120, 1800, 1455, 255, 0},
    {"Label43", kValue, "Frame4", "", 1560, 1800, 1215, 255, 0, {}, kValueText},  // value 27
    {"Label53", kLabel, "Frame5", d::kMoistureStep1, 120, 360, 2415, 255, 0},
    {"Label61", kValue, "Frame5", "", 2640, 360, 1095, 255, 0, {}, kValueText},  // value 33
    {"Label54", kLabel, "Frame5", d::kMoistureStep2, 120, 720, 1935, 255, 0},
    {"Label62", kValue, "Frame5", "", 2160, 720, 1095, 255, 0, {}, kValueText},  // value 34
    {"Label55", kLabel, "Frame5", d::kMoistureStep3, 120, 1080, 1935, 255, 0},
    {"Label63", kValue, "Frame5", "", 2160, 1080, 1095, 255, 0, {}, kValueText},  // value 35
    {"Label56", kLabel, "Frame5", d::kMoistureStep4, 120, 1440, 1095, 255, 0},
    {"Label57", kValue, "Frame5", "", 1320, 1440, 2175, 375, 0, {}, kValueText},  // value 36
    {"Label58", kLabel, "Frame5", d::kMoistureStep4Excess, 120, 1800, 1095, 255, 0},
    {"Label64", kValue, "Frame5", "", 1200, 1800, 2295, 255, 0, {}, kValueText},  // value 37
    {"Label59", kLabel, "Frame5", d::kMoistureStep5, 120, 2160, 2295, 255, 0},
    {"Label65", kValue, "Frame5", "", 2400, 2160, 1815, 375, 0, {}, kValueText},  // value 38
    {"Label60", kLabel, "Frame5", d::kMoistureStep6, 120, 2520, 2655, 255, 0},
    {"Label66", kValue, "Frame5", "", 2880, 2520, 1095, 255, 0, {}, kValueText},  // value 39
    {"Label67", kLabel, "Frame6", d::kCementRow, 120, 360, 735, 255, 0},
    {"Label72", kValue, "Frame6", "", 840, 360, 1575, 255, 0, {}, kValueText},  // value 28
    {"Label68", kLabel, "Frame6", d::kWaterRow, 120, 720, 495, 255, 0},
    {"Label73", kValue, "Frame6", "", 600, 720, 1575, 255, 0, {}, kValueText},  // value 29
    {"Label69", kLabel, "Frame6", d::kSandRow, 120, 1080, 615, 255, 0},
    {"Label74", kValue, "Frame6", "", 720, 1080, 1575, 255, 0, {}, kValueText},  // value 30
    {"Label70", kLabel, "Frame6", d::kStoneRow, 120, 1440, 495, 255, 0},
    {"Label75", kValue, "Frame6", "", 600, 1440, 1575, 255, 0, {}, kValueText},  // value 31
    {"Label71", kLabel, "Frame6", d::kAdmixtureRow, 120, 1800, 1455, 255, 0},
    {"Label76", kValue, "Frame6", "", 1560, 1800, 1575, 255, 0, {}, kValueText},  // value 32
}};
// clang-format on

// The value labels, in the order the account is written.
const std::array<const char*, presentation::kDetailsValues> kDetailsValueLabels{
    "Label3",  "Label5",  "Label7",  "Label11", "Label12", "Label77", "Label9",  "Label14",
    "Label16", "Label18", "Label20", "Label22", "Label24", "Label26", "Label28", "Label30",
    "Label32", "Label38", "Label39", "Label40", "Label41", "Label42", "Label47", "Label46",
    "Label45", "Label44", "Label43", "Label72", "Label73", "Label74", "Label75", "Label76",
    "Label61", "Label62", "Label63", "Label57", "Label64", "Label65", "Label66",
};

}  // namespace krv1::forms
