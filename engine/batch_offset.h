// Rounding to batching resolution: 5 kg (or litres) for materials weighed in
// tens, 50 cc for the admixture measured in hundreds.
#pragma once

#include <cstdint>

namespace krv1 {

inline constexpr int kKgUnit = 10;
inline constexpr int kAdmixtureUnit = 100;

// The single-precision offset that moves x to its batching step at unit u.
float BatchOffset(int16_t x, int unit);

// round-half-even((x / u + offset) * u): the quantity actually batched.
double RoundedQuantity(int16_t x, float offset, int unit);

}  // namespace krv1
