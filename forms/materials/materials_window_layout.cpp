#include "materials_window_layout.h"

#include "text/materials_texts.h"

namespace krv1::forms {

using platform::ControlKind;
using platform::Rgb;
namespace t = text::materials;
namespace k = materials_controls;

namespace {
constexpr auto kButton = ControlKind::CommandButton;
constexpr auto kLabel = ControlKind::Label;
constexpr auto kText = ControlKind::TextBox;
constexpr Rgb kBack{224, 240, 255};
constexpr Rgb kWarning{192, 0, 0};
}  // namespace

// clang-format off
const platform::WindowLayout kMaterialsWindowLayout{"Form8", t::kTitle, kBack, 8520, 4560, false, QPoint(900, 900)};

// name, kind, container, caption, left, top, width, height, tab, back, fore, enabled, font.
// The cement's list, then one row of 420 twips for each box, its caption on
// the left; the note on the cement and the refusal under them.
const std::array<platform::ControlRow, 18> kMaterialsWindowControls{{
    {"Label1", kLabel, "", t::kCementCaption, 120, 120, 3600, 315, 0},
    {k::kCementList, ControlKind::DropDownList, "", "", 3840, 120, 4560, 330, 0},
    {"Label2", kLabel, "", t::kCementGravity, 120, 540, 3600, 315, 0},
    {k::kBoxes[0], kText, "", "", 3840, 540, 1215, 315, 1},
    {"Label3", kLabel, "", t::kSandGravity, 120, 960, 3600, 315, 0},
    {k::kBoxes[1], kText, "", "", 3840, 960, 1215, 315, 2},
    {"Label4", kLabel, "", t::kSandAbsorption, 120, 1380, 3600, 315, 0},
    {k::kBoxes[2], kText, "", "", 3840, 1380, 1215, 315, 3},
    {"Label5", kLabel, "", t::kStoneGravity, 120, 1800, 3600, 315, 0},
    {k::kBoxes[3], kText, "", "", 3840, 1800, 1215, 315, 4},
    {"Label6", kLabel, "", t::kStoneAbsorption, 120, 2220, 3600, 315, 0},
    {k::kBoxes[4], kText, "", "", 3840, 2220, 1215, 315, 5},
    {"Label7", kLabel, "", t::kStoneMoisture, 120, 2640, 3600, 315, 0},
    {k::kBoxes[5], kText, "", "", 3840, 2640, 1215, 315, 6},
    {k::kNote, kLabel, "", "", 120, 3060, 8280, 495, 0, {}, kWarning},
    {k::kFoot, kLabel, "", "", 120, 3600, 8280, 315, 0, {}, kWarning},
    {k::kDefaultsCommand, kButton, "", t::kDefaultsCommand, 120, 4020, 2415, 375, 7},
    {k::kCloseCommand, kButton, "", t::kCloseCommand, 2640, 4020, 1335, 375, 8},
}};
// clang-format on

}  // namespace krv1::forms
