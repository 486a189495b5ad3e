#include "target_strength.h"

#include "number_conversion.h"

namespace krv1 {
namespace {

// Every shape is designed with a 60 ksc margin over the required strength,
// unless the site's records have earned their own.
constexpr double kMarginKsc = 60;
// A 15 x 30 cm cylinder reaches about 0.833 of the strength of a 15 cm cube
// of the same concrete, so a cylinder strength is divided by it.
constexpr double kCylinderToCube = 0.833;

}  // namespace

void ComputeTargetStrength(const MixInput& input, MixState& state, const NumberLocale& locale) {
    const double margin = input.Margin ? input.Margin->Cube : kMarginKsc;
    state.F = TextToInteger(input.RequiredStrength, locale);
    // The text is read again as a double so that a fractional strength is
    // carried unrounded into the sum; only the target is rounded.
    if (input.Shape == SpecimenShape::Cube) {
        state.F = FloatToInteger(TextToDouble(input.RequiredStrength, locale) + margin);
    }
    if (input.Shape == SpecimenShape::Cylinder) {
        state.F =
            FloatToInteger(TextToDouble(input.RequiredStrength, locale) / kCylinderToCube + margin);
    }
}

std::optional<float> WaterCementRatio(int16_t F) {
    // Piecewise linear through 150 -> 0.90, 200 -> 0.78, 300 -> 0.61,
    // 400 -> 0.48, 450 -> 0.43; each bound belongs to the lower range.
    // The difference is a whole number, the rest is formed in double.
    const auto segment = [F](int limit, double drop, double span, double base) {
        const int16_t below = static_cast<int16_t>(limit - F);
        return static_cast<float>(below * drop / span + base);
    };
    if (F >= 150 && F <= 200) return segment(200, 0.12, 50, 0.78);
    if (F > 200 && F <= 300) return segment(300, 0.17, 100, 0.61);
    if (F > 300 && F <= 400) return segment(400, 0.13, 100, 0.48);
    if (F > 400 && F <= 450) return segment(450, 0.05, 50, 0.43);
    return std::nullopt;
}

}  // namespace krv1
