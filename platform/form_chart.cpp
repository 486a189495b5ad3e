#include "form_chart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QScatterSeries>
#include <QVBoxLayout>

namespace krv1::platform {

FormChart::FormChart(QWidget* parent) : QWidget(parent) {
    auto* view = new QChartView(new QChart(), this);
    view->setRenderHint(QPainter::Antialiasing);
    // On the right, a line an entry: the names stand whole.
    view->chart()->legend()->setAlignment(Qt::AlignRight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    view_ = view;
}

namespace {

// Labels are placed by the program, so that a comma design reads "0,5".
QCategoryAxis* AxisOf(const ChartScale& scale) {
    auto* axis = new QCategoryAxis;
    axis->setTitleText(scale.title);
    axis->setRange(scale.from, scale.to);
    axis->setStartValue(scale.from);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setTruncateLabels(false);  // a category's span is too short for its label
    for (const auto& [at, label] : scale.ticks) axis->append(label, at);
    return axis;
}

}  // namespace

void FormChart::plot(const ChartScale& xScale, const ChartScale& yScale,
                     const std::vector<ChartSeries>& series) {
    clear();
    QChart* chart = static_cast<QChartView*>(view_)->chart();
    QCategoryAxis* x = AxisOf(xScale);
    QCategoryAxis* y = AxisOf(yScale);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (const ChartSeries& one : series) {
        QXYSeries* drawn = nullptr;
        using Look = ChartSeries::Look;
        if (one.look == Look::Line || one.look == Look::MarkedLine ||
            one.look == Look::DashedLine) {
            auto* line = new QLineSeries;
            line->setPointsVisible(one.look == Look::MarkedLine);
            drawn = line;
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
        for (const QPointF& point : one.points) drawn->append(point);
        chart->addSeries(drawn);
        // Dashed in the colour the chart's theme gave it on adding.
        if (one.look == ChartSeries::Look::DashedLine) {
            QPen pen = drawn->pen();
            pen.setStyle(Qt::DashLine);
            drawn->setPen(pen);
        }
        drawn->attachAxis(x);
        drawn->attachAxis(y);
    }
}

void FormChart::clear() {
    QChart* chart = static_cast<QChartView*>(view_)->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

int FormChart::seriesCount() const {
    return static_cast<int>(static_cast<QChartView*>(view_)->chart()->series().size());
}

}  // namespace krv1::platform
