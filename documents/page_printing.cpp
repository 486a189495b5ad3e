#include "page_printing.h"

#include <QDate>

#include "file_writing.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/utf8_text.h"
#include "text/design_file_texts.h"
#include "text/report_texts.h"

namespace krv1::documents {

presentation::CalendarDate PrintingDay() {
    const QDate today = QDate::currentDate();
    return {today.year(), today.month(), today.day()};
}

presentation::PageFace PageFaceMetrics() {
    const QString family = QString::fromLatin1(kPageFont);
    return {[family](std::string_view text, bool bold, double points) {
                return platform::PageTextWidth(
                    family, QString::fromUtf8(text.data(), qsizetype(text.size())), bold, points);
            },
            [family](double points) { return platform::PageLineHeight(family, points); }};
}

namespace {

// One page's face, lines and rules, its texts placed by their left ends
// until a line says otherwise.
void DrawPage(platform::Printer& printer, const presentation::PrintedPage& page) {
    printer.setFontName(QString::fromLatin1(kPageFont));
    printer.setFontBold(true);
    printer.setFontSize(page.PointSize);
    bool bold = true;
    bool alignRight = false;
    for (const presentation::ReportLine& line : page.Lines) {
        if (line.AlignRight != alignRight) {
            printer.setAlignRight(line.AlignRight);
            alignRight = line.AlignRight;
        }
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
    for (const presentation::PageRule& rule : page.Rules)
        printer.drawRule(rule.X1, rule.Y1, rule.X2, rule.Y2);
}

}  // namespace

bool PrintPage(platform::Printer& printer, const presentation::PrintedPage& page) {
    // The whole set-up at every job: nothing depends on an earlier one.
    printer.setPaperA4();
    printer.setPortrait();
    DrawPage(printer, page);
    return printer.endDoc();
}

bool PrintPages(platform::Printer& printer, const std::vector<presentation::PrintedPage>& pages) {
    printer.setPaperA4();
    printer.setPortrait();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            // Each page starts as the first does.
            printer.newPage();
            printer.setAlignRight(false);
        }
        DrawPage(printer, pages[i]);
    }
    return printer.endDoc();
}

namespace {

void PrintOrSayRefused(QWidget* parent, platform::Printer& printer,
                       const presentation::PrintedPage& page) {
    if (!PrintPage(printer, page))
        platform::ShowMessage(parent, platform::FromUtf8(text::report::kPrinterRefused));
}

}  // namespace

void PrintPageOrSay(QWidget* parent, std::unique_ptr<platform::Printer> printer,
                    const presentation::PrintedPage& page) {
    if (!printer) {
        platform::ShowMessage(parent, platform::FromUtf8(text::report::kNoDefaultPrinter));
        return;
    }
    PrintOrSayRefused(parent, *printer, page);
}

void PrintPageWithChoice(QWidget* parent, const presentation::PrintedPage& page,
                         const PrinterChoice& choose) {
    // A cancelled dialog chose no printer: nothing to say.
    if (std::unique_ptr<platform::Printer> printer = choose(parent))
        PrintOrSayRefused(parent, *printer, page);
}

void SavePageAsPdf(QWidget* parent, const presentation::PrintedPage& page, const QString& name) {
    const QString path =
        platform::ChooseFileToSave(parent, platform::FromUtf8(text::design_file::kPdfFilter), name);
    if (path.isEmpty()) return;
    if (const auto failure = WritePdf(path, page)) platform::ShowMessage(parent, *failure);
}

}  // namespace krv1::documents
