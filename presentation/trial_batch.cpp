#include "trial_batch.h"

#include <cmath>
#include <numbers>

#include "engine/number_conversion.h"
#include "engine/proportioning.h"
#include "engine/target_strength.h"
#include "text/engine_messages.h"
#include "text/trial_batch_texts.h"

namespace krv1::presentation {
namespace {

namespace t = text::trial;
using B = TrialBox;

constexpr std::array<TrialBoxRow, kTrialBoxes> kBoxes{{
    {B::Cubes, "cubes", t::kCubes, 0, 100, false, true, t::kSpecimensRefused},
    {B::Cylinders, "cylinders", t::kCylinders, 0, 100, false, true, t::kSpecimensRefused},
    {B::Extra, "extra", t::kExtra, 0, 100, false, false, t::kExtraRefused},
    {B::Volume, "volume", t::kVolume, 0, 1000, true, false, t::kVolumeRefused},
    {B::Water, "water", t::kWater, 0, 1000, true, false, t::kWaterRefused},
    {B::Slump, "slump", t::kSlump, 0, 30, false, false, t::kSlumpRefused},
    {B::Density, "density", t::kDensity, 2000, 2700, false, false, t::kDensityRefused},
    {B::Strength, "strength", t::kStrength, 1, 1000, false, false, t::kStrengthRefused},
    {B::Age, "age", t::kAge, 7, 28, false, true, t::kAgeRefused},
    {B::Ratio7, "ratio7", t::kRatio7, 0.4, 1, false, false, t::kRatio7Refused},
}};

// A 15 cm cube and a 15 x 30 cm cylinder, in litres.
constexpr double kCubeLitres = 3.375;
constexpr double kCylinderLitres = std::numbers::pi * 0.075 * 0.075 * 0.30 * 1000;
// The mixing water of the method's table moves 10 litres for 2.5 cm of slump.
constexpr double kWaterPerCmOfSlump = 4;
constexpr double kAirNoteAbovePercent = 3;

// The boxes' numbers, an empty box none.
using Readings = std::array<std::optional<double>, kTrialBoxes>;

bool InRange(const TrialBoxRow& row, double value) {
    const bool above = row.MinExcluded ? value > row.Min : value >= row.Min;
    if (!above || value > row.Max || (row.Whole && value != std::floor(value))) return false;
    return row.Box != B::Age || value == 7 || value == 28;
}

TrialRefusal RefusalOf(TrialBox box) { return {box, std::string(RowOf(box).Refused)}; }

// Reads the boxes from `first` to `last` in their order; the first box
// refused is named.
std::optional<TrialRefusal> ReadBoxes(const TrialInputs& boxes, TrialBox first, TrialBox last,
                                      const NumberLocale& separators, Readings& readings) {
    for (auto i = static_cast<std::size_t>(first); i <= static_cast<std::size_t>(last); ++i) {
        const std::string& text = boxes[i];
        if (text.find_first_not_of(" \t") == std::string::npos) continue;
        const TrialBoxRow& row = kBoxes[i];
        const std::optional<double> value = ParsedDouble(text, separators);
        if (!value || !InRange(row, *value)) return RefusalOf(row.Box);
        readings[i] = value;
    }
    return std::nullopt;
}

std::optional<double> At(const Readings& readings, TrialBox box) {
    return readings[static_cast<std::size_t>(box)];
}

double SlumpTarget(SlumpChoice slump) {
    switch (slump) {
        case SlumpChoice::Slump10_0:
            return 10.0;
        case SlumpChoice::Slump12_5:
            return 12.5;
        default:
            return 7.5;
    }
}

// The specimens' volume with the extra, or the volume typed.
double TrialVolume(const Readings& readings, bool cube) {
    if (const auto volume = At(readings, B::Volume)) return *volume;
    const double cubes = At(readings, B::Cubes).value_or(cube ? 6 : 0);
    const double cylinders = At(readings, B::Cylinders).value_or(cube ? 0 : 6);
    const double extra = At(readings, B::Extra).value_or(25);
    return (cubes * kCubeLitres + cylinders * kCylinderLitres) * (1 + extra / 100);
}

// The trial is weighed in grams, so it is planned from the metre before
// batching rounding, its sand wet with the surface moisture, and its stone
// too when the stone's moisture is given.
TrialPlan PlanOf(const MixDesign& design, double volume) {
    const MixState& s = design.State;
    const double k = volume / 1000;
    const double sm = design.SurfaceMoisture / 100;
    // Dry of its water, the stone's terms are exactly nothing: x - 0.0 and
    // x * 1.0 are x to the bit.
    const double gm = design.StoneSurfaceMoisture.value_or(0) / 100;
    return {volume,
            s.Weight * k,
            (s.W - s.WSAND * sm - s.WGRAVEL * gm) * k,
            s.WSAND * (1 + sm) * k,
            s.WGRAVEL * (1 + gm) * k,
            s.VYA * k};
}

// Yield and air from the batch's mass and its air-free volume, with the
// materials' gravities, and the water per cubic metre as batched; the
// admixture, far below 0.1 % of the mass, is left out. The aggregates count
// saturated surface-dry; the water beyond counts with the water.
// Gives the net water, litres in the trial.
double MeasureYield(const TrialPlan& plan, const MixDesign& design, const Materials& materials,
                    const Readings& readings, TrialFigures& f, std::vector<std::string>& notes) {
    const double sm = design.SurfaceMoisture / 100;
    const double water = At(readings, B::Water).value_or(plan.Water);
    const double sandSsd = plan.Sand / (1 + sm);
    const double stoneSsd = plan.Stone / (1 + design.StoneSurfaceMoisture.value_or(0) / 100);
    const double netWater = water + (plan.Sand - sandSsd) + (plan.Stone - stoneSsd);
    double yield = plan.Volume;
    double air = 0;
    if (const auto density = At(readings, B::Density)) {
        const double mass = plan.Cement + water + plan.Sand + plan.Stone;
        const double airFree = plan.Cement / materials.CementGravity + netWater +
                               sandSsd / materials.SandGravity + stoneSsd / materials.StoneGravity;
        yield = 1000 * mass / *density;
        air = 100 * (yield - airFree) / yield;
        if (air < 0) {
            air = 0;
            notes.emplace_back(t::kDenseNote);
        } else if (air > kAirNoteAbovePercent) {
            notes.emplace_back(t::kAirNote);
        }
        f.Yield = yield;
        f.RelativeYield = yield / plan.Volume;
        f.AirPercent = air;
    }
    f.WaterPerCubicMetre = netWater * 1000 / yield;
    // At most 1000 litres: air is below 100 %.
    f.AirLitres = WholeInteger(10 * air).value_or(0);
    return netWater;
}

// The trial's 28-day cube strength, from a 7-day one by the ratio typed.
std::optional<double> Strength28Cube(const Readings& readings, bool cube,
                                     std::vector<std::string>& notes) {
    const auto strength = At(readings, B::Strength);
    if (!strength) return std::nullopt;
    double f28 = *strength;
    if (At(readings, B::Age).value_or(28) == 7) {
        f28 /= At(readings, B::Ratio7).value_or(0.70);
        notes.emplace_back(t::kSevenDayNote);
    }
    return cube ? f28 : f28 / kCylinderPerCubeStrength;
}

// The trial shows how far the real materials lie from the curve; the new
// design is read from the curve shifted by as much. A new water or
// strength beyond the method's 16-bit cells refuses the adjusted mix with
// the engine's own word; the measurements still show.
void Adjust(TrialOutcome& outcome, const MixInput& input, const MixDesign& design,
            const Materials& materials, const Readings& readings, double netWater,
            const NumberLocale& separators) {
    const MixState& s = design.State;
    TrialFigures& f = outcome.Figures;
    const auto slump = At(readings, B::Slump);
    const double water28 = f.WaterPerCubicMetre +
                           (slump ? kWaterPerCmOfSlump * (SlumpTarget(input.Slump) - *slump) : 0.0);
    f.AdjustedWater = WholeInteger(water28);
    if (!f.AdjustedWater) {
        outcome.Adjusted = CalculationError{std::nullopt, std::string(text::kResultOutOfRange)};
        return;
    }
    TrialChart& chart = outcome.Chart.emplace();
    for (auto point = kWaterCementCurve.rbegin(); point != kWaterCementCurve.rend(); ++point)
        chart.Curve.push_back({point->Ratio, static_cast<double>(point->Strength)});
    chart.Design = {s.WA, static_cast<double>(s.F)};
    f.DesignStrength = s.F;
    f.Ratio = s.WA;
    f.Strength28Cube =
        Strength28Cube(readings, input.Shape != SpecimenShape::Cylinder, outcome.Notes);
    if (f.Strength28Cube) {
        f.TrialRatio = netWater / outcome.Plan.Cement;
        chart.Trial = ChartPoint{*f.TrialRatio, *f.Strength28Cube};
        f.DesignStrength = WholeInteger(s.F - (*f.Strength28Cube - CurveStrength(*f.TrialRatio)));
        f.Ratio = f.DesignStrength ? WaterCementRatio(*f.DesignStrength) : std::nullopt;
    }
    if (!f.Ratio) {
        outcome.Adjusted = CalculationError{std::nullopt, std::string(t::kStrengthOutOfMethod)};
        return;
    }
    chart.Adjusted = ChartPoint{*f.Ratio, static_cast<double>(*f.DesignStrength)};
    outcome.Adjusted = CalculateAdjustedMix(
        input, MixAdjustment{*f.AdjustedWater, *f.Ratio, f.AirLitres}, separators, materials);
}

}  // namespace

const std::array<TrialBoxRow, kTrialBoxes>& TrialBoxRows() { return kBoxes; }

const TrialBoxRow& RowOf(TrialBox box) { return kBoxes[static_cast<std::size_t>(box)]; }

TrialResult RunTrial(const MixInput& input, const MixDesign& design, const TrialInputs& boxes,
                     const NumberLocale& separators, const Materials& materials) {
    Readings readings;
    if (auto refused = ReadBoxes(boxes, B::Cubes, B::Volume, separators, readings)) return *refused;
    const bool cube = input.Shape != SpecimenShape::Cylinder;
    const double volume = TrialVolume(readings, cube);
    if (volume == 0) return TrialRefusal{B::Cubes, std::string(t::kNoVolume)};
    if (auto refused = ReadBoxes(boxes, B::Water, B::Ratio7, separators, readings)) return *refused;

    TrialOutcome outcome;
    outcome.Plan = PlanOf(design, volume);
    const double netWater =
        MeasureYield(outcome.Plan, design, materials, readings, outcome.Figures, outcome.Notes);
    Adjust(outcome, input, design, materials, readings, netWater, separators);
    return outcome;
}

}  // namespace krv1::presentation
