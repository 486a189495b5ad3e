// A chart control of a layout table: lines and marked points on two value
// axes, drawn by Qt Charts once the first chart is shown (chart_drawing.h).
#pragma once

#include <QWidget>
#include <vector>

#include "chart_drawing.h"

namespace krv1::platform {

class FormChart : public QWidget {
    Q_OBJECT
public:
    explicit FormChart(QWidget* parent);
    // Replaces what the chart shows.
    void plot(const ChartScale& x, const ChartScale& y, const std::vector<ChartSeries>& series);
    // Shows nothing: no series and no axes.
    void clear();
    // How many series it shows now, for the tests.
    int seriesCount() const;

private:
    // Null when the chart library could not be loaded: a message stands in
    // the chart's place and the window works on without it.
    ChartDrawing* drawing_ = nullptr;
};

}  // namespace krv1::platform
