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

Json Optional(const std::optional<double>& value) { return value ? Json(*value) : Json(); }

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

}  // namespace

std::vector<SheetRow> TrialRows(const MixInput& input, const MixDesign& design,
                                const TrialInputs& boxes, const TrialOutcome& trial,
                                const NumberLocale& separators) {
    const bool withAdmixture = input.Admixture == AdmixtureChoice::WithAdmixture;
    std::vector<SheetRow> rows{{Kind::Title, std::string(t::kTitle), {}, {}},
                               {Kind::Heading, std::string(t::kPlanHeading), {}, {}}};
    const TrialPlan& plan = trial.Plan;
    rows.push_back(FigureRow(t::kTrialVolume, plan.Volume, 3, t::kLitre, separators));
    rows.push_back(FigureRow(t::kCement, plan.Cement, 3, t::kKg, separators));
    rows.push_back(FigureRow(t::kWaterPlan, plan.Water, 3, t::kLitre, separators));
    rows.push_back(FigureRow(t::kWetSand, plan.Sand, 3, t::kKg, separators));
    rows.push_back(FigureRow(t::kStone, plan.Stone, 3, t::kKg, separators));
    if (withAdmixture)
        rows.push_back(FigureRow(t::kAdmixture, plan.Admixture, 1, t::kCc, separators));

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

    const TrialFigures& f = trial.Figures;
    rows.push_back({Kind::Heading, std::string(t::kResultsHeading), {}, {}});
    rows.push_back(FigureRow(t::kYield, f.Yield, 2, t::kLitre, separators));
    rows.push_back(FigureRow(t::kRelativeYield, f.RelativeYield, 3, {}, separators));
    rows.push_back(FigureRow(t::kAir, f.AirPercent, 1, t::kPercent, separators));
    rows.push_back(FigureRow(t::kWaterPerCubicMetre, f.WaterPerCubicMetre, 1,
                             t::kLitrePerCubicMetre, separators));
    rows.push_back(FigureRow(t::kAdjustedWater, static_cast<double>(f.AdjustedWater), 0,
                             t::kLitrePerCubicMetre, separators));
    rows.push_back(FigureRow(t::kTrialRatio, f.TrialRatio, 2, {}, separators));
    rows.push_back(FigureRow(t::kStrength28Cube, f.Strength28Cube, 1, t::kKsc, separators));
    rows.push_back(FigureRow(t::kDesignStrength, static_cast<double>(f.DesignStrength), 0, t::kKsc,
                             separators));
    const std::optional<double> ratio =
        f.Ratio ? std::optional<double>(*f.Ratio) : std::optional<double>();
    rows.push_back(FigureRow(t::kRatio, ratio, 2, {}, separators));
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
    const TrialPlan& plan = trial.Plan;
    const TrialFigures& f = trial.Figures;
    Json json;
    json["plan"] = Json{{"volume_l", plan.Volume}, {"cement_kg", plan.Cement},
                        {"water_l", plan.Water},   {"sand_kg", plan.Sand},
                        {"stone_kg", plan.Stone},  {"admixture_cc", plan.Admixture}};
    json["results"] = Json{
        {"yield_l", Optional(f.Yield)},
        {"relative_yield", Optional(f.RelativeYield)},
        {"air_percent", Optional(f.AirPercent)},
        {"water_per_m3_l", f.WaterPerCubicMetre},
        {"adjusted_water_l", f.AdjustedWater},
        {"trial_wc", Optional(f.TrialRatio)},
        {"strength28_cube", Optional(f.Strength28Cube)},
        {"design_strength", f.DesignStrength},
        {"wc", f.Ratio ? Json(static_cast<double>(*f.Ratio)) : Json()},
    };
    const MixDesign* adjusted = DesignOf(trial.Adjusted);
    json["adjusted"] =
        adjusted ? Json{{"before", Panel(adjusted->Rounded)}, {"after", Panel(adjusted->Adjusted)}}
                 : Json();
    Json curve = Json::array();
    for (const ChartPoint& point : trial.Chart.Curve)
        curve.push_back(Json::array({point.Ratio, point.Strength}));
    json["chart"] = Json{{"curve", curve},
                         {"design", Point(trial.Chart.Design)},
                         {"trial", Point(trial.Chart.Trial)},
                         {"adjusted", Point(trial.Chart.Adjusted)}};
    json["notes"] = trial.Notes;
    return json.dump(2) + "\n";
}

}  // namespace krv1::presentation
