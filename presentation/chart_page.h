// A chart drawn on a printed page with rules and texts alone, so that any
// printer and the PDF writer draw it alike: a framed plot with labelled
// ticks, lines, marked points and a legend beside it.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/number_locale.h"
#include "sheet_rows.h"

namespace krv1::presentation {

// A chart axis: its range in whole steps around every point, and a tick at
// every step labelled with the design's separators.
struct ChartAxis {
    double From = 0;
    double To = 0;
    std::vector<std::pair<double, std::string>> Ticks;
};

// The axis over `values`, at least from `from` to `to`, in steps of `step`.
ChartAxis AxisOver(const std::vector<double>& values, double from, double to, double step,
                   int decimals, const NumberLocale& separators);

// The plot's frame on the page, in twips.
struct PlotArea {
    int Left, Top, Right, Bottom;
    int LegendLeft;
};

enum class PageMarker { Square, Triangle, Diamond };

class PageChart {
public:
    // Draws the frame, the ticks with their labels and the axes' titles;
    // the y axis's title stands above the plot.
    PageChart(PrintedPage& page, const PageFace& face, const PlotArea& area, const ChartAxis& x,
              const ChartAxis& y, std::string_view xTitle, std::string_view yTitle);

    int X(double value) const;
    int Y(double value) const;
    // Straight segments through the points, in the chart's own values.
    void Polyline(const std::vector<std::pair<double, double>>& points);
    void Mark(PageMarker marker, double x, double y);
    // A level across the plot; dashes of `dash` twips, or solid at 0.
    void Level(double y, int dash);
    // The next legend entry with its sample: a line or a marker.
    void LegendLine(std::string_view name, int dash = 0);
    void LegendMark(PageMarker marker, std::string_view name);

private:
    int LegendEntry(std::string_view name);
    void MarkAt(PageMarker marker, int x, int y);
    void Dashed(int left, int right, int y, int dash);

    PrintedPage& page_;
    PlotArea area_;
    const ChartAxis& x_;
    const ChartAxis& y_;
    int line_;
    int legend_;
};

}  // namespace krv1::presentation
