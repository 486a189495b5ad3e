#include "form_chart.h"

#include <QLabel>
#include <QVBoxLayout>

#include "on_demand_library.h"
#include "text/ui_texts.h"
#include "utf8_text.h"

namespace krv1::platform {

FormChart::FormChart(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto create =
        reinterpret_cast<NewChartDrawing>(ResolveOnDemand(kChartLibrary, kNewChartDrawing));
    drawing_ = create ? create(this) : nullptr;
    if (drawing_) {
        layout->addWidget(drawing_->widget());
        return;
    }
#ifdef KRV1_ON_DEMAND_LINKED
    auto* missing = new QLabel(FromUtf8(text::ui::kChartNotBuilt), this);
#else
    auto* missing = new QLabel(FromUtf8(text::ui::kChartLibraryMissing), this);
#endif
    missing->setWordWrap(true);
    missing->setAlignment(Qt::AlignCenter);
    layout->addWidget(missing);
}

void FormChart::plot(const ChartScale& x, const ChartScale& y,
                     const std::vector<ChartSeries>& series) {
    if (drawing_) drawing_->plot(x, y, series);
}

void FormChart::clear() {
    if (drawing_) drawing_->clear();
}

int FormChart::seriesCount() const { return drawing_ ? drawing_->seriesCount() : 0; }

}  // namespace krv1::platform
