// Text-to-number and number-to-integer conversions shared by the whole program.
// Whole numbers are rounded half to even everywhere, as the method's
// worksheets do, and must fit the 16-bit cells of MixState.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "number_locale.h"

namespace krv1 {

// A finite double parsed from the text: blanks around it, an optional sign,
// digits grouped by the locale's group separator in the standard way only (one
// to three digits, then groups of three), the locale's decimal separator and
// an optional exponent. Throws ConversionError: NotNumeric for
// empty or non-numeric text, Overflow for a value beyond the range of a double.
double TextToDouble(std::string_view text, const NumberLocale& locale = {});

// TextToDouble rounded half to even; Overflow outside -32768..32767.
int16_t TextToInteger(std::string_view text, const NumberLocale& locale = {});

// Rounded half to even; Overflow outside -32768..32767 or for NaN.
int16_t FloatToInteger(double value);

// The same conversions for a caller to whom a refused text or value is an
// answer rather than a failure: empty where the above would throw.
std::optional<double> ParsedDouble(std::string_view text, const NumberLocale& locale = {});
std::optional<int16_t> WholeInteger(double value);

// Round half to even to a whole number, kept as a double.
double RoundHalfEven(double value);

// Narrowing to single precision; Overflow when the value exceeds a float.
float ToSingle(double value);

// 16-bit integer difference; Overflow outside -32768..32767.
int16_t CheckedSubtract(int16_t a, int16_t b);

}  // namespace krv1
