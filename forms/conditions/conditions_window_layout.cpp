#include "conditions_window_layout.h"

#include "text/reference_texts.h"

namespace krv1::forms {

using platform::ControlKind;
using platform::Rgb;
namespace c = conditions_controls;

// clang-format off
const platform::WindowLayout kConditionsWindowLayout{
    "Form2", text::reference::kConditionsTitle, Rgb{255, 192, 192}, 7110, 6765, false,
    QPoint(2100, 1530)};

// name, kind, container, caption, left, top, width, height, tab, back, fore
const std::array<platform::ControlRow, 2> kConditionsWindowControls{{
    {c::kConditionsText, ControlKind::ReadOnlyText, "", "", 0, 0, 7095, 6015, 0, Rgb{0, 0, 0}, Rgb{255, 255, 0}},
    {c::kCloseCommand, ControlKind::CommandButton, "", text::reference::kConditionsClose, 2760, 6120, 1095, 495, 1},
}};
// clang-format on

}  // namespace krv1::forms
