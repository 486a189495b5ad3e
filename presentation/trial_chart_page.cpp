// The trial's page: its rows above, and below them the chart an engineer
// reads the correction from: the method's W/C curve, where the design sat on
// it, where the trial's cubes put the real materials, and the new design on
// the curve shifted by as much.
#include <algorithm>
#include <cmath>

#include "figure_text.h"
#include "text/trial_batch_texts.h"
#include "trial_report.h"

namespace krv1::presentation {
namespace {

namespace t = text::trial;

// The chart's part of the page and its plot area, in twips.
constexpr int kChartTop = 11000;
constexpr int kPlotLeft = 2000;
constexpr int kPlotRight = 8000;
constexpr int kPlotTop = kChartTop + 500;
constexpr int kPlotBottom = 15000;
constexpr int kLegendLeft = 8300;
constexpr int kMarker = 90;  // half a marker's width
constexpr double kRatioStep = 0.05;
constexpr double kStrengthStep = 50;

struct Plot {
    double ratioFrom, ratioTo, strengthFrom, strengthTo;
    int x(double ratio) const {
        return kPlotLeft +
               static_cast<int>(std::lround((ratio - ratioFrom) / (ratioTo - ratioFrom) *
                                            (kPlotRight - kPlotLeft)));
    }
    int y(double strength) const {
        return kPlotBottom - static_cast<int>(std::lround((strength - strengthFrom) /
                                                          (strengthTo - strengthFrom) *
                                                          (kPlotBottom - kPlotTop)));
    }
};

// The axes take whole steps and hold every point of the chart.
Plot PlotOf(const TrialChart& chart) {
    std::vector<ChartPoint> points = chart.Curve;
    points.push_back(chart.Design);
    if (chart.Trial) points.push_back(*chart.Trial);
    if (chart.Adjusted) points.push_back(*chart.Adjusted);
    double ratioFrom = 0.40, ratioTo = 0.95, strengthFrom = 100, strengthTo = 500;
    for (const ChartPoint& point : points) {
        ratioFrom = std::min(ratioFrom, std::floor(point.Ratio / kRatioStep) * kRatioStep);
        ratioTo = std::max(ratioTo, std::ceil(point.Ratio / kRatioStep) * kRatioStep);
        strengthFrom =
            std::min(strengthFrom, std::floor(point.Strength / kStrengthStep) * kStrengthStep);
        strengthTo =
            std::max(strengthTo, std::ceil(point.Strength / kStrengthStep) * kStrengthStep);
    }
    return {ratioFrom, ratioTo, strengthFrom, strengthTo};
}

enum class Marker { Square, Cross, Diamond };

void Mark(PrintedPage& page, Marker marker, int x, int y) {
    const int m = kMarker;
    switch (marker) {
        case Marker::Square:
            page.Rules.insert(page.Rules.end(), {{x - m, y - m, x + m, y - m},
                                                 {x + m, y - m, x + m, y + m},
                                                 {x + m, y + m, x - m, y + m},
                                                 {x - m, y + m, x - m, y - m}});
            break;
        case Marker::Cross:
            page.Rules.insert(page.Rules.end(),
                              {{x - m, y - m, x + m, y + m}, {x - m, y + m, x + m, y - m}});
            break;
        case Marker::Diamond:
            page.Rules.insert(page.Rules.end(), {{x, y - m, x + m, y},
                                                 {x + m, y, x, y + m},
                                                 {x, y + m, x - m, y},
                                                 {x - m, y, x, y - m}});
            break;
    }
}

}  // namespace

PrintedPage TrialPage(const std::vector<SheetRow>& rows, const TrialChart& chart,
                      const NumberLocale& separators, const PageFace& face) {
    PrintedPage page = SheetPage(rows, face, kChartTop - 200);
    const double points = page.PointSize;
    const int line = face.LineHeight(points);
    const Plot plot = PlotOf(chart);
    const auto text = [&](int x, int y, std::string label, bool right = false) {
        page.Lines.push_back({x, y, false, std::move(label), right});
    };
    // The frame, and a tick and a label at every step of each axis.
    page.Rules.insert(page.Rules.end(), {{kPlotLeft, kPlotTop, kPlotRight, kPlotTop},
                                         {kPlotRight, kPlotTop, kPlotRight, kPlotBottom},
                                         {kPlotRight, kPlotBottom, kPlotLeft, kPlotBottom},
                                         {kPlotLeft, kPlotBottom, kPlotLeft, kPlotTop}});
    const int ratioSteps =
        static_cast<int>(std::lround((plot.ratioTo - plot.ratioFrom) / kRatioStep));
    for (int i = 0; i <= ratioSteps; ++i) {
        const double ratio = plot.ratioFrom + i * kRatioStep;
        const int x = plot.x(ratio);
        page.Rules.push_back({x, kPlotBottom, x, kPlotBottom + 80});
        const std::string label = FigureText(ratio, Decimals(2), separators);
        text(x - face.Width(label, false, points) / 2, kPlotBottom + 100, label);
    }
    const int strengthSteps =
        static_cast<int>(std::lround((plot.strengthTo - plot.strengthFrom) / kStrengthStep));
    for (int i = 0; i <= strengthSteps; ++i) {
        const double strength = plot.strengthFrom + i * kStrengthStep;
        const int y = plot.y(strength);
        page.Rules.push_back({kPlotLeft - 80, y, kPlotLeft, y});
        text(kPlotLeft - 120, y - line / 2, FigureText(strength, Decimals(0), separators), true);
    }
    const std::string ratioAxis(t::kRatioAxis);
    text((kPlotLeft + kPlotRight - face.Width(ratioAxis, false, points)) / 2,
         kPlotBottom + 100 + line, ratioAxis);
    text(kPlotLeft - 1000, kChartTop, std::string(t::kStrengthAxis));

    // The curve, then the three points, each named in the legend.
    for (std::size_t i = 1; i < chart.Curve.size(); ++i)
        page.Rules.push_back({plot.x(chart.Curve[i - 1].Ratio), plot.y(chart.Curve[i - 1].Strength),
                              plot.x(chart.Curve[i].Ratio), plot.y(chart.Curve[i].Strength)});
    int legend = kPlotTop;
    const auto legendEntry = [&](std::string_view name) {
        text(kLegendLeft + 400, legend, std::string(name));
        const int middle = legend + line / 2;
        legend += line + 100;
        return middle;
    };
    const int curveY = legendEntry(t::kCurveLegend);
    page.Rules.push_back({kLegendLeft, curveY, kLegendLeft + 300, curveY});
    const auto point = [&](Marker marker, const ChartPoint& at, std::string_view name) {
        Mark(page, marker, plot.x(at.Ratio), plot.y(at.Strength));
        Mark(page, marker, kLegendLeft + 150, legendEntry(name));
    };
    point(Marker::Square, chart.Design, t::kDesignLegend);
    if (chart.Trial) point(Marker::Cross, *chart.Trial, t::kTrialLegend);
    if (chart.Adjusted) point(Marker::Diamond, *chart.Adjusted, t::kAdjustedLegend);
    return page;
}

}  // namespace krv1::presentation
