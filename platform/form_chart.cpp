#include "form_chart.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace krv1::platform {

FormChart::FormChart(QWidget* parent) : QWidget(parent) {
    auto* view = new QChartView(new QChart(), this);
    view->setRenderHint(QPainter::Antialiasing);
    view->chart()->legend()->setAlignment(Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    view_ = view;
}

void FormChart::plot(const QString& xTitle, const QString& yTitle,
                     const std::vector<ChartSeries>& series) {
    QChart* chart = static_cast<QChartView*>(view_)->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    auto* x = new QValueAxis;
    auto* y = new QValueAxis;
    x->setTitleText(xTitle);
    y->setTitleText(yTitle);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    double xMin = 0.40, xMax = 0.95, yMin = 100, yMax = 500;
    for (const ChartSeries& one : series) {
        QXYSeries* drawn = nullptr;
        if (one.look == ChartSeries::Look::Line) {
            drawn = new QLineSeries;
        } else {
            auto* scatter = new QScatterSeries;
            scatter->setMarkerSize(11);
            scatter->setMarkerShape(one.look == ChartSeries::Look::Square
                                        ? QScatterSeries::MarkerShapeRectangle
                                    : one.look == ChartSeries::Look::Triangle
                                        ? QScatterSeries::MarkerShapeTriangle
                                        : QScatterSeries::MarkerShapeRotatedRectangle);
            drawn = scatter;
        }
        drawn->setName(one.name);
        for (const QPointF& point : one.points) {
            drawn->append(point);
            xMin = std::min(xMin, std::floor(point.x() * 20) / 20);
            xMax = std::max(xMax, std::ceil(point.x() * 20) / 20);
            yMin = std::min(yMin, std::floor(point.y() / 50) * 50);
            yMax = std::max(yMax, std::ceil(point.y() / 50) * 50);
        }
        chart->addSeries(drawn);
        drawn->attachAxis(x);
        drawn->attachAxis(y);
    }
    // Ticks every 0.05 of W/C and every 50 ksc.
    x->setRange(xMin, xMax);
    x->setTickCount(static_cast<int>(std::lround((xMax - xMin) / 0.05)) / 2 + 1);
    x->setLabelFormat(QStringLiteral("%.2f"));
    y->setRange(yMin, yMax);
    y->setTickCount(static_cast<int>(std::lround((yMax - yMin) / 50)) + 1);
    y->setLabelFormat(QStringLiteral("%.0f"));
}

int FormChart::seriesCount() const {
    return static_cast<int>(static_cast<QChartView*>(view_)->chart()->series().size());
}

}  // namespace krv1::platform
