// The strength the mix is designed for, and the water-cement ratio it needs.
#pragma once

#include <cstdint>
#include <optional>

#include "mix_input.h"
#include "mix_state.h"
#include "number_locale.h"

namespace krv1 {

// Lowest and highest target strength the water-cement ratio curve covers.
inline constexpr int16_t kLowestTargetStrength = 150;
inline constexpr int16_t kHighestTargetStrength = 450;

// Stores F in the state: the required strength converted to a cube strength
// plus the 60 ksc margin,
// or the margin the records earned. Throws ConversionError for a text that is not a
// number or a strength beyond the 16-bit range.
void ComputeTargetStrength(const MixInput& input, MixState& state, const NumberLocale& locale = {});

// Single-precision ratio for F in 150..450, empty outside the curve.
std::optional<float> WaterCementRatio(int16_t F);

}  // namespace krv1
