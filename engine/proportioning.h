// Proportioning one cubic metre by absolute volumes: cement from the water
// and the water-cement ratio, sand from the paste volume, stone filling the
// rest, admixture from its dosage, then each rounded to batching resolution.
#pragma once

#include <cstdint>
#include <optional>

#include "materials.h"
#include "mix_input.h"
#include "mix_state.h"

namespace krv1 {

inline constexpr int kLitresPerCubicMetre = 1000;

// The five quantities batched for one cubic metre. Whole numbers by
// construction; water is in litres, admixture in cc, the rest in kg.
struct BatchQuantities {
    double Cement = 0;
    double Water = 0;
    double Sand = 0;
    double Stone = 0;
    double Admixture = 0;
};

// What a trial batch corrects in a design: the mixing water, the
// water-cement ratio, and the air the concrete keeps, which takes its room
// from the stone. Everything else is the method's own.
struct MixAdjustment {
    int16_t Water;  // litre per m3, in place of the table's W
    float Ratio;    // in place of the curve's WA
    int16_t Air;    // litre per m3 of entrapped air
};

// Assigns W and P from the water table (when a row matches), WA from F (when
// F is on the curve), then Weight, VOLUM, SAND, WSAND, VGRAVEL, WGRAVEL, VYA
// and the offsets V1..V4. M must already be set. Throws ConversionError when a
// result leaves the 16-bit range or the ratio is zero.
// With an adjustment, its water and ratio replace W and WA, and its air is
// taken off VGRAVEL. The volumes and weights take the materials' gravities.
void ProportionMix(const MixInput& input, MixState& state,
                   const std::optional<MixAdjustment>& adjustment = std::nullopt,
                   const Materials& materials = {});

// Cement, water (W), sand, stone and admixture at batching resolution.
BatchQuantities RoundedMix(const MixState& state);

}  // namespace krv1
