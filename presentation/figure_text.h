// The one way the program writes a figure: on the panels, in the account,
// the report, the site sheet, on the clipboard, from the command line and on
// the web page. Only the separators passed in are written: the design's own
// (from its file, or the system's for a design typed in the window), never
// those of the C library's or Qt's locale.
#pragma once

#include <string>

#include "engine/number_locale.h"

namespace krv1::presentation {

// How many digits a figure keeps.
struct FigureDigits {
    enum class Kind {
        Significant,  // the shortest text with at most Count significant digits
        Decimals,     // exactly Count decimals, a tie rounded away from zero
    };
    Kind Rule;
    int Count;
    bool Grouped = false;  // thousands grouped with the group separator
};

constexpr FigureDigits Decimals(int count, bool grouped = false) {
    return {FigureDigits::Kind::Decimals, count, grouped};
}
// What a single-precision cell can hold, and a double.
inline constexpr FigureDigits kSingleDigits{FigureDigits::Kind::Significant, 7};
inline constexpr FigureDigits kDoubleDigits{FigureDigits::Kind::Significant, 15};

std::string FigureText(double value, FigureDigits digits, const NumberLocale& separators);

// The account's and the panels' figures: no grouping, no trailing zeros or
// point, a zero before the point of a fraction.
inline std::string SingleText(float value, const NumberLocale& separators = {}) {
    return FigureText(static_cast<double>(value), kSingleDigits, separators);
}
inline std::string DoubleText(double value, const NumberLocale& separators = {}) {
    return FigureText(value, kDoubleDigits, separators);
}

}  // namespace krv1::presentation
