#include "form4.h"

#include <array>

#include "platform/artwork.h"
#include "text/reference_texts.h"

namespace krv1::forms {

using platform::ControlKind;
using platform::Rgb;

namespace {

constexpr Rgb kAboutBack{255, 192, 128};

const platform::WindowLayout kForm4Window{"Form4", text::reference::kAboutTitle, kAboutBack,
                                        4875, 2970, false, QPoint(285, 1275)};

// name, kind, container, caption, left, top, width, height, tab, back
const std::array<platform::ControlRow, 3> kForm4Controls{{
    {"Label1", ControlKind::Label, "", text::reference::kAboutPurpose, 120, 120, 4575, 1215, 0,
     kAboutBack},
    {"Label2", ControlKind::Label, "", text::reference::kAboutContact, 240, 1320, 4335, 975, 1,
     Rgb{255, 224, 192}},
    {"Label3", ControlKind::Label, "", text::reference::kAboutCredit, 600, 2520, 3615, 255, 2,
     kAboutBack},
}};

}  // namespace

Form4::Form4() : FormWindow(kForm4Window, kForm4Controls, platform::SmilingFaceIcon()) {}

}  // namespace krv1::forms
