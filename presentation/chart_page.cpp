#include "chart_page.h"

#include <algorithm>
#include <cmath>

#include "figure_text.h"

namespace krv1::presentation {
namespace {

constexpr int kMarker = 90;  // half a marker's width
constexpr int kTick = 80;

}  // namespace

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

PageChart::PageChart(PrintedPage& page, const PageFace& face, const PlotArea& area,
                     const ChartAxis& x, const ChartAxis& y, std::string_view xTitle,
                     std::string_view yTitle)
    : page_(page),
      area_(area),
      x_(x),
      y_(y),
      line_(face.LineHeight(page.PointSize)),
      legend_(area.Top) {
    const double points = page.PointSize;
    const auto text = [&](int left, int top, std::string label, bool right = false) {
        page_.Lines.push_back({left, top, false, std::move(label), right});
    };
    const PlotArea& a = area_;
    page_.Rules.insert(page_.Rules.end(), {{a.Left, a.Top, a.Right, a.Top},
                                           {a.Right, a.Top, a.Right, a.Bottom},
                                           {a.Right, a.Bottom, a.Left, a.Bottom},
                                           {a.Left, a.Bottom, a.Left, a.Top}});
    for (const auto& [at, label] : x_.Ticks) {
        const int left = X(at);
        page_.Rules.push_back({left, a.Bottom, left, a.Bottom + kTick});
        text(left - face.Width(label, false, points) / 2, a.Bottom + 100, label);
    }
    for (const auto& [at, label] : y_.Ticks) {
        const int top = Y(at);
        page_.Rules.push_back({a.Left - kTick, top, a.Left, top});
        text(a.Left - 120, top - line_ / 2, label, true);
    }
    const std::string xName(xTitle);
    text((a.Left + a.Right - face.Width(xName, false, points)) / 2, a.Bottom + 100 + line_, xName);
    text(a.Left - 1000, a.Top - 500, std::string(yTitle));
}

int PageChart::X(double value) const {
    return area_.Left + static_cast<int>(std::lround((value - x_.From) / (x_.To - x_.From) *
                                                     (area_.Right - area_.Left)));
}

int PageChart::Y(double value) const {
    return area_.Bottom - static_cast<int>(std::lround((value - y_.From) / (y_.To - y_.From) *
                                                       (area_.Bottom - area_.Top)));
}

void PageChart::Polyline(const std::vector<std::pair<double, double>>& points) {
    for (std::size_t i = 1; i < points.size(); ++i)
        page_.Rules.push_back({X(points[i - 1].first), Y(points[i - 1].second), X(points[i].first),
                               Y(points[i].second)});
}

void PageChart::Mark(PageMarker marker, double x, double y) { MarkAt(marker, X(x), Y(y)); }

void PageChart::MarkAt(PageMarker marker, int x, int y) {
    const int m = kMarker;
    switch (marker) {
        case PageMarker::Square:
            page_.Rules.insert(page_.Rules.end(), {{x - m, y - m, x + m, y - m},
                                                   {x + m, y - m, x + m, y + m},
                                                   {x + m, y + m, x - m, y + m},
                                                   {x - m, y + m, x - m, y - m}});
            break;
        case PageMarker::Triangle:  // point up, as the window's chart draws it
            page_.Rules.insert(
                page_.Rules.end(),
                {{x, y - m, x + m, y + m}, {x + m, y + m, x - m, y + m}, {x - m, y + m, x, y - m}});
            break;
        case PageMarker::Diamond:
            page_.Rules.insert(page_.Rules.end(), {{x, y - m, x + m, y},
                                                   {x + m, y, x, y + m},
                                                   {x, y + m, x - m, y},
                                                   {x - m, y, x, y - m}});
            break;
    }
}

int PageChart::LegendEntry(std::string_view name) {
    page_.Lines.push_back({area_.LegendLeft + 400, legend_, false, std::string(name)});
    const int middle = legend_ + line_ / 2;
    legend_ += line_ + 100;
    return middle;
}

void PageChart::Dashed(int left, int right, int y, int dash) {
    if (dash <= 0) {
        page_.Rules.push_back({left, y, right, y});
        return;
    }
    for (int x = left; x < right; x += 2 * dash)
        page_.Rules.push_back({x, y, std::min(x + dash, right), y});
}

void PageChart::Level(double y, int dash) { Dashed(area_.Left, area_.Right, Y(y), dash); }

void PageChart::LegendLine(std::string_view name, int dash) {
    const int y = LegendEntry(name);
    Dashed(area_.LegendLeft, area_.LegendLeft + 300, y, dash);
}

void PageChart::LegendMark(PageMarker marker, std::string_view name) {
    MarkAt(marker, area_.LegendLeft + 150, LegendEntry(name));
}

}  // namespace krv1::presentation
