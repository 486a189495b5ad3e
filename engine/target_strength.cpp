#include "target_strength.h"

#include "conversion_error.h"
#include "number_conversion.h"

namespace krv1 {
namespace {

// Every shape is designed with a 60 ksc margin over the required strength,
// unless the site's records have earned their own.
constexpr double kMarginKsc = 60;

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
        state.F = FloatToInteger(
            TextToDouble(input.RequiredStrength, locale) / kCylinderPerCubeStrength + margin);
    }
}

std::optional<int16_t> TargetStrength(const MixInput& input, const NumberLocale& locale) {
    MixState state;
    try {
        ComputeTargetStrength(input, state, locale);
    } catch (const ConversionError&) {
        return std::nullopt;  // the strength is no number, or F leaves 16 bits
    }
    return state.F;
}

std::optional<double> CubeStrength(const MixInput& input, const NumberLocale& locale) {
    const std::optional<double> typed = ParsedDouble(input.RequiredStrength, locale);
    if (!typed) return std::nullopt;
    if (input.Shape == SpecimenShape::Cube) return *typed;
    if (input.Shape == SpecimenShape::Cylinder) return *typed / kCylinderPerCubeStrength;
    return std::nullopt;
}

std::optional<float> WaterCementRatio(int16_t F) {
    // Piecewise linear; each bound belongs to the lower range. The distance
    // below the segment's upper point is a whole number, the rest is formed
    // in double and narrowed once.
    for (std::size_t i = 0; i + 1 < kWaterCementCurve.size(); ++i) {
        const CurvePoint& low = kWaterCementCurve[i];
        const CurvePoint& high = kWaterCementCurve[i + 1];
        const bool inside = i == 0 ? F >= low.Strength : F > low.Strength;
        if (!inside || F > high.Strength) continue;
        const int16_t below = static_cast<int16_t>(high.Strength - F);
        return static_cast<float>(below * low.DropToNext / (high.Strength - low.Strength) +
                                  high.Ratio);
    }
    return std::nullopt;
}

double CurveStrength(double ratio) {
    // The curve falls as the ratio rises; walked from the high-ratio end.
    std::size_t i = kWaterCementCurve.size() - 1;
    while (i > 1 && ratio > kWaterCementCurve[i - 1].Ratio) --i;
    const CurvePoint& a = kWaterCementCurve[i];
    const CurvePoint& b = kWaterCementCurve[i - 1];
    return a.Strength + (ratio - a.Ratio) * (b.Strength - a.Strength) / (b.Ratio - a.Ratio);
}

}  // namespace krv1
