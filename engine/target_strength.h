// The strength the mix is designed for, and the water-cement ratio it needs.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "mix_input.h"
#include "mix_state.h"
#include "number_locale.h"

namespace krv1 {

// Lowest and highest target strength the water-cement ratio curve covers.
inline constexpr int16_t kLowestTargetStrength = 150;
inline constexpr int16_t kHighestTargetStrength = 450;

// A 15 x 30 cm cylinder reaches about 0.833 of the strength of a 15 cm cube
// of the same concrete: a cylinder strength is divided by it for the cube
// basis the method works on, a cube strength multiplied for ACI's rules.
inline constexpr double kCylinderPerCubeStrength = 0.833;

// The method's W/C curve, cube basis: the ratio each strength needs, and
// from each point to the next the ratio's drop as the method's sheet writes
// it (0.12, not 0.90 - 0.78, whose double differs in its last bit).
struct CurvePoint {
    int16_t Strength;  // ksc
    double Ratio;      // W/C
    double DropToNext;
};
inline constexpr std::array<CurvePoint, 5> kWaterCementCurve{{
    {150, 0.90, 0.12},
    {200, 0.78, 0.17},
    {300, 0.61, 0.13},
    {400, 0.48, 0.05},
    {450, 0.43, 0.0},
}};

// Stores F in the state: the required strength converted to a cube strength
// plus the 60 ksc margin,
// or the margin the records earned. Throws ConversionError for a text that is not a
// number or a strength beyond the 16-bit range.
void ComputeTargetStrength(const MixInput& input, MixState& state, const NumberLocale& locale = {});

// The same F for a caller that only shows it: empty where the above throws.
std::optional<int16_t> TargetStrength(const MixInput& input, const NumberLocale& locale = {});

// The required strength on the method's cube basis, unrounded: as typed for
// cubes, divided by 0.833 for cylinders; empty for a text that is no number
// or no shape.
std::optional<double> CubeStrength(const MixInput& input, const NumberLocale& locale = {});

// The curve read forwards: the single-precision ratio for F in 150..450,
// empty outside the curve.
std::optional<float> WaterCementRatio(int16_t F);

// The curve read backwards: the strength a ratio gives, linear between the
// points and continued past both ends along the end segments.
double CurveStrength(double ratio);

}  // namespace krv1
