#include "records_window_layout.h"

#include "text/strength_records_texts.h"

namespace krv1::forms {

using platform::ControlKind;
using platform::Rgb;
namespace r = text::records;
namespace k = records_controls;

namespace {
constexpr auto kButton = ControlKind::CommandButton;
constexpr auto kLabel = ControlKind::Label;
constexpr Rgb kBack{255, 255, 192};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kWarning{192, 0, 0};
}  // namespace

// clang-format off
const platform::WindowLayout kRecordsWindowLayout{"Form7", r::kTitle, kBack, 11880, 8595, true};

// name, kind, container, caption, left, top, width, height, tab, back, fore, enabled, font.
// The records down the left: their specimen and strength, the table and
// its commands, the box that takes the margin into the design. The chart,
// the verdict and the figures down the right.
const std::array<platform::ControlRow, 17> kRecordsWindowControls{{
    {k::kCubeOption, ControlKind::OptionButton, "", r::kCube, 120, 120, 2400, 315, 0},
    {k::kCylinderOption, ControlKind::OptionButton, "", r::kCylinder, 2640, 120, 3135, 315, 1},
    {"Label1", kLabel, "", r::kSpecified, 120, 510, 4440, 315, 0},
    {k::kSpecifiedBox, ControlKind::TextBox, "", "", 4680, 510, 1095, 315, 2},
    {k::kTable, ControlKind::Table, "", "", 120, 900, 5655, 5280, 3},
    {k::kAddRowCommand, kButton, "", r::kAddRow, 120, 6270, 1335, 375, 4},
    {k::kDeleteRowCommand, kButton, "", r::kDeleteRow, 1560, 6270, 1335, 375, 5},
    {"Label2", kLabel, "", r::kPasteHint, 120, 6720, 5655, 495, 0},
    {k::kUseMarginCheck, ControlKind::CheckBox, "", r::kUseMargin, 120, 7260, 5655, 375, 6},
    {k::kFoot, kLabel, "", "", 120, 7680, 5655, 375, 0, {}, kWarning},
    {k::kChart, ControlKind::Chart, "", "", 5880, 120, 5880, 4200, 0},
    {k::kVerdict, kLabel, "", "", 5880, 4380, 5880, 375, 0, {}, {}, true, platform::FontRole::CaptionBold975},
    {k::kFigures, ControlKind::HintBox, "", "", 5880, 4800, 5880, 3180, 7, kWhite, Rgb{0, 0, 0}},
    {k::kPrintCommand, kButton, "", r::kPrintCommand, 120, 8100, 1095, 375, 8},
    {k::kSavePdfCommand, kButton, "", r::kSavePdfCommand, 1320, 8100, 1815, 375, 9},
    {k::kCopyCommand, kButton, "", r::kCopyCommand, 3240, 8100, 1815, 375, 10},
    {k::kCloseCommand, kButton, "", r::kCloseCommand, 5160, 8100, 1095, 375, 11},
}};
// clang-format on

}  // namespace krv1::forms
