#include "trial_report.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

#include "figure_text.h"
#include "text/trial_batch_texts.h"

namespace krv1::presentation {
namespace {

namespace t = text::trial;
using Kind = SheetRow::Kind;
using Json = nlohmann::ordered_json;

// The adjusted batch, each figure with the design's beside it.
void AddBatch(std::vector<SheetRow>& rows, std::string_view heading, const BatchQuantities& batch,
              const BatchQuantities& design, bool withAdmixture, const NumberLocale& separators) {
    rows.push_back({Kind::Heading, std::string(heading), {}, {}});
    const auto add = [&](std::string_view caption, double value, double was,
                         std::string_view unit) {
        rows.push_back({Kind::Figure, std::string(caption),
                        FigureText(value, Decimals(0), separators),
                        std::string(unit)
                            .append(t::kWas)
                            .append(FigureText(was, Decimals(0), separators))
                            .append(t::kWasClose)});
    };
    add(t::kCement, batch.Cement, design.Cement, t::kKg);
    add(t::kWaterPlan, batch.Water, design.Water, t::kLitre);
    add(t::kSand, batch.Sand, design.Sand, t::kKg);
    add(t::kStone, batch.Stone, design.Stone, t::kKg);
    if (withAdmixture) add(t::kAdmixture, batch.Admixture, design.Admixture, t::kCc);
}

Json Point(const std::optional<ChartPoint>& point) {
    return point ? Json::array({point->Ratio, point->Strength}) : Json();
}

Json Panel(const BatchQuantities& batch) {
    return Json{{"cement", batch.Cement},
                {"water", batch.Water},
                {"sand", batch.Sand},
                {"stone", batch.Stone},
                {"admixture", batch.Admixture}};
}

std::optional<double> Whole(const std::optional<int16_t>& value) {
    return value ? std::optional<double>(*value) : std::nullopt;
}

using O = TrialOutcome;
constexpr std::array<TrialFigureRow, kTrialPlanFigures> kPlanRows{{
    {"volume_l", t::kTrialVolume, t::kLitre, 3, false, false,
     [](const O& o) -> std::optional<double> { return o.Plan.Volume; }},
    {"cement_kg", t::kCement, t::kKg, 3, false, false,
     [](const O& o) -> std::optional<double> { return o.Plan.Cement; }},
    {"water_l", t::kWaterPlan, t::kLitre, 3, false, false,
     [](const O& o) -> std::optional<double> { return o.Plan.Water; }},
    {"sand_kg", t::kWetSand, t::kKg, 3, false, false,
     [](const O& o) -> std::optional<double> { return o.Plan.Sand; }},
    {"stone_kg", t::kStone, t::kKg, 3, false, false,
     [](const O& o) -> std::optional<double> { return o.Plan.Stone; }},
    {"admixture_cc", t::kAdmixture, t::kCc, 1, false, true,
     [](const O& o) -> std::optional<double> { return o.Plan.Admixture; }},
}};

constexpr std::array<TrialFigureRow, kTrialResultFigures> kResultRows{{
    {"yield_l", t::kYield, t::kLitre, 2, false, false, [](const O& o) { return o.Figures.Yield; }},
    {"relative_yield",
     t::kRelativeYield,
     {},
     3,
     false,
     false,
     [](const O& o) { return o.Figures.RelativeYield; }},
    {"air_percent", t::kAir, t::kPercent, 1, false, false,
     [](const O& o) { return o.Figures.AirPercent; }},
    {"water_per_m3_l", t::kWaterPerCubicMetre, t::kLitrePerCubicMetre, 1, false, false,
     [](const O& o) -> std::optional<double> { return o.Figures.WaterPerCubicMetre; }},
    {"adjusted_water_l", t::kAdjustedWater, t::kLitrePerCubicMetre, 0, true, false,
     [](const O& o) { return Whole(o.Figures.AdjustedWater); }},
    {"trial_wc",
     t::kTrialRatio,
     {},
     2,
     false,
     false,
     [](const O& o) { return o.Figures.TrialRatio; }},
    {"strength28_cube", t::kStrength28Cube, t::kKsc, 1, false, false,
     [](const O& o) { return o.Figures.Strength28Cube; }},
    {"design_strength", t::kDesignStrength, t::kKsc, 0, true, false,
     [](const O& o) { return Whole(o.Figures.DesignStrength); }},
    // WA' is a single-precision cell; its JSON keeps the float's own value.
    {"wc",
     t::kRatio,
     {},
     2,
     false,
     false,
     [](const O& o) -> std::optional<double> {
         if (!o.Figures.Ratio) return std::nullopt;
         return static_cast<double>(*o.Figures.Ratio);
     }},
}};

template <std::size_t N>
void AddFigures(std::vector<SheetRow>& rows, const std::array<TrialFigureRow, N>& table,
                const TrialOutcome& trial, bool withAdmixture, const NumberLocale& separators) {
    for (const TrialFigureRow& row : table)
        if (withAdmixture || !row.AdmixtureOnly)
            rows.push_back(
                FigureRow(row.Caption, row.Value(trial), row.Decimals, row.Unit, separators));
}

template <std::size_t N>
Json FiguresJson(const std::array<TrialFigureRow, N>& table, const TrialOutcome& trial) {
    Json json = Json::object();
    for (const TrialFigureRow& row : table) {
        const std::optional<double> value = row.Value(trial);
        json[std::string(row.Key)] = !value      ? Json()
                                     : row.Whole ? Json(static_cast<int>(*value))
                                                 : Json(*value);
    }
    return json;
}

}  // namespace

TrialInputs TrialPlaceholders(const MixInput& input, const TrialOutcome& trial,
                              const NumberLocale& separators) {
    // The defaults RunTrial takes for an empty box.
    const bool cube = input.Shape == SpecimenShape::Cube;
    TrialInputs shown;
    const auto set = [&](TrialBox box, double value, int decimals) {
        shown[static_cast<std::size_t>(box)] = FigureText(value, Decimals(decimals), separators);
    };
    set(TrialBox::Cubes, cube ? 6 : 0, 0);
    set(TrialBox::Cylinders, cube ? 0 : 6, 0);
    set(TrialBox::Extra, 25, 0);
    set(TrialBox::Volume, trial.Plan.Volume, 3);
    set(TrialBox::Water, trial.Plan.Water, 3);
    set(TrialBox::Age, 28, 0);
    set(TrialBox::Ratio7, 0.70, 2);
    return shown;
}

const std::array<TrialFigureRow, kTrialPlanFigures>& TrialPlanRows() { return kPlanRows; }
const std::array<TrialFigureRow, kTrialResultFigures>& TrialResultRows() { return kResultRows; }

std::vector<SheetRow> TrialRows(const MixInput& input, const MixDesign& design,
                                const TrialInputs& boxes, const TrialOutcome& trial,
                                const NumberLocale& separators) {
    const bool withAdmixture = input.Admixture == AdmixtureChoice::WithAdmixture;
    std::vector<SheetRow> rows{{Kind::Title, std::string(t::kTitle), {}, {}},
                               {Kind::Heading, std::string(t::kPlanHeading), {}, {}}};
    AddFigures(rows, kPlanRows, trial, withAdmixture, separators);

    // What was measured, as typed; the plan's boxes stand in the plan.
    rows.push_back({Kind::Heading, std::string(t::kMeasuredHeading), {}, {}});
    bool anyMeasured = false;
    for (const TrialBoxRow& box : TrialBoxRows()) {
        const std::string& text = boxes[static_cast<std::size_t>(box.Box)];
        if (box.Box < TrialBox::Water || text.find_first_not_of(" \t") == std::string::npos)
            continue;
        rows.push_back({Kind::Line, std::string(box.Caption).append("  ").append(text), {}, {}});
        anyMeasured = true;
    }
    if (!anyMeasured) rows.push_back({Kind::Line, std::string(t::kNothingMeasured), {}, {}});

    rows.push_back({Kind::Heading, std::string(t::kResultsHeading), {}, {}});
    AddFigures(rows, kResultRows, trial, withAdmixture, separators);
    for (const std::string& note : trial.Notes) rows.push_back({Kind::Line, note, {}, {}});

    if (const CalculationError* refused = ErrorOf(trial.Adjusted)) {
        rows.push_back({Kind::Heading, std::string(t::kBeforeHeading), {}, {}});
        rows.push_back({Kind::Line, refused->Message, {}, {}});
        return rows;
    }
    const MixDesign& adjusted = *DesignOf(trial.Adjusted);
    AddBatch(rows, t::kBeforeHeading, adjusted.Rounded, design.Rounded, withAdmixture, separators);
    AddBatch(rows, t::kAfterHeading, adjusted.Adjusted, design.Adjusted, withAdmixture, separators);
    return rows;
}

ResultTexts TrialPanelTexts(const MixDesign& design, const TrialOutcome& trial,
                            const NumberLocale& separators) {
    const MixDesign* adjusted = DesignOf(trial.Adjusted);
    if (!adjusted) return {};
    ResultTexts texts = ResultPanelTexts(*adjusted, separators);
    const auto was = [&](const BatchQuantities& batch) {
        return std::array<double, kBatchRows>{batch.Cement, batch.Water, batch.Sand, batch.Stone,
                                              batch.Admixture};
    };
    const auto add = [&](PanelTexts& panel, const BatchQuantities& batch) {
        const auto before = was(batch);
        for (std::size_t row = 0; row < kBatchRows; ++row)
            panel[row]
                .append(t::kWas)
                .append(FigureText(before[row], Decimals(0), separators))
                .append(t::kWasClose);
    };
    add(texts.BeforeCorrection, design.Rounded);
    add(texts.AfterCorrection, design.Adjusted);
    return texts;
}

std::string TrialJson(const TrialOutcome& trial) {
    Json json;
    json["plan"] = FiguresJson(kPlanRows, trial);
    json["results"] = FiguresJson(kResultRows, trial);
    const MixDesign* adjusted = DesignOf(trial.Adjusted);
    json["adjusted"] =
        adjusted ? Json{{"before", Panel(adjusted->Rounded)}, {"after", Panel(adjusted->Adjusted)}}
                 : Json();
    if (trial.Chart) {
        Json curve = Json::array();
        for (const ChartPoint& point : trial.Chart->Curve)
            curve.push_back(Json::array({point.Ratio, point.Strength}));
        json["chart"] = Json{{"curve", curve},
                             {"design", Point(trial.Chart->Design)},
                             {"trial", Point(trial.Chart->Trial)},
                             {"adjusted", Point(trial.Chart->Adjusted)}};
    } else {
        json["chart"] = Json();
    }
    json["notes"] = trial.Notes;
    return json.dump(2) + "\n";
}

}  // namespace krv1::presentation
