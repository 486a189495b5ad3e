// What a chart control draws, and the drawing itself: Qt Charts, in the
// on-demand library "charts" (on_demand/qt_chart_drawing.cpp), so that the
// program's start loads neither it nor the OpenGL widgets it stands on.
#pragma once

#include <QPointF>
#include <QString>
#include <QWidget>
#include <utility>
#include <vector>

namespace krv1::platform {

struct ChartSeries {
    enum class Look { Line, MarkedLine, DashedLine, Square, Triangle, Diamond };
    QString name;  // in the legend
    Look look;
    std::vector<QPointF> points;
};

// An axis: its title, range, and the labels at its ticks, written as the
// design writes its figures.
struct ChartScale {
    QString title;
    double from, to;
    std::vector<std::pair<double, QString>> ticks;
};

// A chart's drawing, a widget of its own owned by its parent.
class ChartDrawing {
public:
    virtual ~ChartDrawing() = default;
    virtual QWidget* widget() = 0;
    virtual void plot(const ChartScale& x, const ChartScale& y,
                      const std::vector<ChartSeries>& series) = 0;
    virtual void clear() = 0;
    virtual int seriesCount() const = 0;
};

// The library's one entry: a new drawing, a child of `parent`.
using NewChartDrawing = ChartDrawing* (*)(QWidget* parent);
inline constexpr char kChartLibrary[] = "charts";
inline constexpr char kNewChartDrawing[] = "krv1NewChartDrawing";

}  // namespace krv1::platform
