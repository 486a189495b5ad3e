// Sends the report to a printer in the order the report is laid out: page
// set-up, font, then each line at its place.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "platform/printer.h"
#include "presentation/report_lines.h"

namespace krv1::forms {

// The report's face and size; a substitute is chosen by the printer when the
// face is not installed.
inline constexpr const char* kReportFont = "CordiaUPC";
inline constexpr double kReportPointSize = 16;

// Returns false when the printer did not take the job.
bool PrintReport(platform::Printer& printer, const std::vector<presentation::ReportLine>& lines);

// Asks where to keep the report, proposing a name from the engineer's name
// and today's date, and writes it there as a PDF; says so when it cannot.
void SaveReportAsPdf(QWidget* parent, const std::vector<presentation::ReportLine>& lines,
                     const QString& engineer);

}  // namespace krv1::forms
