#include "trial_batch.h"

#include <cmath>
#include <numbers>

#include "engine/conversion_error.h"
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
// Strength on a cylinder is 0.833 of that on a cube, as in the design.
constexpr double kCylinderToCube = 0.833;
constexpr double kAirNoteAbovePercent = 3;

// The method's W/C curve: the strength each ratio gives, cube basis.
constexpr std::array<ChartPoint, 5> kCurve{
    {{0.43, 450}, {0.48, 400}, {0.61, 300}, {0.78, 200}, {0.90, 150}}};

struct Refused {
    TrialBox box;
};

// A box's number, or nothing for an empty box.
std::optional<double> Read(const TrialInputs& boxes, TrialBox box, const NumberLocale& separators) {
    const std::string& text = boxes[static_cast<std::size_t>(box)];
    if (text.find_first_not_of(" \t") == std::string::npos) return std::nullopt;
    const TrialBoxRow& row = RowOf(box);
    double value = 0;
    try {
        value = TextToDouble(text, separators);
    } catch (const ConversionError&) {
        throw Refused{box};
    }
    const bool above = row.MinExcluded ? value > row.Min : value >= row.Min;
    if (!above || value > row.Max || (row.Whole && value != std::floor(value))) throw Refused{box};
    if (box == B::Age && value != 7 && value != 28) throw Refused{box};
    return value;
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

TrialOutcome Outcome(const MixInput& input, const MixDesign& design, const TrialInputs& boxes,
                     const NumberLocale& separators) {
    const auto read = [&](TrialBox box) { return Read(boxes, box, separators); };
    const MixState& s = design.State;
    const bool cube = input.Shape != SpecimenShape::Cylinder;
    const double cubes = read(B::Cubes).value_or(cube ? 6 : 0);
    const double cylinders = read(B::Cylinders).value_or(cube ? 0 : 6);
    const double extra = read(B::Extra).value_or(25);
    const std::optional<double> volume = read(B::Volume);
    const double vt =
        volume ? *volume : (cubes * kCubeLitres + cylinders * kCylinderLitres) * (1 + extra / 100);
    if (vt == 0) throw TrialRefusal{B::Cubes, std::string(t::kNoVolume)};

    // The trial is weighed in grams, so it is planned from the metre before
    // batching rounding, its sand wet with the surface moisture.
    TrialOutcome outcome;
    const double k = vt / 1000;
    const double sm = design.SurfaceMoisture / 100;
    TrialPlan& plan = outcome.Plan;
    plan = {vt,       s.Weight * k, (s.W - s.WSAND * sm) * k, s.WSAND * (1 + sm) * k, s.WGRAVEL * k,
            s.VYA * k};

    const double water = read(B::Water).value_or(plan.Water);
    const std::optional<double> slump = read(B::Slump);
    const std::optional<double> density = read(B::Density);
    const std::optional<double> strength = read(B::Strength);
    const double age = read(B::Age).value_or(28);
    const double ratio7 = read(B::Ratio7).value_or(0.70);

    // Yield and air from the batch's mass and its air-free volume; the
    // admixture, far below 0.1 % of the mass, is left out.
    const double sandSsd = plan.Sand / (1 + sm);
    const double netWater = water + (plan.Sand - sandSsd);
    const double mass = plan.Cement + water + plan.Sand + plan.Stone;
    const double airFree = plan.Cement / kCementSpecificGravity + netWater +
                           sandSsd / kSandSpecificGravity + plan.Stone / kStoneSpecificGravity;
    TrialFigures& f = outcome.Figures;
    double yield = vt;
    double air = 0;
    if (density) {
        yield = 1000 * mass / *density;
        air = 100 * (yield - airFree) / yield;
        if (air < 0) {
            air = 0;
            outcome.Notes.emplace_back(t::kDenseNote);
        } else if (air > kAirNoteAbovePercent) {
            outcome.Notes.emplace_back(t::kAirNote);
        }
        f.Yield = yield;
        f.RelativeYield = yield / vt;
        f.AirPercent = air;
    }
    f.WaterPerCubicMetre = netWater * 1000 / yield;
    const double water28 = f.WaterPerCubicMetre +
                           (slump ? kWaterPerCmOfSlump * (SlumpTarget(input.Slump) - *slump) : 0.0);
    // A new water or strength beyond the method's 16-bit cells refuses the
    // adjusted mix with the engine's own word; the measurements still show.
    const auto refuseAdjusted = [&outcome](std::string_view message) {
        outcome.Adjusted = CalculationError{std::nullopt, std::string(message)};
        return outcome;
    };
    const auto whole = [](double value) -> std::optional<int16_t> {
        try {
            return FloatToInteger(value);
        } catch (const ConversionError&) {
            return std::nullopt;
        }
    };
    f.AirLitres = *whole(10 * air);  // at most 1000 litres: air is below 100 %

    // The trial shows how far the real materials lie from the curve; the
    // new design is read from the curve shifted by as much.
    const std::optional<int16_t> adjustedWater = whole(water28);
    if (!adjustedWater) return refuseAdjusted(text::kResultOutOfRange);
    f.AdjustedWater = *adjustedWater;
    f.DesignStrength = s.F;
    f.Ratio = s.WA;
    outcome.Chart.Curve.assign(kCurve.begin(), kCurve.end());
    outcome.Chart.Design = {s.WA, static_cast<double>(s.F)};
    if (strength) {
        double f28 = *strength;
        if (age == 7) {
            f28 /= ratio7;
            outcome.Notes.emplace_back(t::kSevenDayNote);
        }
        const double f28Cube = cube ? f28 : f28 / kCylinderToCube;
        const double trialRatio = netWater / plan.Cement;
        f.Strength28Cube = f28Cube;
        f.TrialRatio = trialRatio;
        outcome.Chart.Trial = ChartPoint{trialRatio, f28Cube};
        const std::optional<int16_t> shifted = whole(s.F - (f28Cube - CurveStrength(trialRatio)));
        if (!shifted) return refuseAdjusted(t::kStrengthOutOfMethod);
        f.DesignStrength = *shifted;
        f.Ratio = WaterCementRatio(f.DesignStrength);
    }
    if (!f.Ratio) return refuseAdjusted(t::kStrengthOutOfMethod);
    outcome.Chart.Adjusted = ChartPoint{*f.Ratio, static_cast<double>(f.DesignStrength)};
    outcome.Adjusted = CalculateAdjustedMix(
        input, MixAdjustment{f.AdjustedWater, *f.Ratio, f.AirLitres}, separators);
    return outcome;
}

}  // namespace

const std::array<TrialBoxRow, kTrialBoxes>& TrialBoxRows() { return kBoxes; }

const TrialBoxRow& RowOf(TrialBox box) { return kBoxes[static_cast<std::size_t>(box)]; }

double CurveStrength(double ratio) {
    // Linear between the points, the end segments continued past the ends.
    std::size_t i = 0;
    while (i + 2 < kCurve.size() && ratio > kCurve[i + 1].Ratio) ++i;
    const ChartPoint& a = kCurve[i];
    const ChartPoint& b = kCurve[i + 1];
    return a.Strength + (ratio - a.Ratio) * (b.Strength - a.Strength) / (b.Ratio - a.Ratio);
}

TrialResult RunTrial(const MixInput& input, const MixDesign& design, const TrialInputs& boxes,
                     const NumberLocale& separators) {
    try {
        return Outcome(input, design, boxes, separators);
    } catch (const Refused& refused) {
        return TrialRefusal{refused.box, std::string(RowOf(refused.box).Refused)};
    } catch (const TrialRefusal& refusal) {
        return refusal;
    }
}

}  // namespace krv1::presentation
