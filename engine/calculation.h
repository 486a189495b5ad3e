// One press of the Calculate command: the engineer's inputs in, both batches
// out. The calculation is all or nothing: it works on a copy of the state and
// hands the new state back only when every step has succeeded.
#pragma once

#include <optional>
#include <string>

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
    FaultyInput Input;
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
};

struct CalculationResult {
    std::optional<MixDesign> Design;
    std::optional<CalculationError> Error;
    bool ok() const { return Design.has_value(); }
};

CalculationResult CalculateMix(const MixInput& input, const MixState& previous,
                               const NumberLocale& locale = {}) noexcept;

}  // namespace krv1
