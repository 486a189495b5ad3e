#include "records_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>

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

std::vector<QPointF> Points(const presentation::RecordsChart::Points& points) {
    std::vector<QPointF> drawn;
    for (const auto& [x, y] : points) drawn.emplace_back(x, y);
    return drawn;
}

}  // namespace

RecordsWindow::RecordsWindow()
    : SheetWindow(kRecordsWindowLayout, kRecordsWindowControls,
                  {k::kPrintCommand, k::kSavePdfCommand, k::kCopyCommand, k::kCloseCommand}),
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
}

void RecordsWindow::fill(const presentation::StrengthRecords& records) {
    records_ = records;
    const bool cube = records.Specimen != SpecimenShape::Cylinder;
    control<platform::FormOptionButton>(k::kCubeOption)->setValue(cube);
    control<platform::FormOptionButton>(k::kCylinderOption)->setValue(!cube);
    control<platform::FormTextBox>(k::kSpecifiedBox)->setText(FromUtf8(records.Specified));
    control<QCheckBox>(k::kUseMarginCheck)->setChecked(records.UseMargin);
    table_->setTests(records.Tests);
    forgetShownFigures();
}

void RecordsWindow::forgetShownFigures() {
    // Another design's records: a refused row of theirs must not sit beside
    // the verdict, the figures or the chart of the last.
    shown_.reset();
    control<platform::FormLabel>(k::kVerdict)->setCaption(QString());
    control<platform::FormMemo>(k::kFigures)->setContent(QString());
    control<platform::FormChart>(k::kChart)->clear();
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

void RecordsWindow::show(const presentation::RecordsEvaluation& weighed,
                         const NumberLocale& separators) {
    locale_ = separators;
    control<platform::FormTextBox>(k::kSpecifiedBox)->setFlagged(false);
    if (const auto* refusal = std::get_if<presentation::RecordsRefusal>(&weighed)) {
        table_->mark({}, refusal->Row);
        if (refusal->Row == 0) control<platform::FormTextBox>(k::kSpecifiedBox)->setFlagged(true);
        say(refusal->Message);
        return;
    }
    say({});
    if (const auto* shown = std::get_if<presentation::RecordsShown>(&weighed)) showFigures(*shown);
}

void RecordsWindow::showFigures(const presentation::RecordsShown& shown) {
    shown_ = shown;
    const presentation::RecordsFigures& figures = shown.Figures;
    std::set<std::size_t> low;
    for (const presentation::TestFigures& test : figures.Tests)
        if (test.Low()) low.insert(test.Row);
    table_->mark(std::move(low), 0);
    auto* verdict = control<platform::FormLabel>(k::kVerdict);
    verdict->setCaption(FromUtf8(presentation::VerdictText(figures.Verdict)));
    QPalette palette = verdict->palette();
    using V = presentation::RecordsVerdict;
    palette.setColor(QPalette::WindowText, figures.Verdict == V::Accepted   ? QColor(0, 128, 0)
                                           : figures.Verdict == V::Rejected ? QColor(192, 0, 0)
                                                                            : QColor(0, 0, 0));
    verdict->setPalette(palette);
    control<platform::FormMemo>(k::kFigures)->setContent(FromUtf8(plainText()));

    const presentation::RecordsChart chart = presentation::RecordsChartOf(figures, locale_);
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
        documents::ScaleOf(r::kTestAxis, chart.Tests),
        documents::ScaleOf(r::kStrengthAxis, chart.Strength), series);
}

std::string RecordsWindow::plainText() const {
    return shown_ ? presentation::SheetText(shown_->Rows) : std::string();
}

std::string RecordsWindow::copiedText() const {
    return shown_ ? presentation::SheetCopyText(shown_->Rows) : std::string();
}

std::optional<presentation::PrintedPage> RecordsWindow::page() const {
    if (!shown_) return std::nullopt;
    return presentation::RecordsPage(shown_->Records, shown_->Figures, locale_,
                                     documents::PageFaceMetrics(), shown_->PageHeading);
}

}  // namespace krv1::forms
