#include "moisture.h"

#include "batch_offset.h"
#include "number_conversion.h"

namespace krv1 {

double SurfaceMoisture(std::string_view sandMoistureText, const NumberLocale& locale,
                       double absorptionPercent) {
    return TextToDouble(sandMoistureText, locale) - absorptionPercent;
}

double RoundedSand(const MixState& state) {
    return RoundedQuantity(state.WSAND, state.V2, kKgUnit);
}

double RoundedStone(const MixState& state) {
    return RoundedQuantity(state.WGRAVEL, state.V3, kKgUnit);
}

double ExcessWater(double roundedSand, double surfaceMoisture) {
    return (roundedSand * surfaceMoisture) / 100;
}

SurfaceMoistures AdjustForMoisture(std::string_view sandMoistureText, MixState& state,
                                   const NumberLocale& locale, const Materials& materials) {
    // The correction works on the batched (rounded) aggregates and the
    // unrounded water; rounding to whole units and then to batching
    // resolution comes only afterwards.
    const double surface = SurfaceMoisture(sandMoistureText, locale, materials.SandAbsorption);
    const double sand = RoundedSand(state);
    state.V5 = ToSingle(sand + (surface * sand) / 100);
    state.V6 = FloatToInteger(state.V5);
    state.V7 = BatchOffset(state.V6, kKgUnit);
    std::optional<double> stoneSurface;
    double stoneWater = 0;
    if (materials.Stone) {
        // Below zero the stone is drier than saturated surface-dry and takes
        // water from the mix; the correction then adds it.
        stoneSurface = materials.Stone->MoisturePercent - materials.Stone->AbsorptionPercent;
        const double stone = RoundedStone(state);
        state.V11 = ToSingle(stone + (*stoneSurface * stone) / 100);
        state.V12 = FloatToInteger(state.V11);
        state.V13 = BatchOffset(state.V12, kKgUnit);
        stoneWater = ExcessWater(stone, *stoneSurface);
    }
    // Both aggregates' water off the mixing water, left to right in double;
    // without the stone's, x - 0.0 is x to the bit.
    state.V8 = ToSingle(state.W - ExcessWater(sand, surface) - stoneWater);
    state.V9 = FloatToInteger(state.V8);
    state.V10 = BatchOffset(state.V9, kKgUnit);
    return {surface, stoneSurface};
}

BatchQuantities AdjustedMix(const MixState& state, bool stoneCorrected) {
    BatchQuantities mix = RoundedMix(state);
    mix.Sand = RoundedQuantity(state.V6, state.V7, kKgUnit);
    mix.Water = RoundedQuantity(state.V9, state.V10, kKgUnit);
    if (stoneCorrected) mix.Stone = RoundedQuantity(state.V12, state.V13, kKgUnit);
    return mix;
}

}  // namespace krv1
