// A chart control of a layout table: lines and marked points on two value
// axes, drawn by Qt Charts.
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
    QWidget* view_;  // a QChartView, kept out of this header
};

}  // namespace krv1::platform
