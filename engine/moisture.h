// Correction of the batch for wet aggregates. Proportions assume saturated
// surface-dry sand and stone; water on the sand beyond its absorption (the
// method's 0.7 %) is weighed out with the sand and taken off the mixing
// water, and so is the stone's, when its moisture is given.
#pragma once

#include <optional>
#include <string_view>

#include "materials.h"
#include "mix_state.h"
#include "number_locale.h"
#include "proportioning.h"

namespace krv1 {

// Moisture percent minus the absorption; negative for sand drier than
// saturated surface-dry. Throws ConversionError for a text that is no number.
double SurfaceMoisture(std::string_view sandMoistureText, const NumberLocale& locale = {},
                       double absorptionPercent = kSandAbsorptionPercent);

// Sand at batching resolution, from WSAND and its offset V2.
double RoundedSand(const MixState& state);

// Stone at batching resolution, from WGRAVEL and its offset V3.
double RoundedStone(const MixState& state);

// Water an aggregate brings in, kg = litres: rounded weight x surface
// moisture / 100.
double ExcessWater(double roundedSand, double surfaceMoisture);

// The surface moistures the correction worked with, percent: the stone's
// only when its moisture was given.
struct SurfaceMoistures {
    double Sand = 0;
    std::optional<double> Stone;
};

// Assigns V5..V10 from W, WSAND and V2, and with the stone's water V11..V13
// from WGRAVEL and V3, and returns the surface moistures it worked with.
// Throws ConversionError for a moisture that is no number or that drives an
// aggregate or the water out of range.
SurfaceMoistures AdjustForMoisture(std::string_view sandMoistureText, MixState& state,
                                   const NumberLocale& locale = {},
                                   const Materials& materials = {});

// The batch after the correction: cement and admixture unchanged, the stone
// too unless its moisture was given.
BatchQuantities AdjustedMix(const MixState& state, bool stoneCorrected = false);

}  // namespace krv1
