#include "trial_window_layout.h"

#include "text/main_window_texts.h"
#include "text/trial_batch_texts.h"

namespace krv1::forms {

using platform::ControlKind;
using platform::Rgb;
namespace t = text::trial;
namespace k = trial_controls;
namespace m = text::main_window;

namespace {
constexpr auto kButton = ControlKind::CommandButton;
constexpr auto kLabel = ControlKind::Label;
constexpr auto kText = ControlKind::TextBox;
constexpr Rgb kBack{255, 255, 192};
constexpr Rgb kWarning{192, 0, 0};
// The adjusted mix's two panels, coloured as the main window's.
constexpr Rgb kBefore{255, 192, 192};
constexpr Rgb kAfter{255, 192, 128};
}  // namespace

// clang-format off
const platform::WindowLayout kTrialWindowLayout{"Form6", t::kTitle, kBack, 11880, 8595, true};

// name, kind, container, caption, left, top, width, height, tab, back, fore, enabled, font.
// The boxes' rows step 330 twips from 120: the plan, then what was measured.
// The results read down the left under them; the chart stands on the right,
// over the adjusted mix's two panels, before and after the moisture correction.
const std::array<platform::ControlRow, 49> kTrialWindowControls{{
    {"Label1", kLabel, "", t::kCubes, 120, 120, 4320, 315, 0},
    {"Text1", kText, "", "", 4560, 120, 1095, 315, 0},
    {"Label2", kLabel, "", t::kCylinders, 120, 450, 4320, 315, 0},
    {"Text2", kText, "", "", 4560, 450, 1095, 315, 1},
    {"Label3", kLabel, "", t::kExtra, 120, 780, 4320, 315, 0},
    {"Text3", kText, "", "", 4560, 780, 1095, 315, 2},
    {"Label4", kLabel, "", t::kVolume, 120, 1110, 4320, 315, 0},
    {"Text4", kText, "", "", 4560, 1110, 1095, 315, 3},
    {"Label5", kLabel, "", t::kWater, 120, 1440, 4320, 315, 0},
    {"Text5", kText, "", "", 4560, 1440, 1095, 315, 4},
    {"Label6", kLabel, "", t::kSlump, 120, 1770, 4320, 315, 0},
    {"Text6", kText, "", "", 4560, 1770, 1095, 315, 5},
    {"Label7", kLabel, "", t::kDensity, 120, 2100, 4320, 315, 0},
    {"Text7", kText, "", "", 4560, 2100, 1095, 315, 6},
    {"Label8", kLabel, "", t::kStrength, 120, 2430, 4320, 315, 0},
    {"Text8", kText, "", "", 4560, 2430, 1095, 315, 7},
    {"Label9", kLabel, "", t::kAge, 120, 2760, 4320, 315, 0},
    {"Text9", kText, "", "", 4560, 2760, 1095, 315, 8},
    {"Label10", kLabel, "", t::kRatio7, 120, 3090, 4320, 315, 0},
    {"Text10", kText, "", "", 4560, 3090, 1095, 315, 9},
    {k::kFoot, kLabel, "", "", 120, 3480, 5535, 495, 0, {}, kWarning},
    {k::kResults, ControlKind::HintBox, "", "", 120, 4020, 5535, 3960, 10, Rgb{255, 255, 255}, Rgb{0, 0, 0}},
    {k::kChart, ControlKind::Chart, "", "", 5760, 120, 6000, 4320, 0},
    {"Frame1", ControlKind::Frame, "", t::kBeforeHeading, 5760, 4560, 6000, 1680, 0, kBefore, Rgb{0, 0, 128}},
    {"Label13", kLabel, "Frame1", m::kCementRow, 120, 300, 1800, 255, 0, kBefore},
    {"Label14", kLabel, "Frame1", m::kWaterRow, 120, 570, 1800, 255, 0, kBefore},
    {"Label15", kLabel, "Frame1", m::kSandRow, 120, 840, 1800, 255, 0, kBefore},
    {"Label16", kLabel, "Frame1", m::kStoneRow, 120, 1110, 1800, 255, 0, kBefore},
    {"Label17", kLabel, "Frame1", m::kAdmixtureRow, 120, 1380, 1800, 255, 0, kBefore},
    {"Label18", ControlKind::ValueLabel, "Frame1", "", 1980, 300, 3900, 255, 0, Rgb{255, 255, 255}},
    {"Label19", ControlKind::ValueLabel, "Frame1", "", 1980, 570, 3900, 255, 0, Rgb{255, 255, 255}},
    {"Label20", ControlKind::ValueLabel, "Frame1", "", 1980, 840, 3900, 255, 0, Rgb{255, 255, 255}},
    {"Label21", ControlKind::ValueLabel, "Frame1", "", 1980, 1110, 3900, 255, 0, Rgb{255, 255, 255}},
    {"Label22", ControlKind::ValueLabel, "Frame1", "", 1980, 1380, 3900, 255, 0, Rgb{255, 255, 255}},
    {"Frame2", ControlKind::Frame, "", t::kAfterHeading, 5760, 6300, 6000, 1680, 0, kAfter, Rgb{0, 0, 128}},
    {"Label23", kLabel, "Frame2", m::kCementRow, 120, 300, 1800, 255, 0, kAfter},
    {"Label24", kLabel, "Frame2", m::kWaterRow, 120, 570, 1800, 255, 0, kAfter},
    {"Label25", kLabel, "Frame2", m::kSandRow, 120, 840, 1800, 255, 0, kAfter},
    {"Label26", kLabel, "Frame2", m::kStoneRow, 120, 1110, 1800, 255, 0, kAfter},
    {"Label27", kLabel, "Frame2", m::kAdmixtureRow, 120, 1380, 1800, 255, 0, kAfter},
    {"Label28", ControlKind::ValueLabel, "Frame2", "", 1980, 300, 3900, 255, 0, Rgb{255, 255, 255}},
    {"Label29", ControlKind::ValueLabel, "Frame2", "", 1980, 570, 3900, 255, 0, Rgb{255, 255, 255}},
    {"Label30", ControlKind::ValueLabel, "Frame2", "", 1980, 840, 3900, 255, 0, Rgb{255, 255, 255}},
    {"Label31", ControlKind::ValueLabel, "Frame2", "", 1980, 1110, 3900, 255, 0, Rgb{255, 255, 255}},
    {"Label32", ControlKind::ValueLabel, "Frame2", "", 1980, 1380, 3900, 255, 0, Rgb{255, 255, 255}},
    {k::kPrintCommand, kButton, "", t::kPrintCommand, 120, 8100, 1095, 375, 11},
    {k::kSavePdfCommand, kButton, "", t::kSavePdfCommand, 1320, 8100, 1815, 375, 12},
    {k::kCopyCommand, kButton, "", t::kCopyCommand, 3240, 8100, 1815, 375, 13},
    {k::kCloseCommand, kButton, "", t::kCloseCommand, 5160, 8100, 1095, 375, 14},
}};
// clang-format on

}  // namespace krv1::forms
