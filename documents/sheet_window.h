// The frame the site sheet, the trial and the strength records windows
// share: a sheet of rows that prints on the printer chosen, is kept as a
// PDF and copied as plain text, and a window that closes with its command
// or with Esc.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "page_printing.h"
#include "platform/control_row.h"
#include "platform/form_chart.h"
#include "platform/form_window.h"
#include "presentation/chart_page.h"
#include "presentation/report_lines.h"

namespace krv1::documents {

// The objectNames of a sheet window's four commands.
struct SheetCommands {
    const char* print;
    const char* savePdf;
    const char* copy;
    const char* close;
};

class SheetWindow : public platform::FormWindow {
    Q_OBJECT
public:
    // Stands in for the print dialog in tests.
    void setPrinterChoice(PrinterChoice choice) { printerChoice_ = std::move(choice); }
    // The name a PDF of the sheet is proposed under, asked at each save.
    void setPdfNameSource(std::function<QString()> name) { pdfName_ = std::move(name); }

    // The sheet as plain text, as the window and the command line write it.
    virtual std::string plainText() const = 0;
    // The sheet as it is copied: caption, figure and unit tab-separated.
    virtual std::string copiedText() const = 0;

    void printSheet();
    void saveSheetAsPdf();
    void copySheet();

protected:
    SheetWindow(const platform::WindowLayout& layout,
                std::span<const platform::ControlRow> controls, const SheetCommands& commands);
    // The sheet's page; none while there is nothing to print.
    virtual std::optional<presentation::PrintedPage> page() const = 0;

private:
    PrinterChoice printerChoice_ = platform::ChoosePrinter;
    std::function<QString()> pdfName_;
};

// A chart's axis as the window's chart draws it, titled.
platform::ChartScale ScaleOf(std::string_view title, const presentation::ChartAxis& axis);

}  // namespace krv1::documents
