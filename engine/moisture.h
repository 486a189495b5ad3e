// Correction of the batch for wet sand. Proportions assume saturated
// surface-dry sand; water on the sand beyond its 0.7 % absorption is weighed
// out with the sand and taken off the mixing water.
#pragma once

#include <string_view>

#include "mix_state.h"
#include "number_locale.h"
#include "proportioning.h"

namespace krv1 {

// Absorption of the river sand the method assumes, percent.
inline constexpr double kSandAbsorptionPercent = 0.7;

// Moisture percent minus the absorption; negative for sand drier than
// saturated surface-dry. Throws ConversionError for a text that is no number.
double SurfaceMoisture(std::string_view sandMoistureText, const NumberLocale& locale = {});

// Sand at batching resolution, from WSAND and its offset V2.
double RoundedSand(const MixState& state);

// Water the sand brings in, kg = litres: rounded sand x surface moisture / 100.
double ExcessWater(double roundedSand, double surfaceMoisture);

// Assigns V5..V10 from W, WSAND and V2 and returns the surface moisture it
// worked with. Throws ConversionError for a moisture that is no number or
// that drives sand or water out of range.
double AdjustForMoisture(std::string_view sandMoistureText, MixState& state,
                         const NumberLocale& locale = {});

// The batch after the correction: cement, stone and admixture unchanged.
BatchQuantities AdjustedMix(const MixState& state);

}  // namespace krv1
