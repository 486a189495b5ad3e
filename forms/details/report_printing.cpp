#include "report_printing.h"

#include "platform/utf8_text.h"

namespace krv1::forms {

bool PrintReport(platform::Printer& printer, const std::vector<presentation::ReportLine>& lines) {
    // The whole set-up at every job: nothing depends on an earlier one.
    printer.setPaperA4();
    printer.setPortrait();
    printer.setFontName(QString::fromLatin1(kReportFont));
    printer.setFontBold(true);
    printer.setFontSize(kReportPointSize);
    bool bold = true;
    for (const presentation::ReportLine& line : lines) {
        if (line.Bold && !bold) {
            printer.setFontBold(true);
            bold = true;
        }
        printer.setCurrentX(line.X);
        printer.setCurrentY(line.Y);
        if (!line.Bold && bold) {
            printer.setFontBold(false);
            bold = false;
        }
        printer.print(platform::FromUtf8(line.Text));
    }
    return printer.endDoc();
}

}  // namespace krv1::forms
