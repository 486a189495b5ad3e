#include "records_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>

#include "platform/artwork.h"
#include "platform/controls.h"
#include "platform/form_chart.h"
#include "platform/utf8_text.h"
#include "records_table.h"
#include "records_window_layout.h"
#include "text/strength_records_texts.h"

namespace krv1::forms {

namespace k = records_controls;
namespace r = text::records;
using platform::FromUtf8;

namespace {

platform::ChartScale ScaleOf(std::string_view title, const presentation::ChartAxis& axis) {
    platform::ChartScale scale{FromUtf8(title), axis.From, axis.To, {}};
    for (const auto& [at, label] : axis.Ticks) scale.ticks.emplace_back(at, FromUtf8(label));
    return scale;
}

std::vector<QPointF> Points(const presentation::RecordsChart::Points& points) {
    std::vector<QPointF> drawn;
    for (const auto& [x, y] : points) drawn.emplace_back(x, y);
    return drawn;
}

}  // namespace

RecordsWindow::RecordsWindow()
    : FormWindow(kRecordsWindowLayout, kRecordsWindowControls, platform::RedDiscIcon()),
      table_(new RecordsTable(this)) {
    auto* view = control<QTableView>(k::kTable);
    view->setModel(table_);
    view->setAccessibleName(FromUtf8(r::kTitle));
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    connect(table_, &RecordsTable::edited, this, &RecordsWindow::edited);
    connect(table_, &RecordsTable::refused, this, [this] { say(r::kCellRefused); });
    // The table's own key: a view in Qt takes no paste of its own.
    view->installEventFilter(this);
    for (const char* option : {k::kCubeOption, k::kCylinderOption})
        connect(control<platform::FormOptionButton>(option), &QRadioButton::clicked, this,
                &RecordsWindow::edited);
    connect(control<platform::FormTextBox>(k::kSpecifiedBox), &QLineEdit::textEdited, this,
            &RecordsWindow::edited);
    connect(control<QCheckBox>(k::kUseMarginCheck), &QCheckBox::clicked, this,
            &RecordsWindow::edited);
    connect(control<QPushButton>(k::kAddRowCommand), &QPushButton::clicked, table_,
            &RecordsTable::addRow);
    connect(control<QPushButton>(k::kDeleteRowCommand), &QPushButton::clicked, this, [this, view] {
        std::set<int> rows;
        for (const QModelIndex& index : view->selectionModel()->selectedIndexes())
            rows.insert(index.row());
        if (rows.empty() && view->currentIndex().isValid()) rows.insert(view->currentIndex().row());
        table_->removeTestRows(rows);
    });
    connect(control<QPushButton>(k::kPrintCommand), &QPushButton::clicked, this,
            &RecordsWindow::printRecords);
    connect(control<QPushButton>(k::kSavePdfCommand), &QPushButton::clicked, this,
            &RecordsWindow::saveRecordsAsPdf);
    connect(control<QPushButton>(k::kCopyCommand), &QPushButton::clicked, this,
            &RecordsWindow::copyRecords);
    connect(control<QPushButton>(k::kCloseCommand), &QPushButton::clicked, this,
            &RecordsWindow::hide);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &RecordsWindow::hide);
}

void RecordsWindow::fill(const RecordsSource& source,
                         const presentation::StrengthRecords& records) {
    source_ = source;
    records_ = records;
    const bool cube = records.Specimen != SpecimenShape::Cylinder;
    control<platform::FormOptionButton>(k::kCubeOption)->setValue(cube);
    control<platform::FormOptionButton>(k::kCylinderOption)->setValue(!cube);
    control<platform::FormTextBox>(k::kSpecifiedBox)->setText(FromUtf8(records.Specified));
    control<QCheckBox>(k::kUseMarginCheck)->setChecked(records.UseMargin);
    table_->setTests(records.Tests);
    refresh();
}

void RecordsWindow::follow(const RecordsSource& source) {
    source_ = source;
    refresh();
}

bool RecordsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
        pasteRows(QGuiApplication::clipboard()->text());
        return true;
    }
    return FormWindow::eventFilter(watched, event);
}

QWidget* RecordsWindow::firstFocus() const { return control<QWidget>(k::kTable); }

void RecordsWindow::edited() {
    records_.Specimen = control<platform::FormOptionButton>(k::kCylinderOption)->isChecked()
                            ? SpecimenShape::Cylinder
                            : SpecimenShape::Cube;
    records_.Specified = control<platform::FormTextBox>(k::kSpecifiedBox)->text().toStdString();
    records_.UseMargin = control<QCheckBox>(k::kUseMarginCheck)->isChecked();
    records_.Tests = table_->tests();
    refresh();
    if (recordsSink_) recordsSink_(records_);
}

void RecordsWindow::pasteRows(const QString& text) {
    const QModelIndex at = control<QTableView>(k::kTable)->currentIndex();
    const bool taken =
        table_->paste(at.isValid() ? at.row() : table_->rowCount(), at.isValid() ? at.column() : 0,
                      presentation::PastedRows(text.toStdString()));
    if (!taken) say(r::kCellRefused);
}

void RecordsWindow::say(std::string_view message) {
    control<platform::FormLabel>(k::kFoot)->setCaption(FromUtf8(message));
}

void RecordsWindow::refresh() {
    const presentation::RecordsResult result =
        presentation::AnalyseRecords(records_, source_.Input, source_.Locale);
    control<platform::FormTextBox>(k::kSpecifiedBox)->setFlagged(false);
    // A row refused is marked and named; the last figures stay shown.
    if (const auto* refusal = std::get_if<presentation::RecordsRefusal>(&result)) {
        table_->mark({}, refusal->Row);
        if (refusal->Row == 0) control<platform::FormTextBox>(k::kSpecifiedBox)->setFlagged(true);
        say(refusal->Message);
        return;
    }
    say({});
    figures_ = std::get<presentation::RecordsFigures>(result);
    figuredRecords_ = records_;
    showFigures(*figures_);
}

void RecordsWindow::showFigures(const presentation::RecordsFigures& figures) {
    std::set<std::size_t> low;
    for (const presentation::TestFigures& test : figures.Tests)
        if (test.LowSingle || test.LowAverage) low.insert(test.Row);
    table_->mark(std::move(low), 0);
    auto* verdict = control<platform::FormLabel>(k::kVerdict);
    verdict->setCaption(FromUtf8(figures.Verdict));
    QPalette palette = verdict->palette();
    palette.setColor(QPalette::WindowText, figures.Accepted                  ? QColor(0, 128, 0)
                                           : figures.Verdict == r::kRejected ? QColor(192, 0, 0)
                                                                             : QColor(0, 0, 0));
    verdict->setPalette(palette);
    control<platform::FormMemo>(k::kFigures)->setContent(FromUtf8(plainText()));

    const presentation::RecordsChart chart = presentation::RecordsChartOf(figures, source_.Locale);
    using Look = platform::ChartSeries::Look;
    std::vector<platform::ChartSeries> series{
        {FromUtf8(r::kResultsLegend), Look::MarkedLine, Points(chart.Results)},
        {FromUtf8(r::kAverageLegend), Look::Line, Points(chart.Averages)}};
    const auto level = [&](const std::optional<double>& at, Look look, std::string_view name) {
        if (at)
            series.push_back(
                {FromUtf8(name), look, {{chart.Tests.From, *at}, {chart.Tests.To, *at}}});
    };
    level(chart.Required, Look::Line, r::kRequiredLegend);
    level(chart.Limit, Look::DashedLine, r::kLimitLegend);
    level(chart.Target, Look::DashedLine, r::kTargetLegend);
    control<platform::FormChart>(k::kChart)->plot(
        ScaleOf(r::kTestAxis, chart.Tests), ScaleOf(r::kStrengthAxis, chart.Strength), series);
}

std::string RecordsWindow::plainText() const {
    if (!figures_) return {};
    return presentation::SheetText(
        presentation::RecordsRows(figuredRecords_, *figures_, source_.Locale));
}

void RecordsWindow::printRecords() {
    if (figures_)
        documents::PrintPageWithChoice(
            this,
            presentation::RecordsPage(figuredRecords_, *figures_, source_.Locale,
                                      documents::PageFaceMetrics()),
            printerChoice_);
}

void RecordsWindow::saveRecordsAsPdf() {
    if (figures_)
        documents::SavePageAsPdf(
            this,
            presentation::RecordsPage(figuredRecords_, *figures_, source_.Locale,
                                      documents::PageFaceMetrics()),
            QString());
}

void RecordsWindow::copyRecords() { QGuiApplication::clipboard()->setText(FromUtf8(plainText())); }

}  // namespace krv1::forms
