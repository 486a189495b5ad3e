#include "batch_offset.h"

#include <cmath>

#include "number_conversion.h"

namespace krv1 {

float BatchOffset(int16_t x, int unit) {
    const double tens = static_cast<double>(x) / unit;
    // The fraction is kept in single precision and compared with
    // single-precision thresholds: 0.3 and 0.7 of a unit must round up
    // (a last digit of 7 gives the next ten), which only holds when both
    // sides of each comparison carry the same float rounding.
    float v = static_cast<float>(tens - std::trunc(tens));
    if (v < 0.3f) v = -v;
    if (v >= 0.3f && v <= 0.5f) v = 0.5f - v;
    if (v > 0.5f && v < 0.7f) v = 0.5f - v;
    if (v >= 0.7f && v <= 1.0f) v = 1.0f - v;
    return v;
}

double RoundedQuantity(int16_t x, float offset, int unit) {
    return RoundHalfEven((static_cast<double>(x) / unit + static_cast<double>(offset)) * unit);
}

}  // namespace krv1
