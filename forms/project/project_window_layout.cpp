#include "project_window_layout.h"

#include "text/project_texts.h"

namespace krv1::forms {

using platform::ControlKind;
using platform::Rgb;
namespace t = text::project;
namespace k = project_controls;

namespace {
constexpr auto kButton = ControlKind::CommandButton;
constexpr auto kLabel = ControlKind::Label;
constexpr auto kText = ControlKind::TextBox;
constexpr Rgb kBack{232, 240, 224};
constexpr Rgb kWarning{192, 0, 0};
}  // namespace

// clang-format off
const platform::WindowLayout kProjectWindowLayout{"Form9", t::kTitle, kBack, 11880, 8595, true};

// name, kind, container, caption, left, top, width, height, tab, back, fore, enabled, font.
// The project's name and engineer, its six settings in two columns of rows
// 360 twips apart, the elements and their commands, then the comparison and
// the orders side by side.
const std::array<platform::ControlRow, 26> kProjectWindowControls{{
    {"Label1", kLabel, "", t::kProjectName, 120, 120, 1335, 315, 0},
    {k::kNameBox, kText, "", "", 1560, 120, 4215, 315, 0},
    {"Label2", kLabel, "", t::kProjectEngineer, 6000, 120, 1095, 315, 0},
    {k::kEngineerBox, kText, "", "", 7200, 120, 4560, 315, 1},
    {"Label3", kLabel, "", t::kSandTruck, 120, 540, 4440, 315, 0},
    {k::kSettingBoxes[0], kText, "", "", 4680, 540, 1095, 315, 2},
    {"Label4", kLabel, "", t::kReadyTruck, 120, 900, 4440, 315, 0},
    {k::kSettingBoxes[1], kText, "", "", 4680, 900, 1095, 315, 3},
    {"Label5", kLabel, "", t::kCo2Cement, 6000, 540, 4560, 315, 0},
    {k::kSettingBoxes[2], kText, "", "", 10665, 540, 1095, 315, 4},
    {"Label6", kLabel, "", t::kCo2Sand, 6000, 900, 4560, 315, 0},
    {k::kSettingBoxes[3], kText, "", "", 10665, 900, 1095, 315, 5},
    {"Label7", kLabel, "", t::kCo2Stone, 6000, 1260, 4560, 315, 0},
    {k::kSettingBoxes[4], kText, "", "", 10665, 1260, 1095, 315, 6},
    {"Label8", kLabel, "", t::kCo2Admixture, 6000, 1620, 4560, 315, 0},
    {k::kSettingBoxes[5], kText, "", "", 10665, 1620, 1095, 315, 7},
    {k::kFoot, kLabel, "", "", 120, 1260, 5655, 675, 0, {}, kWarning},
    {k::kElements, ControlKind::Table, "", "", 120, 2040, 11640, 2775, 8},
    {k::kAddCommand, kButton, "", t::kAddDesign, 120, 4920, 2775, 375, 9},
    {k::kOpenCommand, kButton, "", t::kOpenInMain, 3000, 4920, 1575, 375, 10},
    {k::kRemoveCommand, kButton, "", t::kRemove, 4680, 4920, 1215, 375, 11},
    {k::kUpCommand, kButton, "", t::kMoveUp, 6000, 4920, 1215, 375, 12},
    {k::kDownCommand, kButton, "", t::kMoveDown, 7320, 4920, 1215, 375, 13},
    {k::kCloseCommand, kButton, "", t::kClose, 10545, 4920, 1215, 375, 14},
    {k::kComparison, ControlKind::Table, "", "", 120, 5400, 7200, 3075, 15},
    {k::kOrders, ControlKind::HintBox, "", "", 7440, 5400, 4320, 3075, 16, Rgb{255, 255, 255}, Rgb{0, 0, 0}},
}};
// clang-format on

}  // namespace krv1::forms
