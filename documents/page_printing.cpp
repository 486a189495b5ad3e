#include "page_printing.h"

#include <QDate>

#include "file_writing.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/utf8_text.h"
#include "presentation/design_report.h"
#include "text/design_file_texts.h"
#include "text/report_texts.h"

namespace krv1::documents {

bool PrintPage(platform::Printer& printer, const std::vector<presentation::ReportLine>& lines) {
    // The whole set-up at every job: nothing depends on an earlier one.
    printer.setPaperA4();
    printer.setPortrait();
    printer.setFontName(QString::fromLatin1(kPageFont));
    printer.setFontBold(true);
    printer.setFontSize(kPagePointSize);
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

void PrintPageOrSay(QWidget* parent, std::unique_ptr<platform::Printer> printer,
                    const std::vector<presentation::ReportLine>& lines) {
    if (!printer) {
        platform::ShowMessage(parent, platform::FromUtf8(text::report::kNoDefaultPrinter));
        return;
    }
    if (!PrintPage(*printer, lines))
        platform::ShowMessage(parent, platform::FromUtf8(text::report::kPrinterRefused));
}

void SavePageAsPdf(QWidget* parent, const std::vector<presentation::ReportLine>& lines,
                   const QString& engineer) {
    const QString proposed = platform::FromUtf8(presentation::ReportFileName(
        engineer.toStdString(), QDate::currentDate().toString(Qt::ISODate).toStdString()));
    const QString path = platform::ChooseFileToSave(
        parent, platform::FromUtf8(text::design_file::kPdfFilter), proposed);
    if (path.isEmpty()) return;
    if (const auto failure = WritePdf(path, lines)) platform::ShowMessage(parent, *failure);
}

}  // namespace krv1::documents
