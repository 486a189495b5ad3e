// A chart control of a layout table: lines and marked points on two value
// axes, drawn by Qt Charts.
#pragma once

#include <QPointF>
#include <QString>
#include <QWidget>
#include <vector>

namespace krv1::platform {

struct ChartSeries {
    enum class Look { Line, Square, Triangle, Diamond };
    QString name;  // in the legend
    Look look;
    std::vector<QPointF> points;
};

class FormChart : public QWidget {
    Q_OBJECT
public:
    explicit FormChart(QWidget* parent);
    // Replaces what the chart shows; the axes take whole steps around it.
    void plot(const QString& xTitle, const QString& yTitle, const std::vector<ChartSeries>& series);
    // How many series it shows now, for the tests.
    int seriesCount() const;

private:
    QWidget* view_;  // a QChartView, kept out of this header
};

}  // namespace krv1::platform
