#include "site_sheet_window_layout.h"

#include "text/site_sheet_texts.h"

namespace krv1::forms {

using platform::ControlKind;
using platform::Rgb;
namespace s = text::site_sheet;
namespace k = site_sheet_controls;

namespace {
constexpr auto kButton = ControlKind::CommandButton;
constexpr auto kLabel = ControlKind::Label;
constexpr auto kValue = ControlKind::ValueLabel;
constexpr auto kText = ControlKind::TextBox;
constexpr auto kFrame = ControlKind::Frame;
constexpr Rgb kBack{255, 255, 224};
constexpr Rgb kFigures{255, 255, 255};
constexpr Rgb kWarning{192, 0, 0};
}  // namespace

// clang-format off
const platform::WindowLayout kSiteSheetWindowLayout{"Form5", s::kTitle, kBack, 10080, 8895, false, QPoint(600, 600)};

// name, kind, container, caption, left, top, width, height, tab, back, fore, enabled, font.
// The settings' rows step 330 twips from 1200; the figures sit in three frames below them.
const std::array<platform::ControlRow, 34> kSiteSheetWindowControls{{
    {k::kDesign, kValue, "", "", 120, 120, 9840, 495, 0},
    {k::kBasis, kValue, "", "", 120, 660, 9840, 495, 0},
    {"Label3", kLabel, "", s::kVolume, 120, 1200, 4800, 315, 0},
    {"Text1", kText, "", "", 5040, 1200, 1215, 315, 0},
    {"Label4", kLabel, "", s::kWaste, 120, 1530, 4800, 315, 0},
    {"Text2", kText, "", "", 5040, 1530, 1215, 315, 1},
    {"Label5", kLabel, "", s::kBag, 120, 1860, 4800, 315, 0},
    {"Text3", kText, "", "", 5040, 1860, 1215, 315, 2},
    {"Label6", kLabel, "", s::kSandDensity, 120, 2190, 4800, 315, 0},
    {"Text4", kText, "", "", 5040, 2190, 1215, 315, 3},
    {"Label7", kLabel, "", s::kStoneDensity, 120, 2520, 4800, 315, 0},
    {"Text5", kText, "", "", 5040, 2520, 1215, 315, 4},
    {"Label8", kLabel, "", s::kBucket, 120, 2850, 4800, 315, 0},
    {"Text6", kText, "", "", 5040, 2850, 1215, 315, 5},
    {"Label9", kLabel, "", s::kPriceCement, 120, 3180, 4800, 315, 0},
    {"Text7", kText, "", "", 5040, 3180, 1215, 315, 6},
    {"Label10", kLabel, "", s::kPriceSand, 120, 3510, 4800, 315, 0},
    {"Text8", kText, "", "", 5040, 3510, 1215, 315, 7},
    {"Label11", kLabel, "", s::kPriceStone, 120, 3840, 4800, 315, 0},
    {"Text9", kText, "", "", 5040, 3840, 1215, 315, 8},
    {"Label12", kLabel, "", s::kPriceAdmixture, 120, 4170, 4800, 315, 0},
    {"Text10", kText, "", "", 5040, 4170, 1215, 315, 9},
    {k::kDensityNote, kLabel, "", s::kDensityNote, 6360, 2190, 3600, 645, 0, {}, kWarning},
    {"Frame1", kFrame, "", s::kPerBag, 120, 4620, 3120, 3360, 0},
    {k::kPerBag, kValue, "Frame1", "", 120, 300, 2880, 2940, 0, kFigures},
    {"Frame2", kFrame, "", s::kPour, 3360, 4620, 3240, 3360, 0},
    {k::kPour, kValue, "Frame2", "", 120, 300, 3000, 2940, 0, kFigures},
    {"Frame3", kFrame, "", s::kCost, 6720, 4620, 3240, 3360, 0},
    {k::kCost, kValue, "Frame3", "", 120, 300, 3000, 2940, 0, kFigures},
    {k::kFoot, kLabel, "", "", 120, 8040, 9840, 255, 0, {}, kWarning},
    {k::kPrintCommand, kButton, "", s::kPrint, 120, 8400, 1095, 375, 10},
    {k::kSavePdfCommand, kButton, "", s::kSavePdf, 1320, 8400, 1815, 375, 11},
    {k::kCopyCommand, kButton, "", s::kCopyText, 3240, 8400, 1815, 375, 12},
    {k::kCloseCommand, kButton, "", s::kClose, 5160, 8400, 1095, 375, 13},
}};
// clang-format on

}  // namespace krv1::forms
