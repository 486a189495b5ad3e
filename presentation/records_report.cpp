#include "records_report.h"

#include <algorithm>
#include <cstdint>
#include <nlohmann/json.hpp>

#include "engine/target_strength.h"
#include "figure_text.h"
#include "page_heading.h"
#include "text/strength_records_texts.h"

namespace krv1::presentation {
namespace {

namespace r = text::records;
using Kind = SheetRow::Kind;
using Json = nlohmann::ordered_json;

std::optional<double> Shown(const std::optional<double>& cylinder, SpecimenShape specimen) {
    return cylinder ? std::optional<double>(OnSpecimen(*cylinder, specimen)) : std::nullopt;
}

// The strength to be produced, F, as a cylinder strength.
std::optional<double> TargetCylinder(const RecordsFigures& f) {
    return f.Target ? std::optional<double>(*f.Target * kCylinderPerCubeStrength) : std::nullopt;
}

using F = RecordsFigures;
constexpr std::array<RecordsFigureRow, kRecordsFigures> kFigureRows{{
    {"n", r::kTests, r::kTestsUnit, 0, false, true,
     [](const F& f) -> std::optional<double> { return static_cast<double>(f.Tests.size()); }},
    {"mean", r::kMean, r::kKsc, 1, true, false, [](const F& f) { return f.Mean; }},
    {"s", r::kDeviation, r::kKsc, 1, true, false, [](const F& f) { return f.Deviation; }},
    {"k", r::kFactor, {}, 2, false, false, [](const F& f) { return f.Factor; }},
    {"margin", r::kMargin, r::kKsc, 1, true, false, [](const F& f) { return f.Margin; }},
    // The margin the design takes, on the method's cube basis whatever the records' specimen.
    {"margin_cube", r::kMarginCube, r::kKsc, 1, false, false,
     [](const F& f) { return f.MarginCube; }},
    {{}, r::kRequired, r::kKsc, 1, true, false, [](const F& f) { return f.Required; }},
    {{}, r::kSingleLimit, r::kKsc, 1, true, false, [](const F& f) { return f.SingleLimit; }},
    {{}, r::kTarget, r::kKsc, 1, true, false, TargetCylinder},
    // F itself, as the design's worksheet holds it.
    {"target",
     {},
     {},
     0,
     false,
     true,
     [](const F& f) -> std::optional<double> {
         if (!f.Target) return std::nullopt;
         return static_cast<double>(*f.Target);
     }},
}};

std::string TestLine(const StrengthTest& test, const TestFigures& figures, SpecimenShape specimen,
                     const NumberLocale& separators) {
    std::string line(r::kRow);
    line.append(std::to_string(figures.Row));
    if (!test.Date.empty()) line.append("  ").append(test.Date);
    line.append("  ").append(
        FigureText(OnSpecimen(figures.Result, specimen), Decimals(1), separators));
    if (figures.Average3)
        line.append(r::kAverage3)
            .append(FigureText(OnSpecimen(*figures.Average3, specimen), Decimals(1), separators));
    if (figures.LowSingle) line.append(r::kLowSingle);
    if (figures.LowAverage) line.append(r::kLowAverage);
    if (!test.Note.empty()) line.append("  ").append(test.Note);
    return line;
}

Json Optional(const std::optional<double>& value) { return value ? Json(*value) : Json(); }

// Steps of 1, 2 and 5 times a power of ten: the first that spans `span` in
// at most ten.
double StepFor(double span, double smallest) {
    for (double power = smallest;; power *= 10)
        for (const double times : {1.0, 2.0, 5.0})
            if (span / (times * power) <= 10) return times * power;
}

// The chart's part of the page and its plot area, in twips.
constexpr int kChartTop = 11000;
constexpr PlotArea kPlot{2000, kChartTop + 500, 7600, 15000, 7900};
constexpr int kDash = 150;
// Below this size the page keeps only the low tests' lines.
constexpr double kSmallestReadablePoints = 10;

}  // namespace

const std::array<RecordsFigureRow, kRecordsFigures>& RecordsFigureRows() { return kFigureRows; }

std::vector<SheetRow> RecordsRows(const StrengthRecords& records, const RecordsFigures& f,
                                  const NumberLocale& separators, TestLines lines) {
    const SpecimenShape on = records.Specimen;
    std::vector<SheetRow> rows{
        {Kind::Title, std::string(r::kTitle), {}, {}},
        {Kind::Line, std::string(on == SpecimenShape::Cube ? r::kCube : r::kCylinder), {}, {}}};
    if (!records.Specified.empty())
        rows.push_back({Kind::Figure, std::string(r::kSpecified), records.Specified, {}});
    for (const RecordsFigureRow& row : kFigureRows) {
        if (row.Caption.empty()) continue;
        const std::optional<double> value = row.Value(f);
        rows.push_back(FigureRow(row.Caption, row.OnSpecimen ? Shown(value, on) : value,
                                 row.Decimals, row.Unit, separators));
    }
    rows.push_back(
        {Kind::Figure, std::string(r::kControl), std::string(f.Control.value_or(kNoFigure)), {}});
    rows.push_back(
        {Kind::Figure, std::string(r::kVerdictCaption), std::string(VerdictText(f.Verdict)), {}});
    for (const std::string& note : f.Notes) rows.push_back({Kind::Line, note, {}, {}});
    if (f.Tests.empty()) return rows;
    rows.push_back({Kind::Heading, std::string(r::kTestsHeading), {}, {}});
    for (const TestFigures& test : f.Tests) {
        if (lines == TestLines::LowOnly && !test.Low()) continue;
        if (test.Row > records.Tests.size()) break;  // figures of other records
        rows.push_back(
            {Kind::Line, TestLine(records.Tests[test.Row - 1], test, on, separators), {}, {}});
    }
    return rows;
}

std::string RecordsJson(const RecordsFigures& f) {
    Json tests = Json::array();
    for (const TestFigures& test : f.Tests)
        tests.push_back(Json{{"row", test.Row},
                             {"result", test.Result},
                             {"average3", Optional(test.Average3)},
                             {"low_single", test.LowSingle},
                             {"low_average", test.LowAverage}});
    Json json;
    for (const RecordsFigureRow& row : kFigureRows) {
        if (row.Key.empty()) continue;
        const std::optional<double> value = row.Value(f);
        json[std::string(row.Key)] = !value      ? Json()
                                     : row.Whole ? Json(static_cast<std::int64_t>(*value))
                                                 : Json(*value);
    }
    json["control"] = f.Control ? Json(std::string(*f.Control)) : Json();
    json["verdict"] = std::string(VerdictText(f.Verdict));
    json["tests"] = std::move(tests);
    json["accepted"] = f.Verdict == RecordsVerdict::Accepted;
    json["notes"] = f.Notes;
    return json.dump(2) + "\n";
}

RecordsChart RecordsChartOf(const RecordsFigures& f, const NumberLocale& separators) {
    RecordsChart chart;
    const SpecimenShape on = f.Specimen;
    std::vector<double> strengths;
    for (std::size_t i = 0; i < f.Tests.size(); ++i) {
        const double count = static_cast<double>(i + 1);
        chart.Results.emplace_back(count, OnSpecimen(f.Tests[i].Result, on));
        strengths.push_back(chart.Results.back().second);
        if (f.Tests[i].Average3)
            chart.Averages.emplace_back(count, OnSpecimen(*f.Tests[i].Average3, on));
    }
    chart.Required = Shown(f.Required, on);
    chart.Limit = Shown(f.SingleLimit, on);
    chart.Target = Shown(TargetCylinder(f), on);
    for (const auto& level : {chart.Required, chart.Limit, chart.Target})
        if (level) strengths.push_back(*level);
    const double tests = static_cast<double>(std::max<std::size_t>(f.Tests.size(), 1));
    const double testStep = StepFor(tests, 1);
    chart.Tests = AxisOver({tests}, 0, testStep, testStep, 0, separators);
    if (strengths.empty()) strengths.push_back(0);
    const auto [low, high] = std::minmax_element(strengths.begin(), strengths.end());
    const double strengthStep = StepFor(std::max(*high - *low, 1.0), 10);
    chart.Strength = AxisOver(strengths, *low, *high, strengthStep, 0, separators);
    return chart;
}

PrintedPage RecordsPage(const StrengthRecords& records, const RecordsFigures& f,
                        const NumberLocale& separators, const PageFace& face,
                        const std::vector<std::string>& heading) {
    const int bottom = kChartTop - 200;
    PrintedPage page =
        SheetPage(WithPageHeading(RecordsRows(records, f, separators), heading), face, bottom);
    if (page.PointSize < kSmallestReadablePoints)
        page = SheetPage(
            WithPageHeading(RecordsRows(records, f, separators, TestLines::LowOnly), heading), face,
            bottom);
    const RecordsChart chart = RecordsChartOf(f, separators);
    PageChart plot(page, face, kPlot, chart.Tests, chart.Strength, r::kTestAxis, r::kStrengthAxis);
    plot.Polyline(chart.Results);
    for (const auto& [count, strength] : chart.Results)
        plot.Mark(PageMarker::Square, count, strength);
    plot.LegendMark(PageMarker::Square, r::kResultsLegend);
    plot.Polyline(chart.Averages);
    for (const auto& [count, strength] : chart.Averages)
        plot.Mark(PageMarker::Diamond, count, strength);
    plot.LegendMark(PageMarker::Diamond, r::kAverageLegend);
    const auto level = [&](const std::optional<double>& at, int dash, std::string_view name) {
        if (!at) return;
        plot.Level(*at, dash);
        plot.LegendLine(name, dash);
    };
    level(chart.Required, 0, r::kRequiredLegend);
    level(chart.Limit, kDash, r::kLimitLegend);
    level(chart.Target, kDash / 3, r::kTargetLegend);
    return page;
}

}  // namespace krv1::presentation
