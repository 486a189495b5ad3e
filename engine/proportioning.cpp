#include "proportioning.h"

#include "batch_offset.h"
#include "conversion_error.h"
#include "number_conversion.h"
#include "target_strength.h"
#include "water_table.h"

namespace krv1 {

void ProportionMix(const MixInput& input, MixState& state,
                   const std::optional<MixAdjustment>& adjustment, const Materials& materials) {
    if (const auto row = WaterTable(input.Slump, input.Stone, input.Admixture)) {
        state.W = row->W;
        state.P = row->P;
    }
    if (const auto ratio = WaterCementRatio(state.F)) state.WA = *ratio;
    if (adjustment) {
        state.W = adjustment->Water;
        state.WA = adjustment->Ratio;
    }
    if (state.WA == 0) throw ConversionError(ConversionFailure::Overflow);

    // The cement weight is kept in single precision before it is rounded,
    // as the ratio it comes from is.
    const float cement = static_cast<float>(static_cast<double>(state.W) / state.WA);
    const double cementKg = RoundHalfEven(cement);
    state.Weight = FloatToInteger(cementKg);
    const double cementLitres = RoundHalfEven(cementKg / materials.CementGravity);
    state.VOLUM = FloatToInteger(cementLitres);
    state.SAND = FloatToInteger(state.P - cementLitres);
    state.WSAND = FloatToInteger(RoundHalfEven(state.SAND * materials.SandGravity));
    // 1000 - VOLUM - W - SAND - A, left to right in 16-bit arithmetic.
    state.VGRAVEL = CheckedSubtract(
        CheckedSubtract(CheckedSubtract(kLitresPerCubicMetre, state.VOLUM), state.W), state.SAND);
    if (adjustment) state.VGRAVEL = CheckedSubtract(state.VGRAVEL, adjustment->Air);
    state.WGRAVEL = FloatToInteger(RoundHalfEven(state.VGRAVEL * materials.StoneGravity));
    // Dosage is per 100 kg of cement; divided first, as the method writes it.
    state.VYA = FloatToInteger(RoundHalfEven((state.M / 100.0) * state.Weight));

    state.V1 = BatchOffset(state.Weight, kKgUnit);
    state.V2 = BatchOffset(state.WSAND, kKgUnit);
    state.V3 = BatchOffset(state.WGRAVEL, kKgUnit);
    state.V4 = BatchOffset(state.VYA, kAdmixtureUnit);
}

BatchQuantities RoundedMix(const MixState& state) {
    return BatchQuantities{
        RoundedQuantity(state.Weight, state.V1, kKgUnit),
        static_cast<double>(state.W),
        RoundedQuantity(state.WSAND, state.V2, kKgUnit),
        RoundedQuantity(state.WGRAVEL, state.V3, kKgUnit),
        RoundedQuantity(state.VYA, state.V4, kAdmixtureUnit),
    };
}

}  // namespace krv1
