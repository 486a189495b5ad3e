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
constexpr double kRatioStep = 0.1;
constexpr double kStrengthStep = 50;

struct Plot {
    const ChartAxes& axes;
    int x(double ratio) const {
        const ChartAxis& a = axes.Ratio;
        return kPlotLeft + static_cast<int>(std::lround((ratio - a.From) / (a.To - a.From) *
                                                        (kPlotRight - kPlotLeft)));
    }
    int y(double strength) const {
        const ChartAxis& a = axes.Strength;
        return kPlotBottom - static_cast<int>(std::lround((strength - a.From) / (a.To - a.From) *
                                                          (kPlotBottom - kPlotTop)));
    }
};

ChartAxis AxisOver(const std::vector<double>& values, double from, double to, double step,
                   int decimals, const NumberLocale& separators) {
    for (const double value : values) {
        from = std::min(from, std::floor(value / step) * step);
        to = std::max(to, std::ceil(value / step) * step);
    }
    ChartAxis axis{from, to, {}};
    const int steps = static_cast<int>(std::lround((to - from) / step));
    for (int i = 0; i <= steps; ++i) {
        const double at = from + i * step;
        axis.Ticks.emplace_back(at, FigureText(at, Decimals(decimals), separators));
    }
    return axis;
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

PrintedPage TrialPage(const std::vector<SheetRow>& rows, const TrialChart& chart,
                      const NumberLocale& separators, const PageFace& face) {
    PrintedPage page = SheetPage(rows, face, kChartTop - 200);
    const double points = page.PointSize;
    const int line = face.LineHeight(points);
    const ChartAxes axes = AxesOf(chart, separators);
    const Plot plot{axes};
    const auto text = [&](int x, int y, std::string label, bool right = false) {
        page.Lines.push_back({x, y, false, std::move(label), right});
    };
    // The frame, and a tick and a label at every step of each axis.
    page.Rules.insert(page.Rules.end(), {{kPlotLeft, kPlotTop, kPlotRight, kPlotTop},
                                         {kPlotRight, kPlotTop, kPlotRight, kPlotBottom},
                                         {kPlotRight, kPlotBottom, kPlotLeft, kPlotBottom},
                                         {kPlotLeft, kPlotBottom, kPlotLeft, kPlotTop}});
    for (const auto& [ratio, label] : axes.Ratio.Ticks) {
        const int x = plot.x(ratio);
        page.Rules.push_back({x, kPlotBottom, x, kPlotBottom + 80});
        text(x - face.Width(label, false, points) / 2, kPlotBottom + 100, label);
    }
    for (const auto& [strength, label] : axes.Strength.Ticks) {
        const int y = plot.y(strength);
        page.Rules.push_back({kPlotLeft - 80, y, kPlotLeft, y});
        text(kPlotLeft - 120, y - line / 2, label, true);
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
