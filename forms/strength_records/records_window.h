// The site's strength records: the table an engineer pastes from a
// spreadsheet, the margin their scatter earns, the acceptance verdict and
// the chart. It tells the main window of every edit; the main window keeps
// the records with the design and has them weighed.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "documents/sheet_window.h"
#include "presentation/design_evaluation.h"

namespace krv1::forms {

class RecordsTable;

class RecordsWindow : public documents::SheetWindow {
    Q_OBJECT
public:
    using RecordsSink = std::function<void(const presentation::StrengthRecords&)>;

    RecordsWindow();

    // Puts a design's records in the table and the boxes; what was shown
    // of another goes.
    void fill(const presentation::StrengthRecords& records);
    // Shows the records as the main window's design weighs them: a row
    // refused is marked and named, and the last figures stay shown.
    void show(const presentation::RecordsEvaluation& weighed, const NumberLocale& separators);
    // Told of every change the engineer makes.
    void setRecordsSink(RecordsSink sink) { recordsSink_ = std::move(sink); }

    const presentation::StrengthRecords& records() const { return records_; }
    std::string plainText() const override;
    std::string copiedText() const override;
    // Rows copied from a spreadsheet, at the table's current cell.
    void pasteRows(const QString& text);

protected:
    QWidget* firstFocus() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    std::optional<presentation::PrintedPage> page() const override;

private:
    void edited();
    void showFigures(const presentation::RecordsShown& shown);
    void forgetShownFigures();
    void say(std::string_view message);

    presentation::StrengthRecords records_;
    RecordsTable* table_;
    NumberLocale locale_;
    // The last figures that were worked out, with the records they are of.
    std::optional<presentation::RecordsShown> shown_;
    RecordsSink recordsSink_;
};

}  // namespace krv1::forms
