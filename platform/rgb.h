// Colours as the layout tables give them: red, green, blue 0..255.
#pragma once

#include <QColor>

namespace krv1::platform {

struct Rgb {
    int r, g, b;
    QColor toColor() const { return QColor(r, g, b); }
    bool operator==(const Rgb&) const = default;
};

// The system colour of the text of an active title bar: white in the
// standard colour scheme, used as a back colour by the result labels.
inline constexpr Rgb kTitleBarText{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

}  // namespace krv1::platform
