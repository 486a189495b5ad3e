#include "calculation.h"

#include <string_view>

#include "conversion_error.h"
#include "moisture.h"
#include "number_conversion.h"
#include "number_text.h"
#include "target_strength.h"
#include "text/engine_messages.h"

namespace krv1 {
namespace {

// A failed check: where to send the engineer and what to tell them.
struct Refusal {
    FaultyInput input;
    std::string message;
};

Refusal Refuse(FaultyInput input, std::string_view message) {
    return Refusal{input, std::string(message)};
}

// Runs `step`; a conversion failure becomes the given refusal.
template <typename Step>
void Require(Step&& step, FaultyInput input, std::string_view message) {
    try {
        step();
    } catch (const ConversionError&) {
        throw Refuse(input, message);
    }
}

std::string OutOfRangeMessage(std::optional<int16_t> computedF) {
    std::string message(text::kTargetStrengthOutOfRange);
    if (computedF) {
        message += text::kComputedStrengthOpen;
        message += IntegerText(*computedF);
        message += text::kComputedStrengthClose;
    }
    return message;
}

// Checks the inputs in the order the engineer reads the window and reports the
// first that cannot be used, then runs the method's steps on `state`.
MixDesign Design(const MixInput& input, MixState state, const NumberLocale& locale,
                 const std::optional<MixAdjustment>& adjustment, const Materials& materials) {
    try {
        TextToDouble(input.RequiredStrength, locale);
    } catch (const ConversionError& error) {
        // A strength beyond the range of a double is a number all the same:
        // the range check below reports it, without a computed figure.
        if (error.failure() == ConversionFailure::NotNumeric)
            throw Refuse(FaultyInput::Strength, text::kStrengthNotNumber);
    }
    if (input.Shape == SpecimenShape::None)
        throw Refuse(FaultyInput::SpecimenShape, text::kShapeNotChosen);
    try {
        ComputeTargetStrength(input, state, locale);
    } catch (const ConversionError&) {
        throw Refusal{FaultyInput::Strength, OutOfRangeMessage(std::nullopt)};
    }
    if (state.F < kLowestTargetStrength || state.F > kHighestTargetStrength)
        throw Refusal{FaultyInput::Strength, OutOfRangeMessage(state.F)};

    if (input.Admixture == AdmixtureChoice::None)
        throw Refuse(FaultyInput::AdmixtureChoice, text::kAdmixtureNotChosen);
    if (input.Admixture == AdmixtureChoice::WithAdmixture) {
        Require([&] { state.M = TextToInteger(input.DosageText, locale); }, FaultyInput::Dosage,
                text::kDosageNotNumber);
        // No admixture can be taken out of a batch; zero is simply none.
        if (TextToDouble(input.DosageText, locale) < 0)
            throw Refuse(FaultyInput::Dosage, text::kDosageNegative);
    } else {
        state.M = 0;
    }
    if (input.Slump == SlumpChoice::None) throw Refuse(FaultyInput::Slump, text::kSlumpNotChosen);
    if (input.Stone == StoneChoice::None)
        throw Refuse(FaultyInput::StoneSize, text::kAggregateNotChosen);
    double moisture = 0;
    Require([&] { moisture = TextToDouble(input.SandMoistureText, locale); },
            FaultyInput::SandMoisture, text::kMoistureNotNumber);
    // Sand holds no less than no water. Below its absorption it is dry sand,
    // which takes water up, and the correction adds that water.
    if (moisture < 0) throw Refuse(FaultyInput::SandMoisture, text::kMoistureNegative);

    // With every input usable, only the admixture amount (a huge dosage) can
    // leave the 16-bit range in the proportioning.
    Require([&] { ProportionMix(input, state, adjustment, materials); }, FaultyInput::Dosage,
            text::kResultOutOfRange);
    SurfaceMoistures surface;
    Require([&] { surface = AdjustForMoisture(input.SandMoistureText, state, locale, materials); },
            FaultyInput::SandMoisture, text::kResultOutOfRange);
    // The account shows the surface moisture and excess water the correction
    // itself worked with.
    const double excess = ExcessWater(RoundedSand(state), surface.Sand);
    const bool stoneCorrected = surface.Stone.has_value();
    const std::optional<double> stoneExcess =
        stoneCorrected ? std::optional(ExcessWater(RoundedStone(state), *surface.Stone))
                       : std::nullopt;
    const MixDesign design{
        state,         RoundedMix(state), AdjustedMix(state, stoneCorrected), surface.Sand, excess,
        surface.Stone, stoneExcess};
    // Aggregates so wet that they bring more than the mixing water cannot be
    // batched.
    if (design.Adjusted.Water < 0)
        throw Refuse(FaultyInput::SandMoisture, stoneCorrected ? text::kAggregatesWaterNegative
                                                : adjustment   ? text::kAdjustedWaterNegative
                                                               : text::kWaterNegative);
    return design;
}

CalculationResult Calculated(const MixInput& input, const MixState& previous,
                             const NumberLocale& locale,
                             const std::optional<MixAdjustment>& adjustment,
                             const Materials& materials) noexcept {
    try {
        return Design(input, previous, locale, adjustment, materials);
    } catch (const Refusal& refusal) {
        return CalculationError{refusal.input, refusal.message};
    } catch (...) {
        // Out of memory is the only thing left. No input is to blame; the
        // program goes on and nothing shown changes.
        return CalculationError{std::nullopt, std::string(text::kUnexpectedFailure)};
    }
}

}  // namespace

CalculationResult CalculateMix(const MixInput& input, const MixState& previous,
                               const NumberLocale& locale, const Materials& materials) noexcept {
    return Calculated(input, previous, locale, std::nullopt, materials);
}

CalculationResult CalculateAdjustedMix(const MixInput& input, const MixAdjustment& adjustment,
                                       const NumberLocale& locale,
                                       const Materials& materials) noexcept {
    return Calculated(input, MixState{}, locale, adjustment, materials);
}

}  // namespace krv1
