// The site's strength records: the table an engineer pastes from a
// spreadsheet, the margin their scatter earns, the acceptance verdict and
// the chart. It follows every edit, and tells the main window, which keeps
// the records with the design.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "documents/page_printing.h"
#include "platform/form_window.h"
#include "presentation/records_report.h"

namespace krv1::forms {

class RecordsTable;

// The design the records are weighed against: its required strength and
// specimen as the main window's boxes hold them.
struct RecordsSource {
    MixInput Input;
    NumberLocale Locale;
};

class RecordsWindow : public platform::FormWindow {
    Q_OBJECT
public:
    using RecordsSink = std::function<void(const presentation::StrengthRecords&)>;

    RecordsWindow();

    void fill(const RecordsSource& source, const presentation::StrengthRecords& records);
    // The same records against another design.
    void follow(const RecordsSource& source);
    // Told of every change the engineer makes.
    void setRecordsSink(RecordsSink sink) { recordsSink_ = std::move(sink); }
    // Stands in for the print dialog in tests.
    void setPrinterChoice(documents::PrinterChoice choice) { printerChoice_ = std::move(choice); }

    const presentation::StrengthRecords& records() const { return records_; }
    // The figures as plain text, as they are copied and written by the
    // command line.
    std::string plainText() const;
    // Rows copied from a spreadsheet, at the table's current cell.
    void pasteRows(const QString& text);

    void printRecords();
    void saveRecordsAsPdf();
    void copyRecords();

protected:
    QWidget* firstFocus() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void edited();
    void refresh();
    void showFigures(const presentation::RecordsFigures& figures);
    void say(std::string_view message);

    RecordsSource source_;
    presentation::StrengthRecords records_;
    RecordsTable* table_;
    // The last figures that were worked out, and the records they are of:
    // a refusal leaves both as they were.
    std::optional<presentation::RecordsFigures> figures_;
    presentation::StrengthRecords figuredRecords_;
    RecordsSink recordsSink_;
    documents::PrinterChoice printerChoice_ = platform::ChoosePrinter;
};

}  // namespace krv1::forms
