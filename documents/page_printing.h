// The program's printed pages, the report and the site batch sheet, sent to
// a printer or kept as a PDF: page set-up, font, then each line at its place.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "platform/printer.h"
#include "presentation/report_lines.h"
#include "presentation/site_sheet.h"

namespace krv1::documents {

// The pages' face and size; a substitute is chosen by the printer when the
// face is not installed.
inline constexpr const char* kPageFont = "CordiaUPC";

// The day a page is printed: today on the system's calendar.
presentation::CalendarDate PrintingDay();
// The page face's measures, for laying out the site sheet.
presentation::PageFace PageFaceMetrics();

// Returns false when the printer did not take the job.
bool PrintPage(platform::Printer& printer, const presentation::PrintedPage& page);
// Pages one after another, in one job; the same answer.
bool PrintPages(platform::Printer& printer, const std::vector<presentation::PrintedPage>& pages);

// Prints on `printer` (null: there is no default printer) and tells the
// engineer, over `parent`, when it cannot.
void PrintPageOrSay(QWidget* parent, std::unique_ptr<platform::Printer> printer,
                    const presentation::PrintedPage& page);

// Prints on the printer chosen in the print dialog, when one is chosen;
// says so when it cannot. `choose` stands in for the dialog in tests.
using PrinterChoice = std::function<std::unique_ptr<platform::Printer>(QWidget* parent)>;
void PrintPageWithChoice(QWidget* parent, const presentation::PrintedPage& page,
                         const PrinterChoice& choose = platform::ChoosePrinter);

// Asks where to keep the page, proposing `name` (file_names.h), and writes it
// there as a PDF; says so when it cannot.
void SavePageAsPdf(QWidget* parent, const presentation::PrintedPage& page, const QString& name);

}  // namespace krv1::documents
