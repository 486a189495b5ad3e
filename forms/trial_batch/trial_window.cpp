#include "trial_window.h"

#include "platform/controls.h"
#include "platform/form_chart.h"
#include "platform/utf8_text.h"
#include "text/trial_batch_texts.h"
#include "trial_window_layout.h"

namespace krv1::forms {

namespace k = trial_controls;
namespace t = text::trial;
using platform::FromUtf8;

namespace {

std::vector<QPointF> Points(const std::vector<presentation::ChartPoint>& points) {
    std::vector<QPointF> drawn;
    for (const presentation::ChartPoint& point : points)
        drawn.emplace_back(point.Ratio, point.Strength);
    return drawn;
}

}  // namespace

TrialWindow::TrialWindow()
    : SheetWindow(kTrialWindowLayout, kTrialWindowControls,
                  {k::kPrintCommand, k::kSavePdfCommand, k::kCopyCommand, k::kCloseCommand}) {
    for (const char* box : k::kBoxes)
        connect(control<platform::FormTextBox>(box), &QLineEdit::textEdited, this,
                &TrialWindow::boxEdited);
}

void TrialWindow::fill(const presentation::TrialInputs& inputs) {
    inputs_ = inputs;
    for (std::size_t i = 0; i < inputs.size(); ++i)
        control<platform::FormTextBox>(k::kBoxes[i])->setText(FromUtf8(inputs[i]));
    forgetShownTrial();
}

void TrialWindow::forgetShownTrial() {
    // The boxes are another design's now: a refused box of it must not sit
    // beside the figures, the chart or the defaults of the last.
    shown_.reset();
    control<platform::FormMemo>(k::kResults)->setContent(QString());
    for (const char* box : k::kBoxes)
        control<platform::FormTextBox>(box)->setPlaceholderText(QString());
    for (std::size_t row = 0; row < k::kBeforeFigures.size(); ++row) {
        control<platform::FormLabel>(k::kBeforeFigures[row])->setCaption(QString());
        control<platform::FormLabel>(k::kAfterFigures[row])->setCaption(QString());
    }
    control<platform::FormChart>(k::kChart)->clear();
}

QWidget* TrialWindow::firstFocus() const { return control<QWidget>(k::kBoxes[0]); }

void TrialWindow::boxEdited() {
    for (std::size_t i = 0; i < inputs_.size(); ++i)
        inputs_[i] = control<platform::FormTextBox>(k::kBoxes[i])->text().toStdString();
    if (inputsSink_) inputsSink_(inputs_);
}

void TrialWindow::show(const presentation::CalculatedMix& calculated) {
    locale_ = calculated.Locale;
    for (std::size_t i = 0; i < inputs_.size(); ++i)
        control<platform::FormTextBox>(k::kBoxes[i])->setFlagged(false);
    if (const auto* refusal = std::get_if<presentation::TrialRefusal>(&calculated.Trial)) {
        control<platform::FormTextBox>(k::kBoxes[static_cast<std::size_t>(refusal->Box)])
            ->setFlagged(true);
        control<platform::FormLabel>(k::kFoot)->setCaption(FromUtf8(refusal->Message));
        return;
    }
    showTrial(std::get<presentation::TrialShown>(calculated.Trial));
}

void TrialWindow::showTrial(const presentation::TrialShown& trial) {
    shown_ = trial;
    const CalculationError* refused = ErrorOf(trial.Outcome.Adjusted);
    control<platform::FormLabel>(k::kFoot)->setCaption(refused ? FromUtf8(refused->Message)
                                                               : QString());
    control<platform::FormMemo>(k::kResults)->setContent(FromUtf8(plainText()));
    // What an empty box stands for reads inside it.
    for (std::size_t i = 0; i < trial.Placeholders.size(); ++i)
        control<platform::FormTextBox>(k::kBoxes[i])
            ->setPlaceholderText(FromUtf8(trial.Placeholders[i]));
    for (std::size_t row = 0; row < k::kBeforeFigures.size(); ++row) {
        control<platform::FormLabel>(k::kBeforeFigures[row])
            ->setCaption(FromUtf8(trial.Panels.BeforeCorrection[row]));
        control<platform::FormLabel>(k::kAfterFigures[row])
            ->setCaption(FromUtf8(trial.Panels.AfterCorrection[row]));
    }
    plot(trial.Outcome.Chart);
}

void TrialWindow::plot(const std::optional<presentation::TrialChart>& chart) {
    auto* drawn = control<platform::FormChart>(k::kChart);
    if (!chart) {
        drawn->clear();
        return;
    }
    using Look = platform::ChartSeries::Look;
    std::vector<platform::ChartSeries> series{
        {FromUtf8(t::kCurveLegend), Look::Line, Points(chart->Curve)},
        {FromUtf8(t::kDesignLegend), Look::Square, Points({chart->Design})}};
    if (chart->Trial)
        series.push_back({FromUtf8(t::kTrialLegend), Look::Triangle, Points({*chart->Trial})});
    if (chart->Adjusted)
        series.push_back({FromUtf8(t::kAdjustedLegend), Look::Diamond, Points({*chart->Adjusted})});
    const presentation::ChartAxes axes = presentation::AxesOf(*chart, locale_);
    drawn->plot(documents::ScaleOf(t::kRatioAxis, axes.Ratio),
                documents::ScaleOf(t::kStrengthAxis, axes.Strength), series);
}

std::string TrialWindow::plainText() const {
    return shown_ ? presentation::SheetText(shown_->Rows) : std::string();
}

std::string TrialWindow::copiedText() const {
    return shown_ ? presentation::SheetCopyText(shown_->Rows) : std::string();
}

std::optional<presentation::PrintedPage> TrialWindow::page() const {
    if (!shown_) return std::nullopt;
    return presentation::TrialPage(shown_->Rows, shown_->Outcome.Chart, locale_,
                                   documents::PageFaceMetrics(), shown_->PageHeading);
}

}  // namespace krv1::forms
