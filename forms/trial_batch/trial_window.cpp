#include "trial_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QShortcut>

#include "platform/artwork.h"
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

platform::ChartScale ScaleOf(std::string_view title, const presentation::ChartAxis& axis) {
    platform::ChartScale scale{FromUtf8(title), axis.From, axis.To, {}};
    for (const auto& [at, label] : axis.Ticks) scale.ticks.emplace_back(at, FromUtf8(label));
    return scale;
}

}  // namespace

TrialWindow::TrialWindow()
    : FormWindow(kTrialWindowLayout, kTrialWindowControls, platform::RedDiscIcon()) {
    for (const char* box : k::kBoxes)
        connect(control<platform::FormTextBox>(box), &QLineEdit::textEdited, this,
                &TrialWindow::boxEdited);
    connect(control<QPushButton>(k::kPrintCommand), &QPushButton::clicked, this,
            &TrialWindow::printTrial);
    connect(control<QPushButton>(k::kSavePdfCommand), &QPushButton::clicked, this,
            &TrialWindow::saveTrialAsPdf);
    connect(control<QPushButton>(k::kCopyCommand), &QPushButton::clicked, this,
            &TrialWindow::copyTrial);
    connect(control<QPushButton>(k::kCloseCommand), &QPushButton::clicked, this,
            &TrialWindow::hide);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &TrialWindow::hide);
}

void TrialWindow::fill(const TrialSource& source, const presentation::TrialInputs& inputs) {
    source_ = source;
    inputs_ = inputs;
    for (std::size_t i = 0; i < inputs.size(); ++i)
        control<platform::FormTextBox>(k::kBoxes[i])->setText(FromUtf8(inputs[i]));
    refresh();
}

QWidget* TrialWindow::firstFocus() const { return control<QWidget>(k::kBoxes[0]); }

void TrialWindow::boxEdited() {
    for (std::size_t i = 0; i < inputs_.size(); ++i)
        inputs_[i] = control<platform::FormTextBox>(k::kBoxes[i])->text().toStdString();
    refresh();
    if (inputsSink_) inputsSink_(inputs_);
}

void TrialWindow::refresh() {
    const presentation::TrialResult result =
        presentation::RunTrial(source_.Input, source_.Design, inputs_, source_.Locale);
    for (std::size_t i = 0; i < inputs_.size(); ++i)
        control<platform::FormTextBox>(k::kBoxes[i])->setFlagged(false);
    // A box refused names itself; the last trial that ran stays shown.
    if (const auto* refusal = std::get_if<presentation::TrialRefusal>(&result)) {
        control<platform::FormTextBox>(k::kBoxes[static_cast<std::size_t>(refusal->Box)])
            ->setFlagged(true);
        control<platform::FormLabel>(k::kFoot)->setCaption(FromUtf8(refusal->Message));
        return;
    }
    outcome_ = std::get<presentation::TrialOutcome>(result);
    rows_ =
        presentation::TrialRows(source_.Input, source_.Design, inputs_, *outcome_, source_.Locale);
    const CalculationError* refused = ErrorOf(outcome_->Adjusted);
    control<platform::FormLabel>(k::kFoot)->setCaption(refused ? FromUtf8(refused->Message)
                                                               : QString());
    control<platform::FormMemo>(k::kResults)->setContent(FromUtf8(plainText()));
    const presentation::ResultTexts panels =
        presentation::TrialPanelTexts(source_.Design, *outcome_, source_.Locale);
    for (std::size_t row = 0; row < k::kBeforeFigures.size(); ++row) {
        control<platform::FormLabel>(k::kBeforeFigures[row])
            ->setCaption(FromUtf8(panels.BeforeCorrection[row]));
        control<platform::FormLabel>(k::kAfterFigures[row])
            ->setCaption(FromUtf8(panels.AfterCorrection[row]));
    }
    const presentation::TrialChart& chart = outcome_->Chart;
    using Look = platform::ChartSeries::Look;
    std::vector<platform::ChartSeries> series{
        {FromUtf8(t::kCurveLegend), Look::Line, Points(chart.Curve)},
        {FromUtf8(t::kDesignLegend), Look::Square, Points({chart.Design})}};
    if (chart.Trial)
        series.push_back({FromUtf8(t::kTrialLegend), Look::Triangle, Points({*chart.Trial})});
    if (chart.Adjusted)
        series.push_back({FromUtf8(t::kAdjustedLegend), Look::Diamond, Points({*chart.Adjusted})});
    const presentation::ChartAxes axes = presentation::AxesOf(chart, source_.Locale);
    control<platform::FormChart>(k::kChart)->plot(ScaleOf(t::kRatioAxis, axes.Ratio),
                                                  ScaleOf(t::kStrengthAxis, axes.Strength), series);
}

std::string TrialWindow::plainText() const { return presentation::SheetText(rows_); }

presentation::PrintedPage TrialWindow::page() const {
    return presentation::TrialPage(rows_, outcome_->Chart, source_.Locale,
                                   documents::PageFaceMetrics());
}

void TrialWindow::printTrial() {
    if (outcome_) documents::PrintPageWithChoice(this, page(), printerChoice_);
}

void TrialWindow::saveTrialAsPdf() {
    if (outcome_) documents::SavePageAsPdf(this, page(), QString());
}

void TrialWindow::copyTrial() { QGuiApplication::clipboard()->setText(FromUtf8(plainText())); }

}  // namespace krv1::forms
