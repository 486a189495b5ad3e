#include "about_window_layout.h"

#include "text/reference_texts.h"

namespace krv1::forms {

using platform::ControlKind;
using platform::Rgb;
namespace r = text::reference;
namespace a = about_controls;

namespace {
constexpr Rgb kAboutBack{255, 192, 128};
}  // namespace

// clang-format off
const platform::WindowLayout kAboutWindowLayout{"Form4", r::kAboutTitle, kAboutBack, 4875, 2970,
                                                false, QPoint(285, 1275)};

// name, kind, container, caption, left, top, width, height, tab, back
const std::array<platform::ControlRow, 3> kAboutWindowControls{{
    {a::kPurpose, ControlKind::Label, "", r::kAboutPurpose, 120, 120, 4575, 1215, 0, kAboutBack},
    {a::kContact, ControlKind::Label, "", "", 240, 1320, 4335, 975, 1, Rgb{255, 224, 192}},
    {a::kCredit, ControlKind::Label, "", r::kAboutCredit, 600, 2520, 3615, 255, 2, kAboutBack},
}};
// clang-format on

}  // namespace krv1::forms
