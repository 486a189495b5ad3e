// One press of the Calculate command: the engineer's inputs in, both batches
// out. The calculation is all or nothing: it works on a copy of the state and
// hands the new state back only when every step has succeeded.
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "materials.h"
#include "mix_input.h"
#include "mix_state.h"
#include "number_locale.h"
#include "proportioning.h"

namespace krv1 {

// The input the engineer has to correct.
enum class FaultyInput {
    Strength,
    SpecimenShape,
    AdmixtureChoice,
    Dosage,
    Slump,
    StoneSize,
    SandMoisture,
};

struct CalculationError {
    // The input to correct; none when the failure lies with no input (the
    // machine ran out of memory).
    std::optional<FaultyInput> Input;
    std::string Message;  // the Thai message to show
};

struct MixDesign {
    MixState State;
    BatchQuantities Rounded;   // before the sand-moisture correction
    BatchQuantities Adjusted;  // after it
    // Moisture beyond the absorption, percent, and the water it brings in
    // with the batched sand, litres; both unrounded, as the account shows them.
    double SurfaceMoisture = 0;
    double ExcessWater = 0;
    // The same of the stone, when its moisture was given.
    std::optional<double> StoneSurfaceMoisture;
    std::optional<double> StoneExcessWater;
};

// Either the design or why there is none, never both and never neither.
using CalculationResult = std::variant<MixDesign, CalculationError>;
inline const MixDesign* DesignOf(const CalculationResult& result) {
    return std::get_if<MixDesign>(&result);
}
inline const CalculationError* ErrorOf(const CalculationResult& result) {
    return std::get_if<CalculationError>(&result);
}
// A pointer into a temporary result would dangle.
const MixDesign* DesignOf(const CalculationResult&&) = delete;
const CalculationError* ErrorOf(const CalculationResult&&) = delete;

// The materials are the method's unless the design names its own.
CalculationResult CalculateMix(const MixInput& input, const MixState& previous,
                               const NumberLocale& locale = {},
                               const Materials& materials = {}) noexcept;
// The same design with a trial batch's corrections. Its refusals are the
// design's, but for water to add below zero, which says the trial's cause.
CalculationResult CalculateAdjustedMix(const MixInput& input, const MixAdjustment& adjustment,
                                       const NumberLocale& locale = {},
                                       const Materials& materials = {}) noexcept;

}  // namespace krv1
