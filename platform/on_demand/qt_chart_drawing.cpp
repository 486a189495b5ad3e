// The on-demand library "charts": a chart control's drawing by Qt Charts.
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QScatterSeries>

#include "platform/chart_drawing.h"

namespace krv1::platform {
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

QXYSeries* SeriesOf(const ChartSeries& one) {
    using Look = ChartSeries::Look;
    if (one.look == Look::Line || one.look == Look::MarkedLine || one.look == Look::DashedLine) {
        auto* line = new QLineSeries;
        line->setPointsVisible(one.look == Look::MarkedLine);
        return line;
    }
    auto* scatter = new QScatterSeries;
    scatter->setMarkerSize(11);
    scatter->setMarkerShape(one.look == Look::Square ? QScatterSeries::MarkerShapeRectangle
                            : one.look == Look::Triangle
                                ? QScatterSeries::MarkerShapeTriangle
                                : QScatterSeries::MarkerShapeRotatedRectangle);
    return scatter;
}

class QtChartDrawing final : public QChartView, public ChartDrawing {
public:
    explicit QtChartDrawing(QWidget* parent) : QChartView(new QChart(), parent) {
        setRenderHint(QPainter::Antialiasing);
        // On the right, a line an entry: the names stand whole.
        chart()->legend()->setAlignment(Qt::AlignRight);
    }

    QWidget* widget() override { return this; }

    void plot(const ChartScale& xScale, const ChartScale& yScale,
              const std::vector<ChartSeries>& series) override {
        clear();
        QCategoryAxis* x = AxisOf(xScale);
        QCategoryAxis* y = AxisOf(yScale);
        chart()->addAxis(x, Qt::AlignBottom);
        chart()->addAxis(y, Qt::AlignLeft);
        for (const ChartSeries& one : series) {
            QXYSeries* drawn = SeriesOf(one);
            drawn->setName(one.name);
            for (const QPointF& point : one.points) drawn->append(point);
            chart()->addSeries(drawn);
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

    void clear() override {
        chart()->removeAllSeries();
        for (QAbstractAxis* axis : chart()->axes()) {
            chart()->removeAxis(axis);
            delete axis;
        }
    }

    int seriesCount() const override { return static_cast<int>(chart()->series().size()); }
};

}  // namespace
}  // namespace krv1::platform

extern "C" Q_DECL_EXPORT krv1::platform::ChartDrawing* krv1NewChartDrawing(QWidget* parent) {
    return new krv1::platform::QtChartDrawing(parent);
}
