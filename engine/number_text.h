// The texts in which every window shows a number: no grouping, no trailing
// zeros or point, a zero before the point of a fraction, the locale's point.
#pragma once

#include <cstdint>
#include <string>

#include "number_locale.h"

namespace krv1 {

std::string IntegerText(int16_t value);
// At most 7 significant digits: what a single-precision cell can hold.
std::string SingleText(float value, const NumberLocale& locale = {});
// At most 15 significant digits.
std::string DoubleText(double value, const NumberLocale& locale = {});

}  // namespace krv1
