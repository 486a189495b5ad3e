// The trial's page: its rows above, and below them the chart an engineer
// reads the correction from: the method's W/C curve, where the design sat on
// it, where the trial's cubes put the real materials, and the new design on
// the curve shifted by as much.
#include "page_heading.h"
#include "text/trial_batch_texts.h"
#include "trial_report.h"

namespace krv1::presentation {
namespace {

namespace t = text::trial;

// The chart's part of the page and its plot area, in twips.
constexpr int kChartTop = 11000;
constexpr PlotArea kPlot{2000, kChartTop + 500, 8000, 15000, 8300};
constexpr double kRatioStep = 0.1;
constexpr double kStrengthStep = 50;

}  // namespace

ChartAxes AxesOf(const TrialChart& chart, const NumberLocale& separators) {
    std::vector<ChartPoint> points = chart.Curve;
    points.push_back(chart.Design);
    if (chart.Trial) points.push_back(*chart.Trial);
    if (chart.Adjusted) points.push_back(*chart.Adjusted);
    std::vector<double> ratios, strengths;
    for (const ChartPoint& point : points) {
        ratios.push_back(point.Ratio);
        strengths.push_back(point.Strength);
    }
    return {AxisOver(ratios, 0.4, 1.0, kRatioStep, 1, separators),
            AxisOver(strengths, 100, 500, kStrengthStep, 0, separators)};
}

PrintedPage TrialPage(const std::vector<SheetRow>& rows, const std::optional<TrialChart>& placed,
                      const NumberLocale& separators, const PageFace& face,
                      const std::vector<std::string>& heading) {
    // The rows keep their place above the chart's room, chart or none.
    PrintedPage page = SheetPage(WithPageHeading(rows, heading), face, kChartTop - 200);
    if (!placed) return page;
    const TrialChart& chart = *placed;
    const ChartAxes axes = AxesOf(chart, separators);
    PageChart plot(page, face, kPlot, axes.Ratio, axes.Strength, t::kRatioAxis, t::kStrengthAxis);
    // The curve, then the three points, each named in the legend.
    std::vector<std::pair<double, double>> curve;
    for (const ChartPoint& point : chart.Curve) curve.emplace_back(point.Ratio, point.Strength);
    plot.Polyline(curve);
    plot.LegendLine(t::kCurveLegend);
    const auto point = [&](PageMarker marker, const ChartPoint& at, std::string_view name) {
        plot.Mark(marker, at.Ratio, at.Strength);
        plot.LegendMark(marker, name);
    };
    point(PageMarker::Square, chart.Design, t::kDesignLegend);
    if (chart.Trial) point(PageMarker::Triangle, *chart.Trial, t::kTrialLegend);
    if (chart.Adjusted) point(PageMarker::Diamond, *chart.Adjusted, t::kAdjustedLegend);
    return page;
}

}  // namespace krv1::presentation
