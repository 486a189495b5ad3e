// One control of a window as its layout table declares it. The windows are
// written as tables of these and built by BuildControls.
#pragma once

#include <optional>
#include <string_view>

#include "rgb.h"

namespace krv1::platform {

enum class ControlKind {
    CommandButton,
    Label,
    ValueLabel,    // selectable for copying; takes the focus by a click, never by Tab
    TextBox,       // single line
    HintBox,       // several lines, word wrap, read-only, vertical scroll bar
    ReadOnlyText,  // several lines, word wrap, read-only, no scroll bars
    DropDownList,  // choose an entry, no typed text
    OptionButton,  // exclusive within its container
    Frame,         // with a caption; nestable
    PlainFrame,    // no caption, no border
    PictureBox,
    Chart,     // lines and marked points on two value axes
    Table,     // rows and columns of a model, editable in place
    CheckBox,  // on or off, with its caption
};

// Fonts named by the layout; each maps to a Thai-capable face at start-up.
enum class FontRole { Default, TitleBold12, CaptionBold975 };

struct ControlRow {
    std::string_view name;
    ControlKind kind;
    std::string_view container;  // empty: directly on the window
    std::string_view caption;
    int left, top, width, height;  // twips, in the container's client area
    int tabIndex;
    std::optional<Rgb> back = std::nullopt;
    std::optional<Rgb> fore = std::nullopt;  // text, or a frame's caption
    bool enabled = true;
    FontRole font = FontRole::Default;
};

}  // namespace krv1::platform
