// The trial batch: how much of a design to mix for its specimens, what the
// trial measured, and the design re-proportioned by the method's own engine
// from those measurements: the mixing water from the yield and the slump,
// the water-cement ratio from the strength, and the air kept in the mix.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/calculation.h"
#include "engine/materials.h"
#include "engine/number_locale.h"

namespace krv1::presentation {

enum class TrialBox : std::size_t {
    Cubes,
    Cylinders,
    Extra,
    Volume,
    Water,
    Slump,
    Density,
    Strength,
    Age,
    Ratio7,
};
inline constexpr std::size_t kTrialBoxes = 10;

// One box: how a design file keys it, its caption, what it accepts and what
// it says when it does not.
struct TrialBoxRow {
    TrialBox Box;
    std::string_view Key;
    std::string_view Caption;
    double Min, Max;
    bool MinExcluded;  // above Min, not from it
    bool Whole;        // a whole number
    std::string_view Refused;
};
const std::array<TrialBoxRow, kTrialBoxes>& TrialBoxRows();
const TrialBoxRow& RowOf(TrialBox box);

// The boxes' texts as typed, with the design's separators; an empty text is
// an empty box, which takes its default or is not measured.
using TrialInputs = std::array<std::string, kTrialBoxes>;

// What to weigh for the trial, planned from the design before batching
// rounding: litres, kg, litres, wet kg, kg and cc.
struct TrialPlan {
    double Volume = 0;
    double Cement = 0;
    double Water = 0;
    double Sand = 0;
    double Stone = 0;
    double Admixture = 0;
};

struct ChartPoint {
    double Ratio;     // W/C
    double Strength;  // ksc, cube basis
    bool operator==(const ChartPoint&) const = default;
};

// The method's W/C curve, the design, the trial when its strength is known,
// and the adjusted design when the method covers it.
struct TrialChart {
    std::vector<ChartPoint> Curve;
    ChartPoint Design{0, 0};
    std::optional<ChartPoint> Trial;
    std::optional<ChartPoint> Adjusted;
};

// The results in double precision; an empty one was not measured, or not
// worked out because an earlier figure left the method's range.
struct TrialFigures {
    std::optional<double> Yield;          // litres
    std::optional<double> RelativeYield;  // yield over the planned volume
    std::optional<double> AirPercent;
    double WaterPerCubicMetre = 0;          // Wre, litres per m3 as batched
    std::optional<int16_t> AdjustedWater;   // W'
    std::optional<double> TrialRatio;       // the trial's own W/C, with a strength
    std::optional<double> Strength28Cube;   // with a strength
    std::optional<int16_t> DesignStrength;  // F'
    std::optional<float> Ratio;             // WA', when F' is on the curve
    int16_t AirLitres = 0;                  // A, kept in the new mix
};

struct TrialOutcome {
    TrialPlan Plan;
    TrialFigures Figures;
    // None when the new water leaves the method's cells: nothing is placed.
    std::optional<TrialChart> Chart;
    std::vector<std::string> Notes;
    CalculationResult Adjusted;  // the re-proportioned design, or why there is none
};

struct TrialRefusal {
    TrialBox Box;
    std::string Message;
};
using TrialResult = std::variant<TrialOutcome, TrialRefusal>;

// The trial of `design`, calculated from `input` with `separators` and the
// materials the design was proportioned with.
TrialResult RunTrial(const MixInput& input, const MixDesign& design, const TrialInputs& boxes,
                     const NumberLocale& separators, const Materials& materials = {});

}  // namespace krv1::presentation
