// Whole numbers in the engine's messages: no grouping, no blanks. Figures
// with a fraction are written by the presentation layer, with the design's
// separators.
#pragma once

#include <cstdint>
#include <string>

namespace krv1 {

std::string IntegerText(int16_t value);

}  // namespace krv1
