#include "moisture.h"

#include "batch_offset.h"
#include "number_conversion.h"

namespace krv1 {

double SurfaceMoisture(std::string_view sandMoistureText, const NumberLocale& locale) {
    return TextToDouble(sandMoistureText, locale) - kSandAbsorptionPercent;
}

double RoundedSand(const MixState& state) {
    return RoundedQuantity(state.WSAND, state.V2, kKgUnit);
}

double ExcessWater(double roundedSand, double surfaceMoisture) {
    return (roundedSand * surfaceMoisture) / 100;
}

double AdjustForMoisture(std::string_view sandMoistureText, MixState& state,
                         const NumberLocale& locale) {
    // The correction works on the batched (rounded) sand and the unrounded
    // water; rounding to whole units and then to batching resolution comes
    // only afterwards.
    const double surface = SurfaceMoisture(sandMoistureText, locale);
    const double sand = RoundedSand(state);
    state.V5 = ToSingle(sand + (surface * sand) / 100);
    state.V6 = FloatToInteger(state.V5);
    state.V7 = BatchOffset(state.V6, kKgUnit);

    state.V8 = ToSingle(state.W - ExcessWater(sand, surface));
    state.V9 = FloatToInteger(state.V8);
    state.V10 = BatchOffset(state.V9, kKgUnit);
    return surface;
}

BatchQuantities AdjustedMix(const MixState& state) {
    BatchQuantities mix = RoundedMix(state);
    mix.Sand = RoundedQuantity(state.V6, state.V7, kKgUnit);
    mix.Water = RoundedQuantity(state.V9, state.V10, kKgUnit);
    return mix;
}

}  // namespace krv1
