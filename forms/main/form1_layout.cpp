#include "form1_layout.h"

#include "text/main_window_texts.h"

namespace krv1::forms {

using platform::ControlKind;
using platform::FontRole;
using platform::Rgb;
namespace t = text::main_window;

namespace {
constexpr Rgb kWindowBack{255, 224, 192};
constexpr Rgb kUnadjustedBack{255, 192, 192};
constexpr Rgb kAdjustedBack{255, 192, 128};
constexpr auto kButton = ControlKind::CommandButton;
constexpr auto kLabel = ControlKind::Label;
constexpr auto kText = ControlKind::TextBox;
constexpr auto kList = ControlKind::DropDownList;
constexpr auto kOption = ControlKind::OptionButton;
constexpr auto kFrame = ControlKind::Frame;
}  // namespace

const platform::WindowLayout kForm1Window{"Form1", t::kTitle, kWindowBack, 11880, 8595, true};

// name, kind, container, caption, left, top, width, height, tab, back, fore, enabled, font
const std::array<platform::ControlRow, 51> kForm1Controls{{
    // Directly on the window.
    {"Command6", kButton, "", t::kCommand6, 4320, 7320, 1095, 375, 29},
    {"Command5", kButton, "", t::kCommand5, 10440, 960, 1095, 375, 28},
    {"Command4", kButton, "", t::kCommand4, 4200, 1680, 1095, 375, 27},
    {"Picture1", ControlKind::PictureBox, "", "", 480, 720, 600, 600, 26},
    {"Command2", kButton, "", t::kCommand2, 1920, 7320, 2175, 375, 24, {}, {}, false},
    {"Command1", kButton, "", t::kCommand1, 840, 7320, 855, 375, 23},
    {"Frame2", kFrame, "", t::kFrame2, 6240, 1560, 5295, 6495, 10, {}, Rgb{0, 0, 128}, true,
     FontRole::CaptionBold975},
    {"Frame1", kFrame, "", t::kFrame1, 600, 1440, 5175, 5775, 1, {}, Rgb{192, 0, 0}, true,
     FontRole::CaptionBold975},
    {"Label25", kLabel, "", t::kLabel25, 1440, 840, 8775, 495, 25},
    {"Label1", kLabel, "", t::kLabel1, 2160, 240, 6735, 375, 0, {}, Rgb{192, 0, 0}, true,
     FontRole::TitleBold12},
    // In Frame1, the requirements.
    {"Text5", kText, "Frame1", "", 1080, 720, 3615, 315, 50},
    {"Text4", kText, "Frame1", "", 2640, 4680, 2295, 315, 46},
    {"Text1", ControlKind::HintBox, "Frame1", "", 360, 1080, 4335, 1215, 35, Rgb{0, 0, 0},
     Rgb{255, 255, 0}},
    {"Frame5", ControlKind::PlainFrame, "Frame1", "", 240, 2400, 4455, 255, 32},
    {"Text3", kText, "Frame1", "", 3840, 5160, 1095, 315, 30, {}, {}, false},
    {"Option2", kOption, "Frame1", t::kOption2, 2640, 2760, 2055, 255, 6},
    {"Option1", kOption, "Frame1", t::kOption1, 360, 2760, 2055, 255, 5},
    {"Combo2", kList, "Frame1", "", 2640, 4200, 2295, 330, 4},
    {"Combo1", kList, "Frame1", "", 2640, 3720, 2295, 330, 3},
    {"Text2", kText, "Frame1", "", 2640, 3240, 2295, 315, 2},
    {"Label29", kLabel, "Frame1", t::kLabel29, 360, 720, 1095, 375, 49},
    {"Label28", kLabel, "Frame1", t::kLabel28, 1800, 360, 1695, 255, 48},
    {"Label27", kLabel, "Frame1", t::kLabel27, 240, 4560, 2295, 495, 47},
    {"Label26", kLabel, "Frame1", t::kLabel26, 240, 5160, 3375, 495, 31, {}, {}, false},
    {"Label4", kLabel, "Frame1", t::kLabel4, 240, 4200, 1815, 375, 9},
    {"Label3", kLabel, "Frame1", t::kLabel3, 240, 3720, 1095, 375, 8},
    {"Label2", kLabel, "Frame1", t::kLabel2, 240, 3240, 2175, 375, 7},
    // In Frame5, the specimen shape.
    {"Option4", kOption, "Frame5", t::kOption4, 2400, 0, 1335, 330, 34},
    {"Option3", kOption, "Frame5", t::kOption3, 120, 0, 1335, 330, 33},
    // In Frame2, the two result panels.
    {"Frame3", kFrame, "Frame2", t::kFrame3, 240, 600, 4815, 2415, 11, kUnadjustedBack},
    {"Frame4", kFrame, "Frame2", t::kFrame4, 240, 3480, 4815, 2415, 17, kAdjustedBack},
    {"Label5", kLabel, "Frame3", t::kCementRow, 240, 480, 975, 255, 12},
    {"Label6", kLabel, "Frame3", t::kWaterRow, 240, 840, 975, 255, 13},
    {"Label7", kLabel, "Frame3", t::kSandRow, 240, 1200, 975, 255, 14},
    {"Label8", kLabel, "Frame3", t::kStoneRow, 240, 1560, 975, 255, 15},
    {"Label9", kLabel, "Frame3", t::kAdmixtureRow, 240, 1920, 1575, 255, 16},
    {"Label10", kLabel, "Frame3", "", 1200, 480, 3375, 255, 36, platform::kWhite},
    {"Label11", kLabel, "Frame3", "", 1200, 840, 3375, 255, 37, platform::kTitleBarText},
    {"Label12", kLabel, "Frame3", "", 1200, 1200, 3375, 255, 38, platform::kTitleBarText},
    {"Label13", kLabel, "Frame3", "", 1200, 1560, 3375, 255, 39, platform::kTitleBarText},
    {"Label14", kLabel, "Frame3", "", 2280, 1920, 2295, 255, 40, platform::kTitleBarText},
    {"Label24", kLabel, "Frame4", t::kCementRow, 240, 480, 975, 255, 22},
    {"Label23", kLabel, "Frame4", t::kWaterRow, 240, 840, 975, 255, 21},
    {"Label22", kLabel, "Frame4", t::kSandRow, 240, 1200, 975, 255, 20},
    {"Label21", kLabel, "Frame4", t::kStoneRow, 240, 1560, 975, 255, 19},
    {"Label20", kLabel, "Frame4", t::kAdmixtureRow, 240, 1920, 1575, 255, 18},
    {"Label15", kLabel, "Frame4", "", 1200, 480, 3375, 255, 41, platform::kTitleBarText},
    {"Label16", kLabel, "Frame4", "", 1200, 840, 3375, 255, 42, platform::kTitleBarText},
    {"Label17", kLabel, "Frame4", "", 1200, 1200, 3375, 255, 43, platform::kTitleBarText},
    {"Label18", kLabel, "Frame4", "", 1200, 1560, 3375, 255, 44, platform::kTitleBarText},
    {"Label19", kLabel, "Frame4", "", 2280, 1920, 2295, 255, 45, platform::kTitleBarText},
}};

}  // namespace krv1::forms
